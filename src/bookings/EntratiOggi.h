#pragma once
#include "platform/Screen.h"

class TfrmEntratiOggi : public TDialog {
    Q_OBJECT
public:
    explicit TfrmEntratiOggi(QWidget *parent = nullptr);
};
