#include "billing/StampaConto.h"

TfrmStampaConto::TfrmStampaConto(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Stampa conto cliente"), QSize(460, 220), true)
{
    setObjectName(QStringLiteral("frmStampaConto"));
}
