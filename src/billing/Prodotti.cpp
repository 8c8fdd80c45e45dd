#include "billing/Prodotti.h"

#include "app/Guida.h"
#include "billing/Aggiungi_Voce.h"
#include "billing/Modifica_Voce.h"
#include "billing/PriceList.h"
#include "output/ListReport.h"
#include "platform/Messages.h"
#include "platform/ScreenKit.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kEmpty = QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");
const QString kTitle = QStringLiteral("Tariffario prodotti e servizi");
} // namespace

namespace {
using P = TfrmProdotti;
const ScreenKit::Command<P> kCommands[] = {
    // clang-format off
    {&P::cmdAggiungi, "cmdAggiungi", "aggiungi", "Aggiungi voce", "Aggiungi una voce all'elenco.", &P::cmdAggiungiClick},
    {&P::cmdModifica, "cmdModifica", "modifica", "Modifica voce", "Modifica la voce selezionata.", &P::cmdModificaClick},
    {&P::cmdElimina, "cmdElimina", "elimina", "Elimina voce", "Elimina la voce selezionata.", &P::cmdEliminaClick},
    {&P::cmdStampa, "cmdStampa", "stampa", "Stampa", "Stampa l'elenco delle voci.", &P::cmdStampaClick},
    {&P::btnGuida, "btnGuida", "guida", "Guida", "Visualizza la guida in linea.", &P::btnGuidaClick},
    {&P::cmdApplica, "cmdApplica", "applica", "Salva ed esci", "Salva le voci in elenco e chiudi questa schermata.",
     &P::cmdApplicaClick},
    // clang-format on
};
} // namespace

TfrmProdotti::TfrmProdotti() : TAppScreen(QStringLiteral(" Lunaresca - Tariffario prodotti e servizi"), true)
{
    setObjectName(QStringLiteral("frmProdotti"));
    resize(1024, 720);

    panInfo = new QLabel(QStringLiteral("Pronto per aggiungere una nuova voce..."), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    m_hints = new ScreenKit::Hints(panInfo, this);

    ScreenKit::commands<TfrmProdotti>(this, this, m_hints, kCommands, 32);

    lstRecords = new QListWidget(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    QFont mono(QStringLiteral("Courier New"), 18);
    mono.setStyleHint(QFont::Monospace);
    lstRecords->setFont(mono);
    lstRecords->setProperty("look", QStringLiteral("items"));
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto *bar = new QHBoxLayout;
    for (QToolButton *b : {cmdAggiungi, cmdModifica, cmdElimina, cmdStampa, btnGuida})
        bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(cmdApplica);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(panInfo);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 10);
    body->addLayout(bar);
    body->addWidget(lstRecords, 1);
    v->addLayout(body, 1);
    m_hints->blank(this);
}

QStringList TfrmProdotti::items() const
{
    QStringList out;
    for (int i = 0; i < lstRecords->count(); ++i)
        out << lstRecords->item(i)->text();
    return out;
}

void TfrmProdotti::appendItem(const QString &line)
{
    auto *item = new QListWidgetItem(line, lstRecords);
    item->setSizeHint(QSize(900, QFontMetrics(lstRecords->font()).height() + 2));
}

void TfrmProdotti::replaceSelected(const QString &line)
{
    if (QListWidgetItem *item = selectedItem())
        item->setText(line);
}

QListWidgetItem *TfrmProdotti::selectedItem() const
{
    const QList<QListWidgetItem *> s = lstRecords->selectedItems();
    return s.isEmpty() ? nullptr : s.first();
}

void TfrmProdotti::fill(const QStringList &lines)
{
    lstRecords->clear();
    for (const QString &line : lines)
        appendItem(line);
}

void TfrmProdotti::showEvent(QShowEvent *e)
{
    TAppScreen::showEvent(e);
    if (e->spontaneous())
        return;
    m_writeFailed = false;
    // A file that cannot be read leaves the list as it was when the screen was last left.
    if (const auto lines = PriceList::load(PriceList::path()))
        fill(*lines);
}

void TfrmProdotti::cmdAggiungiClick() { openModal<TfrmAggiungi_Voce>(this); }

void TfrmProdotti::cmdModificaClick()
{
    if (lstRecords->count() == 0) {
        Msg::warning(kEmpty, this);
        return;
    }
    QListWidgetItem *item = selectedItem();
    if (!item) {
        Msg::warning(QStringLiteral("Attenzione: selezionare dall'elenco la voce da modificare prima di premere il "
                                    "pulsante Modifica voce."),
                     this);
        return;
    }
    const QString line = item->text();
    openModal<TfrmModifica_Voce>(this, QString(), [&line](TfrmModifica_Voce *d) {
        d->txtNomeVoce->setText(PriceList::nameOf(line));
        d->txtPrezzo->setText(PriceList::priceOf(line, PriceList::EditPriceChars));
    });
}

void TfrmProdotti::cmdEliminaClick()
{
    if (lstRecords->count() == 0) {
        Msg::warning(kEmpty, this);
        return;
    }
    QListWidgetItem *item = selectedItem();
    if (!item) {
        Msg::warning(QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di "
                                    "premere il pulsante Elimina voce."),
                     this);
        return;
    }
    delete item;
    lstRecords->clearSelection();
}

void TfrmProdotti::cmdStampaClick()
{
    if (lstRecords->count() == 0) {
        Msg::warning(kEmpty, this);
        return;
    }
    // The print job carries the price list's own name, not the lists' common one.
    PrintListReport(kTitle, items(), this, kTitle);
}

void TfrmProdotti::cmdApplicaClick() { close(); }

void TfrmProdotti::btnGuidaClick() { ShowHelpTopic(this, HelpTopic::priceList()); }

void TfrmProdotti::closeEvent(QCloseEvent *e)
{
    if (!PriceList::save(PriceList::path(), items())) {
        Msg::plain(QStringLiteral("Attenzione: il sistema non permette di salvare i dati.\n\r\n\r"
                                  "Accertarsi che il file non sia già aperto."),
                   this);
        // The first failure keeps the screen and its list, so the operator can free the file and
        // leave again; a second failure in a row lets the operator out, unsaved and told so twice.
        if (!m_writeFailed) {
            m_writeFailed = true;
            e->ignore();
            return;
        }
    }
    m_writeFailed = false;
    e->accept();
    ScreenKit::backToMenu(this);
}
