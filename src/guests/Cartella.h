#pragma once
#include "platform/Screen.h"

class QPushButton;

// The guest folder of the current card: "Cliente_" and the card's position, beside the archive.
class TfrmCartella : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCartella(QWidget *parent = nullptr);
    // The card's position in the archive, as the card shows it.
    void setPosition(const QString &position);
    QString position() const { return m_position; }

    QPushButton *btnApriCartella;
    QPushButton *btnChiudi;

    void btnApriCartellaClick();

private:
    QString m_position;
};
