#pragma once
#include "platform/Screen.h"

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QToolButton;

// The three attachment slots of a guest card: bare file names in the attachments folder and
// their descriptions.
struct AttachedFiles {
    std::array<QString, 3> names;
    std::array<QString, 3> descriptions;
};

// Chooses, copies, opens and frees the card's attached files.
class TfrmAllegaCartella : public TDialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);

    // Shows the slots to the guest card (marker "clienti") and gives back what the operator applied;
    // nothing when the screen was left with "Annulla".
    static std::optional<AttachedFiles> edit(QWidget *owner, const AttachedFiles &current);

    // Fills the slots, each value trimmed; the "Apri" buttons follow their names.
    void setFiles(const AttachedFiles &files);
    // The slots as they stand, each value trimmed.
    AttachedFiles files() const;

    QLineEdit *txtFile01, *txtFile02, *txtFile03;
    QLineEdit *txtDesc01, *txtDesc02, *txtDesc03;
    QPushButton *btnSfoglia01, *btnSfoglia02, *btnSfoglia03;
    QPushButton *btnApri01, *btnApri02, *btnApri03;
    QToolButton *imgCancella01, *imgCancella02, *imgCancella03;
    QPushButton *btnApplica, *btnAnnulla;

    // Slot k is 0, 1 or 2.
    void btnSfogliaClick(int k);
    void btnApriClick(int k);
    void imgCancellaClick(int k);
    void btnApplicaClick();

private:
    std::array<QLineEdit *, 3> m_file{}, m_desc{};
    std::array<QPushButton *, 3> m_apri{};
    AttachedFiles m_applied;
};
