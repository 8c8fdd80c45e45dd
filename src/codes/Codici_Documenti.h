#pragma once
#include "codes/CodeTableScreen.h"

class TfrmCodici_Documenti : public TCodeTableScreen {
    Q_OBJECT
public:
    explicit TfrmCodici_Documenti(QWidget *parent = nullptr);
};
