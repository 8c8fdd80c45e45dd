#pragma once
#include "checks/CheckScreen.h"

class QLineEdit;

// Check of a payment card number and of its brand.
class TfrmCarta : public CheckScreen {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);
    QLineEdit *txtNumero;
};
