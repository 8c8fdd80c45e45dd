#pragma once
#include "billing/VoceDialog.h"

// Modifies the selected item of the price list screen's list in place.
class TfrmModifica_Voce : public TVoceDialog {
    Q_OBJECT
public:
    explicit TfrmModifica_Voce(QWidget *parent = nullptr);

protected:
    void btnApplicaClick() override;
};
