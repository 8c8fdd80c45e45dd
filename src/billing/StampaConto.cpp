#include "billing/StampaConto.h"

#include "billing/BillPanel.h"
#include "output/CardPrints.h"
#include "platform/Clock.h"
#include "report/ReportPrinter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Bill billOnScreen(const BillPanel &panel)
{
    Bill b;
    b.title = panel.txtCliente->text();
    for (int i = 0; i < 30; ++i)
        b.lines[size_t(i)] = {panel.txtData[i]->text(), panel.txtDesc[i]->text(), panel.txtPrezzo[i]->text()};
    b.total = panel.txtTotale->text();
    return b;
}

TfrmStampaConto::TfrmStampaConto(QWidget *parent)
    : TOutputDialog(parent, QStringLiteral(" Stampa conto cliente"), QStringLiteral("stampa"),
                    QStringLiteral("Stampa il conto del cliente su un foglio A4: le trenta righe dei servizi e "
                                   "delle consumazioni e il totale."),
                    QStringLiteral("Stampa"))
{
    setObjectName(QStringLiteral("frmStampaConto"));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaConto::btnStampaClick);
}

void TfrmStampaConto::btnStampaClick()
{
    Report::Document form = CardPrints::bill(m_bill, Clock::current());
    ReportPrinter::printOrReport(form, this);
    accept();
}
