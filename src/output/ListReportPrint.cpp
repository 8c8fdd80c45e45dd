#include "output/ListReport.h"
#include "report/ReportPrinter.h"

void PrintListReport(const QString &title, const QStringList &lines, QWidget *parent, const QString &reportName)
{
    Report::Document report = ListReport::makeTemplate(reportName);
    ListReport::fill(report, title, lines);
    ReportPrinter::printOrReport(report, parent);
}

std::function<void(const QString &title, const QStringList &lines, QWidget *parent)> ListReportPrinter(
    const QString &reportName)
{
    return [reportName](const QString &title, const QStringList &lines, QWidget *parent) {
        PrintListReport(title, lines, parent, reportName);
    };
}

bool SaveListReportPdf(const QString &title, const QStringList &lines, const QString &path, const QString &reportName)
{
    Report::Document report = ListReport::makeTemplate(reportName);
    ListReport::fill(report, title, lines);
    return ReportPrinter::savePdf(report, path);
}
