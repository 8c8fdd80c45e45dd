#include "guests/StampaClienti.h"

#include "output/CardPrints.h"
#include "platform/Clock.h"
#include "report/ReportPrinter.h"

#include <QPushButton>

TfrmStampaClienti::TfrmStampaClienti(QWidget *parent)
    : TOutputDialog(parent, QStringLiteral(" Stampa scheda corrente"), QStringLiteral("stampa"),
                    QStringLiteral("Stampa la scheda anagrafica del cliente così come appare sullo schermo, "
                                   "anche se non ancora salvata."),
                    QStringLiteral("Stampa"))
{
    setObjectName(QStringLiteral("frmStampaClienti"));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaClienti::btnStampaClick);
}

void TfrmStampaClienti::btnStampaClick()
{
    Report::Document form = CardPrints::guestCard(m_card, Clock::current());
    ReportPrinter::printOrReport(form, this);
    accept();
}
