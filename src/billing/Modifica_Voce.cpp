#include "billing/Modifica_Voce.h"

#include "billing/Prodotti.h"

TfrmModifica_Voce::TfrmModifica_Voce(QWidget *parent)
    : TVoceDialog(parent, QStringLiteral(" Modifica voce"), QStringLiteral("Modifica voce in elenco"))
{
    setObjectName(QStringLiteral("frmModifica_Voce"));
}

void TfrmModifica_Voce::btnApplicaClick()
{
    const auto line = checkedLine();
    if (!line)
        return;
    if (TfrmProdotti *p = prodotti())
        p->replaceSelected(*line);
    accept();
}
