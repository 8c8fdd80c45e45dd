#include "platform/ListScreen.h"

#include "base/Text.h"
#include "platform/Messages.h"
#include "platform/ScreenKit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace FindNext {

int next(const QStringList &lines, int selected, const QString &typed, QString &remembered)
{
    const int n = int(lines.size());
    if (n == 0)
        return -1;
    if (selected < 0 || selected >= n)
        selected = 0;
    const QString key = Text::foldAZ(typed);
    auto hit = [&](int i) { return !key.isEmpty() && Text::foldAZ(lines.at(i)).contains(key); };
    int found = -1;
    int start = selected;
    if (key != remembered) {
        start = 0;
        if (hit(0))
            found = 0;
    }
    for (int step = 1; found < 0 && step <= n; ++step) {
        const int i = (start + step) % n;
        if (hit(i))
            found = i;
    }
    remembered = key;
    return found >= 0 ? found : selected;
}

} // namespace FindNext

ListLinesModel::ListLinesModel(QObject *parent) : QAbstractListModel(parent)
{
    // Every entry uses its own font, whatever the visual style says.
    m_font = QFont(QStringLiteral("Courier New"));
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setPointSize(12);
    m_itemHeight = QFontMetrics(m_font).height() + 2;
}

void ListLinesModel::setLines(const QStringList &lines)
{
    beginResetModel();
    m_lines = lines;
    endResetModel();
}

void ListLinesModel::setItemWidth(int w)
{
    beginResetModel();
    m_itemWidth = w;
    endResetModel();
}

int ListLinesModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_lines.size()); }

QVariant ListLinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.at(index.row());
    case Qt::FontRole:
        return m_font;
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::SizeHintRole:
        return QSize(m_itemWidth, m_itemHeight);
    default:
        return QVariant();
    }
}

ListScreen::ListScreen(QWidget *parent, const QString &title, const QString &instruction1, const QString &instruction2,
                       const QString &hint)
    : QWidget(parent), m_model(new ListLinesModel(this)), m_key(&m_ownKey)
{
    setObjectName(QStringLiteral("ListScreen"));
    imgTitolo = new QLabel(title, this);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setMinimumHeight(44);
    imgTitolo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    imgTitolo->setProperty("look", QStringLiteral("banner"));
    auto *line1 = new QLabel(instruction1, this);
    line1->setObjectName(QStringLiteral("lblIstruzioni1"));
    auto *line2 = new QLabel(instruction2, this);
    line2->setObjectName(QStringLiteral("lblIstruzioni2"));

    auto *lens = new QLabel(this);
    lens->setObjectName(QStringLiteral("imgTrova"));
    lens->setPixmap(QIcon(QStringLiteral(":/icons/trova.svg")).pixmap(28, 28));
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    QFont bold = txtTrova->font();
    bold.setBold(true);
    bold.setPointSize(12);
    txtTrova->setFont(bold);
    btnTrova = new QPushButton(QStringLiteral("Trova"), this);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setAutoDefault(false);

    lstRecords = new QListView(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setModel(m_model);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->viewport()->installEventFilter(this);

    lblIstruzioni = new QLabel(hint, this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setProperty("look", QStringLiteral("notice"));

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);
    btnStampa = new QPushButton(QStringLiteral("Stampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setAutoDefault(false);

    auto *search = new QHBoxLayout;
    search->addWidget(lens);
    search->addWidget(txtTrova, 1);
    search->addWidget(btnTrova);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnChiudi);
    buttons->addStretch(1);
    buttons->addWidget(btnStampa);
    auto *v = new QVBoxLayout(this);
    v->addWidget(imgTitolo);
    v->addWidget(line1);
    v->addWidget(line2);
    v->addLayout(search);
    v->addWidget(lstRecords, 1);
    v->addWidget(lblIstruzioni);
    v->addLayout(buttons);

    auto *enter = new ScreenKit::EnterChain({}, this);
    enter->jump(txtTrova, btnTrova);
    connect(btnTrova, &QPushButton::clicked, this, &ListScreen::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ListScreen::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, [this] { window()->close(); });
}

void ListScreen::setLines(const QStringList &lines)
{
    m_model->setLines(lines);
    lstRecords->setCurrentIndex(QModelIndex());
    lstRecords->clearSelection();
}

void ListScreen::setSortedLines(QStringList lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QString &a, const QString &b) { return Text::listLess(a, b); });
    setLines(lines);
}

void ListScreen::clear() { setLines(QStringList()); }

int ListScreen::currentRow() const
{
    const QModelIndexList sel = lstRecords->selectionModel()->selectedIndexes();
    return sel.isEmpty() ? -1 : sel.first().row();
}

QString ListScreen::currentLine() const
{
    const int row = currentRow();
    return row < 0 ? QString() : lines().at(row);
}

void ListScreen::setCurrentRow(int row)
{
    if (row < 0 || row >= count()) {
        lstRecords->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row);
    lstRecords->setCurrentIndex(index);
    lstRecords->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    lstRecords->scrollTo(index);
}

void ListScreen::setItemWidth(int w) { m_model->setItemWidth(w); }

void ListScreen::setKeyStore(QString *store) { m_key = store ? store : &m_ownKey; }

void ListScreen::resetSearch()
{
    m_key->clear();
    txtTrova->clear();
}

void ListScreen::setPrintTitle(const QString &title, PrintAction print)
{
    m_printTitle = title;
    m_print = std::move(print);
}

void ListScreen::btnTrovaClick()
{
    if (count() == 0) {
        Msg::plain(QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."), this);
        return;
    }
    setCurrentRow(FindNext::next(lines(), currentRow(), txtTrova->text(), *m_key));
}

void ListScreen::btnStampaClick()
{
    if (m_print)
        m_print(m_printTitle, lines(), window());
}

bool ListScreen::eventFilter(QObject *o, QEvent *e)
{
    if (o == lstRecords->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::LeftButton) {
            // The entry under the mouse is the one double-clicked (its press has selected it
            // already); off the entries the selection stays as it is, and the host decides.
            const QModelIndex under = lstRecords->indexAt(m->position().toPoint());
            if (under.isValid())
                setCurrentRow(under.row());
            emit lstRecordsDblClick();
            return true;
        }
    }
    if (o == m_watched && e->type() == QEvent::Hide && !e->spontaneous())
        clear();
    return QWidget::eventFilter(o, e);
}

void ListScreen::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Closing the host window, by any way, empties the list.
    if (window() != m_watched) {
        if (m_watched)
            m_watched->removeEventFilter(this);
        m_watched = window();
        if (m_watched != this)
            m_watched->installEventFilter(this);
    }
}

void ListHost::hostList(ListScreen *l, QWidget *area)
{
    list = l;
    txtTrova = l->txtTrova;
    btnTrova = l->btnTrova;
    lstRecords = l->lstRecords;
    btnChiudi = l->btnChiudi;
    btnStampa = l->btnStampa;
    if (area) {
        auto *v = new QVBoxLayout(area);
        v->setContentsMargins(0, 0, 0, 0);
        v->addWidget(l);
    }
}
