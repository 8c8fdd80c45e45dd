#include "billing/Amount.h"

#include <QTest>

class TestAmount : public QObject {
    Q_OBJECT
private slots:
    void lineNormalisation_data();
    void lineNormalisation();
    void priceNormalisation_data();
    void priceNormalisation();
    void total_data();
    void total();
    void keys_data();
    void keys();
};

void TestAmount::lineNormalisation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("whole") << "12" << "12,00";
    QTest::newRow("one decimal") << "12,5" << "12,50";
    QTest::newRow("leading comma") << ",5" << "0,50";
    QTest::newRow("trailing comma") << "12," << "12,00";
    QTest::newRow("four decimals at most") << "3,14159" << "3,1416";
    QTest::newRow("three decimals stay") << "1,005" << "1,005";
    QTest::newRow("trailing zeros go") << "7,1250" << "7,125";
    QTest::newRow("half rounds up") << "1,00005" << "1,0001";
    QTest::newRow("just under half") << "1,000049999" << "1,00";
    QTest::newRow("rounding carries") << "9,99995" << "10,00";
    QTest::newRow("leading zeros") << "0007" << "7,00";
    QTest::newRow("zero") << "0" << "0,00";
    QTest::newRow("blanks around") << "  4,5 " << "4,50";
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("blanks become empty") << "   " << "";
    QTest::newRow("negative") << "-2,5" << "-2,50";
    QTest::newRow("negative rounds away from zero") << "-1,00005" << "-1,0001";
    QTest::newRow("tiny negative is zero") << "-0,00001" << "0,00";
    QTest::newRow("plus sign") << "+3" << "3,00";
    QTest::newRow("ten digits") << "9999999999" << "9999999999,00";
    QTest::newRow("comma alone") << "," << "0,00";
    QTest::newRow("letters") << "12a" << "0,00";
    QTest::newRow("word") << "dieci" << "0,00";
    QTest::newRow("period") << "12.50" << "0,00";
    QTest::newRow("two commas") << "1,2,3" << "0,00";
    QTest::newRow("thousands separator") << "1.000,00" << "0,00";
    QTest::newRow("inner blank") << "1 000" << "0,00";
    QTest::newRow("exponent") << "1e5" << "0,00";
    QTest::newRow("currency sign") << "€ 5" << "0,00";
    QTest::newRow("sign alone") << "-" << "0,00";
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << "0,00";
    QTest::newRow("13 integer digits") << "1234567890123" << "1234567890123,00";
    QTest::newRow("14 integer digits are out of range") << "12345678901234" << "0,00";
    QTest::newRow("leading zeros do not count") << "000000000000000000001" << "1,00";
    // clang-format on
}

void TestAmount::lineNormalisation()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(Amount::normaliseLine(typed), shown);
    // Leaving the field twice changes nothing more.
    QCOMPARE(Amount::normaliseLine(shown), shown);
}

void TestAmount::priceNormalisation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("whole") << "5" << "5,00";
    QTest::newRow("one decimal") << "2,5" << "2,50";
    QTest::newRow("two decimals exactly") << "1,005" << "1,01";
    QTest::newRow("below half") << "1,0049" << "1,00";
    QTest::newRow("carry") << "9,999" << "10,00";
    QTest::newRow("empty becomes zero") << "" << "0,00";
    QTest::newRow("blanks become zero") << "  " << "0,00";
    QTest::newRow("leading comma") << ",5" << "0,50";
    QTest::newRow("unreadable") << "5,0a" << "0,00";
    QTest::newRow("seven digits") << "1234567" << "1234567,00";
    QTest::newRow("negative") << "-1,005" << "-1,01";
    // clang-format on
}

void TestAmount::priceNormalisation()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(Amount::normalisePrice(typed), shown);
}

