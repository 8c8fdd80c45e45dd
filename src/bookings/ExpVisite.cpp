#include "bookings/ExpVisite.h"

#include "bookings/Visita.h"
#include "output/CardExports.h"

TfrmExpVisite::TfrmExpVisite(QWidget *parent)
    : TArchiveExportScreen(parent,
                           {QStringLiteral(" Esporta archivio visite in Microsoft Excel"), &registroPath, TVisita::Size,
                            CardExports::bookingColumns(), CardExports::bookingFile(), CardExports::bookingWorksheet(),
                            QStringLiteral("Esportazione archivio prenotazioni in Microsoft Excel.")})
{
    setObjectName(QStringLiteral("frmExpVisite"));
}
