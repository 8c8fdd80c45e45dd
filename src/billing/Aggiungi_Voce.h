#pragma once
#include "platform/Screen.h"

class TfrmAggiungi_Voce : public TDialog {
    Q_OBJECT
public:
    explicit TfrmAggiungi_Voce(QWidget *parent = nullptr);
};
