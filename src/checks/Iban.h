#pragma once
#include "platform/Screen.h"

class QLineEdit;

class TfrmIban : public TDialog {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);
    QLineEdit *txtIban;
};
