#pragma once
#include "platform/Screen.h"

class QLineEdit;

class TfrmCarta : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);
    QLineEdit *txtNumero;
};
