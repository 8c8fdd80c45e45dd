#include "platform/ArchiveList.h"

#include "base/Formats.h"
#include "base/RecordFile.h"
#include "platform/ListScreen.h"
#include "platform/Messages.h"
#include "platform/ScreenKit.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kListLine1 = QStringLiteral(
    "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il pulsante Trova.");
const QString kListLine2 = QStringLiteral(
    "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su Trova.");
const QString kListHint = QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic.");

// The busy cursor for a pass over a whole archive.
struct Busy {
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
};

QLabel *banner(QWidget *parent, const QString &text, const QString &name)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setMinimumHeight(44);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setProperty("look", QStringLiteral("banner"));
    return l;
}

// The documented size is where a list starts; the operator may enlarge it to see every column
// (dates, rate, notes) without scrolling sideways.
void allowEnlarging(QDialog *d)
{
    d->setMinimumSize(d->size());
    d->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    d->setSizeGripEnabled(true);
}

} // namespace

TArchiveList::TArchiveList(QWidget *parent, const QString &caption, const QString &bannerText, int itemWidth)
    : TDialog(parent, caption, QSize(862, 560))
{
    Formats::applyProcessFormats();
    allowEnlarging(this);
    list = new ListScreen(this, bannerText, kListLine1, kListLine2, kListHint);
    hostList(list, this);
    list->resetSearch();
    list->setItemWidth(itemWidth);
    connect(list, &ListScreen::lstRecordsDblClick, this, &TArchiveList::lstRecordsDblClick);
}

void TArchiveList::fill()
{
    if (m_filled)
        return;
    m_filled = true;
    // An archive that cannot be read keeps the lines read before and says so: an empty list
    // must never stand for "nobody arrives today" when the register could not be read.
    RecordList::Gathered g;
    {
        Busy busy;
        g = RecordList::gather(source());
    }
    list->setLines(g.lines);
    if (!g.complete)
        Msg::plain(Msg::accessText(), this);
    txtTrova->setFocus();
}

void TArchiveList::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    fill();
    txtTrova->setFocus();
}

void TArchiveList::lstRecordsDblClick()
{
    if (list->currentRow() >= 0) {
        qint64 n = 0;
        try {
            Busy busy;
            n = RecordList::findLast(source(), list->currentLine());
        } catch (const ArchiveError &) {
            n = 0;
        }
        if (n > 0)
            take(n);
    }
    close();
}

