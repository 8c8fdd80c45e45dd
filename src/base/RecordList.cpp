#include "base/RecordList.h"

#include "base/Cp1252.h"
#include "base/RecordFile.h"
#include "base/Text.h"

#include <algorithm>
#include <cstring>

namespace RecordList {

namespace {

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

LineBuilder::LineBuilder(const char *record, QStringView target)
    : m_rec(record), m_matching(true), m_target(trimmedView(target))
{}

void LineBuilder::compare(QChar c)
{
    if (c.unicode() <= 32) {
        // Leading blanks fall to the trim; inner ones must match once something follows them.
        if (!m_started)
            return;
        if (!m_blankMiss && m_pos + m_pending < m_target.size() && m_target[m_pos + m_pending] == c)
            ++m_pending;
        else
            m_blankMiss = true;
        return;
    }
    m_started = true;
    if (m_blankMiss) {
        m_failed = true;
        return;
    }
    m_pos += m_pending;
    m_pending = 0;
    if (m_pos >= m_target.size() || m_target[m_pos] != c)
        m_failed = true;
    else
        ++m_pos;
}

int LineBuilder::compareField(FieldSpec f, int budget)
{
    if (m_failed)
        return budget;
    const QByteArrayView bytes = TextField::trimmedBytes(m_rec, f);
    const int n = int(qMin<qsizetype>(bytes.size(), budget));
    for (int i = 0; i < n && !m_failed; ++i)
        compare(Cp1252::byteToChar(static_cast<unsigned char>(bytes[i])));
    return n;
}

void LineBuilder::compareBlanks(int n)
{
    for (int i = 0; i < n && !m_failed; ++i)
        compare(QLatin1Char(' '));
}

LineBuilder &LineBuilder::text(QLatin1StringView s)
{
    if (!m_matching) {
        m_out.append(s);
        return *this;
    }
    for (qsizetype i = 0; i < s.size() && !m_failed; ++i)
        compare(QLatin1Char(s[i]));
    return *this;
}

LineBuilder &LineBuilder::field(FieldSpec f)
{
    if (m_matching) {
        compareField(f, f.capacity);
        return *this;
    }
    const QByteArrayView bytes = TextField::trimmedBytes(m_rec, f);
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
    if (m_matching) {
        compareBlanks(w - compareField(f, w));
        return *this;
    }
    const qsizetype start = m_out.size();
    field(f);
    fitFrom(start, w);
    return *this;
}

LineBuilder &LineBuilder::name(FieldSpec surname, FieldSpec firstName, int w)
{
    if (m_matching) {
        int left = w - compareField(surname, w);
        if (left > 0) {
            compare(QLatin1Char(' '));
            --left;
        }
        compareBlanks(left - compareField(firstName, left));
        return *this;
    }
    const qsizetype start = m_out.size();
    field(surname);
    m_out.append(QLatin1Char(' '));
    field(firstName);
    fitFrom(start, w);
    return *this;
}

QByteArrayView fieldBytes(const char *record, FieldSpec f) { return TextField::trimmedBytes(record, f); }

bool fieldEquals(const char *record, FieldSpec f, QByteArrayView bytes)
{
    return TextField::trimmedBytes(record, f) == bytes;
}

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
    // A substring test that folds as it compares, so the field is never copied.
    const QByteArrayView field = TextField::trimmedBytes(record, k.field);
    const qsizetype n = k.folded.size();
    if (n == 0 || n > field.size())
        return false;
    const char *key = k.folded.constData();
    const char first = key[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? char(first - 32) : first;
    const char *p = field.data();
    const char *const last = p + (field.size() - n);
    for (; p <= last; ++p) {
        if (*p != first && *p != firstUpper)
            continue;
        qsizetype i = 1;
        while (i < n && foldByte(p[i]) == key[i])
            ++i;
        if (i == n)
            return true;
    }
    return false;
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

namespace {

inline char16_t foldChar(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

// The first characters of a line, folded, packed four to a number so that the numbers compare
// like the characters. Long enough to hold a list line's name and the text after it, so that
// lines of one name rarely need their text compared.
constexpr int kKeyChars = 48;
struct Key {
    quint64 w[kKeyChars / 4] = {};
    explicit Key(QStringView s)
    {
        const qsizetype n = qMin<qsizetype>(s.size(), kKeyChars);
        for (qsizetype i = 0; i < n; ++i)
            w[i / 4] |= quint64(foldChar(s[i].unicode())) << (16 * (3 - (i % 4)));
    }
    int compare(const Key &o) const
    {
        for (int i = 0; i < kKeyChars / 4; ++i)
            if (w[i] != o.w[i])
                return w[i] < o.w[i] ? -1 : 1;
        return 0;
    }
};

// Folded comparison from `from` on: runs of identical characters are skipped four at a time,
// and only where the raw text differs are the characters folded.
int foldedCompare(QStringView a, QStringView b, qsizetype from)
{
    const qsizetype n = qMin(a.size(), b.size());
    const char16_t *pa = a.utf16(), *pb = b.utf16();
    qsizetype i = qMin(from, n);
    while (i < n) {
        while (i + 4 <= n) {
            quint64 x, y;
            std::memcpy(&x, pa + i, sizeof x);
            std::memcpy(&y, pb + i, sizeof y);
            if (x != y)
                break;
            i += 4;
        }
        for (const qsizetype stop = qMin(n, i + 4); i < stop; ++i) {
            const char16_t x = foldChar(pa[i]), y = foldChar(pb[i]);
            if (x != y)
                return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

void sortLines(QStringList &lines)
{
    // Most lines differ within their first characters: a folded key of those, kept beside the
    // line's index, decides without touching the lines, and only ties fold both lines as they
    // are compared. No folded copy of a whole line is made.
    struct Entry {
        Key key;
        qsizetype index;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        entries.push_back({Key(lines.at(i)), i});
    std::sort(entries.begin(), entries.end(), [&lines](const Entry &a, const Entry &b) {
        int c = a.key.compare(b.key);
        // Equal keys: the first characters are equal once folded.
        if (c == 0)
            c = foldedCompare(lines.at(a.index), lines.at(b.index), kKeyChars);
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
        f.openForReading();
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
    f.openForReading();
    f.scan([&](qint64 position, const char *rec) {
        if (source.selects && !source.selects(rec))
            return true;
        if (source.compose) {
            LineBuilder b(rec, wanted);
            source.compose(b);
            if (b.matches())
                found = position;
        } else if (trimmedView(source.line(rec)) == wanted) {
            found = position;
        }
        return true;
    });
    return found;
}

} // namespace RecordList