void TestAmount::total_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("total");
    // clang-format off
    QTest::newRow("no amounts") << QStringList() << "0,00";
    QTest::newRow("thirty blank lines") << QStringList(30, QString()) << "0,00";
    QTest::newRow("one decimal") << QStringList{"12,5"} << "12,50";
    QTest::newRow("whole sum") << QStringList{"40", "", "5"} << "45,00";
    QTest::newRow("10 and 2,5") << QStringList{"10", "2,5"} << "12,50";
    QTest::newRow("rounded only at the end") << QStringList{"10,005", "0,0049"} << "10,01";
    QTest::newRow("0,1 + 0,2") << QStringList{"0,1", "0,2"} << "0,30";
    QTest::newRow("thirds") << QStringList{"0,3333", "0,3333", "0,3333"} << "1,00";
    QTest::newRow("half cent up") << QStringList{"0,005"} << "0,01";
    QTest::newRow("under half cent") << QStringList{"0,0049"} << "0,00";
    QTest::newRow("refund") << QStringList{"50", "-12,5"} << "37,50";
    QTest::newRow("negative total") << QStringList{"-0,125"} << "-0,13";
    QTest::newRow("negative below a cent") << QStringList{"-0,126"} << "-0,13";
    QTest::newRow("negative tiny is zero") << QStringList{"-0,004"} << "0,00";
    QTest::newRow("cancelling out") << QStringList{"19,99", "-19,99"} << "0,00";
    QTest::newRow("15 significant digits")
        << QStringList{"9999999999", "99999,9999"} << "10000099999,00";
    QTest::newRow("15 digits exact") << QStringList{"12345678901", "0,2345", "0,0055"} << "12345678901,24";
    QTest::newRow("thirty full fields") << QStringList(30, QStringLiteral("9999999999")) << "299999999970,00";
    QTest::newRow("thirty cents") << QStringList(30, QStringLiteral("0,01")) << "0,30";
    QTest::newRow("more than four decimals count rounded")
        << QStringList{"0,00495"} << "0,01";
    QTest::newRow("unreadable line makes zero") << QStringList{"10", "abc", "5"} << "0,00";
    QTest::newRow("period makes zero") << QStringList{"10", "2.5"} << "0,00";
    QTest::newRow("comma alone makes zero") << QStringList{"10", ","} << "0,00";
    QTest::newRow("blank lines ignored") << QStringList{"  ", "3", "\t"} << "3,00";
    // clang-format on
}

void TestAmount::total()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, total);
    QCOMPARE(Amount::total(lines), total);
}

void TestAmount::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");
    // clang-format off
    QTest::newRow("digit") << int(Qt::Key_7) << "7" << true;
    QTest::newRow("comma") << int(Qt::Key_Comma) << "," << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << "\r" << true;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << "\r" << true;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << true;
    QTest::newRow("delete") << int(Qt::Key_Delete) << "\x7f" << true;
    QTest::newRow("left") << int(Qt::Key_Left) << "" << true;
    QTest::newRow("right") << int(Qt::Key_Right) << "" << true;
    QTest::newRow("period") << int(Qt::Key_Period) << "." << false;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << false;
    QTest::newRow("blank") << int(Qt::Key_Space) << " " << false;
    QTest::newRow("tab") << int(Qt::Key_Tab) << "\t" << false;
    QTest::newRow("home") << int(Qt::Key_Home) << "" << false;
    QTest::newRow("end") << int(Qt::Key_End) << "" << false;
    QTest::newRow("up") << int(Qt::Key_Up) << "" << false;
    QTest::newRow("down") << int(Qt::Key_Down) << "" << false;
    QTest::newRow("paste shortcut") << int(Qt::Key_V) << "\x16" << false;
    QTest::newRow("superscript two") << int(Qt::Key_twosuperior) << QString::fromUtf8("²") << false;
    // clang-format on
}

void TestAmount::keys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, passes);
    QCOMPARE(Amount::keyPasses(key, text), passes);
}

QTEST_GUILESS_MAIN(TestAmount)
#include "tst_amount.moc"
