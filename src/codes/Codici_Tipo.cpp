#include "codes/Codici_Tipo.h"

TfrmCodici_Tipo::TfrmCodici_Tipo(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Tabella Codici per Tipo di alloggiato"), QSize(640, 480))
{
    setObjectName(QStringLiteral("frmCodici_Tipo"));
}
