#include "billing/PriceList.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

namespace {
QString Text50(const char *name) { return QString::fromUtf8(name).leftJustified(50, u' '); }
} // namespace

class TestPriceList : public QObject {
    Q_OBJECT
private slots:
    void lineLayout();
    void fittedLines_data();
    void fittedLines();
    void encoding();
    void reading_data();
    void reading();
    void readingColumns_data();
    void readingColumns();
    void saveAndLoad();
    void missingFile();
    void folderWhereTheFileShouldBe();
    void interruptedWriteKeepsOldList();

private:
    QStringList leftovers(const QString &dir) const;
};

void TestPriceList::lineLayout()
{
    const QString name50 = QString(50, u'N');
    const QString line = PriceList::makeLine(name50, QStringLiteral("5,00"));
    // A 50-character name runs straight into the four blanks of the price label.
    QCOMPARE(line, name50 + QStringLiteral("    Prezzo: € 5,00"));
    QCOMPARE(line.indexOf(QStringLiteral("5,00")), 64); // column 65
    QCOMPARE(PriceList::makeLine(QStringLiteral("   Caffè  "), QStringLiteral(" 1,20 ")),
             QStringLiteral("Caffè") + QString(45, u' ') + QStringLiteral("    Prezzo: € 1,20"));
    QCOMPARE(PriceList::makeLine(QString(60, u'x'), QStringLiteral("1,00")).left(54),
             QString(50, u'x') + QStringLiteral("    "));
    QCOMPARE(PriceList::makeLine(QStringLiteral("Vuoto"), QString()).size(), 64);
}

void TestPriceList::encoding()
{
    const QStringList items{PriceList::makeLine(QString(50, u'A'), QStringLiteral("10,00")),
                            PriceList::makeLine(QStringLiteral("€"), QStringLiteral("2,50"))};
    const QByteArray label("    Prezzo: \x80 ");
    const QByteArray expected =
        QByteArray(50, 'A') + label + "10,00\r\n" + "\x80" + QByteArray(49, ' ') + label + "2,50\r\n";
    QCOMPARE(PriceList::encode(items), expected);
    QCOMPARE(PriceList::encode({}), QByteArray());
    QCOMPARE(PriceList::parse(expected), items);
}

void TestPriceList::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("items");
    // clang-format off
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("line feeds only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("carriage returns only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("stray blank lines stay as blank items")
        << QByteArray("\r\na\r\n  \r\n\r\nb\r\n") << QStringList{"", "a", "", "", "b"};
    QTest::newRow("lines are trimmed") << QByteArray("  x  \t\r\n") << QStringList{"x"};
    QTest::newRow("one line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("euro byte") << QByteArray("Caff\xE8 \x80") << QStringList{QStringLiteral("Caffè €")};
    // clang-format on
}

void TestPriceList::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, items);
    QCOMPARE(PriceList::parse(bytes), items);
}

void TestPriceList::readingColumns_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("editPrice");
    QTest::addColumn<QString>("importPrice");
    const QString label = QStringLiteral("    Prezzo: € ");
    // clang-format off
    QTest::newRow("well formed") << Text50("Colazione") + label + "7,50" << "Colazione" << "7,50" << "7,50";
    QTest::newRow("long price") << Text50("Suite") + label + "123456789012345678" << "Suite"
                                << "123456789012345678" << "1234567890123";
    QTest::newRow("missing price") << Text50("Senza prezzo") + label << "Senza prezzo" << "" << "";
    QTest::newRow("price not a number") << Text50("Garage") + label + "gratis" << "Garage" << "gratis" << "gratis";
    QTest::newRow("shorter than 64 columns") << QStringLiteral("Solo nome") << "Solo nome" << "" << "";
    QTest::newRow("63 columns") << QString(63, u'z') << QString(50, u'z') << "" << "";
    QTest::newRow("64 columns") << QString(63, u'z') + u'9' << QString(50, u'z') << "9" << "9";
    QTest::newRow("name of 60 characters") << QString(60, u'n') + label + "5,00" << QString(50, u'n')
                                           << "Prezzo: € 5,00" << "Prezzo: € 5,0";
    QTest::newRow("blank line") << QString() << "" << "" << "";
    // clang-format on
}

