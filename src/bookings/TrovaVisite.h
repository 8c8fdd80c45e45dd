#pragma once
#include "platform/Screen.h"

class TfrmTrovaVisite : public TDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaVisite(QWidget *parent = nullptr);
};
