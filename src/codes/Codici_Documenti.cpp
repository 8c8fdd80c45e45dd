#include "codes/Codici_Documenti.h"

TfrmCodici_Documenti::TfrmCodici_Documenti(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Tabella Codici per Tipo di documento"), QSize(640, 480))
{
    setObjectName(QStringLiteral("frmCodici_Documenti"));
}
