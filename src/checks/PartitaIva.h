#pragma once
#include "platform/Screen.h"

class QLineEdit;

class TfrmPartitaIva : public TDialog {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);
    QLineEdit *txtPartitaIva;
};
