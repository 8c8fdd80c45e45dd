#include "billing/PriceList.h"

#include "base/Cp1252.h"
#include "base/ProgramFolder.h"
#include "base/SafeFile.h"
#include "base/Text.h"

#include <QFile>

namespace PriceList {

QString label() { return QStringLiteral("    Prezzo: € "); }

QString path() { return ProgramFolder::file(QStringLiteral("Prodotti_e_Servizi.lst")); }

QString makeLine(QStringView name, QStringView price)
{
    return Text::pad(Text::trimmed(name), NameWidth) + label() + Text::trimmed(price);
}

QString nameOf(QStringView line) { return Text::trimmed(line.left(NameWidth)); }

QString fitted(const QString &line, int columns)
{
    if (line.size() <= columns || line.size() <= NameWidth)
        return line;
    const QString price = QStringLiteral("  ") + Text::trimmed(line.mid(NameWidth));
    const int room = columns - int(price.size());
    const QString name = nameOf(line);
    if (room <= 1)
        return price.mid(2);
    if (name.size() <= room)
        return name + price;
    return name.left(room - 1) + u'…' + price;
}

QString priceOf(QStringView line, int maxChars)
{
    if (line.size() < PriceColumn)
        return QString();
    return Text::trimmed(line.mid(PriceColumn - 1, maxChars));
}

QStringList parse(const QByteArray &bytes)
{
    const QString text = Cp1252::toUnicode(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(Text::trimmed(QStringView(text).mid(start, i - start)));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(Text::trimmed(QStringView(text).mid(start)));
    return lines;
}

QByteArray encode(const QStringList &items)
{
    QByteArray out;
    for (const QString &item : items) {
        out += Cp1252::fromUnicode(item);
        out += "\r\n";
    }
    return out;
}

std::optional<QStringList> load(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return parse(bytes);
}

bool save(const QString &file, const QStringList &items) { return SafeFile::writeWhole(file, encode(items)); }

} // namespace PriceList
