#pragma once
#include <QDate>
#include <QString>
#include <optional>

// Dates are texts dd/mm/yyyy everywhere; times are hh:mm.
namespace Dates {

// Strict: two digits, '/', two digits, '/', four digits, and a real calendar day.
std::optional<QDate> parse(const QString &text);
QString format(const QDate &d);
QString formatTime(const QTime &t);

} // namespace Dates
