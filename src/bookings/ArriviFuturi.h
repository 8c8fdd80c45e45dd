#pragma once
#include "platform/Screen.h"

class TfrmArriviFuturi : public TDialog {
    Q_OBJECT
public:
    explicit TfrmArriviFuturi(QWidget *parent = nullptr);
};
