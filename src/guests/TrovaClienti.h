#pragma once
#include "platform/Screen.h"

class TfrmTrovaClienti : public TDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *parent = nullptr);
};
