#include "platform/Clock.h"

namespace {
QDateTime &fixed()
{
    static QDateTime f;
    return f;
}
} // namespace

namespace Clock {

QDateTime current() { return fixed().isValid() ? fixed() : QDateTime::currentDateTime(); }
QDate today() { return current().date(); }
QTime now() { return current().time(); }
void setFixed(const QDateTime &dt) { fixed() = dt; }
void reset() { fixed() = QDateTime(); }

} // namespace Clock
