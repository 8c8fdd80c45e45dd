#pragma once
#include "report/Report.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The one report every list screen prints: a title bar, the list's lines in a monospaced font
// exactly as listed, and a bar with the print date after the last line.
namespace ListReport {

// The print job's title of every list but the price list.
inline QString defaultName() { return QStringLiteral("Riepilogo dati"); }
// The height of one printed line, in the engine's pixels.
constexpr double lineHeightPx = 12.822;

// The template: A4 landscape, 10 mm margins, bands ReportTitle, MasterData, Footer and the text
// boxes txtTitolo, txtRiepilogo, txtPagina.
Report::Document makeTemplate(const QString &reportName = defaultName());

// Puts the title and the lines into the template (the lines box is emptied first) and sets the
// heights of the lines box and of its band from the number of lines.
void fill(Report::Document &report, const QString &title, const QStringList &lines);

} // namespace ListReport

// Prints `lines` under `title` through the print dialog; nothing is printed when the operator
// cancels. Each list screen's Stampa button calls it.
void PrintListReport(const QString &title, const QStringList &lines, QWidget *parent = nullptr,
                     const QString &reportName = ListReport::defaultName());
// Stampa of a list screen: PrintListReport under the report name `reportName`.
std::function<void(const QString &title, const QStringList &lines, QWidget *parent)> ListReportPrinter(
    const QString &reportName = ListReport::defaultName());
// The same report written to a PDF file; false when the file cannot be written.
bool SaveListReportPdf(const QString &title, const QStringList &lines, const QString &path,
                       const QString &reportName = ListReport::defaultName());
