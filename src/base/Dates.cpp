#include "base/Dates.h"

#include "base/Formats.h"

namespace Dates {

std::optional<QDate> parse(const QString &text)
{
    if (text.size() != 10 || text[2] != u'/' || text[5] != u'/')
        return std::nullopt;
    int v[3] = {0, 0, 0};
    const int starts[3] = {0, 3, 6}, lens[3] = {2, 2, 4};
    for (int f = 0; f < 3; ++f)
        for (int i = 0; i < lens[f]; ++i) {
            const QChar c = text[starts[f] + i];
            if (c < u'0' || c > u'9')
                return std::nullopt;
            v[f] = v[f] * 10 + (c.unicode() - u'0');
        }
    const QDate d(v[2], v[1], v[0]);
    if (!d.isValid() || v[2] == 0)
        return std::nullopt;
    return d;
}

QString format(const QDate &d) { return d.toString(Formats::shortDateFormat()); }

QString formatTime(const QTime &t) { return t.toString(QStringLiteral("hh:mm")); }

} // namespace Dates
