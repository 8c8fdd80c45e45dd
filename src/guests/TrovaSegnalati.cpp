#include "guests/TrovaSegnalati.h"

#include "base/Text.h"
#include "billing/BillPanel.h"
#include "guests/Clienti.h"
#include "guests/GuestSearch.h"
#include "guests/TrovaClienti.h"
#include "output/ListReport.h"
#include "platform/ListScreen.h"

#include <QLabel>
#include <QLineEdit>

TfrmTrovaSegnalati::TfrmTrovaSegnalati(QWidget *parent)
    : TArchiveList(parent, QStringLiteral(" Riepilogo clienti segnalati"), QStringLiteral("CLIENTI SEGNALATI"), 2650)
{
    setObjectName(QStringLiteral("frmTrovaSegnalati"));
    list->setPrintTitle(QStringLiteral("Riepilogi clienti segnalati"), ListReportPrinter());
}

RecordList::Source TfrmTrovaSegnalati::source() const { return GuestSearch::flaggedSource(); }

void TfrmTrovaSegnalati::take(qint64 n)
{
    TfrmClienti *card = guestCardOf(this);
    if (!card || !card->ShowGuestAt(n))
        return;
    // This list titles the bill with a capital C, unlike the guest card itself.
    card->conto->txtCliente->setText(QStringLiteral("Conto del Cliente ") + Text::trimmed(card->txtNome->text())
                                     + QLatin1Char(' ') + Text::trimmed(card->txtCognome->text()));
}
