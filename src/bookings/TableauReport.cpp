#include "bookings/TableauReport.h"

#include "base/Dates.h"

namespace TableauReport {

using namespace Report;

namespace {

constexpr Rgb Past = 0xffa9a9a9u;
constexpr Rgb InHouse = 0xff2e8b57u;
constexpr Rgb Future = 0xff4169e1u;
constexpr Rgb Overbooked = 0xffdc143cu;
constexpr Rgb Weekend = 0xffe8e8e8u;
constexpr Rgb TodayColumn = 0xfffff3b0u;

const char *const kWeekdays[7] = {"lu", "ma", "me", "gi", "ve", "sa", "do"};

Font small(double pt, bool bold = false) { return {QStringLiteral("Arial"), pt, bold}; }

bool weekend(const QDate &d) { return d.dayOfWeek() >= 6; }

// One printed page: a run of days and a run of rooms, with the day counts when it ends the rooms.
struct PageSpec {
    int firstDay, dayCount; // within the range
    int firstRoom, roomCount;
    bool counts;
};

std::vector<PageSpec> plan(int rooms, int days, double printableHeight)
{
    std::vector<PageSpec> pages;
    const int perPageDays = daysPerPage();
    const int perPageRows = qMax(3, int((printableHeight - titleHeight - headerHeight) / rowHeight));
    // The last page also keeps room for the date bar after its last row.
    const int footerRows = int(8 / rowHeight) + 1;
    for (int day = 0; day < qMax(days, 1); day += perPageDays) {
        const int dayCount = qMin(perPageDays, days - day);
        const bool lastDays = day + perPageDays >= days;
        int room = 0;
        for (;;) {
            const int left = rooms - room;
            const int need = left + 2 + (lastDays ? footerRows : 0);
            if (need <= perPageRows) {
                pages.push_back({day, qMax(dayCount, 0), room, left, true});
                break;
            }
            const int take = qMin(left, perPageRows);
            pages.push_back({day, qMax(dayCount, 0), room, take, false});
            room += take;
        }
    }
    return pages;
}

} // namespace

QString title(const QDate &first, int days)
{
    return QStringLiteral("Tableau delle camere dal ") + Dates::format(first) + QStringLiteral(" al ")
           + Dates::format(first.addDays(qMax(days, 1) - 1));
}

int daysPerPage()
{
    const double width = Document().pageSize().height() - 20; // landscape, 10 mm margins
    return int((width - roomWidth) / dayWidth);
}

Rgb barColour(const Occupancy::Stay &s, const QDate &today)
{
    if (s.overbooked)
        return Overbooked;
    switch (Occupancy::whenOf(s, today)) {
    case Occupancy::When::Past:
        return Past;
    case Occupancy::When::InHouse:
        return InHouse;
    case Occupancy::When::Future:
        break;
    }
    return Future;
}

Document build(const Occupancy::Plan &plan_, const QDate &first, int days, const QDate &today)
{
    Document doc(reportName());
    doc.setOrientation(Orientation::Landscape);
    doc.setMargin(10);
    const QSizeF area = doc.printableSize();
    const Occupancy::Window w = Occupancy::window(plan_, first, days);
    const std::vector<PageSpec> pages = plan(plan_.roomCount(), days, area.height());
    const QString heading = title(first, days);

    for (size_t p = 0; p < pages.size(); ++p) {
        const PageSpec &pg = pages[p];
        const bool last = p + 1 == pages.size();
        const int bodyRows = pg.roomCount + (pg.counts ? 2 : 0);
        const double bodyTop = titleHeight + headerHeight;
        const double bodyBottom = bodyTop + bodyRows * rowHeight;
        const double right = roomWidth + pg.dayCount * dayWidth;
        // A page before the last fills its sheet, so the next one starts on a sheet of its own.
        Band &band =
            doc.addBand(QStringLiteral("Pagina%1").arg(p + 1), BandKind::Page, last ? bodyBottom : area.height());

        band.addText(QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5), heading, {QStringLiteral("Verdana"), 9, true},
                     Qt::AlignHCenter | Qt::AlignVCenter, White, SlateGrey);
        band.addText(QStringLiteral("lblCamera"), QRectF(0, titleHeight, roomWidth, headerHeight),
                     QStringLiteral("Camera"), small(7, true), Qt::AlignCenter)
            .framed = true;

        for (int d = 0; d < pg.dayCount; ++d) {
            const QDate day = first.addDays(pg.firstDay + d);
            const double x = roomWidth + d * dayWidth;
            const Rgb tint = day == today ? Gold : (weekend(day) ? Weekend : NoColour);
            band.addBox(QStringLiteral("giorno%1").arg(pg.firstDay + d), QRectF(x, titleHeight, dayWidth, headerHeight),
                        tint, true);
            const Rgb column = day == today ? TodayColumn : tint;
            if (column != NoColour)
                band.addBox(QString(), QRectF(x, bodyTop, dayWidth, bodyBottom - bodyTop), column, false);
            band.addText(QString(), QRectF(x, titleHeight, dayWidth, headerHeight / 2),
                         QString::fromLatin1(kWeekdays[day.dayOfWeek() - 1]), small(6), Qt::AlignCenter);
            const bool withMonth = d == 0 || day.day() == 1;
            band.addText(QStringLiteral("data%1").arg(pg.firstDay + d),
                         QRectF(x, titleHeight + headerHeight / 2, dayWidth, headerHeight / 2),
                         withMonth ? day.toString(QStringLiteral("dd/MM")) : day.toString(QStringLiteral("dd")),
                         small(withMonth ? 5 : 6, true), Qt::AlignCenter);
            band.addLine(QString(), x, bodyTop, 0, bodyBottom - bodyTop);
        }
        band.addLine(QString(), right, bodyTop, 0, bodyBottom - bodyTop);

        for (int k = 0; k < pg.roomCount; ++k) {
            const int room = pg.firstRoom + k;
            const double y = bodyTop + k * rowHeight;
            band.addText(QStringLiteral("camera%1").arg(room), QRectF(0, y, roomWidth, rowHeight),
                         QStringLiteral(" ") + plan_.rooms.at(room), small(7, true), Qt::AlignLeft | Qt::AlignVCenter)
                .framed = true;
            band.addLine(QString(), roomWidth, y + rowHeight, right - roomWidth, 0);
            const qint64 from = first.toJulianDay() + pg.firstDay, to = from + pg.dayCount;
            const auto &vis = w.visible[size_t(room)];
            const int lanes = w.lanes[size_t(room)];
            const double laneHeight = (rowHeight - 1) / lanes;
            for (size_t v = 0; v < vis.size(); ++v) {
                const Occupancy::Stay &s = plan_.stays[size_t(vis[v])];
                if (s.departure <= from || s.arrival >= to)
                    continue;
                const double x0 = roomWidth + double(qMax(s.arrival, from) - from) * dayWidth;
                const double x1 = roomWidth + double(qMin(s.departure, to) - from) * dayWidth;
                const Rgb fill = barColour(s, today);
                band.addText(
                    QStringLiteral("bar%1").arg(s.position),
                    QRectF(x0 + 0.3, y + 0.5 + w.lane[size_t(room)][v] * laneHeight, x1 - x0 - 0.6, laneHeight),
                    plan_.label(s), small(lanes > 1 ? 5 : 6), Qt::AlignLeft | Qt::AlignVCenter,
                    fill == Past ? Black : White, fill);
            }
        }

        if (pg.counts) {
            const double y = bodyTop + pg.roomCount * rowHeight;
            band.addText(QStringLiteral("lblOccupate"), QRectF(0, y, roomWidth, rowHeight),
                         QStringLiteral(" Occupate su %1").arg(plan_.roomCount()), small(6, true),
                         Qt::AlignLeft | Qt::AlignVCenter)
                .framed = true;
            band.addText(QStringLiteral("lblPersone"), QRectF(0, y + rowHeight, roomWidth, rowHeight),
                         QStringLiteral(" Persone"), small(6, true), Qt::AlignLeft | Qt::AlignVCenter)
                .framed = true;
            for (int d = 0; d < pg.dayCount; ++d) {
                const int day = pg.firstDay + d;
                const double x = roomWidth + d * dayWidth;
                band.addText(QStringLiteral("occupate%1").arg(day), QRectF(x, y, dayWidth, rowHeight),
                             QString::number(w.occupiedRooms[size_t(day)]), small(6), Qt::AlignCenter)
                    .framed = true;
                band.addText(QStringLiteral("persone%1").arg(day), QRectF(x, y + rowHeight, dayWidth, rowHeight),
                             QString::number(w.persons[size_t(day)]), small(6), Qt::AlignCenter)
                    .framed = true;
            }
        }
    }

    Band &footer = doc.addBand(QStringLiteral("Footer"), BandKind::Footer, 8);
    footer.addText(QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5), QStringLiteral("Stampa eseguita in data [DATE]"),
                   {QStringLiteral("Verdana"), 8, true}, Qt::AlignHCenter | Qt::AlignVCenter, White, SlateGrey);
    return doc;
}

} // namespace TableauReport
