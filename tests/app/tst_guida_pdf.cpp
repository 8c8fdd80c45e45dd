#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Guida.pdf as the build lays it out beside the program: every section of the source is in its
// text and on the page its table of contents names, and every picture of the source is in it.
class TestGuidaPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sectionsAreOnTheirPages();
    void picturesAreIn();

private:
    static QString run(const QString &program, const QStringList &args);
    static QString collapsed(QString s)
    {
        return s.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
    }
    QStringList m_sections;  // level one and two, in order
    QList<bool> m_opensPage; // level one opens a page
    int m_pictures = 0;
    QStringList m_pages;
};

QString TestGuidaPdf::run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

void TestGuidaPdf::initTestCase()
{
    QFile source(QStringLiteral(LUNARESCA_GUIDE_SOURCE));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(source.readAll()).split(u'\n');
    bool cover = true;
    for (const QString &l : lines) {
        if (l.startsWith(QLatin1String("# ")) || l.startsWith(QLatin1String("## "))) {
            if (!cover) {
                m_sections << l.mid(l.indexOf(u' ') + 1).trimmed();
                m_opensPage << l.startsWith(QLatin1String("# "));
            }
            cover = false;
        }
        m_pictures += int(l.count(QStringLiteral("![")));
    }
    QVERIFY(m_sections.size() > 20);
    QVERIFY(m_pictures >= 10);
    const QString text = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), QStringLiteral(LUNARESCA_GUIDE_PDF), QStringLiteral("-")});
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing from " LUNARESCA_GUIDE_PDF);
    m_pages = text.split(u'\f');
    if (m_pages.last().trimmed().isEmpty())
        m_pages.removeLast();
}

void TestGuidaPdf::sectionsAreOnTheirPages()
{
    QVERIFY(collapsed(m_pages[0]).startsWith(QStringLiteral("Lunaresca Guida all'utilizzo del software")));
    const QString index = collapsed(m_pages[1]);
    QVERIFY(index.startsWith(QStringLiteral("Indice")));
    const int pages = int(m_pages.size());
    QVERIFY(collapsed(m_pages.last()).endsWith(QStringLiteral("Pagina %1 di %1").arg(pages)));
    // The table of contents may run over a page or two.
    QString toc;
    for (int i = 1; i < 4 && i < pages; ++i)
        toc += u' ' + collapsed(m_pages[i]);
    int previous = 0;
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        const QString &s = m_sections[i];
        const QRegularExpression entry(QRegularExpression::escape(s) + QStringLiteral(" (\\d+)(?: |$)"));
        const auto m = entry.match(toc);
        QVERIFY2(m.hasMatch(), qPrintable(QStringLiteral("no entry for ") + s));
        const int page = m.captured(1).toInt();
        QVERIFY2(page > previous || (page == previous && !m_opensPage[i]), qPrintable(s));
        QVERIFY2(page <= pages, qPrintable(s));
        // Sections that open a page begin it; the others are on it, after the table of contents.
        const QString text = collapsed(m_pages[page - 1]);
        QVERIFY2(m_opensPage[i] ? text.startsWith(s) : text.contains(s),
                 qPrintable(QStringLiteral("%1 not on page %2").arg(s).arg(page)));
        if (i == 0)
            QVERIFY(page > 2);
        previous = page;
    }
}

void TestGuidaPdf::picturesAreIn()
{
    const QStringList rows =
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), QStringLiteral(LUNARESCA_GUIDE_PDF)})
            .split(u'\n', Qt::SkipEmptyParts);
    // Two header lines, then one line per picture drawn.
    QVERIFY(rows.size() > 2);
    // A picture near a page's end is drawn (clipped) on both pages: count each picture once.
    QSet<QString> pictures;
    for (const QString &r : rows.mid(2)) {
        const QStringList c = r.simplified().split(u' ');
        if (c.value(2) == QLatin1String("image") && c.value(3).toInt() >= 300 && c.value(4).toInt() >= 150)
            pictures.insert(c.value(10));
    }
    QCOMPARE(int(pictures.size()), m_pictures);
}

QTEST_MAIN(TestGuidaPdf)
#include "tst_guida_pdf.moc"
