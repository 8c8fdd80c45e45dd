#include "app/Crypt.h"

#include "base/Text.h"

#include <QList>

namespace Crypt {

namespace {

inline quint16 nextKey(quint16 key, quint8 c)
{
    return quint16((quint16(c + key) * quint32(Multiplier) + Addend) & 0xFFFF);
}

int hexDigit(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

} // namespace

QString ScrambleToHex(QStringView text)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    quint16 key = StartKey;
    for (QChar ch : text) {
        const quint8 b = quint8(ch.unicode() & 0xFF);
        const quint8 c = quint8(b ^ (key >> 8));
        out.append(QLatin1Char(digits[c >> 4]));
        out.append(QLatin1Char(digits[c & 0xF]));
        key = nextKey(key, c);
    }
    return out;
}

QString UnscrambleFromHex(QStringView hex)
{
    const qsizetype m = hex.size() / 2;
    QList<quint8> bytes;
    bytes.reserve(m);
    for (qsizetype i = 0; i < m; ++i) {
        const int hi = hexDigit(hex[2 * i]), lo = hexDigit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            throw BadHex();
        bytes.append(quint8(hi * 16 + lo));
    }
    QString out;
    out.reserve(m);
    quint16 key = StartKey;
    for (quint8 c : bytes) {
        out.append(QChar(char16_t(c ^ (key >> 8))));
        key = nextKey(key, c);
    }
    return out;
}

QString storedForm(QStringView typed) { return Text::trimmed(Text::upperAscii(typed)); }

QString firstUnstorable(QStringView stored)
{
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i].unicode() <= 255)
            continue;
        const bool pair = stored[i].isHighSurrogate() && i + 1 < stored.size() && stored[i + 1].isLowSurrogate();
        return stored.mid(i, pair ? 2 : 1).toString();
    }
    return QString();
}

} // namespace Crypt
