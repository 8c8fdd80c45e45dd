#include "bookings/ArriviFuturi.h"

TfrmArriviFuturi::TfrmArriviFuturi(QWidget *parent)
    : TDailyList(parent, DailyLists::Kind::FutureArrivals, QStringLiteral(" Clienti in arrivo da domani in poi"),
                 QStringLiteral("CLIENTI IN ARRIVO DA DOMANI IN POI"))
{
    setObjectName(QStringLiteral("frmArriviFuturi"));
}
