#pragma once
#include "checks/CheckScreen.h"

class QLineEdit;

// Check of a VAT number and of the office that issued it.
class TfrmPartitaIva : public CheckScreen {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);
    QLineEdit *txtPartitaIva;
};
