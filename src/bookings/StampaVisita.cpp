#include "bookings/StampaVisita.h"

#include "output/CardPrints.h"
#include "platform/Clock.h"
#include "report/ReportPrinter.h"

#include <QPushButton>

TfrmStampaVisita::TfrmStampaVisita(QWidget *parent)
    : TOutputDialog(parent, QStringLiteral(" Stampa scheda corrente"), QStringLiteral("stampa"),
                    QStringLiteral("Stampa la scheda di arrivo e partenza in due copie su un foglio A4: "
                                   "una per il cliente e una per la struttura ricettiva."),
                    QStringLiteral("Stampa"))
{
    setObjectName(QStringLiteral("frmStampaVisita"));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaVisita::btnStampaClick);
}

void TfrmStampaVisita::btnStampaClick()
{
    Report::Document form = CardPrints::bookingCard(m_booking, Clock::current());
    ReportPrinter::printOrReport(form, this);
    accept();
}
