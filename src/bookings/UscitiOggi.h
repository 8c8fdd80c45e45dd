#pragma once
#include "bookings/DailyListScreen.h"

class TfrmUscitiOggi : public TDailyList {
    Q_OBJECT
public:
    explicit TfrmUscitiOggi(QWidget *parent = nullptr);
};
