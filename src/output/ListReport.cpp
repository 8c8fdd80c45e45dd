#include "output/ListReport.h"

namespace ListReport {

Report::Document makeTemplate(const QString &reportName)
{
    using namespace Report;
    Document doc(reportName);
    doc.setOrientation(Orientation::Landscape);
    doc.setMargin(10);

    Band &title = doc.addBand(QStringLiteral("ReportTitle"), BandKind::ReportTitle, 8);
    Item t;
    t.name = QStringLiteral("txtTitolo");
    t.rect = QRectF(2, 1, 273, 5);
    t.text = QStringLiteral("Riepilogo");
    t.font = {QStringLiteral("Verdana"), 9, true};
    t.colour = White;
    t.fill = SlateGrey;
    t.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    title.items.append(t);

    Band &data = doc.addBand(QStringLiteral("MasterData"), BandKind::MasterData, pxToMm(10));
    Item lines;
    lines.name = QStringLiteral("txtRiepilogo");
    lines.rect = QRectF(3, 0, 273, 0);
    lines.lineHeight = pxToMm(lineHeightPx);
    lines.font = {QStringLiteral("Courier New"), 8, false};
    lines.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // A list line is printed as listed, "[DATE]" in a guest's note included.
    lines.expands = false;
    data.items.append(lines);

    Band &footer = doc.addBand(QStringLiteral("Footer"), BandKind::Footer, 8);
    Item f;
    f.name = QStringLiteral("txtPagina");
    f.rect = QRectF(3, 2, 272, 5);
    f.text = QStringLiteral("Stampa eseguita in data [DATE]");
    f.font = {QStringLiteral("Verdana"), 8, true};
    f.colour = White;
    f.fill = SlateGrey;
    f.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    footer.items.append(f);
    return doc;
}

void fill(Report::Document &report, const QString &title, const QStringList &lines)
{
    if (Report::Item *t = report.item(QStringLiteral("txtTitolo")))
        t->text = title;
    Report::Item *box = report.item(QStringLiteral("txtRiepilogo"));
    Report::Band *band = report.band(QStringLiteral("MasterData"));
    if (!box || !band)
        return;
    box->lines.clear();
    box->lines = lines;
    const double height = Report::pxToMm(lineHeightPx * double(lines.size()));
    box->rect.setHeight(height);
    band->height = height + Report::pxToMm(10);
}

} // namespace ListReport
