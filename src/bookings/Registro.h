#pragma once
#include "platform/Screen.h"

class TfrmRegistro : public TAppScreen {
    Q_OBJECT
public:
    TfrmRegistro();

protected:
    void closeEvent(QCloseEvent *e) override;
};
