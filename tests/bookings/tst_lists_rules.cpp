#include "base/RecordFile.h"
#include "bookings/DailyLists.h"
#include "support/TestSupport.h"
#include "tst_lists_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace TestBookings;
using DailyLists::Kind;

Q_DECLARE_METATYPE(DailyLists::Kind)

namespace {
const QDate kToday(2024, 8, 10);

QByteArray rossi(const QString &arrival, const QString &departure)
{
    // clang-format off
    return booking({{F::Cognome, QStringLiteral("Rossi")},
                    {F::Nome, QStringLiteral("Mario")},
                    {F::Cellulare, QStringLiteral("3331234567")},
                    {F::Camera, QStringLiteral("12")},
                    {F::DataEnt, arrival},
                    {F::DataUsc, departure},
                    {F::Adulti, QStringLiteral("2")},
                    {F::Bambini, QStringLiteral("1")},
                    // clang-format on
                    {F::Tariffa, QStringLiteral("80 euro")}});
}

QStringList listed(Kind kind)
{
    const auto g = RecordList::gather(DailyLists::source(kind, kToday));
    return g.lines;
}

QStringList surnames(const QStringList &lines)
{
    QStringList out;
    for (const QString &l : lines)
        out << l.left(30).trimmed();
    return out;
}
} // namespace

class TestListsRules : public QObject {
    Q_OBJECT
private slots:
    void lineFormats_data();
    void lineFormats();
    void longNameIsCutAtThirty();
    void selection();
    void garbageArrivalDateIsSkippedNotFatal();
    void sortFoldsOnlyAtoZ();
    void damagedArchives();
    void missingArchiveIsCreatedEmpty();
    void unreadableArchiveGivesNothing();
    void findLastLoadsTheLaterOfIdenticalLines();
    void findLastStaysWithinTheList();
    void printTitles();
};

void TestListsRules::lineFormats_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("line");
    // The worked example: 104 characters, then the rate.
    // clang-format off
    QTest::newRow("arrivals today") << Kind::ArrivalsToday << rossi(QStringLiteral("10/08/2024"), QStringLiteral("15/08/2024"))
                                    << QStringLiteral("Rossi Mario                     Cel. 3331234567       Camera: 12   "
                                           // clang-format on
                                           "               Partenza: 15/08/2024  80 euro");
    // clang-format off
    QTest::newRow("departures today") << Kind::DeparturesToday
                                      << rossi(QStringLiteral("10/08/2024"), QStringLiteral("15/08/2024"))
                                      << QStringLiteral("Rossi Mario                     Cel. 3331234567       Camera: 12 "
                                             // clang-format on
                                             "                 Arrivo: 10/08/2024  80 euro");
    // clang-format off
    QTest::newRow("future arrivals") << Kind::FutureArrivals
                                     << rossi(QStringLiteral("11/08/2024"), QStringLiteral("15/08/2024"))
                                     << QStringLiteral("Rossi Mario                     Cel. 3331234567          Camera: "
                                            // clang-format on
                                            "12                    Arrivo: 11/08/2024  Partenza: 15/08/2024  "
                                            "Adulti: 2   Bambini: 1");
    // Empty fields still take their widths; an empty last piece leaves the line ending in blanks.
    // clang-format off
    QTest::newRow("empty fields") << Kind::ArrivalsToday
                                  << booking({{F::Cognome, QStringLiteral("Bo")}, {F::DataEnt, QStringLiteral("10/08/2024")}})
                                  << QStringLiteral("Bo ") + QString(27, u' ') + QStringLiteral("  Cel. ") + QString(15, u' ')
                                         // clang-format on
                                         + QStringLiteral("  Camera: ") + QString(18, u' ')
                                         + QStringLiteral("  Partenza: ") + QString(10, u' ') + QStringLiteral("  ");
    // Accented letters come back from Windows-1252 as typed; long rooms are cut to their width.
    // clang-format off
    QTest::newRow("accents, cut room") << Kind::ArrivalsToday
                                       << booking({{F::Cognome, QStringLiteral("Niccolò")},
                                                   // clang-format on
                                                   {F::Nome, QStringLiteral("Zoë")},
                                                   {F::Camera, QStringLiteral("Suite Città Alta 101")},
                                                   {F::Tariffa, QStringLiteral("120 €")}})
                                       << QStringLiteral(
                                              "Niccolò Zoë                     Cel.                  Camera: "
                                              "Suite Città Alta 1  Partenza:             120 €");
}

void TestListsRules::lineFormats()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, record);
    QFETCH(QString, line);
    QCOMPARE(DailyLists::line(kind, record.constData()), line);
    if (kind == Kind::ArrivalsToday && line.endsWith(QStringLiteral("80 euro")))
        QCOMPARE(line.size() - 7, 104);
}

