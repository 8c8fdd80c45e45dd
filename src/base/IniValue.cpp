#include "base/IniValue.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace IniValue {

namespace {

struct Line {
    qsizetype start; // first byte of the line
    qsizetype end;   // one past its last byte, line break excluded
    qsizetype next;  // first byte of the following line
};

QList<Line> splitLines(const QByteArray &ini)
{
    QList<Line> lines;
    qsizetype pos = 0;
    while (pos < ini.size()) {
        qsizetype nl = ini.indexOf('\n', pos);
        const qsizetype next = nl < 0 ? ini.size() : nl + 1;
        qsizetype end = nl < 0 ? ini.size() : nl;
        if (end > pos && ini[end - 1] == '\r')
            --end;
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
    if (ini.contains("\r\n") || !ini.contains('\n'))
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\n");
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
    if (!out.isEmpty() && !out.endsWith('\n'))
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
    // Unbuffered, so a short write (a full disk) is seen here and never committed as a whole file.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = replaced(ini, section, key, value);
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace IniValue
