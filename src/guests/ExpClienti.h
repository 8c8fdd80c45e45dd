#pragma once
#include "platform/Screen.h"

class TfrmExpClienti : public TDialog {
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget *parent = nullptr);
};
