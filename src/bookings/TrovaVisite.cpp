#include "bookings/TrovaVisite.h"

TfrmTrovaVisite::TfrmTrovaVisite(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Trova prenotazioni in archivio"), QSize(800, 600))
{
    setObjectName(QStringLiteral("frmTrovaVisite"));
}
