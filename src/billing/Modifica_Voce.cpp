#include "billing/Modifica_Voce.h"

TfrmModifica_Voce::TfrmModifica_Voce(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Modifica voce"), QSize(460, 200))
{
    setObjectName(QStringLiteral("frmModifica_Voce"));
}
