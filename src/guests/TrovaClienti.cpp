#include "guests/TrovaClienti.h"

#include "base/RecordFile.h"
#include "base/Text.h"
#include "guests/Clienti.h"
#include "guests/GuestSearch.h"
#include "output/ListReport.h"
#include "platform/CardArchive.h"
#include "platform/ListScreen.h"
#include "platform/ScreenKit.h"

namespace {

QList<TArchiveSearch::Filter> guestFilters()
{
    static const char *labels[] = {
        "Cognome:",           "Nome:",        "Codice fiscale:",       "Partita IVA:", "Tipologia camera:", "Formula:",
        "Servizi richiesti:", "Supplementi:", "Questioni in sospeso:", "Note:"};
    QList<TArchiveSearch::Filter> out;
    int i = 0;
    for (const auto &f : GuestSearch::filters())
        out.append({QLatin1String(f.control), QString::fromUtf8(labels[i++]), f.field});
    return out;
}

} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *parent)
    : TArchiveSearch(parent, QStringLiteral(" Trova clienti in archivio"), QStringLiteral("TROVA CLIENTI"),
                     guestFilters(), 2600)
{
    setObjectName(QStringLiteral("frmTrovaClienti"));
    txtCognome = filter(QStringLiteral("txtCognome"));
    txtNome = filter(QStringLiteral("txtNome"));
    txtCodFisc = filter(QStringLiteral("txtCodFisc"));
    txtIva = filter(QStringLiteral("txtIva"));
    txtTipologia = filter(QStringLiteral("txtTipologia"));
    txtFormula = filter(QStringLiteral("txtFormula"));
    txtServizi = filter(QStringLiteral("txtServizi"));
    txtSupplementi = filter(QStringLiteral("txtSupplementi"));
    txtQuestioni = filter(QStringLiteral("txtQuestioni"));
    txtNote = filter(QStringLiteral("txtNote"));
    list->setPrintTitle(QStringLiteral("Riepilogo clienti in archivio"), ListReportPrinter());
}

RecordList::Source TfrmTrovaClienti::source(const RecordList::SearchFilters &filters) const
{
    return GuestSearch::searchSource(filters);
}

void TfrmTrovaClienti::take(qint64 n)
{
    const QString marker = Text::trimmed(memory());
    if (marker == QLatin1String("clienti")) {
        if (TfrmClienti *card = guestCardOf(this))
            card->ShowGuestAt(n);
    } else if (marker == QLatin1String("registro")) {
        // A card that cannot be read brings nothing, without a message.
        TCliente guest;
        if (CardArchive::run(
                clientiPath(), TCliente::Size, nullptr, [&](RecordFile &f) { f.read(n, guest.bytes.data()); },
                CardArchive::Access::Read))
            m_guest = guest;
    }
}

TfrmClienti *guestCardOf(QWidget *screen)
{
    for (QWidget *w = screen->parentWidget(); w; w = w->parentWidget())
        if (auto *card = qobject_cast<TfrmClienti *>(w))
            return card;
    return ScreenKit::findScreen<TfrmClienti>();
}
