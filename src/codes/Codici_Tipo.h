#pragma once
#include "platform/Screen.h"

class TfrmCodici_Tipo : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCodici_Tipo(QWidget *parent = nullptr);
};
