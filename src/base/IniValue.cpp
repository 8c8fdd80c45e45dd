#include "base/IniValue.h"

#include "base/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace IniValue {

namespace {

struct Line {
    qsizetype start; // first byte of the line
    qsizetype end;   // one past its last byte, line break excluded
    qsizetype next;  // first byte of the following line
};

// A line ends at a line feed, a carriage return, or the two together, as editors on any
// system leave them.
QList<Line> splitLines(const QByteArray &ini)
{
    QList<Line> lines;
    qsizetype pos = 0;
    const qsizetype size = ini.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && ini[end] != '\n' && ini[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < size)
            next += (ini[next] == '\r' && next + 1 < size && ini[next + 1] == '\n') ? 2 : 1;
        lines.append({pos, end, next});
        pos = next;
    }
    return lines;
}

QByteArray trimmedBytes(QByteArrayView v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && quint8(v[b]) <= 32)
        ++b;
    while (e > b && quint8(v[e - 1]) <= 32)
        --e;
    return v.sliced(b, e - b).toByteArray();
}

bool sameName(const QByteArray &a, QStringView b)
{
    return QString::fromLatin1(a).compare(b, Qt::CaseInsensitive) == 0;
}

// The line's text, without a byte-order mark when it opens the file.
QByteArrayView body(const QByteArray &ini, const Line &l)
{
    QByteArrayView v(ini.constData() + l.start, l.end - l.start);
    if (l.start == 0 && v.startsWith("\xEF\xBB\xBF"))
        v = v.sliced(3);
    return v;
}

// Where one value sits: the index of its key line, and the section's last line.
struct Place {
    qsizetype sectionLine = -1;
    qsizetype lastOfSection = -1;
    qsizetype keyLine = -1;
};

Place locate(const QByteArray &ini, const QList<Line> &lines, QStringView section, QStringView key)
{
    Place p;
    bool inside = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray t = trimmedBytes(body(ini, lines[i]));
        if (t.startsWith('[')) {
            if (inside)
                break;
            const qsizetype close = t.indexOf(']');
            const QByteArray name = trimmedBytes(QByteArrayView(t).sliced(1, (close < 0 ? t.size() : close) - 1));
            if (sameName(name, section)) {
                inside = true;
                p.sectionLine = p.lastOfSection = i;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!t.isEmpty())
            p.lastOfSection = i;
        if (t.startsWith(';'))
            continue;
        const qsizetype eq = t.indexOf('=');
        if (eq > 0 && sameName(trimmedBytes(QByteArrayView(t).first(eq)), key)) {
            p.keyLine = i;
            return p;
        }
    }
    return p;
}

QByteArray lineBreakOf(const QByteArray &ini)
{
    if (ini.contains("\r\n"))
        return QByteArrayLiteral("\r\n");
    if (ini.contains('\n'))
        return QByteArrayLiteral("\n");
    if (ini.contains('\r'))
        return QByteArrayLiteral("\r");
    return QByteArrayLiteral("\r\n");
}

} // namespace

QString read(const QByteArray &ini, QStringView section, QStringView key)
{
    const QList<Line> lines = splitLines(ini);
    const Place p = locate(ini, lines, section, key);
    if (p.keyLine < 0)
        return QString();
    const QByteArray t = trimmedBytes(body(ini, lines[p.keyLine]));
    return QString::fromLatin1(trimmedBytes(QByteArrayView(t).sliced(t.indexOf('=') + 1)));
}

QByteArray replaced(const QByteArray &ini, QStringView section, QStringView key, const QString &value)
{
    const QList<Line> lines = splitLines(ini);
    const Place p = locate(ini, lines, section, key);
    const QByteArray eol = lineBreakOf(ini);
    QByteArray out;
    if (p.keyLine >= 0) {
        // Keep the key as the file spells it, and the line's own break.
        const Line &l = lines[p.keyLine];
        const QByteArray t = trimmedBytes(body(ini, l));
        const QByteArray keyText = trimmedBytes(QByteArrayView(t).first(t.indexOf('=')));
        out = ini.left(l.start);
        out += keyText + '=' + value.toLatin1();
        out += ini.mid(l.end);
        return out;
    }
    const QByteArray entry = key.toLatin1() + '=' + value.toLatin1() + eol;
    if (p.sectionLine >= 0) {
        const Line &last = lines[p.lastOfSection];
        out = ini.left(last.next);
        if (last.next == last.end) // the section's last line had no break
            out += eol;
        out += entry;
        out += ini.mid(last.next);
        return out;
    }
    out = ini;
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out += eol;
    out += '[' + section.toLatin1() + ']' + eol + entry;
    return out;
}

bool readFile(const QString &path, QStringView section, QStringView key, QString &value)
{
    value = QString();
    QFile f(path);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray ini = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return false;
    value = read(ini, section, key);
    return true;
}

bool writeFile(const QString &path, QStringView section, QStringView key, const QString &value)
{
    QByteArray ini;
    QFile old(path);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly))
            return false;
        ini = old.readAll();
        if (old.error() != QFileDevice::NoError)
            return false;
        old.close();
    }
    // A value that would not read back as written (a line break in it, a byte outside
    // Latin-1, blanks at its ends) is refused before the file is touched.
    const QByteArray bytes = replaced(ini, section, key, value);
    if (read(bytes, section, key) != value)
        return false;
    if (!SafeFile::writeWhole(path, bytes))
        return false;
    // Done only once the new file gives the value back.
    QString back;
    return readFile(path, section, key, back) && back == value;
}

} // namespace IniValue
