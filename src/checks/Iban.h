#pragma once
#include "checks/CheckScreen.h"

class QLineEdit;

// Check of a 27-character IBAN by the mod-97 rule.
class TfrmIban : public CheckScreen {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);
    QLineEdit *txtIban;
};
