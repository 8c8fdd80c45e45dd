#include "bookings/ArriviFuturi.h"

TfrmArriviFuturi::TfrmArriviFuturi(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Clienti in arrivo da domani in poi"), QSize(800, 520))
{
    setObjectName(QStringLiteral("frmArriviFuturi"));
}
