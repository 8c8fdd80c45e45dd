#include "codes/Codici_Comuni.h"

TfrmCodici_Comuni::TfrmCodici_Comuni(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Tabella Codici per Comuni d'Italia"), QSize(700, 520))
{
    setObjectName(QStringLiteral("frmCodici_Comuni"));
}
