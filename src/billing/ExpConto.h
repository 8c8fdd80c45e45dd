#pragma once
#include "platform/Screen.h"

class TfrmExpConto : public TDialog {
    Q_OBJECT
public:
    explicit TfrmExpConto(QWidget *parent = nullptr);
};
