#include "billing/TrovaServizi.h"

TfrmTrovaServizi::TfrmTrovaServizi(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Importazione prodotti e servizi"), QSize(640, 480))
{
    setObjectName(QStringLiteral("frmTrovaServizi"));
}
