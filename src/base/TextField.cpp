#include "base/TextField.h"

#include "base/Cp1252.h"
#include "base/Text.h"

#include <cstring>

namespace TextField {

void write(char *record, FieldSpec f, const QString &text)
{
    char *p = record + f.offset;
    std::memset(p, 0, size_t(f.capacity) + 1);
    const int n = Cp1252::encodeInto(Text::trimmed(text), p + 1, f.capacity);
    p[0] = char(static_cast<unsigned char>(n));
}

int rawLength(const char *record, FieldSpec f)
{
    const int len = static_cast<unsigned char>(record[f.offset]);
    return len > f.capacity ? f.capacity : len;
}

// Trimmed on the bytes first: Windows-1252 maps every byte <= 32 to the same code.
QString read(const char *record, FieldSpec f) { return Cp1252::toUnicode(trimmedBytes(record, f)); }

QByteArrayView trimmedBytes(const char *record, FieldSpec f)
{
    const char *p = record + f.offset + 1;
    int b = 0, e = rawLength(record, f);
    while (b < e && static_cast<unsigned char>(p[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(p[e - 1]) <= 32)
        --e;
    return QByteArrayView(p + b, e - b);
}

} // namespace TextField
