#pragma once
#include "codes/CodeTableScreen.h"

class TfrmCodici_Tipo : public TCodeTableScreen {
    Q_OBJECT
public:
    explicit TfrmCodici_Tipo(QWidget *parent = nullptr);
};
