#include "guests/ExpClienti.h"

TfrmExpClienti::TfrmExpClienti(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Esporta archivio clienti in Microsoft Excel"), QSize(460, 220))
{
    setObjectName(QStringLiteral("frmExpClienti"));
}
