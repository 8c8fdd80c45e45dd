#include "base/Text.h"

namespace Text {

QString trimmed(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= 32)
        ++b;
    while (e > b && s[e - 1].unicode() <= 32)
        --e;
    return s.sliced(b, e - b).toString();
}

bool isBlank(QStringView s)
{
    for (QChar c : s)
        if (c.unicode() > 32)
            return false;
    return true;
}

QString pad(QStringView s, int w)
{
    if (w <= 0)
        return QString();
    QString out = s.left(w).toString();
    if (out.size() < w)
        out.append(QString(w - out.size(), QLatin1Char(' ')));
    return out;
}

QString foldAZ(QStringView s)
{
    QString out = s.toString();
    for (QChar &c : out)
        c = QChar(foldChar(c.unicode()));
    return out;
}

bool containsFolded(QStringView haystack, QStringView needle)
{
    const qsizetype n = needle.size(), h = haystack.size();
    if (n == 0)
        return true;
    if (n > h)
        return false;
    const char16_t first = foldChar(needle[0].unicode());
    for (qsizetype i = 0; i + n <= h; ++i) {
        if (foldChar(haystack[i].unicode()) != first)
            continue;
        qsizetype k = 1;
        while (k < n && foldChar(haystack[i + k].unicode()) == foldChar(needle[k].unicode()))
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

int compareListOrder(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldChar(a[i].unicode()), y = foldChar(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

QString upperAscii(QStringView s)
{
    QString out = s.toString();
    for (QChar &c : out)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(char16_t(c.unicode() - 32));
    return out;
}

} // namespace Text
