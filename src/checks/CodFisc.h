#pragma once
#include "checks/CheckScreen.h"

class QLineEdit;

// Check of a personal tax code: its length and its check letter.
class TfrmCodFisc : public CheckScreen {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);
    QLineEdit *txtCodFisc;
};
