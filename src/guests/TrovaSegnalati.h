#pragma once
#include "platform/Screen.h"

class TfrmTrovaSegnalati : public TDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaSegnalati(QWidget *parent = nullptr);
};
