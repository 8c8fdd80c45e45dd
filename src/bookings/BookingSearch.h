#pragma once
#include "base/RecordList.h"

#include <QString>

#include <array>

// The booking search over Registro.pro: ten filters, cancelled bookings included and marked.
namespace BookingSearch {

struct Filter {
    const char *control; // the filter field of the search screen
    FieldSpec field;
};
// In the screen's order (two columns, Enter walks them in this order).
const std::array<Filter, 10> &filters();

QString line(const char *record);
RecordList::Source source(const RecordList::SearchFilters &filters);

} // namespace BookingSearch
