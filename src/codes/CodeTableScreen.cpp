#include "codes/CodeTableScreen.h"

#include "base/Formats.h"
#include "base/Text.h"
#include "codes/CardPicks.h"
#include "codes/Codici_Comuni.h"
#include "codes/Codici_Documenti.h"
#include "codes/Codici_Stati.h"
#include "codes/Codici_Tipo.h"
#include "output/ListReport.h"
#include "platform/ListScreen.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace Codes {

std::optional<PickedEntry> acceptedPick(Table t, const QString &marker, const QString &line)
{
    if (line.isEmpty() || !pickTarget(t, marker))
        return std::nullopt;
    return splitEntry(t, line);
}

Card::Picker picker(QWidget *owner, const QString &card)
{
    return [owner, card](int table, const QString &field) -> std::optional<Card::Picked> {
        const QString marker = card + QLatin1Char('_') + field;
        std::optional<PickedEntry> e;
        // Created anew, shown modally, freed when it closes; what it picked is read before.
        auto open = [&](auto *t) {
            t->setMemory(marker);
            t->exec();
            e = t->picked();
            delete t;
        };
        switch (Table(table)) {
        case Table::Tipo:
            open(new TfrmCodici_Tipo(owner));
            break;
        case Table::Documenti:
            open(new TfrmCodici_Documenti(owner));
            break;
        case Table::Stati:
            open(new TfrmCodici_Stati(owner));
            break;
        case Table::Comuni:
            open(new TfrmCodici_Comuni(owner));
            break;
        }
        if (!e)
            return std::nullopt;
        return Card::Picked{e->code, e->description, e->province};
    };
}

} // namespace Codes

TCodeTableScreen::TCodeTableScreen(QWidget *parent, Codes::Table table, const QString &caption,
                                   const QString &printTitle, const QString &banner)
    : TDialog(parent, caption, QSize(862, 560)), m_table(table)
{
    Formats::applyProcessFormats();
    list = new ListScreen(this, banner,
                          QStringLiteral("Immettere una o più parole consecutive presenti nella voce in elenco da "
                                         "cercare e premere il pulsante Trova."),
                          QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                                         "fare di nuovo clic su Trova."),
                          QStringLiteral("Per importare una voce dall'elenco, selezionarla con un doppio clic."));
    hostList(list, this);

    list->setKeyStore(&rememberedKey(table));
    list->setPrintTitle(printTitle, ListReportPrinter());
    txtTrova->clear();
    list->setLines(Codes::lines(table));
    list->setItemWidth(600);
    connect(list, &ListScreen::lstRecordsDblClick, this, &TCodeTableScreen::lstRecordsDblClick);
}

QString &TCodeTableScreen::rememberedKey(Codes::Table table)
{
    static QString keys[4];
    return keys[int(table)];
}

void TCodeTableScreen::lstRecordsDblClick()
{
    m_picked = Codes::acceptedPick(m_table, memory(), list->currentLine());
    close();
}

void TCodeTableScreen::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    txtTrova->setFocus();
}
