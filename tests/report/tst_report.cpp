#include "report/Report.h"
#include "report/ReportPrinter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace Report;

namespace {

constexpr double dotsPerMm = 10;

// One prepared page drawn on white at 10 dots per millimetre of the printable area.
QImage draw(const Document &doc, int page)
{
    const QSizeF mm = doc.printableSize();
    QImage img(int(mm.width() * dotsPerMm), int(mm.height() * dotsPerMm), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    ReportPrinter::paintPage(p, doc.pages().at(page), dotsPerMm);
    return img;
}

QRgb at(const QImage &img, double xMm, double yMm) { return img.pixel(int(xMm * dotsPerMm), int(yMm * dotsPerMm)); }

bool inkBetween(const QImage &img, double x0, double x1, double y0, double y1)
{
    for (int y = int(y0 * dotsPerMm); y < int(y1 * dotsPerMm); ++y)
        for (int x = int(x0 * dotsPerMm); x < int(x1 * dotsPerMm); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

Item box(const QString &name, QRectF r, Rgb fill, bool framed)
{
    Item i;
    i.kind = ItemKind::Box;
    i.name = name;
    i.rect = r;
    i.fill = fill;
    i.framed = framed;
    return i;
}

Item text(const QString &name, QRectF r, const QString &t, Qt::Alignment a = Qt::AlignLeft | Qt::AlignTop)
{
    Item i;
    i.name = name;
    i.rect = r;
    i.text = t;
    i.font = {QStringLiteral("Arial"), 7, false};
    i.alignment = a;
    return i;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void formPlacesItemsInMillimetres()
    {
        Document doc(QStringLiteral("Scheda"));
        QCOMPARE(doc.printableSize(), QSizeF(190, 277));
        Band &page = doc.addBand(QStringLiteral("Pagina"), BandKind::Page, 277);
        page.items.append(box(QStringLiteral("piede"), QRectF(1, 160, 188, 5.8), Gold, false));
        page.addBox(QStringLiteral("riga"), QRectF(1, 7, 188, 4.6), NoColour, true);
        page.addLine(QStringLiteral("divisore"), 42, 20, 0, 100);
        page.addText(QStringLiteral("titolo"), QRectF(1, 1, 188, 5.8), QStringLiteral("SCHEDA"),
                     {QStringLiteral("Arial"), 9, false}, Qt::AlignHCenter | Qt::AlignVCenter, Black, LightSteelBlue);
        doc.prepare(QDate(2025, 3, 5));
        QCOMPARE(doc.pages().size(), 1);
        const QImage img = draw(doc, 0);
        QCOMPARE(at(img, 50, 163), QColor(0xffd700).rgb()); // inside the gold box
        QCOMPARE(at(img, 50, 159), qRgb(255, 255, 255));    // just above it
        QCOMPARE(at(img, 50, 166.5), qRgb(255, 255, 255));  // just below it
        QCOMPARE(at(img, 50, 9), qRgb(255, 255, 255));      // a frame has no fill
        QVERIFY(inkBetween(img, 0.8, 1.2, 8, 10));          // its left edge
        QVERIFY(inkBetween(img, 41.8, 42.2, 30, 110));      // the vertical line
        QVERIFY(!inkBetween(img, 43, 45, 30, 110));
        QCOMPARE(at(img, 3, 2), QColor(0xb0c4de).rgb()); // the title's fill, left of its text
        QCOMPARE(doc.pages().first().texts(), QStringList{QStringLiteral("SCHEDA")});
    }

    void textIsClippedAtItsBoxOnOneLine()
    {
        Document doc;
        Band &page = doc.addBand(QStringLiteral("Pagina"), BandKind::Page, 50);
        page.items.append(text(QStringLiteral("t"), QRectF(10, 10, 20, 4), QString(60, QLatin1Char('W'))));
        doc.prepare(QDate(2025, 3, 5));
        const QImage img = draw(doc, 0);
        QVERIFY(inkBetween(img, 10, 30, 10, 14));
        QVERIFY(!inkBetween(img, 30.2, 100, 0, 50)); // nothing beyond the right edge
        QVERIFY(!inkBetween(img, 0, 100, 14.2, 50)); // nothing wrapped below
    }

    void alignmentWithinTheBox()
    {
        Document doc;
        Band &page = doc.addBand(QStringLiteral("Pagina"), BandKind::Page, 50);
        page.items.append(
            text(QStringLiteral("r"), QRectF(10, 10, 60, 4), QStringLiteral("12,50"), Qt::AlignRight | Qt::AlignTop));
        page.items.append(
            text(QStringLiteral("c"), QRectF(10, 20, 60, 4), QStringLiteral("X"), Qt::AlignHCenter | Qt::AlignTop));
        doc.prepare(QDate(2025, 3, 5));
        const QImage img = draw(doc, 0);
        QVERIFY(inkBetween(img, 60, 70, 10, 14));
        QVERIFY(!inkBetween(img, 10, 55, 10, 14));
        QVERIFY(inkBetween(img, 38, 42, 20, 24));
        QVERIFY(!inkBetween(img, 10, 35, 20, 24));
        QVERIFY(!inkBetween(img, 45, 70, 20, 24));
    }

    void dateVariable()
    {
        QCOMPARE(expandVariables(QStringLiteral("Stampa eseguita in data [DATE]"), QDate(2025, 3, 5)),
                 QStringLiteral("Stampa eseguita in data 05/03/2025"));
        QCOMPARE(expandVariables(QStringLiteral("nessuna"), QDate(2025, 3, 5)), QStringLiteral("nessuna"));
        Document doc;
        Band &page = doc.addBand(QStringLiteral("Pagina"), BandKind::Page, 10);
        page.items.append(text(QStringLiteral("t"), QRectF(0, 0, 50, 4), QStringLiteral("[DATE]")));
        doc.prepare(QDate(2024, 12, 31));
        QCOMPARE(doc.pages().first().texts(), QStringList{QStringLiteral("31/12/2024")});
        QCOMPARE(doc.item(QStringLiteral("t"))->text, QStringLiteral("[DATE]")); // the template keeps it
    }

    void bandsFlowOntoPages()
    {
        // Portrait: 277 mm a page. A band that does not fit moves whole to the next page; the
        // master band is cut between its lines, and a box below the cut goes with the rest.
        Document doc;
        doc.addBand(QStringLiteral("Testa"), BandKind::ReportTitle, 200);
        Band &data = doc.addBand(QStringLiteral("Dati"), BandKind::MasterData, 120);
        Item lines = text(QStringLiteral("righe"), QRectF(0, 0, 100, 100), QString());
        lines.lineHeight = 10;
        for (int i = 1; i <= 10; ++i)
            lines.lines.append(QStringLiteral("riga %1").arg(i));
        data.items.append(lines);
        data.items.append(box(QStringLiteral("sotto"), QRectF(0, 105, 100, 10), Gold, false));
        Band &foot = doc.addBand(QStringLiteral("Piede"), BandKind::Footer, 230);
        foot.items.append(text(QStringLiteral("fine"), QRectF(0, 0, 50, 5), QStringLiteral("fine")));
        doc.prepare(QDate(2025, 3, 5));

        QCOMPARE(doc.pages().size(), 3);
        QCOMPARE(doc.pages().at(0).texts(),
                 (QStringList{"riga 1", "riga 2", "riga 3", "riga 4", "riga 5", "riga 6", "riga 7"}));
        QCOMPARE(doc.pages().at(1).texts(), (QStringList{"riga 8", "riga 9", "riga 10"}));
        const Item &moved = doc.pages().at(1).items.last();
        QCOMPARE(moved.name, QStringLiteral("sotto"));
        QCOMPARE(moved.rect.top(), 35.0);
        QCOMPARE(doc.pages().at(1).items.first().rect.top(), 0.0);
        // 50 mm used on the second page: the 230 mm footer needs a page of its own.
        QCOMPARE(doc.pages().at(2).texts(), QStringList{QStringLiteral("fine")});

        // Preparing again starts afresh.
        doc.band(QStringLiteral("Piede"))->height = 10;
        doc.prepare(QDate(2025, 3, 5));
        QCOMPARE(doc.pages().size(), 2);
        QCOMPARE(doc.pages().at(1).texts().last(), QStringLiteral("fine"));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
