#include "guests/StampaClienti.h"

TfrmStampaClienti::TfrmStampaClienti(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Stampa scheda corrente"), QSize(460, 220), true)
{
    setObjectName(QStringLiteral("frmStampaClienti"));
}
