#include "output/ListReport.h"
#include "platform/PrintDialog.h"
#include "report/ReportPrinter.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList numberedLines(int n)
{
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out.append(QStringLiteral("RIGA %1").arg(i, 4, 10, QLatin1Char('0')).leftJustified(59));
    return out;
}

// pdftotext's reading of every page, split at its form feeds.
QStringList pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString pdfInfo(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestListReport : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2025, 3, 5), QTime(9, 30))); }
    void cleanup()
    {
        Clock::reset();
        PrintDialog::setHook(nullptr);
    }

    void layoutOfLines_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("linesPerPage");
        // Landscape A4 less margins is 190 mm: 53 lines under the 8 mm title, 56 on a page of
        // their own; the 10-pixel tail and the 8 mm date bar follow the last line.
        // clang-format off
        QTest::newRow("empty") << 0 << QList<int>{0};
        QTest::newRow("one") << 1 << QList<int>{1};
        QTest::newRow("all on one page") << 50 << QList<int>{50};
        QTest::newRow("date bar alone on the next page") << 51 << QList<int>{51, 0};
        QTest::newRow("first page full") << 53 << QList<int>{53, 0};
        QTest::newRow("one over") << 54 << QList<int>{53, 1};
        QTest::newRow("states") << 287 << QList<int>{53, 56, 56, 56, 56, 10};
        // clang-format on
    }
    void layoutOfLines()
    {
        QFETCH(int, lines);
        QFETCH(QList<int>, linesPerPage);
        Report::Document r = ListReport::makeTemplate();
        ListReport::fill(r, QStringLiteral("Tabella Codici per Stato"), numberedLines(lines));
        QCOMPARE(Report::mmToPx(r.band(QStringLiteral("MasterData"))->height), 12.822 * lines + 10);
        QCOMPARE(Report::mmToPx(r.item(QStringLiteral("txtRiepilogo"))->rect.height()), 12.822 * lines);
        r.prepare(Clock::today());

        QList<int> counted;
        int next = 1;
        for (const Report::PreparedPage &page : r.pages()) {
            int n = 0;
            for (const Report::Item &i : page.items)
                if (i.name == QLatin1String("txtRiepilogo")) {
                    QCOMPARE(i.text, numberedLines(next).last()); // in order, unchanged, padding kept
                    QVERIFY(i.rect.bottom() <= r.printableSize().height() + 1e-6);
                    ++next, ++n;
                }
            counted.append(n);
        }
        QCOMPARE(counted, linesPerPage);

        // Title only on the first page, the date bar only after the last line.
        const QStringList first = r.pages().first().texts();
        QCOMPARE(first.first(), QStringLiteral("Tabella Codici per Stato"));
        for (int p = 1; p < r.pages().size(); ++p)
            QVERIFY(!r.pages().at(p).texts().contains(QStringLiteral("Tabella Codici per Stato")));
        const QStringList last = r.pages().last().texts();
        QCOMPARE(last.last(), QStringLiteral("Stampa eseguita in data 05/03/2025"));
        int footers = 0;
        for (const Report::PreparedPage &page : r.pages())
            footers += int(page.texts().count(QStringLiteral("Stampa eseguita in data 05/03/2025")));
        QCOMPARE(footers, 1);
    }

    void datebarMovesToANewPageWhenTheLastPageIsFull()
    {
        // 53 + 56 lines fill two pages to the brim: the tail and the date bar need a third.
        Report::Document r = ListReport::makeTemplate();
        ListReport::fill(r, QStringLiteral("T"), numberedLines(53 + 56));
        r.prepare(Clock::today());
        QCOMPARE(r.pages().size(), 3);
        QCOMPARE(r.pages().last().texts(), QStringList{QStringLiteral("Stampa eseguita in data 05/03/2025")});
    }

    void fillingTwiceGivesTheSameReport()
    {
        Report::Document r = ListReport::makeTemplate();
        ListReport::fill(r, QStringLiteral("A"), numberedLines(120));
        r.prepare(Clock::today());
        const QStringList once = r.pages().last().texts();
        const qsizetype pages = r.pages().size();
        ListReport::fill(r, QStringLiteral("A"), numberedLines(120));
        r.prepare(Clock::today());
        QCOMPARE(r.pages().size(), pages);
        QCOMPARE(r.pages().last().texts(), once);
        QCOMPARE(r.item(QStringLiteral("txtRiepilogo"))->lines.size(), 120);
    }

    void templateBoxes()
    {
        Report::Document r = ListReport::makeTemplate();
        QCOMPARE(r.name(), QStringLiteral("Riepilogo dati"));
        QCOMPARE(r.orientation(), Report::Orientation::Landscape);
        QCOMPARE(r.printableSize(), QSizeF(277, 190));
        const Report::Item *t = r.item(QStringLiteral("txtTitolo"));
        QCOMPARE(t->rect, QRectF(2, 1, 273, 5));
        QCOMPARE(t->font.family, QStringLiteral("Verdana"));
        QVERIFY(t->font.bold);
        QCOMPARE(t->fill, Report::SlateGrey);
        const Report::Item *l = r.item(QStringLiteral("txtRiepilogo"));
        QCOMPARE(l->font.family, QStringLiteral("Courier New"));
        QCOMPARE(l->font.pointSize, 8.0);
        QCOMPARE(r.band(QStringLiteral("Footer"))->height, 8.0);
        QCOMPARE(r.item(QStringLiteral("txtPagina"))->text, QStringLiteral("Stampa eseguita in data [DATE]"));
        QCOMPARE(ListReport::makeTemplate(QStringLiteral("Tariffario prodotti e servizi")).name(),
                 QStringLiteral("Tariffario prodotti e servizi"));
    }

    void printsThroughTheDialogToPdf()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
        int offered = 0;
        PrintDialog::setHook([&](QPrinter &p) {
            ++offered;
            p.setOutputFileName(pdf);
            return true;
        });
        const QStringList lines = numberedLines(120);
        PrintListReport(QStringLiteral("Clienti in arrivo da domani in poi"), lines);
        QCOMPARE(offered, 1);
        QVERIFY(QFile::exists(pdf));
        const QStringList pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 3); // 53 + 56 + 11
        QVERIFY(pages.at(0).contains(QStringLiteral("Clienti in arrivo da domani in poi")));
        QVERIFY(pages.at(0).contains(QStringLiteral("RIGA 0053")));
        QVERIFY(!pages.at(0).contains(QStringLiteral("RIGA 0054")));
        QVERIFY(!pages.at(1).contains(QStringLiteral("Clienti in arrivo")));
        QVERIFY(pages.at(2).contains(QStringLiteral("RIGA 0120")));
        QVERIFY(pages.at(2).contains(QStringLiteral("Stampa eseguita in data 05/03/2025")));
        QVERIFY(!pages.at(1).contains(QStringLiteral("Stampa eseguita")));
        QVERIFY(pdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Title:\\s+Riepilogo dati"))));
        QVERIFY(pdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Page size:\\s+842 x 595"))));
        // Courier New comes out as its metric twin, so the columns of the lines stay aligned.
        QProcess fonts;
        fonts.start(QStringLiteral("pdffonts"), {pdf});
        QVERIFY(fonts.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(fonts.readAllStandardOutput()).contains(QStringLiteral("LiberationMono")));
    }

    void cancelledDialogPrintsNothing()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(pdf);
            return false;
        });
        PrintListReport(QStringLiteral("T"), numberedLines(3));
        QVERIFY(!QFile::exists(pdf));
    }

    void realDialogCancelledPrintsNothing()
    {
        QString title;
        whenModalOpens([&](QWidget *dialog) {
            title = dialog->metaObject()->className();
            static_cast<QDialog *>(dialog)->reject();
        });
        QPrinter printer;
        QVERIFY(!PrintDialog::exec(printer, 3));
        QVERIFY(title.contains(QStringLiteral("PrintDialog")));
        QCOMPARE(printer.fromPage(), 1);
        QCOMPARE(printer.toPage(), 3);
    }

    void pageRangeAndCopies()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(pdf);
            p.setPrintRange(QPrinter::PageRange);
            p.setFromTo(2, 3);
            p.setCopyCount(2);
            return true;
        });
        PrintListReport(QStringLiteral("T"), numberedLines(120));
        const QStringList pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 4);
        QVERIFY(pages.at(0).contains(QStringLiteral("RIGA 0054")));
        QVERIFY(pages.at(1).contains(QStringLiteral("RIGA 0120")));
        QVERIFY(pages.at(2).contains(QStringLiteral("RIGA 0054")));
    }

    void longLineIsClippedNotWrapped()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lunga.pdf"));
        const QString line = QStringLiteral("INIZIO") + QString(200, QLatin1Char('x')) + QStringLiteral("FINE");
        QVERIFY(SaveListReportPdf(QStringLiteral("T"), {line, QStringLiteral("SECONDA")}, pdf));
        const QString text = pdfPages(pdf).join(QString());
        QVERIFY(text.contains(QStringLiteral("INIZIO")));
        QVERIFY(!text.contains(QStringLiteral("FINE")));
        // Nothing was carried onto a line of its own between the two entries.
        const QStringList rows = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        int first = -1, second = -1;
        for (int i = 0; i < rows.size(); ++i) {
            if (rows.at(i).contains(QStringLiteral("INIZIO")))
                first = i;
            if (rows.at(i).contains(QStringLiteral("SECONDA")))
                second = i;
        }
        QCOMPARE(second, first + 1);
    }

    void lineHoldingTheDatePlaceholderIsPrintedAsItStands()
    {
        Report::Document r = ListReport::makeTemplate();
        ListReport::fill(r, QStringLiteral("Riepilogo clienti in archivio"),
                         {QStringLiteral("Rossi Mario  nota: [DATE] "), QStringLiteral("Verdi")});
        r.prepare(Clock::today());
        QCOMPARE(
            r.pages().first().texts(),
            (QStringList{QStringLiteral("Riepilogo clienti in archivio"), QStringLiteral("Rossi Mario  nota: [DATE] "),
                         QStringLiteral("Verdi"), QStringLiteral("Stampa eseguita in data 05/03/2025")}));
    }

    void printerFailureIsReported()
    {
        MessageRecorder msgs;
        QTemporaryDir dir;
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/lista.pdf")));
            return true;
        });
        PrintListReport(QStringLiteral("T"), numberedLines(3));
        QCOMPARE(msgs.count(), 1);
        QCOMPARE(msgs.lastKind(), Msg::Kind::Warning);
        QCOMPARE(msgs.lastText(), ReportPrinter::failureText());
        QVERIFY(msgs.lastText().startsWith(QStringLiteral("Attenzione: ")));
        // A cancelled dialog is the operator's choice, not a failure.
        PrintDialog::setHook([](QPrinter &) { return false; });
        PrintListReport(QStringLiteral("T"), numberedLines(3));
        QCOMPARE(msgs.count(), 1);
    }

    void unwritablePdfReportsFailure()
    {
        QTemporaryDir dir;
        QVERIFY(!SaveListReportPdf(QStringLiteral("T"), {QStringLiteral("A")},
                                   dir.filePath(QStringLiteral("no/such/x.pdf"))));
    }
};

QTEST_MAIN(TestListReport)
#include "tst_listreport.moc"
