#pragma once
#include "output/CardExports.h"
#include "output/OutputDialog.h"

class BillPanel;

// The bill as the bill panel shows it: title label, thirty lines, total label.
Bill billOnScreen(const BillPanel &panel);

// Prints the bill, then closes (printed or cancelled).
class TfrmStampaConto : public TOutputDialog {
    Q_OBJECT
public:
    explicit TfrmStampaConto(QWidget *parent = nullptr);
    void setBill(const Bill &bill) { m_bill = bill; }
    void btnStampaClick();

private:
    Bill m_bill;
};
