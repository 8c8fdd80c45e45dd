#pragma once
#include "platform/Screen.h"

class TfrmProdotti : public TAppScreen {
    Q_OBJECT
public:
    TfrmProdotti();

protected:
    void closeEvent(QCloseEvent *e) override;
};
