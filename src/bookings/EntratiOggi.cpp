#include "bookings/EntratiOggi.h"

TfrmEntratiOggi::TfrmEntratiOggi(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Clienti in arrivo oggi"), QSize(800, 520))
{
    setObjectName(QStringLiteral("frmEntratiOggi"));
}
