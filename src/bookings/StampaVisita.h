#pragma once
#include "platform/Screen.h"

class TfrmStampaVisita : public TDialog {
    Q_OBJECT
public:
    explicit TfrmStampaVisita(QWidget *parent = nullptr);
};
