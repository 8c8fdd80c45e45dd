#pragma once
#include "platform/Screen.h"

class QLineEdit;

class TfrmCodFisc : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);
    QLineEdit *txtCodFisc;
};
