#include "output/ListReport.h"
#include "report/ReportPrinter.h"

void PrintListReport(const QString &title, const QStringList &lines, QWidget *parent, const QString &reportName)
{
    Report::Document report = ListReport::makeTemplate(reportName);
    ListReport::fill(report, title, lines);
    ReportPrinter::printOrReport(report, parent);
}

bool SaveListReportPdf(const QString &title, const QStringList &lines, const QString &path, const QString &reportName)
{
    Report::Document report = ListReport::makeTemplate(reportName);
    ListReport::fill(report, title, lines);
    return ReportPrinter::savePdf(report, path);
}
