#pragma once
#include "bookings/DailyListScreen.h"

class TfrmArriviFuturi : public TDailyList {
    Q_OBJECT
public:
    explicit TfrmArriviFuturi(QWidget *parent = nullptr);
};
