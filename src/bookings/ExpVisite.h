#pragma once
#include "platform/Screen.h"

class TfrmExpVisite : public TDialog {
    Q_OBJECT
public:
    explicit TfrmExpVisite(QWidget *parent = nullptr);
};
