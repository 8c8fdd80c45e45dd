#include "bookings/UscitiOggi.h"

TfrmUscitiOggi::TfrmUscitiOggi(QWidget *parent)
    : TDailyList(parent, DailyLists::Kind::DeparturesToday, QStringLiteral(" Clienti in partenza oggi"),
                 QStringLiteral("CLIENTI IN PARTENZA OGGI"))
{
    setObjectName(QStringLiteral("frmUscitiOggi"));
}
