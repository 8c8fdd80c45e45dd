#include "report/Report.h"

#include <algorithm>

namespace Report {

namespace {
// Measures come from pixel conversions; a thousandth of a millimetre is "the same place".
constexpr double eps = 1e-3;
} // namespace

QString expandVariables(const QString &text, const QDate &today)
{
    if (!text.contains(QLatin1String("[DATE]")))
        return text;
    QString out = text;
    return out.replace(QLatin1String("[DATE]"), today.toString(QStringLiteral("dd/MM/yyyy")));
}

Item *Band::item(const QString &itemName)
{
    for (Item &i : items)
        if (i.name == itemName)
            return &i;
    return nullptr;
}

Item &Band::addBox(const QString &itemName, const QRectF &mm, Rgb fill, bool framed)
{
    Item i;
    i.kind = ItemKind::Box;
    i.name = itemName;
    i.rect = mm;
    i.fill = fill;
    i.framed = framed;
    items.append(i);
    return items.last();
}

Item &Band::addLine(const QString &itemName, double x, double y, double dx, double dy)
{
    Item i;
    i.kind = ItemKind::Line;
    i.name = itemName;
    i.rect = QRectF(x, y, dx, dy);
    items.append(i);
    return items.last();
}

Item &Band::addText(const QString &itemName, const QRectF &mm, const QString &text, const Font &font,
                    Qt::Alignment alignment, Rgb colour, Rgb fill)
{
    Item i;
    i.kind = ItemKind::Text;
    i.name = itemName;
    i.rect = mm;
    i.text = text;
    i.font = font;
    i.alignment = alignment;
    i.colour = colour;
    i.fill = fill;
    items.append(i);
    return items.last();
}

QStringList PreparedPage::texts() const
{
    QList<const Item *> found;
    for (const Item &i : items)
        if (i.kind == ItemKind::Text)
            found.append(&i);
    std::stable_sort(found.begin(), found.end(),
                     [](const Item *a, const Item *b) { return a->rect.top() < b->rect.top() - eps; });
    QStringList out;
    for (const Item *i : found)
        out.append(i->text);
    return out;
}

Document::Document(const QString &name) : m_name(name) {}

QSizeF Document::pageSize() const
{
    return m_orientation == Orientation::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

QSizeF Document::printableSize() const
{
    const QSizeF s = pageSize();
    return QSizeF(s.width() - 2 * m_margin, s.height() - 2 * m_margin);
}

Band &Document::addBand(const QString &name, BandKind kind, double height)
{
    Band b;
    b.name = name;
    b.kind = kind;
    b.height = height;
    m_bands.append(b);
    return m_bands.last();
}

Band *Document::band(const QString &name)
{
    for (Band &b : m_bands)
        if (b.name == name)
            return &b;
    return nullptr;
}

Item *Document::item(const QString &name)
{
    for (Band &b : m_bands)
        if (Item *i = b.item(name))
            return i;
    return nullptr;
}

// The lowest place at or above `limit` where the band can be cut without halving a line of
// text or an item that starts below `from`.
double Document::cutBefore(const Band &band, double from, double limit) const
{
    double cut = limit;
    bool moved = true;
    while (moved) {
        moved = false;
        for (const Item &i : band.items) {
            if (i.isMultiLine()) {
                for (int k = 0; k < i.lines.size(); ++k) {
                    const double top = i.rect.top() + k * i.lineHeight;
                    if (top < cut - eps && top + i.lineHeight > cut + eps) {
                        cut = top;
                        moved = true;
                    }
                }
            } else if (i.rect.top() > from + eps && i.rect.top() < cut - eps && i.rect.bottom() > cut + eps) {
                cut = i.rect.top();
                moved = true;
            }
        }
    }
    return cut;
}

void Document::placeSlice(const Band &band, double from, double to, double y, PreparedPage &page,
                          const QDate &day) const
{
    for (const Item &i : band.items) {
        if (i.isMultiLine()) {
            for (int k = 0; k < i.lines.size(); ++k) {
                const double top = i.rect.top() + k * i.lineHeight;
                if (top < from - eps || top + i.lineHeight > to + eps)
                    continue;
                Item line = i;
                line.lines.clear();
                line.lineHeight = 0;
                line.text = i.expands ? expandVariables(i.lines.at(k), day) : i.lines.at(k);
                line.rect = QRectF(i.rect.left(), y + top - from, i.rect.width(), i.lineHeight);
                page.items.append(line);
            }
            continue;
        }
        // An item belongs to the slice where its top lies.
        if (i.rect.top() < from - eps || (i.rect.top() >= to - eps && to < band.height - eps))
            continue;
        Item placed = i;
        placed.rect.translate(0, y - from);
        placed.text = i.expands ? expandVariables(i.text, day) : i.text;
        page.items.append(placed);
    }
}

void Document::prepare(const QDate &today)
{
    m_pages.clear();
    m_pages.append(PreparedPage());
    const double pageHeight = printableSize().height();
    double y = 0;
    for (const Band &band : m_bands) {
        double from = 0;
        for (;;) {
            const double room = pageHeight - y;
            const double rest = band.height - from;
            if (rest <= room + eps) {
                placeSlice(band, from, band.height, y, m_pages.last(), today);
                y += rest;
                break;
            }
            if (!band.splits()) {
                if (y > eps) {
                    m_pages.append(PreparedPage());
                    y = 0;
                    continue;
                }
                // Taller than a page and not splittable: it stands alone, cut by the page edge.
                placeSlice(band, from, band.height, y, m_pages.last(), today);
                y += rest;
                break;
            }
            double cut = cutBefore(band, from, from + room);
            if (cut <= from + eps) {
                if (y > eps) {
                    m_pages.append(PreparedPage());
                    y = 0;
                    continue;
                }
                cut = from + room; // a single line taller than a page: cut it anyway
            }
            placeSlice(band, from, cut, y, m_pages.last(), today);
            from = cut;
            m_pages.append(PreparedPage());
            y = 0;
        }
    }
}

} // namespace Report
