#include "bookings/ConfermaEmail.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace {

ConfermaEmail::Booking marioRossi()
{
    ConfermaEmail::Booking b;
    b.email = QStringLiteral("mario.rossi@example.it");
    b.cognome = QStringLiteral("Rossi");
    b.nome = QStringLiteral("Mario");
    b.giorni = QStringLiteral("03");
    b.dataEnt = QStringLiteral("10/08/2024");
    b.oraEnt = QStringLiteral("14:00");
    b.dataUsc = QStringLiteral("13/08/2024");
    b.oraUsc = QStringLiteral("10:00");
    b.adulti = QStringLiteral("2");
    b.bambini = QStringLiteral("1");
    b.tariffa = QStringLiteral("80 euro");
    b.supplementi = QStringLiteral("culla");
    return b;
}

// What the mail program makes of the link: recipient, subject and body, decoded.
struct Opened {
    QString to, subject, body;
};

Opened open(const QString &link)
{
    [&] {
        QVERIFY(link.startsWith(u'"'));
        QVERIFY(link.endsWith(u'"'));
    }();
    const QString inner = link.mid(1, link.size() - 2);
    // Nothing in a field may add a parameter or cut the address short.
    [&] {
        QVERIFY(!inner.contains(u'#'));
        QVERIFY(!inner.contains(u' '));
        QCOMPARE(inner.count(u'?'), 1);
        QCOMPARE(inner.count(u'&'), 1);
    }();
    const QUrl url(inner, QUrl::StrictMode);
    const QUrlQuery q(url);
    return {url.path(QUrl::FullyDecoded), q.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
            q.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded)};
}

const QString kExpectedBody = QStringLiteral(
    "Gentile Cliente, la presente è per confermarle che la sua prenotazione presso la nostra struttura ricettiva, "
    "effettuata a nome di Mario Rossi, è stata accettata. Le ricordiamo che la sua permanenza avrà una durata di "
    "giorni 03 con arrivo in data 10/08/2024 alle ore 14:00 e partenza in data 13/08/2024 alle ore 10:00. "
    "La prenotazione è per n. 2 adulti e n. 1 bambini e la tariffa applicata è la seguente: 80 euro "
    "(supplementi: culla). Per modificare o disdire la sua prenotazione, è sufficiente che trasmetta una "
    "comunicazione a questo indirizzo e-mail entro 48 ore prima del giorno di arrivo. In caso di disdetta della "
    "prenotazione oltre i termini previsti o di mancato arrivo presso la nostra struttura, le sarà addebitato "
    "l'importo corrispondente ad un pernottamento. Ringraziandola per la preferenza accordataci, le porgiamo "
    "cordiali saluti.");

} // namespace

class TestConfermaEmail : public QObject {
    Q_OBJECT
private slots:
    void workedExampleDecodesToTheBody();
    void fieldsAreTrimmedAndEmptyOnesLeaveTheirPlace();
    void reservedCharactersTravelWhole_data();
    void reservedCharactersTravelWhole();
    void emailAskedForBeforeSurname();
};

void TestConfermaEmail::workedExampleDecodesToTheBody()
{
    const auto b = marioRossi();
    QCOMPARE(ConfermaEmail::body(b), kExpectedBody);
    const QString link = ConfermaEmail::link(b);
    QVERIFY(link.startsWith(QStringLiteral("\"mailto:mario.rossi@example.it?subject=Conferma%20prenotazione&body=")));
    const Opened o = open(link);
    QCOMPARE(o.to, QStringLiteral("mario.rossi@example.it"));
    QCOMPARE(o.subject, QStringLiteral("Conferma prenotazione"));
    QCOMPARE(o.body, kExpectedBody);
}

void TestConfermaEmail::fieldsAreTrimmedAndEmptyOnesLeaveTheirPlace()
{
    auto b = marioRossi();
    b.email = QStringLiteral("  mario.rossi@example.it\t");
    b.nome = QStringLiteral(" Mario ");
    b.oraUsc = QString();
    const QString body = ConfermaEmail::body(b);
    QVERIFY(body.contains(QStringLiteral("a nome di Mario Rossi, è stata")));
    QVERIFY(body.contains(QStringLiteral("data 13/08/2024 alle ore . La prenotazione è per n. 2")));
    QVERIFY(!body.contains(u'\n') && !body.contains(u'\r'));
    QCOMPARE(open(ConfermaEmail::link(b)).to, QStringLiteral("mario.rossi@example.it"));
}

void TestConfermaEmail::reservedCharactersTravelWhole_data()
{
    QTest::addColumn<QString>("rate");
    // clang-format off
    QTest::newRow("ampersand") << "80 & colazione";
    QTest::newRow("hash") << "camera #4";
    QTest::newRow("question mark and equals") << "sconto? body=0";
    QTest::newRow("percent") << "100% 20%20";
    QTest::newRow("plus and euro") << "80€ + tassa";
    // clang-format on
}

void TestConfermaEmail::reservedCharactersTravelWhole()
{
    QFETCH(QString, rate);
    auto b = marioRossi();
    b.tariffa = rate;
    const Opened o = open(ConfermaEmail::link(b));
    QCOMPARE(o.body, ConfermaEmail::body(b));
    QVERIFY(o.body.contains(QStringLiteral("la seguente: ") + rate + QStringLiteral(" (supplementi: culla). Per")));
    QVERIFY(o.body.endsWith(QStringLiteral("cordiali saluti.")));
}

void TestConfermaEmail::emailAskedForBeforeSurname()
{
    auto b = marioRossi();
    QCOMPARE(ConfermaEmail::missing(b), ConfermaEmail::Missing::Nothing);
    b.cognome = QStringLiteral("  ");
    QCOMPARE(ConfermaEmail::missing(b), ConfermaEmail::Missing::Cognome);
    QCOMPARE(ConfermaEmail::missingText(ConfermaEmail::Missing::Cognome),
             QStringLiteral("Attenzione: per inviare la conferma di prenotazione è necessario indicare il cognome del "
                            "cliente."));
    b.email = QStringLiteral(" ");
    QCOMPARE(ConfermaEmail::missing(b), ConfermaEmail::Missing::Email);
    QCOMPARE(ConfermaEmail::missingText(ConfermaEmail::Missing::Email),
             QStringLiteral("Attenzione: per inviare la conferma di prenotazione al cliente è necessario indicare "
                            "l'indirizzo di posta elettronica."));
}

QTEST_GUILESS_MAIN(TestConfermaEmail)
#include "tst_confermaemail.moc"
