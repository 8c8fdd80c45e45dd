#pragma once
#include "bookings/DailyListScreen.h"

class QPushButton;

class TfrmEntratiOggi : public TDailyList {
    Q_OBJECT
public:
    explicit TfrmEntratiOggi(QWidget *parent = nullptr);

    // Today's police guest report (TfrmSchedine), beside Stampa.
    QPushButton *btnSchedine;
    // A double-click there brings the booking onto the card and closes this list too, so
    // that the operator finds the booking to put right.
    void btnSchedineClick();
};
