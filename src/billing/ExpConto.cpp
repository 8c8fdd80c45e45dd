#include "billing/ExpConto.h"

#include "output/ExportProcedure.h"

#include <QPushButton>

TfrmExpConto::TfrmExpConto(QWidget *parent)
    : TOutputDialog(parent, QStringLiteral(" Esporta e stampa dati in Microsoft Excel"), QStringLiteral("esporta"),
                    QStringLiteral("Esporta il conto del cliente nel file Conto.xls, da completare e stampare con "
                                   "il foglio di calcolo."),
                    QStringLiteral("Esporta e stampa"))
{
    setObjectName(QStringLiteral("frmExpConto"));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmExpConto::btnStampaClick);
}

void TfrmExpConto::btnStampaClick()
{
    if (Export::run(CardExports::billSheet(m_bill), this) == Export::Outcome::Opened)
        accept();
}