TArchiveSearch::TArchiveSearch(QWidget *parent, const QString &caption, const QString &bannerText,
                               const QList<Filter> &filters, int itemWidth)
    : TDialog(parent, caption, QSize(862, 560)), m_filters(filters)
{
    Formats::applyProcessFormats();
    allowEnlarging(this);

    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    auto *frames = new ScreenKit::FocusFrames(this);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(14);
    QList<QWidget *> chain;
    for (int i = 0; i < m_filters.size(); ++i) {
        const Filter &f = m_filters[i];
        auto *edit = new QLineEdit(panAvvio);
        edit->setObjectName(f.control);
        auto *label = new QLabel(f.label, panAvvio);
        label->setObjectName(QStringLiteral("lbl") + f.control.mid(3));
        label->setBuddy(edit);
        const int row = i % 5, col = (i / 5) * 2;
        grid->addWidget(label, row, col, Qt::AlignRight);
        grid->addWidget(edit, row, col + 1);
        frames->light(edit, frames->frameAround(edit, QStringLiteral("eff") + f.control.mid(3)));
        m_edits.append(edit);
        chain.append(edit);
    }
    new ScreenKit::EnterChain(chain, this);

    btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);
    btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    btnCerca->installEventFilter(this);
    lblAttesa = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio);
    lblAttesa->setObjectName(QStringLiteral("lblAttesa"));
    lblAttesa->setProperty("look", QStringLiteral("waiting"));
    lblAttesa->hide();
    lblConta = new QLabel(panAvvio);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(btnAnnulla);
    bottom->addStretch(1);
    bottom->addWidget(lblAttesa);
    bottom->addStretch(1);
    bottom->addWidget(btnCerca);
    auto *filterPage = new QVBoxLayout(panAvvio);
    filterPage->addWidget(banner(panAvvio, bannerText, QStringLiteral("imgAvvio")));
    for (const QString &t :
         {QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare "
                         "e premere il pulsante Cerca."),
          QStringLiteral("Lasciare in bianco tutti gli altri campi."),
          QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.")}) {
        auto *l = new QLabel(t, panAvvio);
        l->setWordWrap(true);
        filterPage->addWidget(l);
    }
    filterPage->addSpacing(16);
    filterPage->addLayout(grid);
    filterPage->addStretch(1);
    filterPage->addWidget(lblConta);
    filterPage->addLayout(bottom);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    list = new ListScreen(panContainer, bannerText, kListLine1, kListLine2, kListHint);
    hostList(list);
    list->setItemWidth(itemWidth);
    lblTrovate = new QLabel(list);
    lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    // The count stands between Chiudi and Stampa, in the list's row of buttons.
    for (QHBoxLayout *row : list->findChildren<QHBoxLayout *>())
        if (row->indexOf(btnStampa) >= 0) {
            row->insertWidget(row->indexOf(btnStampa), lblTrovate);
            row->insertStretch(row->indexOf(btnStampa), 1);
            break;
        }
    auto *resultPage = new QVBoxLayout(panContainer);
    resultPage->setContentsMargins(0, 0, 0, 0);
    resultPage->addWidget(list);
    panContainer->hide();

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(panAvvio);
    v->addWidget(panContainer);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::close);
    connect(btnCerca, &QPushButton::clicked, this, &TArchiveSearch::btnCercaClick);
    connect(list, &ListScreen::lstRecordsDblClick, this, &TArchiveSearch::lstRecordsDblClick);
}

QLineEdit *TArchiveSearch::filter(const QString &control) const
{
    for (QLineEdit *e : m_edits)
        if (e->objectName() == control)
            return e;
    return nullptr;
}

RecordList::SearchFilters TArchiveSearch::typedFilters() const
{
    RecordList::SearchFilters f;
    for (int i = 0; i < m_filters.size(); ++i)
        f.add(m_filters[i].field, m_edits[i]->text());
    return f;
}

void TArchiveSearch::btnCercaClick()
{
    const RecordList::SearchFilters filters = typedFilters();
    lblConta->setText(QString::number(filters.required()));
    // The operator sees that the search runs before the pass over the archive starts.
    lblAttesa->show();
    lblAttesa->repaint();
    RecordList::Gathered g;
    {
        Busy busy;
        g = RecordList::gather(source(filters));
    }
    list->setLines(g.lines);
    if (!g.complete) {
        lblAttesa->hide();
        Msg::plain(Msg::accessText(), this);
        return;
    }
    lblTrovate->setText(RecordList::countText(list->count()));
    panAvvio->hide();
    panContainer->show();
    txtTrova->clear();
    txtTrova->setFocus();
}

void TArchiveSearch::lstRecordsDblClick()
{
    if (list->currentRow() >= 0) {
        qint64 n = 0;
        try {
            Busy busy;
            n = RecordList::findLast(source(typedFilters()), list->currentLine());
        } catch (const ArchiveError &) {
            n = 0;
        }
        if (n > 0)
            take(n);
    }
    close();
}

void TArchiveSearch::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    list->resetSearch();
    if (!m_edits.isEmpty() && panAvvio->isVisible())
        m_edits.first()->setFocus();
}

void TArchiveSearch::hideEvent(QHideEvent *e)
{
    lblAttesa->hide();
    list->clear();
    TDialog::hideEvent(e);
}

bool TArchiveSearch::eventFilter(QObject *o, QEvent *e)
{
    if (o == btnCerca && e->type() == QEvent::MouseButtonPress) {
        lblAttesa->show();
        lblAttesa->repaint();
    }
    return TDialog::eventFilter(o, e);
}
