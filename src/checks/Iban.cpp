#include "checks/Iban.h"

TfrmIban::TfrmIban(QWidget *parent)
    : CheckScreen(parent, {QStringLiteral(" Controllo IBAN"), QSize(608, 270), QStringLiteral("IBAN"),
                           QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                           QStringLiteral("txtIban"), 27, false, true, false, &IbanCheck::verdict})
{
    setObjectName(QStringLiteral("frmIban"));
    txtIban = field();
}
