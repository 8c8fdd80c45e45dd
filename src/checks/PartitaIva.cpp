#include "checks/PartitaIva.h"

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckScreen(parent, {QStringLiteral(" Controllo partita IVA"), QSize(480, 254), QStringLiteral("Partita IVA"),
                           QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                           QStringLiteral("txtPartitaIva"), 11, true, false, false, &PartitaIvaCheck::verdict})
{
    setObjectName(QStringLiteral("frmPartitaIva"));
    txtPartitaIva = field();
}
