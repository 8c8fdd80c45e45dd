#include "base/RecordList.h"

#include "base/Cp1252.h"
#include "base/RecordFile.h"
#include "base/Text.h"

#include <algorithm>
#include <cstring>

namespace RecordList {

namespace {

// The field's bytes without the blanks and control characters at either end.
QByteArrayView trimmedBytes(const char *record, FieldSpec f)
{
    const char *p = record + f.offset + 1;
    int b = 0, e = TextField::rawLength(record, f);
    while (b < e && static_cast<unsigned char>(p[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(p[e - 1]) <= 32)
        --e;
    return QByteArrayView(p + b, e - b);
}

inline char foldByte(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

QStringView trimmedView(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= 32)
        ++b;
    while (e > b && s[e - 1].unicode() <= 32)
        --e;
    return s.sliced(b, e - b);
}

} // namespace

LineBuilder &LineBuilder::field(FieldSpec f)
{
    const QByteArrayView bytes = trimmedBytes(m_rec, f);
    const qsizetype start = m_out.size();
    m_out.resize(start + bytes.size());
    QChar *d = m_out.data() + start;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = Cp1252::byteToChar(static_cast<unsigned char>(bytes[i]));
    return *this;
}

void LineBuilder::fitFrom(qsizetype start, int w) { m_out.resize(start + w, QLatin1Char(' ')); }

LineBuilder &LineBuilder::padded(FieldSpec f, int w)
{
    const qsizetype start = m_out.size();
    field(f);
    fitFrom(start, w);
    return *this;
}

LineBuilder &LineBuilder::name(FieldSpec surname, FieldSpec firstName, int w)
{
    const qsizetype start = m_out.size();
    field(surname);
    m_out.append(QLatin1Char(' '));
    field(firstName);
    fitFrom(start, w);
    return *this;
}

bool fieldEquals(const char *record, FieldSpec f, QByteArrayView bytes) { return trimmedBytes(record, f) == bytes; }

void SearchFilters::add(FieldSpec field, const QString &key)
{
    if (!Text::isBlank(key))
        ++m_required;
    if (key.isEmpty())
        return;
    // Every field reads back as Windows-1252 text, so a key with a character outside
    // the code page can never occur in one.
    QByteArray bytes;
    bytes.reserve(key.size());
    for (QChar c : key) {
        const int b = Cp1252::charToByte(c);
        if (b < 0)
            return;
        bytes.append(foldByte(char(b)));
    }
    m_keys.push_back({field, bytes});
}

bool SearchFilters::hit(const Key &k, const char *record) const
{
    const QByteArrayView field = trimmedBytes(record, k.field);
    const qsizetype n = k.folded.size();
    if (n > field.size())
        return false;
    char folded[256];
    for (qsizetype i = 0; i < field.size(); ++i)
        folded[i] = foldByte(field[i]);
    return QByteArrayView(folded, field.size()).indexOf(QByteArrayView(k.folded)) >= 0;
}

int SearchFilters::hits(const char *record) const
{
    int n = 0;
    for (const Key &k : m_keys)
        if (hit(k, record))
            ++n;
    return n;
}

bool SearchFilters::selects(const char *record) const
{
    if (m_required == 0)
        return true;
    int n = 0;
    int left = int(m_keys.size());
    for (const Key &k : m_keys) {
        if (hit(k, record) && ++n >= m_required)
            return true;
        if (n + --left < m_required)
            return false;
    }
    return false;
}

QString countText(qsizetype n)
{
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(n) + QStringLiteral(" schede.");
}

void sortLines(QStringList &lines)
{
    // Folding once per line makes every comparison a plain code comparison, which the
    // string library does many characters at a time.
    struct Entry {
        QString folded;
        qsizetype index;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        entries.push_back({Text::foldAZ(lines.at(i)), i});
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        const int c = QStringView(a.folded).compare(QStringView(b.folded));
        return c != 0 ? c < 0 : a.index < b.index;
    });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const Entry &e : entries)
        sorted.append(std::move(lines[e.index]));
    lines = std::move(sorted);
}

Gathered gather(const Source &source)
{
    Gathered g;
    try {
        RecordFile f(source.path, source.recordSize);
        f.open();
        g.lines.reserve(qsizetype(qMin<qint64>(f.count(), 1 << 20)));
        f.scan([&](qint64, const char *rec) {
            if (!source.selects || source.selects(rec))
                g.lines.append(source.line(rec));
            return true;
        });
    } catch (const ArchiveError &) {
        g.complete = false;
    }
    sortLines(g.lines);
    return g;
}

qint64 findLast(const Source &source, const QString &line)
{
    const QStringView wanted = trimmedView(line);
    qint64 found = 0;
    RecordFile f(source.path, source.recordSize);
    f.open();
    f.scan([&](qint64 position, const char *rec) {
        if ((!source.selects || source.selects(rec)) && trimmedView(source.line(rec)) == wanted)
            found = position;
        return true;
    });
    return found;
}

} // namespace RecordList