void TestPriceList::readingColumns()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, editPrice);
    QFETCH(QString, importPrice);
    QCOMPARE(PriceList::nameOf(line), name);
    QCOMPARE(PriceList::priceOf(line, PriceList::EditPriceChars), editPrice);
    QCOMPARE(PriceList::priceOf(line, PriceList::ImportPriceChars), importPrice);
}

void TestPriceList::saveAndLoad()
{
    TempProgramFolder folder;
    const QStringList first{PriceList::makeLine(QStringLiteral("Camera"), QStringLiteral("80,00")),
                            PriceList::makeLine(QStringLiteral("Vino"), QStringLiteral("12,00"))};
    QVERIFY(PriceList::save(PriceList::path(), first));
    QCOMPARE(folder.read(QStringLiteral("Prodotti_e_Servizi.lst")), PriceList::encode(first));
    QCOMPARE(PriceList::load(PriceList::path()), first);
    // A shorter list replaces the longer one completely.
    QVERIFY(PriceList::save(PriceList::path(), {first.at(1)}));
    QCOMPARE(PriceList::load(PriceList::path()), QStringList{first.at(1)});
    QVERIFY(PriceList::save(PriceList::path(), {}));
    QCOMPARE(QFileInfo(PriceList::path()).size(), 0);
    QCOMPARE(leftovers(folder.path()), QStringList{"Prodotti_e_Servizi.lst"});
}

void TestPriceList::missingFile()
{
    TempProgramFolder folder;
    QVERIFY(!PriceList::load(PriceList::path()).has_value());
    QVERIFY(!QFile::exists(PriceList::path()));
}

void TestPriceList::folderWhereTheFileShouldBe()
{
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Prodotti_e_Servizi.lst/dentro")));
    QVERIFY(!PriceList::load(PriceList::path()).has_value());
    QVERIFY(!PriceList::save(PriceList::path(), {PriceList::makeLine(QStringLiteral("A"), QStringLiteral("1,00"))}));
    QVERIFY(QFileInfo(PriceList::path()).isDir());
    QVERIFY(QFileInfo::exists(PriceList::path() + QStringLiteral("/dentro")));
    QCOMPARE(leftovers(folder.path()), QStringList{"Prodotti_e_Servizi.lst"});
}

void TestPriceList::interruptedWriteKeepsOldList()
{
    TempProgramFolder folder;
    const QStringList old{PriceList::makeLine(QStringLiteral("Colazione"), QStringLiteral("7,50"))};
    QVERIFY(PriceList::save(PriceList::path(), old));
    const QByteArray before = folder.read(QStringLiteral("Prodotti_e_Servizi.lst"));

    QStringList longer;
    for (int i = 0; i < 200; ++i)
        longer << PriceList::makeLine(QStringLiteral("Voce %1").arg(i), QStringLiteral("1,00"));
    // The disk refuses the write part way through (a file size limit stands in for a full disk).
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit small = limit;
    small.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = PriceList::save(PriceList::path(), longer);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QCOMPARE(folder.read(QStringLiteral("Prodotti_e_Servizi.lst")), before);
    QCOMPARE(leftovers(folder.path()), QStringList{"Prodotti_e_Servizi.lst"});
}

QStringList TestPriceList::leftovers(const QString &dir) const
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

void TestPriceList::fittedLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("fits whole") << "Caffè" << 80 << PriceList::makeLine(u"Caffè", u"1,20");
    QTest::newRow("short name, narrow") << "Caffè" << 30 << "Caffè  Prezzo: € 1,20";
    QTest::newRow("long name cut") << "Camera matrimoniale vista mare" << 30 << "Camera matrim…  Prezzo: € 1,20";
    QTest::newRow("price alone") << "Camera" << 12 << "Prezzo: € 1,20";
    // clang-format on
}

void TestPriceList::fittedLines()
{
    QFETCH(QString, name);
    QFETCH(int, columns);
    QFETCH(QString, shown);
    QCOMPARE(PriceList::fitted(PriceList::makeLine(name, u"1,20"), columns), shown);
}

QTEST_GUILESS_MAIN(TestPriceList)
#include "tst_pricelist.moc"
