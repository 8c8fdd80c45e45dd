#include "billing/Amount.h"

#include "base/Text.h"

#include <Qt>

namespace Amount {

namespace {
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
} // namespace

std::optional<Units> parse(QStringView text)
{
    const QString t = Text::trimmed(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    Units whole = 0;
    int wholeDigits = 0, digits = 0;
    for (; i < t.size() && isDigit(t[i]); ++i, ++digits) {
        if (wholeDigits > 0 || t[i] != u'0')
            ++wholeDigits;
        if (wholeDigits > MaxIntegerDigits)
            return std::nullopt;
        whole = whole * 10 + (t[i].unicode() - u'0');
    }
    Units fraction = 0;
    bool roundUp = false;
    if (i < t.size() && t[i] == u',') {
        ++i;
        for (int place = 0; i < t.size() && isDigit(t[i]); ++i, ++place, ++digits) {
            const int d = t[i].unicode() - u'0';
            if (place < 4)
                fraction = fraction * 10 + d;
            else if (place == 4)
                roundUp = d >= 5;
        }
        // Fewer than four decimals: scale what was read up to ten-thousandths.
        const qsizetype comma = t.indexOf(u',');
        const qsizetype places = i - comma - 1;
        for (qsizetype p = places; p < 4; ++p)
            fraction *= 10;
    }
    if (i != t.size() || digits == 0)
        return std::nullopt;
    Units v = whole * PerEuro + fraction + (roundUp ? 1 : 0);
    return negative ? -v : v;
}

Units round(Units v, int decimals)
{
    Units step = 1;
    for (int d = decimals; d < 4; ++d)
        step *= 10;
    const Units magnitude = v < 0 ? -v : v;
    Units r = magnitude - magnitude % step;
    if (magnitude % step * 2 >= step)
        r += step;
    return v < 0 ? -r : r;
}

QString shortest(Units v)
{
    const Units magnitude = v < 0 ? -v : v;
    QString s = QString::number(magnitude / PerEuro);
    QString fraction = QStringLiteral("%1").arg(magnitude % PerEuro, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        s += u',' + fraction;
    return v < 0 ? u'-' + s : s;
}

QString padDecimals(QString text)
{
    if (!text.contains(u','))
        text += QStringLiteral(",00");
    if (Text::trimmed(text) == QStringLiteral(","))
        text = QStringLiteral("0,00");
    if (text.startsWith(u','))
        text.prepend(u'0');
    if (text.endsWith(u','))
        text += QStringLiteral("00");
    if (text.size() >= 2 && text[text.size() - 2] == u',' && isDigit(text.back()))
        text += u'0';
    return text;
}

QString normaliseLine(QStringView text)
{
    if (Text::isBlank(text))
        return QString();
    const auto v = parse(text);
    return v ? padDecimals(shortest(*v)) : QStringLiteral("0,00");
}

QString normalisePrice(QStringView text)
{
    const auto v = parse(text);
    return v ? padDecimals(shortest(round(*v, 2))) : QStringLiteral("0,00");
}

QString total(const QStringList &amounts)
{
    Units sum = 0;
    for (const QString &a : amounts) {
        if (Text::isBlank(a))
            continue;
        const auto v = parse(a);
        if (!v || __builtin_add_overflow(sum, *v, &sum))
            return QStringLiteral("0,00");
    }
    return padDecimals(shortest(round(sum, 2)));
}

bool keyPasses(int key, QStringView text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return text.size() == 1 && (isDigit(text[0]) || text[0] == u',');
    }
}

} // namespace Amount
