#pragma once
#include "platform/Screen.h"

class QPushButton;
class QToolButton;

// Information screen, reached from the menu: product name and the contact link.
class TfrmInfo : public TDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);
    QPushButton *btnChiudi;
    QToolButton *lnkEmail, *imgEmail;
    // The mail link handed to the shell, not percent-encoded.
    static QString contactLink();
    void lnkEmailClick();
};
