#pragma once
#include "platform/Screen.h"

class TfrmModifica_Voce : public TDialog {
    Q_OBJECT
public:
    explicit TfrmModifica_Voce(QWidget *parent = nullptr);
};
