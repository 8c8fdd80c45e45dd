#pragma once
#include "platform/Screen.h"

class TfrmCodici_Stati : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCodici_Stati(QWidget *parent = nullptr);
};
