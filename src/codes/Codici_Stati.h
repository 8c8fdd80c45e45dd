#pragma once
#include "codes/CodeTableScreen.h"

class TfrmCodici_Stati : public TCodeTableScreen {
    Q_OBJECT
public:
    explicit TfrmCodici_Stati(QWidget *parent = nullptr);
};
