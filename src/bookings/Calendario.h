#pragma once
#include "platform/Screen.h"

class TfrmCalendario : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);
};
