#include "bookings/Tableau.h"

#include "base/Dates.h"
#include "base/Formats.h"
#include "base/RecordFile.h"
#include "bookings/Calendario.h"
#include "bookings/TableauReport.h"
#include "bookings/Visita.h"
#include "output/ListReport.h"
#include "platform/ArchiveList.h"
#include "platform/Clock.h"
#include "platform/ListScreen.h"
#include "platform/Messages.h"
#include "platform/ScreenKit.h"
#include "report/ReportPrinter.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

#include <array>

namespace {

QColor colour(Report::Rgb c) { return QColor::fromRgba(c); }

const QColor kGridLine(0xd0, 0xd0, 0xd0);
const QColor kHeader(0xf4, 0xf4, 0xf4);
const QColor kWeekend(0xe8, 0xe8, 0xe8);
const QColor kToday(0xff, 0xd7, 0x00);
const QColor kTodayColumn(0xff, 0xf3, 0xb0);
const std::array<const char *, 7> kWeekdays = {"lun", "mar", "mer", "gio", "ven", "sab", "dom"};

bool weekend(const QDate &d) { return d.dayOfWeek() >= 6; }

// The bookings that no bar can show, listed as the daily lists are; a double-click brings one
// onto the card.
class TfrmTableauNonValide : public TArchiveList {
public:
    TfrmTableauNonValide(QWidget *parent, TfrmTableau::ShowBooking show)
        : TArchiveList(parent, QStringLiteral(" Prenotazioni con date non valide"),
                       QStringLiteral("PRENOTAZIONI CON DATE NON VALIDE"), 1000),
          m_show(std::move(show))
    {
        setObjectName(QStringLiteral("frmTableauNonValide"));
        list->setPrintTitle(QStringLiteral("Prenotazioni con date non valide"), ListReportPrinter());
    }

protected:
    RecordList::Source source() const override { return Occupancy::invalidSource(); }
    void take(qint64 n) override
    {
        if (m_show)
            m_show(n);
    }

private:
    TfrmTableau::ShowBooking m_show;
};

} // namespace

// ---- TableauGrid ----

TableauGrid::TableauGrid(QWidget *parent) : QAbstractScrollArea(parent)
{
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(rowHeight);
    horizontalScrollBar()->setSingleStep(dayWidth);
}

void TableauGrid::setWindow(const Occupancy::Plan *plan, Occupancy::Window window, const QDate &today)
{
    m_plan = plan;
    m_window = std::move(window);
    m_today = today;
    m_hovered = -1;
    updateScrollBars();
    viewport()->update();
}

int TableauGrid::bodyHeight() const { return qMax(0, viewport()->height() - headerHeight - countsHeight); }

void TableauGrid::updateScrollBars()
{
    const int rows = int(m_window.visible.size());
    verticalScrollBar()->setRange(0, qMax(0, rows * rowHeight - bodyHeight()));
    verticalScrollBar()->setPageStep(qMax(rowHeight, bodyHeight()));
    const int width = viewport()->width() - roomWidth;
    horizontalScrollBar()->setRange(0, qMax(0, m_window.days * dayWidth - width));
    horizontalScrollBar()->setPageStep(qMax(dayWidth, width));
}

void TableauGrid::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    updateScrollBars();
}

void TableauGrid::scrollContentsBy(int, int) { viewport()->update(); }

QRect TableauGrid::cellRect(int room, int day) const
{
    return QRect(roomWidth + day * dayWidth - horizontalScrollBar()->value(),
                 headerHeight + room * rowHeight - verticalScrollBar()->value(), dayWidth, rowHeight);
}

int TableauGrid::roomAt(const QPoint &p) const
{
    if (p.y() < headerHeight || p.y() >= headerHeight + bodyHeight() || p.x() < roomWidth)
        return -1;
    const int r = (p.y() - headerHeight + verticalScrollBar()->value()) / rowHeight;
    return r < int(m_window.visible.size()) ? r : -1;
}

