#include "bookings/TrovaVisite.h"

#include "base/Text.h"
#include "bookings/BookingSearch.h"
#include "bookings/DailyListScreen.h"
#include "bookings/Registro.h"
#include "output/ListReport.h"
#include "platform/ListScreen.h"

namespace {

QList<TArchiveSearch::Filter> bookingFilters()
{
    static const char *labels[] = {
        "Data arrivo:", "Data partenza:",     "Cognome cliente:",  "Nome cliente:",      "Camera n.",
        "Cellulare:",   "Comune di nascita:", "Numero documento:", "Tariffa applicata:", "Supplementi:"};
    QList<TArchiveSearch::Filter> out;
    int i = 0;
    for (const auto &f : BookingSearch::filters())
        out.append({QLatin1String(f.control), QString::fromUtf8(labels[i++]), f.field});
    return out;
}

} // namespace

TfrmTrovaVisite::TfrmTrovaVisite(QWidget *parent)
    : TArchiveSearch(parent, QStringLiteral(" Trova prenotazioni in archivio"), QStringLiteral("TROVA PRENOTAZIONI"),
                     bookingFilters(), 1400)
{
    setObjectName(QStringLiteral("frmTrovaVisite"));
    txtDataEnt = filter(QStringLiteral("txtDataEnt"));
    txtDataUsc = filter(QStringLiteral("txtDataUsc"));
    txtCognome = filter(QStringLiteral("txtCognome"));
    txtNome = filter(QStringLiteral("txtNome"));
    txtCamera = filter(QStringLiteral("txtCamera"));
    txtCellulare = filter(QStringLiteral("txtCellulare"));
    txtComuneNasc = filter(QStringLiteral("txtComuneNasc"));
    txtNumDoc = filter(QStringLiteral("txtNumDoc"));
    txtTariffa = filter(QStringLiteral("txtTariffa"));
    txtSupplementi = filter(QStringLiteral("txtSupplementi"));
    list->setPrintTitle(QStringLiteral("Riepilogo prenotazioni in archivio"), ListReportPrinter());
}

RecordList::Source TfrmTrovaVisite::source(const RecordList::SearchFilters &filters) const
{
    return BookingSearch::source(filters);
}

void TfrmTrovaVisite::take(qint64 n)
{
    if (Text::trimmed(memory()) != QLatin1String("registro"))
        return;
    if (TfrmRegistro *card = bookingCardOf(this))
        card->ShowBookingAt(n);
}
