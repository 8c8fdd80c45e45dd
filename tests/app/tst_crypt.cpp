#include "app/Crypt.h"

#include <QRegularExpression>
#include <QTest>

class TestCrypt : public QObject {
    Q_OBJECT
private slots:
    void roundTripEveryByteAndLength();
    void storedFormIsPinned();
    void unscrambleReading_data();
    void unscrambleReading();
    void storedForm();
    void unstorable();
};

void TestCrypt::roundTripEveryByteAndLength()
{
    static const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]*$"));
    // Every byte value alone and repeated to the longest password.
    for (int b = 0; b < 256; ++b) {
        for (int len : {1, 2, 255}) {
            const QString text(len, QChar(char16_t(b)));
            const QString hex = Crypt::ScrambleToHex(text);
            QCOMPARE(hex.size(), 2 * len);
            QVERIFY(upperHex.match(hex).hasMatch());
            QCOMPARE(Crypt::UnscrambleFromHex(hex), text);
            QCOMPARE(Crypt::UnscrambleFromHex(hex.toLower()), text);
        }
    }
    // Every length, each text walking through all byte values from a different start.
    for (int len = 1; len <= 255; ++len) {
        QString text;
        for (int i = 0; i < len; ++i)
            text.append(QChar(char16_t((len * 31 + i * 7) % 256)));
        QCOMPARE(Crypt::UnscrambleFromHex(Crypt::ScrambleToHex(text)), text);
    }
    QCOMPARE(Crypt::ScrambleToHex(u""), QString());
    QCOMPARE(Crypt::UnscrambleFromHex(u""), QString());
}

void TestCrypt::storedFormIsPinned()
{
    // Stores already installed hold this text: the constants must never drift.
    QCOMPARE(Crypt::ScrambleToHex(u"SOTTOBICCHIERE"), QStringLiteral("4B7D066DD583F769564602C5DB4C"));
    // The key follows the scrambled byte: the same letter twice scrambles differently.
    const QString twice = Crypt::ScrambleToHex(u"AA");
    QVERIFY(twice.left(2) != twice.mid(2));
    // Only the low 8 bits of a character are kept.
    QCOMPARE(Crypt::ScrambleToHex(QString(QChar(char16_t(0x141)))), Crypt::ScrambleToHex(u"A"));
}

void TestCrypt::unscrambleReading_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("text");
    const QString s = Crypt::ScrambleToHex(u"SOTTOBICCHIERE");
    // clang-format off
    QTest::newRow("odd last digit ignored") << s + "7" << false << "SOTTOBICCHIERE";
    QTest::newRow("single digit") << "7" << false << "";
    QTest::newRow("lower-case digits") << s.toLower() << false << "SOTTOBICCHIERE";
    QTest::newRow("letter beyond F") << s.left(10) + "G1" + s.mid(12) << true << "";
    QTest::newRow("bad pair last") << s + "Z0" << true << "";
    QTest::newRow("blank inside") << s.left(4) + " " + s.mid(5) << true << "";
    QTest::newRow("sign") << "+1" << true << "";
    QTest::newRow("prefix") << "0x4B" << true << "";
    // clang-format on
}

void TestCrypt::unscrambleReading()
{
    QFETCH(QString, hex);
    QFETCH(bool, fails);
    QFETCH(QString, text);
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(Crypt::BadHex, Crypt::UnscrambleFromHex(hex));
        return;
    }
    QCOMPARE(Crypt::UnscrambleFromHex(hex), text);
}

void TestCrypt::storedForm()
{
    QCOMPARE(Crypt::storedForm(u"  SottoBicchiere \t"), QStringLiteral("SOTTOBICCHIERE"));
    QCOMPARE(Crypt::storedForm(u" due  parole "), QStringLiteral("DUE  PAROLE"));
    QCOMPARE(Crypt::storedForm(QStringLiteral("città È")), QStringLiteral("CITTà È"));
}

void TestCrypt::unstorable()
{
    QVERIFY(Crypt::firstUnstorable(QStringLiteral("ÿÀ abc")).isEmpty());
    QCOMPARE(Crypt::firstUnstorable(QStringLiteral("uno€due")), QStringLiteral("€"));
    QCOMPARE(Crypt::firstUnstorable(QStringLiteral("a😀b")), QStringLiteral("😀"));
}

QTEST_GUILESS_MAIN(TestCrypt)
#include "tst_crypt.moc"
