#pragma once
#include "checks/CheckRules.h"
#include "platform/Screen.h"

#include <functional>

class QLineEdit;
class QPushButton;

// What the four check screens share: a title picture, one line of instructions, the field
// in large monospaced type, "Controlla" and "Chiudi". The field takes at most `typingLimit`
// typed characters, but a value the guest card puts in with setText arrives whole.
class CheckScreen : public TDialog {
    Q_OBJECT
public:
    struct Setup {
        QString caption;
        QSize size;
        QString title;       // beside the title picture
        QString instruction; // the line above the field
        QString fieldName;
        int typingLimit;
        bool digitsOnly; // keys other than digits, Backspace, Delete, Left and Right are swallowed
        bool trimUpper;  // every typed change is trimmed and its a-z turned into A-Z
        bool gradient;   // green gradient background
        std::function<Checks::Verdict(QStringView)> rule;
    };
    CheckScreen(QWidget *parent, const Setup &setup);

    QPushButton *btnControlla, *btnChiudi;

    void btnControllaClick();
    void btnChiudiClick();

protected:
    QLineEdit *field() const { return m_field; }
    void showEvent(QShowEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    Setup m_setup;
    QLineEdit *m_field;
};
