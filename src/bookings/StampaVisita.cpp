#include "bookings/StampaVisita.h"

TfrmStampaVisita::TfrmStampaVisita(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Stampa scheda corrente"), QSize(460, 220), true)
{
    setObjectName(QStringLiteral("frmStampaVisita"));
}
