#pragma once
#include "output/CardExports.h"
#include "output/OutputDialog.h"

// Writes the bill to Conto.xls; closes once the file is opened, stays open otherwise.
class TfrmExpConto : public TOutputDialog {
    Q_OBJECT
public:
    explicit TfrmExpConto(QWidget *parent = nullptr);
    void setBill(const Bill &bill) { m_bill = bill; }
    void btnStampaClick();

private:
    Bill m_bill;
};
