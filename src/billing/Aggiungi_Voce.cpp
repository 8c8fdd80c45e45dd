#include "billing/Aggiungi_Voce.h"

TfrmAggiungi_Voce::TfrmAggiungi_Voce(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Aggiungi voce"), QSize(460, 200))
{
    setObjectName(QStringLiteral("frmAggiungi_Voce"));
}
