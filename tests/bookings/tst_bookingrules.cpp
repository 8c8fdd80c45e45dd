#include "bookings/BookingRules.h"

#include <QTest>

using BookingRules::Refusal;

Q_DECLARE_METATYPE(BookingRules::SaveInput)

namespace {
const QString kBreak = QStringLiteral("\n\r\n\r");
BookingRules::SaveInput complete()
{
    return {QStringLiteral("10/08/2024"), QStringLiteral("3"), QStringLiteral("Rossi"), QStringLiteral("Mario"),
            QStringLiteral("13/08/2024")};
}
} // namespace

class TestBookingRules : public QObject {
    Q_OBJECT
private slots:
    void checksInOrder_data();
    void checksInOrder();
    void impossibleDatesAreNamed_data();
    void impossibleDatesAreNamed();
    void acceptedCards_data();
    void acceptedCards();
    void daysAndSex();
};

void TestBookingRules::checksInOrder_data()
{
    QTest::addColumn<BookingRules::SaveInput>("in");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");
    const int W = int(Refusal::Box::Warning), P = int(Refusal::Box::Plain);

    // Each row empties or spoils one more field than the checks before it look at, so the
    // row proves that the earlier check wins.
    // clang-format off
    QTest::newRow("nothing at all") << BookingRules::SaveInput{} << W
                                    << "Attenzione: per salvare la scheda è necessario indicare la data di arrivo."
                                    << "txtDataEnt";
    // clang-format on
    auto in = complete();
    in.dataEnt = QStringLiteral("   ");
    // clang-format off
    QTest::newRow("arrival blank") << in << W
                                   << "Attenzione: per salvare la scheda è necessario indicare la data di arrivo."
                                   << "txtDataEnt";
    // clang-format on
    in = BookingRules::SaveInput{QStringLiteral(" 31/02/2025 "), QString(), QString(), QString(), QString()};
    // clang-format off
    QTest::newRow("arrival impossible before empty days")
        << in << P
        << "Attenzione: la data di arrivo 31/02/2025 non esiste." + kBreak
               // clang-format on
               + "Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa."
        << "txtDataEnt";
    in = BookingRules::SaveInput{QStringLiteral("10/08/2024"), QStringLiteral(" "), QString(), QString(), QString()};
    // clang-format off
    QTest::newRow("days before surname")
        << in << W << "Attenzione: per salvare la scheda è necessario indicare il numero dei giorni di permanenza."
        << "txtGiorni";
    // clang-format on
    in.giorni = QStringLiteral("3");
    // clang-format off
    QTest::newRow("surname before first name")
        << in << W << "Attenzione: per salvare la scheda è necessario indicare il cognome del cliente." << "txtCognome";
    // clang-format on
    in.cognome = QStringLiteral("Rossi");
    // clang-format off
    QTest::newRow("first name before departure")
        << in << W << "Attenzione: per salvare la scheda è necessario indicare il nome del cliente." << "txtNome";
    // clang-format on
    in.nome = QStringLiteral("Mario");
    // clang-format off
    QTest::newRow("departure empty")
        << in << W << "Attenzione: per salvare la scheda è necessario indicare la data di partenza." << "txtDataUsc";
    // clang-format on
    in.dataUsc = QStringLiteral("2024-08-13");
    // clang-format off
    QTest::newRow("departure impossible")
        << in << P
        << "Attenzione: la data di partenza 2024-08-13 non esiste." + kBreak
               // clang-format on
               + "Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa."
        << "txtDataUsc";
    in.dataUsc = QStringLiteral("09/08/2024");
    // clang-format off
    QTest::newRow("arrival after departure")
        << in << P
        << "Attenzione: la data di partenza (09/08/2024) non può essere anteriore a quella di arrivo (10/08/2024)."
               // clang-format on
               + kBreak + "Per poter salvare la prenotazione è necessario indicare un intervallo di tempo valido."
        << QString();
    // Compared as dates, not as texts: "01/09" sorts before "31/08" as text.
    in.dataEnt = QStringLiteral("01/09/2024");
    in.dataUsc = QStringLiteral("31/08/2024");
    // clang-format off
    QTest::newRow("order by date not by text")
        << in << P
        << "Attenzione: la data di partenza (31/08/2024) non può essere anteriore a quella di arrivo (01/09/2024)."
               // clang-format on
               + kBreak + "Per poter salvare la prenotazione è necessario indicare un intervallo di tempo valido."
        << QString();
}

void TestBookingRules::checksInOrder()
{
    QFETCH(BookingRules::SaveInput, in);
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, focus);
    const auto r = BookingRules::checkSave(in);
    QVERIFY(r.has_value());
    QCOMPARE(int(r->box), box);
    QCOMPARE(r->text, text);
    QCOMPARE(r->focus, focus);
}

void TestBookingRules::impossibleDatesAreNamed_data()
{
    QTest::addColumn<QString>("date");
    for (const char *d :
         {"31/02/2025", "00/01/2025", "1/1/2025", "2025-01-01", "29/02/2023", "12/13/2024", "aa/bb/cccc", "01/01/0000"})
        QTest::newRow(d) << QString::fromLatin1(d);
}

void TestBookingRules::impossibleDatesAreNamed()
{
    QFETCH(QString, date);
    auto in = complete();
    in.dataEnt = date;
    auto r = BookingRules::checkSave(in);
    QVERIFY(r.has_value());
    QVERIFY(r->text.startsWith("Attenzione: la data di arrivo " + date + " non esiste."));
    in = complete();
    in.dataUsc = date;
    r = BookingRules::checkSave(in);
    QVERIFY(r.has_value());
    QVERIFY(r->text.startsWith("Attenzione: la data di partenza " + date + " non esiste."));
}

void TestBookingRules::acceptedCards_data()
{
    QTest::addColumn<QString>("arrival");
    QTest::addColumn<QString>("departure");
    // clang-format off
    QTest::newRow("same day") << "10/08/2024" << "10/08/2024";
    QTest::newRow("across the year") << "31/12/2024" << "01/01/2025";
    QTest::newRow("leap day") << "29/02/2024" << "01/03/2024";
    QTest::newRow("blanks round the dates") << " 10/08/2024 " << "\t11/08/2024";
    // clang-format on
}

void TestBookingRules::acceptedCards()
{
    QFETCH(QString, arrival);
    QFETCH(QString, departure);
    auto in = complete();
    in.dataEnt = arrival;
    in.dataUsc = departure;
    QVERIFY(!BookingRules::checkSave(in).has_value());
}

void TestBookingRules::daysAndSex()
{
    QCOMPARE(BookingRules::twoDigitDays(QStringLiteral("3")), QStringLiteral("03"));
    QCOMPARE(BookingRules::twoDigitDays(QStringLiteral(" 7 ")), QStringLiteral("07"));
    QCOMPARE(BookingRules::twoDigitDays(QStringLiteral("12")), QStringLiteral("12"));
    QCOMPARE(BookingRules::twoDigitDays(QStringLiteral("03")), QStringLiteral("03"));
    QCOMPARE(BookingRules::sexCode(QStringLiteral("1) M")), QStringLiteral("1"));
    QCOMPARE(BookingRules::sexCode(QStringLiteral("2) F")), QStringLiteral("2"));
    QCOMPARE(BookingRules::sexCode(QStringLiteral("  ")), QString());
}

QTEST_GUILESS_MAIN(TestBookingRules)
#include "tst_bookingrules.moc"
