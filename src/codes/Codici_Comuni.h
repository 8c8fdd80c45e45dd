#pragma once
#include "codes/CodeTables.h"
#include "platform/ListScreen.h"
#include "platform/Screen.h"

class ListScreen;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

// The municipality table: a province sigla is chosen on the start panel, then that province's
// lines fill the list, where they are searched, printed and picked.
class TfrmCodici_Comuni : public TDialog, public ListHost {
    Q_OBJECT
public:
    explicit TfrmCodici_Comuni(QWidget *parent = nullptr);

    // Start panel.
    QWidget *panAvvio;
    QLabel *imgItalia;
    QComboBox *txtProv;
    QLabel *Risultato;
    QLabel *icoFreccia01, *icoFreccia02;
    QLabel *lblAttendere;
    QPushButton *btnAnnulla, *btnCerca;
    // List panel.
    QWidget *panContainer;

    void txtProvChange();
    void btnCercaClick();
    void lstRecordsDblClick();
    // What the operator picked for the caller's marker; nothing when the table closed without a pick.
    std::optional<Codes::PickedEntry> picked() const { return m_picked; }

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    std::optional<Codes::PickedEntry> m_picked;
};
