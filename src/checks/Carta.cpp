#include "checks/Carta.h"

TfrmCarta::TfrmCarta(QWidget *parent)
    : CheckScreen(parent,
                  {QStringLiteral(" Controllo carta di credito"), QSize(519, 254), QStringLiteral("Carta di credito"),
                   QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
                   QStringLiteral("txtNumero"), 30, true, true, false, &CartaCheck::verdict})
{
    setObjectName(QStringLiteral("frmCarta"));
    txtNumero = field();
}
