#pragma once
#include "platform/Screen.h"

class TfrmCodici_Documenti : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCodici_Documenti(QWidget *parent = nullptr);
};
