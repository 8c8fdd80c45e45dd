#pragma once
#include "platform/Screen.h"

class TfrmStampaClienti : public TDialog {
    Q_OBJECT
public:
    explicit TfrmStampaClienti(QWidget *parent = nullptr);
};
