#pragma once
#include "platform/Screen.h"

class TfrmTrovaServizi : public TDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaServizi(QWidget *parent = nullptr);
};
