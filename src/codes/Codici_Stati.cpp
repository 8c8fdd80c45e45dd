#include "codes/Codici_Stati.h"

TfrmCodici_Stati::TfrmCodici_Stati(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Tabella Codici per Stato"), QSize(640, 480))
{
    setObjectName(QStringLiteral("frmCodici_Stati"));
}