void TestListsRules::longNameIsCutAtThirty()
{
    const QByteArray r =
        booking({{F::Cognome, QStringLiteral("Abcdefghijklmnopqrstuvwxyzab")}, {F::Nome, QStringLiteral("Carlo")}});
    // 28 + 1 + 5 characters: the cut falls in the first name.
    QVERIFY(DailyLists::line(Kind::ArrivalsToday, r.constData())
                .startsWith(QStringLiteral("Abcdefghijklmnopqrstuvwxyzab C  Cel. ")));
    const QByteArray r2 = booking({{F::Cognome, QString(30, u'X')}, {F::Nome, QStringLiteral("Carlo")}});
    // A 30-character surname loses the blank and the whole first name.
    QVERIFY(DailyLists::line(Kind::ArrivalsToday, r2.constData())
                .startsWith(QString(30, u'X') + QStringLiteral("  Cel. ")));
}

void TestListsRules::selection()
{
    TempProgramFolder dir;
    dir.write(QStringLiteral("Registro.pro"),
              concat({guest(QStringLiteral("Annullata"), QStringLiteral("Oggi"), QStringLiteral("10/08/2024"),
                            QStringLiteral("12/08/2024"), QStringLiteral("Sì")),
                      guest(QStringLiteral("Arriva"), QStringLiteral("Oggi"), QStringLiteral("10/08/2024"),
                            QStringLiteral("12/08/2024")),
                      guest(QStringLiteral("Arriva"), QStringLiteral("Domani"), QStringLiteral("11/08/2024"),
                            QStringLiteral("12/08/2024")),
                      guest(QStringLiteral("Parte"), QStringLiteral("Oggi"), QStringLiteral("01/08/2024"),
                            QStringLiteral("10/08/2024")),
                      guest(QStringLiteral("Dentro"), QStringLiteral("Ieri-Domani"), QStringLiteral("09/08/2024"),
                            QStringLiteral("11/08/2024")),
                      // clang-format off
                      guest(QStringLiteral("Strana"), QStringLiteral("Bandiera"), QStringLiteral("10/08/2024"),
                            QStringLiteral("10/08/2024"), QStringLiteral("no")),
                      guest(QStringLiteral("Futura"), QStringLiteral("Annullata"), QStringLiteral("20/09/2024"),
                            QStringLiteral("22/09/2024"), QStringLiteral("Sì")),
                      guest(QStringLiteral("Prossimo"), QStringLiteral("Anno"), QStringLiteral("02/01/2025"),
                            // clang-format on
                            QStringLiteral("05/01/2025")),
                      booking({{F::Cognome, QStringLiteral("Solo")}, {F::DataEnt, QStringLiteral("10/08/2024")}})}));
    QCOMPARE(surnames(listed(Kind::ArrivalsToday)), (QStringList{"Arriva Oggi", "Solo"}));
    QCOMPARE(surnames(listed(Kind::DeparturesToday)), (QStringList{"Parte Oggi"}));
    QCOMPARE(surnames(listed(Kind::FutureArrivals)), (QStringList{"Arriva Domani", "Prossimo Anno"}));
}

void TestListsRules::garbageArrivalDateIsSkippedNotFatal()
{
    TempProgramFolder dir;
    dir.write(QStringLiteral("Registro.pro"),
              // clang-format off
              concat({guest(QStringLiteral("Primo"), QStringLiteral("A"), QStringLiteral("12/08/2024"), QStringLiteral("13/08/2024")),
                      guest(QStringLiteral("Rotto"), QStringLiteral("B"), QStringLiteral("3x/08/2024"), QStringLiteral("13/08/2024")),
                      guest(QStringLiteral("Vuoto"), QStringLiteral("C"), QString(), QStringLiteral("13/08/2024")),
                      guest(QStringLiteral("Impossibile"), QStringLiteral("D"), QStringLiteral("31/02/2025"), QStringLiteral("13/08/2024")),
                      // clang-format on
                      guest(QStringLiteral("Ultimo"), QStringLiteral("E"), QStringLiteral("14/08/2024"),
                            QStringLiteral("15/08/2024"))}));
    QCOMPARE(surnames(listed(Kind::FutureArrivals)), (QStringList{"Primo A", "Ultimo E"}));
}

void TestListsRules::sortFoldsOnlyAtoZ()
{
    QStringList lines{QStringLiteral("Esposti Anna"), QStringLiteral("de Luca Pia"),  QStringLiteral("Danti Ugo"),
                      QStringLiteral("Élise Marie"),  QStringLiteral("D'Amico Rita"), QStringLiteral("zanetti Leo"),
                      QStringLiteral("DE LUCA Aldo")};
    RecordList::sortLines(lines);
    // The apostrophe sorts before the letters, É (code 201) after every letter of A–Z.
    QCOMPARE(lines, (QStringList{"D'Amico Rita", "Danti Ugo", "DE LUCA Aldo", "de Luca Pia", "Esposti Anna",
                                 "zanetti Leo", "Élise Marie"}));
}

