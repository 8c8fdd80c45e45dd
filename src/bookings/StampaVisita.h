#pragma once
#include "bookings/Visita.h"
#include "output/OutputDialog.h"

// Prints the booking as shown on the booking card twice on one sheet, then closes.
class TfrmStampaVisita : public TOutputDialog {
    Q_OBJECT
public:
    explicit TfrmStampaVisita(QWidget *parent = nullptr);
    // The booking to print, built from the card's fields by the opener.
    void setRecord(const TVisita &booking) { m_booking = booking; }
    void btnStampaClick();

private:
    TVisita m_booking;
};
