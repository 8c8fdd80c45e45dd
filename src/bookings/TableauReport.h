#pragma once
#include "bookings/Occupancy.h"
#include "report/Report.h"

#include <QDate>
#include <QString>

// The printed tableau: landscape A4 pages with the rooms down and the days across. A range wider
// than a page goes on across further pages (all the rooms for the first days, then all the rooms
// for the next), a house taller than a page goes on down; every page repeats the title, the days
// and the room column, and the usual date bar follows the last row.
namespace TableauReport {

constexpr double roomWidth = 24; // millimetres
constexpr double dayWidth = 7;
constexpr double titleHeight = 8;
constexpr double headerHeight = 8;
constexpr double rowHeight = 5;

inline QString reportName() { return QStringLiteral("Tableau delle camere"); }
// "Tableau delle camere dal 07/12/2026 al 10/01/2027"
QString title(const QDate &first, int days);
// The days that fit across one page.
int daysPerPage();

// One Page band per printed page (named "Pagina1", "Pagina2", ...), then the Footer band with
// txtPagina. Bars are text boxes named "bar<position>" filled with the colour of their stay.
Report::Document build(const Occupancy::Plan &plan, const QDate &first, int days, const QDate &today);

// The fill of a stay's bar: past, in house, future, or the warning colour when overbooked.
Report::Rgb barColour(const Occupancy::Stay &s, const QDate &today);

} // namespace TableauReport
