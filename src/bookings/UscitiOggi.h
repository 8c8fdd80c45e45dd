#pragma once
#include "platform/Screen.h"

class TfrmUscitiOggi : public TDialog {
    Q_OBJECT
public:
    explicit TfrmUscitiOggi(QWidget *parent = nullptr);
};
