#pragma once
#include "billing/VoceDialog.h"

// Adds an item at the end of the price list screen's list.
class TfrmAggiungi_Voce : public TVoceDialog {
    Q_OBJECT
public:
    explicit TfrmAggiungi_Voce(QWidget *parent = nullptr);

protected:
    void btnApplicaClick() override;
};
