#include "report/ReportPrinter.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"

#include <QFont>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace ReportPrinter {

namespace {

QColor colourOf(Report::Rgb c) { return QColor::fromRgba(c); }

QFont fontOf(const Report::Font &f)
{
    QFont font(f.family);
    // The named families are Windows fonts; fontconfig gives their Liberation or DejaVu
    // substitutes, and the hint keeps a monospaced list monospaced should both be missing.
    if (f.family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        font.setStyleHint(QFont::TypeWriter);
    else
        font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(f.pointSize);
    font.setBold(f.bold);
    return font;
}

QRectF toDevice(const QRectF &mm, double dotsPerMm)
{
    return QRectF(mm.left() * dotsPerMm, mm.top() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm);
}

} // namespace

void paintPage(QPainter &painter, const Report::PreparedPage &page, double dotsPerMm)
{
    for (const Report::Item &i : page.items) {
        const QRectF r = toDevice(i.rect, dotsPerMm);
        QPen pen(colourOf(i.kind == Report::ItemKind::Text ? Report::Black : i.colour));
        pen.setWidthF(qMax(1.0, i.penWidth * dotsPerMm));
        switch (i.kind) {
        case Report::ItemKind::Line:
            painter.setPen(pen);
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        case Report::ItemKind::Box:
        case Report::ItemKind::Text:
            if (qAlpha(i.fill) != 0)
                painter.fillRect(r, colourOf(i.fill));
            if (i.framed) {
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(r);
            }
            if (i.kind == Report::ItemKind::Text && !i.text.isEmpty()) {
                painter.save();
                painter.setClipRect(r);
                painter.setFont(fontOf(i.font));
                painter.setPen(colourOf(i.colour));
                painter.drawText(r, int(i.alignment) | Qt::TextSingleLine, i.text);
                painter.restore();
            }
            break;
        }
    }
}

void setUp(QPrinter &printer, const Report::Document &report)
{
    const auto orientation =
        report.orientation() == Report::Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
    const double m = report.margin();
    printer.setFullPage(false);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(m, m, m, m), QPageLayout::Millimeter));
    printer.setDocName(report.name());
    printer.setCreator(QStringLiteral("Lunaresca"));
}

bool printPrepared(const Report::Document &report, QPrinter &printer)
{
    const QList<Report::PreparedPage> &pages = report.pages();
    QList<int> chosen;
    const QPageRanges ranges = printer.pageRanges();
    for (int n = 1; n <= pages.size(); ++n)
        if (printer.printRange() != QPrinter::PageRange || ranges.isEmpty() || ranges.contains(n))
            chosen.append(n);
    if (chosen.isEmpty())
        return true;
    // A system printer makes its copies itself; a file gets them one after the other.
    const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double dotsPerMm = printer.resolution() / 25.4;
    bool first = true;
    for (int c = 0; c < copies; ++c)
        for (int n : chosen) {
            if (!first && !printer.newPage()) {
                painter.end();
                return false;
            }
            first = false;
            paintPage(painter, pages.at(n - 1), dotsPerMm);
        }
    return painter.end();
}

Outcome print(Report::Document &report, QWidget *parent)
{
    report.prepare(Clock::today());
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, report);
    if (!PrintDialog::exec(printer, int(report.pages().size()), parent))
        return Outcome::Cancelled;
    // The dialog may have changed the paper's orientation; the report keeps its own.
    setUp(printer, report);
    return printPrepared(report, printer) ? Outcome::Printed : Outcome::Failed;
}

QString failureText()
{
    return QStringLiteral("Attenzione: il sistema non è riuscito a stampare il documento.\n\r\n\r"
                          "Accertarsi che la stampante sia accesa, collegata e pronta, poi ripetere la stampa.");
}

bool printOrReport(Report::Document &report, QWidget *parent)
{
    const Outcome done = print(report, parent);
    if (done == Outcome::Failed)
        Msg::warning(failureText(), parent);
    return done == Outcome::Printed;
}

bool savePdf(Report::Document &report, const QString &path)
{
    report.prepare(Clock::today());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setUp(printer, report);
    return printPrepared(report, printer);
}

} // namespace ReportPrinter
