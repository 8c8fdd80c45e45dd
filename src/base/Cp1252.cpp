#include "base/Cp1252.h"

namespace {

// 0x80..0x9F; the five bytes Windows leaves undefined map to the C1 controls, as Windows does.
constexpr char16_t kHigh[32] = {
    // clang-format off
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    // clang-format on
};

} // namespace

namespace Cp1252 {

QChar byteToChar(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return QChar(kHigh[b - 0x80]);
    return QChar(char16_t(b));
}

int charToByte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

int encodeInto(const QString &text, char *out, int maxBytes)
{
    int n = 0;
    const qsizetype len = text.size();
    for (qsizetype i = 0; i < len && n < maxBytes; ++i) {
        const QChar c = text.at(i);
        // A surrogate pair is one character outside the code page: one '?'.
        if (c.isHighSurrogate() && i + 1 < len && text.at(i + 1).isLowSurrogate())
            ++i;
        const int b = charToByte(c);
        out[n++] = b < 0 ? '?' : char(b);
    }
    return n;
}

QByteArray fromUnicode(const QString &text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(encodeInto(text, out.data(), int(out.size())));
    return out;
}

QString toUnicode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = byteToChar(static_cast<unsigned char>(bytes[i]));
    return out;
}

} // namespace Cp1252
