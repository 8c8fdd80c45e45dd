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

TfrmProdotti::TfrmProdotti() : TAppScreen(QStringLiteral(" Lunaresca - Tariffario prodotti e servizi"), true)
{
    setObjectName(QStringLiteral("frmProdotti"));
    resize(1024, 720);

    panInfo = new QLabel(QStringLiteral("Pronto per aggiungere una nuova voce..."), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    m_hints = new ScreenKit::Hints(panInfo, this);

    auto command = [this](const QString &name, const QString &icon, const QString &text, const QString &hint) {
        QToolButton *b = ScreenKit::picture(this, name, icon, text, 32);
        m_hints->add(b, hint);
        return b;
    };
    cmdAggiungi = command(QStringLiteral("cmdAggiungi"), QStringLiteral("aggiungi"), QStringLiteral("Aggiungi voce"),
                          QStringLiteral("Aggiungi una voce all'elenco."));
    cmdModifica = command(QStringLiteral("cmdModifica"), QStringLiteral("modifica"), QStringLiteral("Modifica voce"),
                          QStringLiteral("Modifica la voce selezionata."));
    cmdElimina = command(QStringLiteral("cmdElimina"), QStringLiteral("elimina"), QStringLiteral("Elimina voce"),
                         QStringLiteral("Elimina la voce selezionata."));
    cmdStampa = command(QStringLiteral("cmdStampa"), QStringLiteral("stampa"), QStringLiteral("Stampa"),
                        QStringLiteral("Stampa l'elenco delle voci."));
    btnGuida = command(QStringLiteral("btnGuida"), QStringLiteral("guida"), QStringLiteral("Guida"),
                       QStringLiteral("Visualizza la guida in linea."));
    cmdApplica = command(QStringLiteral("cmdApplica"), QStringLiteral("applica"), QStringLiteral("Salva ed esci"),
                         QStringLiteral("Salva le voci in elenco e chiudi questa schermata."));

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

    connect(cmdAggiungi, &QToolButton::clicked, this, &TfrmProdotti::cmdAggiungiClick);
    connect(cmdModifica, &QToolButton::clicked, this, &TfrmProdotti::cmdModificaClick);
    connect(cmdElimina, &QToolButton::clicked, this, &TfrmProdotti::cmdEliminaClick);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmProdotti::cmdStampaClick);
    connect(cmdApplica, &QToolButton::clicked, this, &TfrmProdotti::cmdApplicaClick);
    connect(btnGuida, &QToolButton::clicked, this, &TfrmProdotti::btnGuidaClick);
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
