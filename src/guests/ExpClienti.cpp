#include "guests/ExpClienti.h"

#include "guests/Cliente.h"
#include "output/CardExports.h"

TfrmExpClienti::TfrmExpClienti(QWidget *parent)
    : TArchiveExportScreen(parent, {QStringLiteral(" Esporta archivio clienti in Microsoft Excel"), &clientiPath,
                                    TCliente::Size, CardExports::guestColumns(), CardExports::guestFile(),
                                    CardExports::guestWorksheet(),
                                    QStringLiteral("Esportazione archivio clienti in Microsoft Excel.")})
{
    setObjectName(QStringLiteral("frmExpClienti"));
}
