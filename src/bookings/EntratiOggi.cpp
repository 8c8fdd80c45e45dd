#include "bookings/EntratiOggi.h"

TfrmEntratiOggi::TfrmEntratiOggi(QWidget *parent)
    : TDailyList(parent, DailyLists::Kind::ArrivalsToday, QStringLiteral(" Clienti in arrivo oggi"),
                 QStringLiteral("CLIENTI IN ARRIVO OGGI"))
{
    setObjectName(QStringLiteral("frmEntratiOggi"));
}
