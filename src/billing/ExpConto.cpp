#include "billing/ExpConto.h"

TfrmExpConto::TfrmExpConto(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Esporta e stampa dati in Microsoft Excel"), QSize(460, 220), true)
{
    setObjectName(QStringLiteral("frmExpConto"));
}
