#pragma once
#include "bookings/DailyListScreen.h"

class TfrmEntratiOggi : public TDailyList {
    Q_OBJECT
public:
    explicit TfrmEntratiOggi(QWidget *parent = nullptr);
};
