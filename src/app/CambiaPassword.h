#pragma once
#include "platform/Screen.h"

class QFrame;
class QLineEdit;
class QPushButton;

// The change-password screen, reached only from the login screen.
class TfrmCambiaPassword : public TAppScreen {
    Q_OBJECT
public:
    TfrmCambiaPassword();
    QLineEdit *txtPasswordOld, *txtPasswordNew, *txtConferma;
    QFrame *effPasswordOld, *effPasswordNew, *effConferma;
    QPushButton *cmdOK, *cmdEsci;

    void cmdOKClick();
    void cmdEsciClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void updateOK();
};
