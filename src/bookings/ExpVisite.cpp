#include "bookings/ExpVisite.h"

TfrmExpVisite::TfrmExpVisite(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Esporta archivio visite in Microsoft Excel"), QSize(460, 220))
{
    setObjectName(QStringLiteral("frmExpVisite"));
}
