#pragma once
#include <QString>

// Dates dd/mm/yyyy and the comma as decimal separator for the whole process,
// whatever the machine's regional settings.
namespace Formats {
void applyProcessFormats();
// The program's short date. The Italian locale's own short form has a two-digit year, and Qt
// offers no way to change a locale's formats, so every date is written with this one.
inline QString shortDateFormat() { return QStringLiteral("dd/MM/yyyy"); }
} // namespace Formats
