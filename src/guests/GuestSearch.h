#pragma once
#include "base/RecordList.h"

#include <QString>

#include <array>

// The guest search and the flagged-guest list over Clienti.pro.
namespace GuestSearch {

struct Filter {
    const char *control; // the filter field of the search screen
    FieldSpec field;
};
// In the screen's order (two columns, Enter walks them in this order).
const std::array<Filter, 10> &filters();

QString searchLine(const char *record);
QString flaggedLine(const char *record);
RecordList::Source searchSource(const RecordList::SearchFilters &filters);
// Every card whose flag reads "Sì".
RecordList::Source flaggedSource();

// What a guest brings into a booking: a guest card field and the booking card control it fills.
struct ImportField {
    FieldSpec field;
    const char *control;
};
const std::array<ImportField, 23> &bookingImport();

} // namespace GuestSearch
