#pragma once
#include "guests/Cliente.h"
#include "output/OutputDialog.h"

// Prints the guest card as shown on the guest card screen, then closes (printed or cancelled).
class TfrmStampaClienti : public TOutputDialog {
    Q_OBJECT
public:
    explicit TfrmStampaClienti(QWidget *parent = nullptr);
    // The card to print, built from the screen's fields by the opener.
    void setRecord(const TCliente &card) { m_card = card; }
    void btnStampaClick();

private:
    TCliente m_card;
};
