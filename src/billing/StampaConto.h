#pragma once
#include "platform/Screen.h"

class TfrmStampaConto : public TDialog {
    Q_OBJECT
public:
    explicit TfrmStampaConto(QWidget *parent = nullptr);
};
