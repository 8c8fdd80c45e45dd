#include "base/Cp1252.h"
#include "base/Dates.h"
#include "base/Text.h"

#include <QTest>

class TestText : public QObject {
    Q_OBJECT
private slots:
    void cp1252_data();
    void cp1252();
    void cp1252AllBytesRoundTrip();
    void trimming();
    void padding();
    void folding();
    void listOrder();
    void dates_data();
    void dates();
};

void TestText::cp1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    // clang-format off
    QTest::newRow("ascii") << QStringLiteral("Rossi") << QByteArray("Rossi");
    QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
    QTest::newRow("accented") << QStringLiteral("Sì Città") << QByteArray("S\xEC Citt\xE0");
    QTest::newRow("typographic") << QStringLiteral("“ok”…–") << QByteArray("\x93ok\x94\x85\x96");
    QTest::newRow("outside") << QStringLiteral("Łódź") << QByteArray("?\xF3" "d?");
    QTest::newRow("emoji is one ?") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("cjk") << QStringLiteral("東京") << QByteArray("??");
    // clang-format on
}

void TestText::cp1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp1252::fromUnicode(text), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(Cp1252::toUnicode(bytes), text);
}

void TestText::cp1252AllBytesRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(Cp1252::fromUnicode(Cp1252::toUnicode(all)), all);
}

void TestText::trimming()
{
    QCOMPARE(Text::trimmed(QStringLiteral(" \t\r\n Rossi \x01\x1f ")), QStringLiteral("Rossi"));
    QCOMPARE(Text::trimmed(QStringLiteral("  de  Luca ")), QStringLiteral("de  Luca"));
    // A no-break space (160) is not trimmed: only codes 32 or less are.
    QCOMPARE(Text::trimmed(QString(QChar(160)) + QStringLiteral("x")), QString(QChar(160)) + QStringLiteral("x"));
    QVERIFY(Text::isBlank(QStringLiteral("  \t")));
    QVERIFY(!Text::isBlank(QStringLiteral(" a ")));
}

void TestText::padding()
{
    QCOMPARE(Text::pad(QStringLiteral("Rossi"), 8), QStringLiteral("Rossi   "));
    QCOMPARE(Text::pad(QStringLiteral("Bianchini"), 4), QStringLiteral("Bian"));
    QCOMPARE(Text::pad(QString(), 3), QStringLiteral("   "));
    QCOMPARE(Text::pad(QStringLiteral("x"), 0), QString());
}

void TestText::folding()
{
    QCOMPARE(Text::foldAZ(QStringLiteral("ÀBC dé Z")), QStringLiteral("Àbc dé z"));
    QVERIFY(Text::containsFolded(QStringLiteral("Mario ROSSI"), QStringLiteral("rossi")));
    QVERIFY(!Text::containsFolded(QStringLiteral("CITTÀ"), QStringLiteral("città")));
    QVERIFY(Text::containsFolded(QStringLiteral("abc"), QString()));
    QVERIFY(!Text::containsFolded(QStringLiteral("ab"), QStringLiteral("abc")));
    QCOMPARE(Text::upperAscii(QStringLiteral("rm àé")), QStringLiteral("RM àé"));
}

void TestText::listOrder()
{
    QStringList names = {QStringLiteral("Esposti"), QStringLiteral("de Luca"), QStringLiteral("Danti"),
                         QStringLiteral("Zeta"),    QStringLiteral("_x"),      QStringLiteral("Àlba")};
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return Text::listLess(a, b); });
    // Folded letters sort as lower case, so '_' (95) comes before them and 'À' (192) after.
    QCOMPARE(names, (QStringList{QStringLiteral("_x"), QStringLiteral("Danti"), QStringLiteral("de Luca"),
                                 QStringLiteral("Esposti"), QStringLiteral("Zeta"), QStringLiteral("Àlba")}));
    QCOMPARE(Text::compareListOrder(QStringLiteral("ABC"), QStringLiteral("abc")), 0);
    QVERIFY(Text::listLess(QStringLiteral("ab"), QStringLiteral("abc")));
}

void TestText::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    // clang-format off
    QTest::newRow("ok") << QStringLiteral("05/03/2025") << QDate(2025, 3, 5);
    QTest::newRow("leap") << QStringLiteral("29/02/2024") << QDate(2024, 2, 29);
    QTest::newRow("31 feb") << QStringLiteral("31/02/2025") << QDate();
    QTest::newRow("29 feb non-leap") << QStringLiteral("29/02/2025") << QDate();
    QTest::newRow("day 0") << QStringLiteral("00/01/2025") << QDate();
    QTest::newRow("short") << QStringLiteral("1/1/2025") << QDate();
    QTest::newRow("iso") << QStringLiteral("2025-01-01") << QDate();
    QTest::newRow("blank inside") << QStringLiteral("01/ 1/2025") << QDate();
    QTest::newRow("month 13") << QStringLiteral("01/13/2025") << QDate();
    QTest::newRow("empty") << QString() << QDate();
    // clang-format on
}

void TestText::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const auto d = Dates::parse(text);
    QCOMPARE(d.has_value(), date.isValid());
    if (d) {
        QCOMPARE(*d, date);
        QCOMPARE(Dates::format(*d), text);
    }
}

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
