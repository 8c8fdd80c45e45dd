#include "checks/CodFisc.h"

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckScreen(parent,
                  {QStringLiteral(" Controllo codice fiscale"), QSize(478, 254), QStringLiteral("Codice fiscale"),
                   QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                   QStringLiteral("txtCodFisc"), 16, false, true, true, &CodFiscCheck::verdict})
{
    setObjectName(QStringLiteral("frmCodFisc"));
    txtCodFisc = field();
}
