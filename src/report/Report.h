#pragma once
#include <QDate>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The report model: pages made of bands, and bands made of boxes, lines and texts placed in
// millimetres. It knows nothing of printers or widgets; ReportPrinter draws what prepare() laid out.
namespace Report {

// The engine's own unit: screen pixels at 96 per inch.
constexpr double mmPerPixel = 25.4 / 96.0;
inline double pxToMm(double px) { return px * mmPerPixel; }
inline double mmToPx(double mm) { return mm / mmPerPixel; }

// Colours as 0xAARRGGBB; an alpha of 0 means "none" (no fill).
using Rgb = quint32;
constexpr Rgb Black = 0xff000000u;
constexpr Rgb White = 0xffffffffu;
constexpr Rgb NoColour = 0x00000000u;
constexpr Rgb SlateGrey = 0xff708090u;
constexpr Rgb LightSteelBlue = 0xffb0c4deu;
constexpr Rgb Gold = 0xffffd700u;

struct Font {
    QString family = QStringLiteral("Arial");
    double pointSize = 8;
    bool bold = false;
};

enum class ItemKind { Box, Line, Text };

// One element of a band. Rectangles are in millimetres from the band's top-left corner (after
// prepare(): from the top-left corner of the page's printable area). A line runs from the
// rectangle's top-left to its bottom-right corner.
struct Item {
    ItemKind kind = ItemKind::Text;
    QString name;
    QRectF rect;
    // Texts: one line, never wrapped, clipped at the box. A text with lineHeight > 0 holds
    // `lines` one below the other, lineHeight millimetres apart.
    QString text;
    QStringList lines;
    double lineHeight = 0;
    Font font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    Rgb colour = Black;
    Rgb fill = NoColour;
    bool framed = false;
    double penWidth = 0.2; // frames and lines, millimetres
    // Template texts expand "[DATE]"; texts that carry the operator's data are printed as they stand.
    bool expands = true;

    bool isMultiLine() const { return kind == ItemKind::Text && lineHeight > 0; }
};

enum class BandKind {
    ReportTitle, // once, at the top of the first page
    MasterData,  // once, without a data source; split across pages when it does not fit
    Footer,      // once, right after the band before it
    Page,        // a whole-page form: once, never split
};

struct Band {
    QString name;
    BandKind kind = BandKind::Page;
    double height = 0; // millimetres
    QList<Item> items;

    Item *item(const QString &itemName);
    // Builders for forms: a box (filled when `fill` has alpha, framed when asked), a line from
    // (x, y) over (dx, dy), a single-line text.
    Item &addBox(const QString &itemName, const QRectF &mm, Rgb fill, bool framed);
    Item &addLine(const QString &itemName, double x, double y, double dx, double dy);
    Item &addText(const QString &itemName, const QRectF &mm, const QString &text, const Font &font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, Rgb colour = Black, Rgb fill = NoColour);
    bool splits() const { return kind == BandKind::MasterData; }
};

enum class Orientation { Portrait, Landscape };

// What one page shows, every item in printable-area millimetres, every text on one line.
struct PreparedPage {
    QList<Item> items;
    // The texts of the page top to bottom (handy for checks and for reading back).
    QStringList texts() const;
};

class Document {
public:
    explicit Document(const QString &name = QString());

    // The print job's title.
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    // A4 in the given orientation, with the same margin on all four sides.
    Orientation orientation() const { return m_orientation; }
    void setOrientation(Orientation o) { m_orientation = o; }
    double margin() const { return m_margin; }
    void setMargin(double mm) { m_margin = mm; }
    QSizeF pageSize() const;      // millimetres
    QSizeF printableSize() const; // millimetres

    Band &addBand(const QString &name, BandKind kind, double height);
    Band *band(const QString &name);
    const QList<Band> &bands() const { return m_bands; }
    // A text box, box or line of any band, by name.
    Item *item(const QString &name);

    // Lays the bands out on pages afresh (pages prepared before are dropped); "[DATE]" becomes
    // `today` as dd/mm/yyyy.
    void prepare(const QDate &today);
    const QList<PreparedPage> &pages() const { return m_pages; }

private:
    void placeSlice(const Band &band, double from, double to, double y, PreparedPage &page, const QDate &day) const;
    double cutBefore(const Band &band, double from, double limit) const;

    QString m_name;
    Orientation m_orientation = Orientation::Portrait;
    double m_margin = 10;
    QList<Band> m_bands;
    QList<PreparedPage> m_pages;
};

// "[DATE]" expanded to the date in the program's short format.
QString expandVariables(const QString &text, const QDate &today);

} // namespace Report
