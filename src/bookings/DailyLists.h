#pragma once
#include "base/RecordList.h"

#include <QDate>
#include <QString>

// The front desk's daily views of Registro.pro: arrivals today, departures today and arrivals
// from tomorrow on. Cancelled bookings (any flag but "No") never appear in them.
namespace DailyLists {

enum class Kind { ArrivalsToday, DeparturesToday, FutureArrivals };

// The line of a booking in the list of this kind.
QString line(Kind kind, const char *record);
// Whether the booking belongs to the list of this kind on the day `today`. An arrival date
// that is not a date keeps the booking out of the future arrivals (and the rest still come).
bool selects(Kind kind, const QDate &today, const char *record);
// Registro.pro, this list's selection and line: filling and finding a line again use the same.
RecordList::Source source(Kind kind, const QDate &today);
// The title of the printed list.
QString printTitle(Kind kind, const QDate &today);

} // namespace DailyLists
