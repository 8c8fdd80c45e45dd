#pragma once
#include "platform/Screen.h"

class TfrmCartella : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCartella(QWidget *parent = nullptr);
};
