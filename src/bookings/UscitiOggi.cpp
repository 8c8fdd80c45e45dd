#include "bookings/UscitiOggi.h"

TfrmUscitiOggi::TfrmUscitiOggi(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Clienti in partenza oggi"), QSize(800, 520))
{
    setObjectName(QStringLiteral("frmUscitiOggi"));
}
