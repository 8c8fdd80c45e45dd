#pragma once
#include "platform/Screen.h"

class TfrmCodici_Comuni : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCodici_Comuni(QWidget *parent = nullptr);
};
