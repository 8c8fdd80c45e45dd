#pragma once
#include "report/Report.h"

#include <QString>

class QPainter;
class QPrinter;
class QWidget;

// Draws prepared report pages and sends them to a printer or a PDF file.
namespace ReportPrinter {

enum class Outcome { Printed, Cancelled, Failed };

// Prepares the report afresh for today, offers the print dialog and prints the chosen pages and
// copies, with the report's name as the job's title. Cancelled prints nothing.
Outcome print(Report::Document &report, QWidget *parent = nullptr);
// The same, and a printer that fails is reported to the operator; false unless printed.
bool printOrReport(Report::Document &report, QWidget *parent = nullptr);
// The message of a print that did not reach the printer.
QString failureText();

// Prepares the report afresh and writes every page to a PDF file; false when it cannot be written.
bool savePdf(Report::Document &report, const QString &path);

// Draws one prepared page; the painter's origin is the printable area's top-left corner and
// `dotsPerMm` the device's resolution.
void paintPage(QPainter &painter, const Report::PreparedPage &page, double dotsPerMm);

// The printer set up for the report: A4, orientation, margins, job title.
void setUp(QPrinter &printer, const Report::Document &report);
// Prints the report's prepared pages on a printer already set up and chosen.
bool printPrepared(const Report::Document &report, QPrinter &printer);

} // namespace ReportPrinter
