#include "billing/TrovaServizi.h"

#include "base/Dates.h"
#include "base/Text.h"
#include "billing/PriceList.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {
const QString kEmpty = QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");

int columnsOf(const QListWidget *list)
{
    const int charWidth = qMax(1, QFontMetrics(list->font()).horizontalAdvance(u'M'));
    return qMax(1, (list->viewport()->width() - 6) / charWidth);
}

// Draws each price line fitted to the list's width, so the price is never out of sight; the
// item keeps the file's line as its text.
class FittedLines : public QStyledItemDelegate {
public:
    explicit FittedLines(QListWidget *list) : QStyledItemDelegate(list), m_list(list) {}
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = PriceList::fitted(option->text, columnsOf(m_list));
    }

private:
    QListWidget *m_list;
};
} // namespace

TfrmTrovaServizi::TfrmTrovaServizi(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Importazione prodotti e servizi"), QSize(640, 480))
{
    setObjectName(QStringLiteral("frmTrovaServizi"));

    lstRecords = new QListWidget(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    QFont mono(QStringLiteral("Courier New"), 16);
    mono.setStyleHint(QFont::Monospace);
    lstRecords->setFont(mono);
    lstRecords->setProperty("look", QStringLiteral("items"));
    lstRecords->setItemDelegate(new FittedLines(lstRecords));
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnImporta = new QPushButton(QStringLiteral("Importa dati"), this);
    btnImporta->setObjectName(QStringLiteral("btnImporta"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *b : {btnImporta, btnChiudi})
        b->setAutoDefault(false);
    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtPrezzoUni = new QLineEdit(this);
    txtPrezzoUni->setObjectName(QStringLiteral("txtPrezzoUni"));
    for (QLineEdit *e : {txtNome, txtPrezzoUni}) {
        e->setReadOnly(true);
        e->hide();
    }
    icoMano = new QLabel(this);
    icoMano->setObjectName(QStringLiteral("icoMano"));
    icoMano->setPixmap(QIcon(QStringLiteral(":/icons/mano.svg")).pixmap(32, 32));
    icoMano->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(icoMano);
    buttons->addStretch();
    buttons->addWidget(btnImporta);
    buttons->addWidget(btnChiudi);
    auto *v = new QVBoxLayout(this);
    v->addWidget(lstRecords, 1);
    v->addLayout(buttons);

    // The documented size is where it starts; the operator may enlarge it.
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);

    connect(lstRecords, &QListWidget::itemClicked, this, &TfrmTrovaServizi::lstRecordsClick);
    connect(btnImporta, &QPushButton::clicked, this, &TfrmTrovaServizi::btnImportaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmTrovaServizi::showEvent(QShowEvent *e)
{
    // The list as the price list screen last saved it, read afresh every time.
    lstRecords->clear();
    const int height = QFontMetrics(lstRecords->font()).height() + 2;
    for (const QString &line : PriceList::load(PriceList::path()).value_or(QStringList())) {
        auto *item = new QListWidgetItem(line, lstRecords);
        item->setSizeHint(QSize(1, height));
    }
    TDialog::showEvent(e);
}

QString TfrmTrovaServizi::shownText(int row) const
{
    const QListWidgetItem *item = lstRecords->item(row);
    return item ? PriceList::fitted(item->text(), columnsOf(lstRecords)) : QString();
}

void TfrmTrovaServizi::done(int r)
{
    lstRecords->clear();
    TDialog::done(r);
}

void TfrmTrovaServizi::takeItem(const QString &line)
{
    txtNome->setText(PriceList::nameOf(line));
    txtPrezzoUni->setText(PriceList::priceOf(line, PriceList::ImportPriceChars));
    m_clicked = true;
}

void TfrmTrovaServizi::lstRecordsClick(QListWidgetItem *item)
{
    if (!item || Text::isBlank(item->text()))
        return;
    takeItem(item->text());
    icoMano->show();
}

void TfrmTrovaServizi::btnImportaClick()
{
    if (lstRecords->count() == 0) {
        Msg::warning(kEmpty, this);
        return;
    }
    const QList<QListWidgetItem *> selected = lstRecords->selectedItems();
    if (selected.isEmpty()) {
        Msg::warning(QStringLiteral("Attenzione: selezionare dall'elenco il prodotto o servizio da importare prima di "
                                    "premere il pulsante Importa dati."),
                     this);
        return;
    }
    // An item chosen with the keyboard alone would otherwise import an empty line over the bill's.
    if (!m_clicked)
        takeItem(selected.first()->text());
    static const QRegularExpression marker(QStringLiteral("^clienti_(\\d\\d)$"));
    const QRegularExpressionMatch m = marker.match(Text::trimmed(memory()));
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n >= 1 && n <= 30)
            emit imported(n, {Dates::format(Clock::today()), Text::trimmed(txtNome->text()),
                              Text::trimmed(txtPrezzoUni->text())});
    }
    accept();
}
