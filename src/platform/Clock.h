#pragma once
#include <QDate>
#include <QDateTime>
#include <QTime>

// Today and now come from here, so tests can fix the day.
namespace Clock {

QDate today();
QTime now();
QDateTime current();
void setFixed(const QDateTime &dt);
void reset();

} // namespace Clock