void TestListsRules::damagedArchives()
{
    TempProgramFolder dir;
    QByteArray big = guest(QStringLiteral("Lungo"), QStringLiteral("Nome"), QStringLiteral("10/08/2024"),
                           QStringLiteral("12/08/2024"));
    // Length bytes beyond capacity read the capacity and nothing of the next field.
    big[F::Cognome.offset] = char(255);
    std::memcpy(big.data() + F::Cognome.offset + 1, QByteArray(50, 'L').constData(), 50);
    big[F::DataUsc.offset] = char(200);
    const QByteArray torn = guest(QStringLiteral("Strappato"), QStringLiteral("Z"), QStringLiteral("10/08/2024"),
                                  QStringLiteral("12/08/2024"))
                                .left(500);
    dir.write(QStringLiteral("Registro.pro"), big + torn);
    const QStringList lines = listed(Kind::ArrivalsToday);
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines[0].startsWith(QString(30, u'L') + QStringLiteral("  Cel. ")));
    QVERIFY(lines[0].contains(QStringLiteral("Partenza: 12/08/2024")));
}

void TestListsRules::missingArchiveIsCreatedEmpty()
{
    TempProgramFolder dir;
    const auto g = RecordList::gather(DailyLists::source(Kind::ArrivalsToday, kToday));
    QVERIFY(g.complete);
    QVERIFY(g.lines.isEmpty());
    QVERIFY(QFileInfo::exists(dir.file(QStringLiteral("Registro.pro"))));
    QCOMPARE(QFileInfo(dir.file(QStringLiteral("Registro.pro"))).size(), 0);
}

void TestListsRules::unreadableArchiveGivesNothing()
{
    TempProgramFolder dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Registro.pro")));
    const auto g = RecordList::gather(DailyLists::source(Kind::DeparturesToday, kToday));
    QVERIFY(!g.complete);
    QVERIFY(g.lines.isEmpty());
    QVERIFY_THROWS_EXCEPTION(
        ArchiveError, RecordList::findLast(DailyLists::source(Kind::DeparturesToday, kToday), QStringLiteral("x")));
}

void TestListsRules::findLastLoadsTheLaterOfIdenticalLines()
{
    TempProgramFolder dir;
    const QByteArray a = rossi(QStringLiteral("10/08/2024"), QStringLiteral("15/08/2024"));
    QByteArray b = a;
    // A field the line does not show differs: the lines are still identical.
    TextField::write(b.data(), F::NumDoc, QStringLiteral("AB123"));
    const QByteArray other = guest(QStringLiteral("Bianchi"), QStringLiteral("Ugo"), QStringLiteral("10/08/2024"),
                                   QStringLiteral("11/08/2024"));
    dir.write(QStringLiteral("Registro.pro"), concat({other, a, b, other.left(100)}));
    const auto src = DailyLists::source(Kind::ArrivalsToday, kToday);
    const QStringList lines = RecordList::gather(src).lines;
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1], lines[2]);
    QCOMPARE(RecordList::findLast(src, lines[1]), 3);
    QCOMPARE(RecordList::findLast(src, lines[0]), 1);
    // Compared trimmed on both sides.
    QCOMPARE(RecordList::findLast(src, QStringLiteral("  ") + lines[0].trimmed() + QStringLiteral(" \t")), 1);
    QCOMPARE(RecordList::findLast(src, QStringLiteral("Nessuno")), 0);
}

void TestListsRules::findLastStaysWithinTheList()
{
    // A later cancelled copy, or a copy arriving another day, gives the same line but is not
    // in the list: the listed booking is the one found again.
    TempProgramFolder dir;
    const QByteArray listedOne = rossi(QStringLiteral("10/08/2024"), QStringLiteral("15/08/2024"));
    QByteArray cancelled = listedOne;
    TextField::write(cancelled.data(), F::Disdetta, QStringLiteral("Sì"));
    QByteArray earlier = listedOne;
    TextField::write(earlier.data(), F::DataEnt, QStringLiteral("01/08/2024"));
    dir.write(QStringLiteral("Registro.pro"), concat({listedOne, cancelled, earlier}));
    const auto src = DailyLists::source(Kind::ArrivalsToday, kToday);
    const QStringList lines = RecordList::gather(src).lines;
    QCOMPARE(lines.size(), 1);
    QCOMPARE(RecordList::findLast(src, lines[0]), 1);
}

void TestListsRules::printTitles()
{
    const QDate d(2025, 3, 5);
    QCOMPARE(DailyLists::printTitle(Kind::ArrivalsToday, d), QStringLiteral("Clienti in arrivo in data 05/03/2025"));
    QCOMPARE(DailyLists::printTitle(Kind::DeparturesToday, d),
             QStringLiteral("Clienti in partenza in data 05/03/2025"));
    QCOMPARE(DailyLists::printTitle(Kind::FutureArrivals, d), QStringLiteral("Clienti in arrivo da domani in poi"));
}

QTEST_GUILESS_MAIN(TestListsRules)
#include "tst_lists_rules.moc"