int TableauGrid::dayAt(const QPoint &p) const
{
    if (p.x() < roomWidth)
        return -1;
    const int d = (p.x() - roomWidth + horizontalScrollBar()->value()) / dayWidth;
    return d < m_window.days ? d : -1;
}

QRect TableauGrid::barRect(qsizetype stay) const
{
    if (!m_plan || stay < 0 || stay >= qsizetype(m_plan->stays.size()))
        return QRect();
    const Occupancy::Stay &s = m_plan->stays[size_t(stay)];
    const auto &vis = m_window.visible[size_t(s.room)];
    for (size_t k = 0; k < vis.size(); ++k) {
        if (vis[k] != stay)
            continue;
        const qint64 from = m_window.first.toJulianDay();
        const int a = int(qMax<qint64>(s.arrival - from, 0)), b = int(qMin<qint64>(s.departure - from, m_window.days));
        const QRect first = cellRect(s.room, a);
        const int lanes = m_window.lanes[size_t(s.room)];
        const int laneHeight = (rowHeight - 4) / lanes;
        return QRect(first.left() + 1, first.top() + 2 + m_window.lane[size_t(s.room)][k] * laneHeight,
                     (b - a) * dayWidth - 2, laneHeight);
    }
    return QRect();
}

qsizetype TableauGrid::stayAt(const QPoint &p) const
{
    const int room = roomAt(p), day = dayAt(p);
    if (!m_plan || room < 0 || day < 0)
        return -1;
    const int lanes = m_window.lanes[size_t(room)];
    const QRect cell = cellRect(room, day);
    const int lane = qBound(0, (p.y() - cell.top() - 2) / qMax(1, (rowHeight - 4) / lanes), lanes - 1);
    const qsizetype inLane = Occupancy::stayAt(*m_plan, m_window, room, day, lane);
    return inLane >= 0 ? inLane : Occupancy::stayAt(*m_plan, m_window, room, day);
}

