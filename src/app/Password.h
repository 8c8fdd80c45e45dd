#pragma once
#include "platform/Screen.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The login screen, the application's main window.
class TfrmPassword : public TAppScreen {
    Q_OBJECT
public:
    TfrmPassword();
    QLabel *lblRigo05;
    QLineEdit *txtPassword;
    QFrame *effPassword;
    QPushButton *cmdOK, *cmdEsci, *btnCambiaPassword;

    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    // Called when the change-password screen closes, however it closes.
    void backFromChange();

protected:
    void showEvent(QShowEvent *e) override;
    // Closing the login window ends the program, like Esci.
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void updateOK();
};
