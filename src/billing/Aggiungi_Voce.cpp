#include "billing/Aggiungi_Voce.h"

#include "billing/Prodotti.h"

TfrmAggiungi_Voce::TfrmAggiungi_Voce(QWidget *parent)
    : TVoceDialog(parent, QStringLiteral(" Aggiungi voce"), QStringLiteral("Aggiungi voce all'elenco"))
{
    setObjectName(QStringLiteral("frmAggiungi_Voce"));
}

void TfrmAggiungi_Voce::btnApplicaClick()
{
    const auto line = checkedLine();
    if (!line)
        return;
    if (TfrmProdotti *p = prodotti())
        p->appendItem(*line);
    accept();
}