void TableauGrid::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    const QRect all = viewport()->rect();
    p.fillRect(all, Qt::white);
    const int rows = int(m_window.visible.size());
    const int dx = horizontalScrollBar()->value(), dy = verticalScrollBar()->value();
    const int body = bodyHeight();
    const int firstDay = dx / dayWidth;
    const int lastDay = qMin(m_window.days - 1, (dx + all.width() - roomWidth) / dayWidth);
    const int firstRow = dy / rowHeight;
    const int lastRow = qMin(rows - 1, (dy + body) / rowHeight);
    const QFont base = font();
    QFont bold = base;
    bold.setBold(true);
    QFont small = base;
    small.setPointSizeF(qMax(6.0, base.pointSizeF() - 1));

    // Day columns under the bars: weekends and today.
    p.save();
    p.setClipRect(QRect(roomWidth, headerHeight, all.width() - roomWidth, body));
    for (int d = firstDay; d <= lastDay; ++d) {
        const QDate day = m_window.first.addDays(d);
        const QRect c = cellRect(0, d);
        const QRect column(c.left(), headerHeight, dayWidth, body);
        if (day == m_today)
            p.fillRect(column, kTodayColumn);
        else if (weekend(day))
            p.fillRect(column, kWeekend);
    }
    p.setPen(kGridLine);
    for (int d = firstDay; d <= lastDay + 1; ++d) {
        const int x = cellRect(0, d).left();
        p.drawLine(x, headerHeight, x, headerHeight + qMin(body, rows * rowHeight - dy));
    }
    for (int r = firstRow; r <= lastRow; ++r) {
        const int y = cellRect(r, 0).bottom();
        p.drawLine(roomWidth, y, all.width(), y);
    }
    // The bars of the rows in view, cut to the days in view.
    if (m_plan) {
        p.setFont(small);
        for (int r = qMax(0, firstRow); r <= lastRow; ++r) {
            for (qsizetype i : m_window.visible[size_t(r)]) {
                const Occupancy::Stay &s = m_plan->stays[size_t(i)];
                const QRect bar = barRect(i);
                if (bar.right() < roomWidth || bar.left() > all.width())
                    continue;
                const Report::Rgb fill = TableauReport::barColour(s, m_today);
                p.setPen(i == m_hovered ? QPen(Qt::black, 2) : QPen(colour(fill).darker(130)));
                p.setBrush(colour(fill));
                p.drawRoundedRect(bar, 3, 3);
                const bool past = !s.overbooked && Occupancy::whenOf(s, m_today) == Occupancy::When::Past;
                p.setPen(past ? Qt::black : Qt::white);
                const QRect text =
                    bar.adjusted(4, 0, -2, 0).intersected(QRect(roomWidth, 0, all.width(), all.height()));
                p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                           p.fontMetrics().elidedText(m_plan->label(s), Qt::ElideRight, text.width()));
            }
        }
    }
    p.restore();

    // The day header.
    p.fillRect(QRect(0, 0, all.width(), headerHeight), kHeader);
    p.save();
    p.setClipRect(QRect(roomWidth, 0, all.width() - roomWidth, headerHeight));
    for (int d = firstDay; d <= lastDay; ++d) {
        const QDate day = m_window.first.addDays(d);
        const QRect c(cellRect(0, d).left(), 0, dayWidth, headerHeight);
        if (day == m_today)
            p.fillRect(c, kToday);
        else if (weekend(day))
            p.fillRect(c, kWeekend);
        p.setPen(kGridLine);
        p.drawRect(c.adjusted(0, 0, 0, -1));
        p.setPen(Qt::black);
        p.setFont(small);
        p.drawText(c.adjusted(0, 2, 0, -c.height() / 2), Qt::AlignCenter,
                   QString::fromLatin1(kWeekdays[day.dayOfWeek() - 1]));
        p.setFont(bold);
        const bool withMonth = d == firstDay || day.day() == 1;
        p.drawText(c.adjusted(0, c.height() / 2, 0, -2), Qt::AlignCenter,
                   day.toString(withMonth ? QStringLiteral("d/M") : QStringLiteral("d")));
    }
    p.restore();

    // The room column.
    p.fillRect(QRect(0, headerHeight, roomWidth, body), kHeader);
    p.save();
    p.setClipRect(QRect(0, headerHeight, roomWidth, body));
    p.setFont(bold);
    for (int r = firstRow; r <= lastRow; ++r) {
        const QRect c(0, cellRect(r, 0).top(), roomWidth, rowHeight);
        p.setPen(kGridLine);
        p.drawLine(c.bottomLeft(), c.bottomRight());
        p.setPen(Qt::black);
        if (m_plan && r < m_plan->roomCount())
            p.drawText(c.adjusted(6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       p.fontMetrics().elidedText(m_plan->rooms.at(r), Qt::ElideRight, roomWidth - 10));
    }
    p.restore();
    p.fillRect(QRect(0, 0, roomWidth, headerHeight), kHeader);
    p.setPen(Qt::black);
    p.setFont(bold);
    p.drawText(QRect(6, 0, roomWidth - 6, headerHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Camera"));

    // Under the grid, for each day: rooms taken of the rooms listed, and persons.
    const int cy = headerHeight + body;
    const int line = countsHeight / 2;
    p.fillRect(QRect(0, cy, all.width(), countsHeight), kHeader);
    p.setPen(kGridLine);
    p.drawLine(0, cy, all.width(), cy);
    p.setPen(Qt::black);
    p.setFont(small);
    p.drawText(QRect(6, cy, roomWidth - 6, line), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Occupate su %1").arg(rows));
    p.drawText(QRect(6, cy + line, roomWidth - 6, line), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Persone"));
    p.setClipRect(QRect(roomWidth, cy, all.width() - roomWidth, countsHeight));
    for (int d = firstDay; d <= lastDay; ++d) {
        const int x = cellRect(0, d).left();
        p.drawText(QRect(x, cy, dayWidth, line), Qt::AlignCenter, QString::number(m_window.occupiedRooms[size_t(d)]));
        p.drawText(QRect(x, cy + line, dayWidth, line), Qt::AlignCenter, QString::number(m_window.persons[size_t(d)]));
    }
}

void TableauGrid::mouseDoubleClickEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    const int room = roomAt(pos), day = dayAt(pos);
    if (room < 0 || day < 0)
        return;
    const qsizetype stay = stayAt(pos);
    if (stay >= 0)
        emit stayActivated(stay);
    else
        emit emptyActivated(room, day);
}

void TableauGrid::mouseMoveEvent(QMouseEvent *e)
{
    const qsizetype stay = stayAt(e->position().toPoint());
    if (stay != m_hovered) {
        m_hovered = stay;
        viewport()->update();
        emit stayHovered(stay);
    }
}

bool TableauGrid::viewportEvent(QEvent *e)
{
    if (e->type() == QEvent::Leave && m_hovered >= 0) {
        m_hovered = -1;
        viewport()->update();
        emit stayHovered(-1);
    } else if (e->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(e);
        const qsizetype stay = stayAt(help->pos());
        if (stay != m_hovered) {
            m_hovered = stay;
            emit stayHovered(stay);
        }
        QToolTip::showText(help->globalPos(), stay >= 0 ? toolTip() : QString(), viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

// ---- TfrmTableau ----

TfrmTableau::TfrmTableau(QWidget *parent, ShowBooking showBooking, PrepareNew prepareNew)
    : QWidget(parent, Qt::Window), m_showBooking(std::move(showBooking)), m_prepareNew(std::move(prepareNew)),
      m_first(Clock::today().addDays(-daysBeforeToday))
{
    setObjectName(QStringLiteral("frmTableau"));
    setWindowTitle(QStringLiteral(" Tableau delle camere"));
    Formats::applyProcessFormats();
    resize(1320, 760);

    auto button = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    btnMesePrec = button(QStringLiteral("btnMesePrec"), QStringLiteral("« Mese"));
    btnSettimanaPrec = button(QStringLiteral("btnSettimanaPrec"), QStringLiteral("‹ Settimana"));
    btnOggi = button(QStringLiteral("btnOggi"), QStringLiteral("Oggi"));
    btnData = button(QStringLiteral("btnData"), QStringLiteral("Data..."));
    btnSettimanaSucc = button(QStringLiteral("btnSettimanaSucc"), QStringLiteral("Settimana ›"));
    btnMeseSucc = button(QStringLiteral("btnMeseSucc"), QStringLiteral("Mese »"));
    btnNonValide = button(QStringLiteral("btnNonValide"), QStringLiteral("Elenca"));
    btnStampa = button(QStringLiteral("btnStampa"), QStringLiteral("Stampa"));
    btnChiudi = button(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));

    lblPeriodo = ScreenKit::label(this, QString(), QStringLiteral("lblPeriodo"));
    QFont big = lblPeriodo->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() + 2);
    lblPeriodo->setFont(big);
    lblSovrapposizioni = ScreenKit::label(this, QString(), QStringLiteral("lblSovrapposizioni"));
    QFont bold = lblSovrapposizioni->font();
    bold.setBold(true);
    lblSovrapposizioni->setFont(bold);
    lblNonValide = ScreenKit::label(this, QString(), QStringLiteral("lblNonValide"));
    panInfo = ScreenKit::label(this, QString(), QStringLiteral("panInfo"));
    panInfo->setMinimumHeight(22);
    panInfo->setFrameShape(QFrame::StyledPanel);
    grdTableau = new TableauGrid(this);
    grdTableau->setObjectName(QStringLiteral("grdTableau"));

    auto *nav = new QHBoxLayout;
    for (QPushButton *b : {btnMesePrec, btnSettimanaPrec, btnOggi, btnData, btnSettimanaSucc, btnMeseSucc})
        nav->addWidget(b);
    nav->addSpacing(16);
    nav->addWidget(lblPeriodo);
    nav->addStretch();
    nav->addWidget(lblSovrapposizioni);

    auto *legend = new QHBoxLayout;
    const QDate today = Clock::today();
    auto addLegend = [&](Report::Rgb c, const QString &text) {
        QPixmap pm(14, 14);
        pm.fill(colour(c));
        auto *sq = new QLabel(this);
        sq->setPixmap(pm);
        legend->addWidget(sq);
        legend->addWidget(new QLabel(text, this));
        legend->addSpacing(12);
    };
    Occupancy::Stay past, now, later, twice;
    past.arrival = today.toJulianDay() - 2;
    past.departure = today.toJulianDay() - 1;
    now.arrival = today.toJulianDay();
    now.departure = now.arrival + 1;
    later.arrival = today.toJulianDay() + 1;
    later.departure = later.arrival + 1;
    twice.overbooked = true;
    addLegend(TableauReport::barColour(past, today), QStringLiteral("Partiti"));
    addLegend(TableauReport::barColour(now, today), QStringLiteral("In casa oggi"));
    addLegend(TableauReport::barColour(later, today), QStringLiteral("In arrivo"));
    addLegend(TableauReport::barColour(twice, today), QStringLiteral("Sovrapposti"));
    legend->addStretch();
    legend->addWidget(lblNonValide);
    legend->addWidget(btnNonValide);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(btnChiudi);
    bottom->addWidget(panInfo, 1);
    bottom->addWidget(btnStampa);

    auto *v = new QVBoxLayout(this);
    v->addLayout(nav);
    v->addWidget(grdTableau, 1);
    v->addLayout(legend);
    v->addLayout(bottom);

    auto *hints = new ScreenKit::Hints(panInfo, this);
    hints->add(btnMesePrec, QStringLiteral("Mostra il periodo che inizia un mese prima."));
    hints->add(btnSettimanaPrec, QStringLiteral("Mostra il periodo che inizia una settimana prima."));
    hints->add(btnOggi, QStringLiteral("Torna al periodo che comprende la data odierna."));
    hints->add(btnData, QStringLiteral("Sceglie dal calendario una data da mostrare."));
    hints->add(btnSettimanaSucc, QStringLiteral("Mostra il periodo che inizia una settimana dopo."));
    hints->add(btnMeseSucc, QStringLiteral("Mostra il periodo che inizia un mese dopo."));
    hints->add(btnNonValide, QStringLiteral("Elenca le prenotazioni con date non valide."));
    hints->add(btnStampa, QStringLiteral("Stampa il tableau del periodo mostrato."));
    hints->add(btnChiudi, QStringLiteral("Chiude il tableau delle camere."));
    panInfo->setText(QStringLiteral("Doppio clic su una prenotazione per richiamarla nella scheda, "
                                    "su una cella libera per preparare una nuova prenotazione."));

    connect(btnMesePrec, &QPushButton::clicked, this, &TfrmTableau::btnMesePrecClick);
    connect(btnSettimanaPrec, &QPushButton::clicked, this, &TfrmTableau::btnSettimanaPrecClick);
    connect(btnOggi, &QPushButton::clicked, this, &TfrmTableau::btnOggiClick);
    connect(btnData, &QPushButton::clicked, this, &TfrmTableau::btnDataClick);
    connect(btnSettimanaSucc, &QPushButton::clicked, this, &TfrmTableau::btnSettimanaSuccClick);
    connect(btnMeseSucc, &QPushButton::clicked, this, &TfrmTableau::btnMeseSuccClick);
    connect(btnNonValide, &QPushButton::clicked, this, &TfrmTableau::btnNonValideClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmTableau::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(grdTableau, &TableauGrid::stayActivated, this, [this](qsizetype i) {
        if (m_showBooking)
            m_showBooking(m_plan.stays[size_t(i)].position);
    });
    connect(grdTableau, &TableauGrid::emptyActivated, this, [this](int room, int day) {
        if (m_prepareNew)
            m_prepareNew(m_plan.rooms.at(room), m_first.addDays(day));
    });
    connect(grdTableau, &TableauGrid::stayHovered, this, &TfrmTableau::hover);
    showWindow();
}

void TfrmTableau::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!m_loaded)
        refresh();
}

void TfrmTableau::refresh()
{
    // A closed tableau reads the register when it is shown again, not at every save.
    if (!isVisible()) {
        m_loaded = false;
        return;
    }
    m_loaded = true;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_plan = Occupancy::read(registroPath());
        QApplication::restoreOverrideCursor();
    }
    m_hoverPosition = 0;
    showWindow();
    if (!m_plan.complete)
        Msg::error(Msg::accessText(), this);
}

void TfrmTableau::setFirstDay(const QDate &first)
{
    if (!first.isValid())
        return;
    m_first = first;
    showWindow();
}

void TfrmTableau::showWindow()
{
    const QDate today = Clock::today();
    grdTableau->setWindow(&m_plan, Occupancy::window(m_plan, m_first, m_days), today);
    const Occupancy::Window &w = grdTableau->range();
    lblPeriodo->setText(QStringLiteral("dal ") + Dates::format(m_first) + QStringLiteral(" al ")
                        + Dates::format(m_first.addDays(m_days - 1)));
    lblSovrapposizioni->setText(
        QStringLiteral("Sovrapposizioni nel periodo: %1 notti-camera").arg(w.overbookedRoomNights));
    const qsizetype invalid = qsizetype(m_plan.invalid.size());
    lblNonValide->setText(Occupancy::invalidText(invalid));
    lblNonValide->setVisible(invalid > 0);
    btnNonValide->setVisible(invalid > 0);
    grdTableau->setToolTip(QString());
}

void TfrmTableau::hover(qsizetype stay)
{
    if (stay < 0) {
        panInfo->clear();
        grdTableau->setToolTip(QString());
        return;
    }
    const Occupancy::Stay &s = m_plan.stays[size_t(stay)];
    if (s.position != m_hoverPosition) {
        // Rate and mobile are read from the booking itself, only for the bar under the mouse.
        QString rate, mobile;
        try {
            RecordFile f(registroPath(), TVisita::Size);
            f.open();
            TVisita r;
            f.read(s.position, r.bytes.data());
            rate = r.get(VisitaField::Tariffa);
            mobile = r.get(VisitaField::Cellulare);
        } catch (const ArchiveError &) {}
        m_hoverPosition = s.position;
        m_hoverText = Occupancy::details(m_plan, s, rate, mobile);
    }
    panInfo->setText(m_hoverText);
    grdTableau->setToolTip(m_hoverText);
}

void TfrmTableau::btnMesePrecClick() { setFirstDay(m_first.addMonths(-1)); }
void TfrmTableau::btnSettimanaPrecClick() { setFirstDay(m_first.addDays(-7)); }
void TfrmTableau::btnOggiClick() { setFirstDay(Clock::today().addDays(-daysBeforeToday)); }
void TfrmTableau::btnSettimanaSuccClick() { setFirstDay(m_first.addDays(7)); }
void TfrmTableau::btnMeseSuccClick() { setFirstDay(m_first.addMonths(1)); }

void TfrmTableau::btnDataClick()
{
    // The picker writes only for the card's markers; here its Importa hands the day back.
    auto *d = new TfrmCalendario(this);
    d->setMemory(QStringLiteral("tableau"));
    d->calAppuntamenti->setSelectedDate(m_first.addDays(daysBeforeToday));
    QDate chosen;
    connect(d->btnImportaData, &QPushButton::clicked, d, [d, &chosen] {
        chosen = d->calAppuntamenti->selectedDate();
        d->accept();
    });
    d->exec();
    delete d;
    if (chosen.isValid())
        setFirstDay(chosen.addDays(-daysBeforeToday));
}

void TfrmTableau::btnNonValideClick()
{
    auto *d = new TfrmTableauNonValide(this, m_showBooking);
    d->exec();
    delete d;
}

void TfrmTableau::btnStampaClick()
{
    Report::Document doc = TableauReport::build(m_plan, m_first, m_days, Clock::today());
    ReportPrinter::print(doc, this);
}
