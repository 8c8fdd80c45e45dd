#pragma once
#include "base/TextField.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Lists built from the records of an archive: the daily booking lists, the searches and the
// flagged-guest list. An archive is read in one sequential pass, only the fields a list needs
// are decoded, and the lines are sorted once.
namespace RecordList {

// Builds one list line straight from a record's bytes, without decoding whole records. Made
// with a target line instead, it builds nothing: it compares the line it would build, trimmed,
// with the target, trimmed, as it goes, so finding a line again allocates nothing per record.
class LineBuilder {
public:
    explicit LineBuilder(const char *record, int reserve = 160) : m_rec(record) { m_out.reserve(reserve); }
    LineBuilder(const char *record, QStringView target);
    LineBuilder(const char *record, QString &&target) = delete; // the target must outlive the builder
    // The field's text, trimmed.
    LineBuilder &field(FieldSpec f);
    // pad(field, w): the trimmed text cut or filled with blanks to exactly w characters.
    LineBuilder &padded(FieldSpec f, int w);
    // pad(surname + " " + first name, w).
    LineBuilder &name(FieldSpec surname, FieldSpec firstName, int w);
    LineBuilder &text(QLatin1StringView s);
    QString take() { return std::move(m_out); }
    // With a target: whether the line, trimmed, equals the target, trimmed.
    bool matches() const { return !m_failed && m_pos == m_target.size(); }

private:
    void fitFrom(qsizetype start, int w);
    void compare(QChar c);
    // Compares at most `budget` characters of the field; returns how many it had.
    int compareField(FieldSpec f, int budget);
    void compareBlanks(int n);
    const char *m_rec;
    QString m_out;
    bool m_matching = false;
    QStringView m_target;
    qsizetype m_pos = 0;     // characters of the target matched so far
    qsizetype m_pending = 0; // blanks built past m_pos, matched only if something follows
    bool m_started = false, m_blankMiss = false, m_failed = false;
};

// The field's Windows-1252 bytes, trimmed, without decoding.
QByteArrayView fieldBytes(const char *record, FieldSpec f);

// True when the field, trimmed, holds exactly these Windows-1252 bytes.
bool fieldEquals(const char *record, FieldSpec f, QByteArrayView bytes);

// The filters of a search screen: each a key as typed and the field it is tested against.
// A key hits when, folded A–Z and not trimmed, it occurs in the trimmed, folded field; an
// empty key never hits. A record is listed when the hits reach the number of filters whose
// key, trimmed, is not empty (so a key of blanks counts for nothing but can still hit).
class SearchFilters {
public:
    void add(FieldSpec field, const QString &key);
    int required() const { return m_required; }
    int hits(const char *record) const;
    bool selects(const char *record) const;

private:
    struct Key {
        FieldSpec field;
        QByteArray folded; // Windows-1252 bytes, A–Z folded
    };
    bool hit(const Key &k, const char *record) const;
    std::vector<Key> m_keys; // only keys that can hit
    int m_required = 0;
};

// What a list is made of: the archive, which records it shows and the line of each.
struct Source {
    QString path;
    int recordSize = 0;
    std::function<bool(const char *)> selects; // empty: every record
    std::function<QString(const char *)> line;
    // The same line through a builder; when given, finding a line again compares fields
    // instead of building every line.
    std::function<void(LineBuilder &)> compose;
};

struct Gathered {
    QStringList lines;    // in list order
    bool complete = true; // false: the archive failed; lines hold what was read before
};

// One pass over the archive, opened for reading only (created empty when missing where the
// folder allows it, empty where it does not); the lines come back sorted.
Gathered gather(const Source &source);

// Finds again the record behind a list line: the last record the list would show whose line,
// trimmed, equals `line` trimmed. 0 when there is none. Throws ArchiveError.
qint64 findLast(const Source &source, const QString &line);

// The count line under a search's results: "Il presente riepilogo contiene N schede."
QString countText(qsizetype n);

// List order, stable for lines that compare equal.
void sortLines(QStringList &lines);

} // namespace RecordList
