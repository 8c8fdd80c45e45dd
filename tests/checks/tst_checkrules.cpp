#include "checks/CheckRules.h"

#include <QTest>

using Checks::Outcome;
Q_DECLARE_METATYPE(Checks::Outcome)

namespace {
const QString Break = QStringLiteral("\r\n\r\n");
const QString CfValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString CfWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString CfLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString IvaLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString IvaWrong =
    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") + Break
    + QStringLiteral("Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
QString ivaValid(const QString &office)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + Break
           + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + office + QStringLiteral(".");
}
const QString IbanLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString IbanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString IbanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
const QString CardEmpty =
    QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString CardWrong =
    QStringLiteral("Attenzione: il numero digitato risulta ERRATO!") + Break
    + QStringLiteral("Non è quindi possibile fornire informazioni relative al tipo di carta di credito.");
QString cardValid(const QString &number, const QString &brand)
{
    return QStringLiteral("Il numero di carta di credito ") + number + QStringLiteral(" risulta valido.") + Break
           + QStringLiteral("La carta di credito è del tipo ") + brand + QStringLiteral(".");
}

// The remainder of a long digit text reduced one digit at a time, to hold the piece-wise one against.
int slowMod97(const QString &digits)
{
    int r = 0;
    for (QChar c : digits)
        r = (r * 10 + (c.unicode() - u'0')) % 97;
    return r;
}
} // namespace

class TestCheckRules : public QObject {
    Q_OBJECT
private slots:
    void taxCode_data();
    void taxCode();
    void taxCodeTables();
    void vatNumber_data();
    void vatNumber();
    void vatOfficeTable();
    void iban_data();
    void iban();
    void ibanPieceWiseEqualsWholeNumber();
    void card_data();
    void card();
    void cardDigitsAndLuhn();
};

void TestCheckRules::taxCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("valid") << "RSSMRA85T10A562S" << Outcome::Valid << CfValid;
    QTest::newRow("valid, other") << "MRTMTT25D09F205Z" << Outcome::Valid << CfValid;
    QTest::newRow("lower case is checked upper") << "rssmra85t10a562s" << Outcome::Valid << CfValid;
    QTest::newRow("omocodia, one letter for a digit") << "RSSMRA85T10A56NH" << Outcome::Valid << CfValid;
    QTest::newRow("omocodia, every digit a letter") << "RSSMRAURTMLARSNL" << Outcome::Valid << CfValid;
    QTest::newRow("omocodia, two letters") << "MRTMTT25D09F2LRF" << Outcome::Valid << CfValid;
    QTest::newRow("omocodia with the old check letter") << "RSSMRA85T10A56NS" << Outcome::Wrong << CfWrong;
    QTest::newRow("wrong check letter") << "RSSMRA85T10A562T" << Outcome::Wrong << CfWrong;
    QTest::newRow("one data character changed") << "RSSMRA85T10A563S" << Outcome::Wrong << CfWrong;
    QTest::newRow("digit as check character") << "RSSMRA85T10A5621" << Outcome::Wrong << CfWrong;
    QTest::newRow("blank inside") << "RSSMRA85T 0A562S" << Outcome::Wrong << CfWrong;
    QTest::newRow("accented letter") << QStringLiteral("RSSMRÀ85T10A562S") << Outcome::Wrong << CfWrong;
    QTest::newRow("15 characters") << "RSSMRA85T10A562" << Outcome::Incomplete << CfLength;
    QTest::newRow("17 characters") << "RSSMRA85T10A562SX" << Outcome::Incomplete << CfLength;
    QTest::newRow("empty") << "" << Outcome::Incomplete << CfLength;
    QTest::newRow("company code, 11 digits") << "02635380963" << Outcome::Incomplete << CfLength;
    // clang-format on
}

void TestCheckRules::taxCode()
{
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    const Checks::Verdict v = CodFiscCheck::verdict(text);
    QCOMPARE(v.outcome, outcome);
    QCOMPARE(v.message, message);
}

void TestCheckRules::taxCodeTables()
{
    // Digits and A to J share the odd values; the signs between "9" and "A" count nothing.
    const int odd[] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
    for (int i = 0; i < 26; ++i) {
        QCOMPARE(CodFiscCheck::oddValue(QChar(u'A' + i)), odd[i]);
        QCOMPARE(CodFiscCheck::evenValue(QChar(u'A' + i)), i);
    }
    for (int d = 0; d < 10; ++d) {
        QCOMPARE(CodFiscCheck::oddValue(QChar(u'0' + d)), odd[d]);
        QCOMPARE(CodFiscCheck::evenValue(QChar(u'0' + d)), d);
    }
    for (char16_t c = u':'; c <= u'@'; ++c) {
        QCOMPARE(CodFiscCheck::oddValue(QChar(c)), 0);
        QCOMPARE(CodFiscCheck::evenValue(QChar(c)), 0);
    }
    for (QChar c : {QChar(u'/'), QChar(u'['), QChar(u'a'), QChar(u' ')}) {
        QCOMPARE(CodFiscCheck::oddValue(c), -1);
        QCOMPARE(CodFiscCheck::evenValue(c), -1);
    }
    // A sign of the zero-valued range is convertible, so its code gets a check letter.
    QCOMPARE(CodFiscCheck::checkLetter(u"RSSMRA85T10A56:"),
             QChar(u'A' + (CodFiscCheck::checkLetter(u"RSSMRA85T10A560").unicode() - u'A' - 1 + 26) % 26));
    QVERIFY(CodFiscCheck::checkLetter(u"RSSMRA85T10A56/").isNull());
}

void TestCheckRules::vatNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("Torino") << "00488410010" << Outcome::Valid << ivaValid("Torino");
    QTest::newRow("Milano 1") << "04705810150" << Outcome::Valid << ivaValid("Milano 1");
    QTest::newRow("Roma 2") << "01114601006" << Outcome::Valid << ivaValid("Roma 2");
    QTest::newRow("Roma 1") << "12345670587" << Outcome::Valid << ivaValid("Roma 1");
    QTest::newRow("Monza") << "02635380963" << Outcome::Valid << ivaValid("Monza (Milano 2)");
    QTest::newRow("Bologna 2 under 120") << "12345671205" << Outcome::Valid << ivaValid("Bologna 2");
    QTest::newRow("Napoli 2 under 121") << "00000001214" << Outcome::Valid << ivaValid("Napoli 2");
    QTest::newRow("Viterbo") << "07643520567" << Outcome::Valid << ivaValid("Viterbo");
    QTest::newRow("all zeros, office 000 unknown")
        << "00000000000" << Outcome::Valid
        << QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + Break
               // clang-format on
               + QStringLiteral("Il codice dell'Ufficio IVA che lo ha rilasciato (000) non corrisponde ad alcun "
                                "ufficio conosciuto.");
    // clang-format off
    QTest::newRow("office 103 unknown")
        << "12345671031" << Outcome::Valid
        << QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + Break
                                               // clang-format on
                                               + QStringLiteral("Il codice dell'Ufficio IVA che lo ha rilasciato (103) "
                                                                "non corrisponde ad alcun ufficio conosciuto.");
    // clang-format off
    QTest::newRow("wrong check digit") << "00488410011" << Outcome::Wrong << IvaWrong;
    QTest::newRow("two digits swapped") << "00848410010" << Outcome::Wrong << IvaWrong;
    QTest::newRow("letter among 11") << "0048841001A" << Outcome::Wrong << IvaWrong;
    QTest::newRow("lower-case letter among 11") << "0048841a010" << Outcome::Wrong << IvaWrong;
    QTest::newRow("blank among 11") << "00488 10010" << Outcome::Wrong << IvaWrong;
    QTest::newRow("10 digits") << "0048841001" << Outcome::Incomplete << IvaLength;
    QTest::newRow("16 digits from the tax code field") << "0048841001000000" << Outcome::Incomplete << IvaLength;
    QTest::newRow("empty") << "" << Outcome::Incomplete << IvaLength;
    // clang-format on
}

void TestCheckRules::vatNumber()
{
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    const Checks::Verdict v = PartitaIvaCheck::verdict(text);
    QCOMPARE(v.outcome, outcome);
    QCOMPARE(v.message, message);
}

void TestCheckRules::vatOfficeTable()
{
    QCOMPARE(PartitaIvaCheck::officeCount(), 104);
    for (int code = 1; code <= 102; ++code)
        QVERIFY2(!PartitaIvaCheck::officeName(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'))).isEmpty(),
                 qPrintable(QString::number(code)));
    QCOMPARE(PartitaIvaCheck::officeName(u"040"), QStringLiteral("Forlì"));
    QCOMPARE(PartitaIvaCheck::officeName(u"099"), QStringLiteral("Chiavari (Genova 2)"));
    QCOMPARE(PartitaIvaCheck::officeName(u"121"), PartitaIvaCheck::officeName(u"102"));
    for (const char16_t *none : {u"000", u"103", u"119", u"122", u"999", u"58", u""})
        QVERIFY(PartitaIvaCheck::officeName(QStringView(none)).isEmpty());
}

void TestCheckRules::iban_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("Italy") << "IT60X0542811101000000123456" << Outcome::Valid << IbanValid;
    QTest::newRow("Italy, other") << "IT40S0542811101000000123456" << Outcome::Valid << IbanValid;
    QTest::newRow("Italy, lower case") << "it60x0542811101000000123456" << Outcome::Valid << IbanValid;
    QTest::newRow("France, also 27") << "FR1420041010050500013M02606" << Outcome::Valid << IbanValid;
    QTest::newRow("San Marino") << "SM86U0322509800000000270100" << Outcome::Valid << IbanValid;
    QTest::newRow("Monaco") << "MC5811222000010123456789030" << Outcome::Valid << IbanValid;
    QTest::newRow("one digit changed") << "IT60X0542811101000000123457" << Outcome::Wrong << IbanWrong;
    QTest::newRow("check digits changed") << "IT61X0542811101000000123456" << Outcome::Wrong << IbanWrong;
    QTest::newRow("national check letter changed") << "IT60Y0542811101000000123456" << Outcome::Wrong << IbanWrong;
    QTest::newRow("punctuation inside") << "IT60X0542811101000000-23456" << Outcome::Wrong << IbanWrong;
    QTest::newRow("accented letter inside") << QStringLiteral("IT60X05428111010000001234È6") << Outcome::Wrong << IbanWrong;
    QTest::newRow("Germany, 22") << "DE89370400440532013000" << Outcome::Incomplete << IbanLength;
    QTest::newRow("Great Britain, 22") << "GB29NWBK60161331926819" << Outcome::Incomplete << IbanLength;
    QTest::newRow("Italy in groups of four") << "IT60 X054 2811 1010 0000 0123 456" << Outcome::Incomplete << IbanLength;
    QTest::newRow("Italy, blanks round it") << "  IT60X0542811101000000123456 " << Outcome::Valid << IbanValid;
    QTest::newRow("empty") << "" << Outcome::Incomplete << IbanLength;
    // clang-format on
}

void TestCheckRules::iban()
{
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    const Checks::Verdict v = IbanCheck::verdict(text);
    QCOMPARE(v.outcome, outcome);
    QCOMPARE(v.message, message);
}

void TestCheckRules::ibanPieceWiseEqualsWholeNumber()
{
    QCOMPARE(IbanCheck::lettersToDigits(u"AZ09X"), QStringLiteral("10350933"));
    const QString it = QStringLiteral("IT60X0542811101000000123456");
    const QString digits = IbanCheck::lettersToDigits(it.mid(4) + it.left(4));
    QCOMPARE(digits.size(), 30); // 27 characters, three of them letters
    QCOMPARE(IbanCheck::mod97(it), slowMod97(digits));
    // Every remainder, including those whose carry has one digit, matches the digit-by-digit one.
    for (int n = 0; n < 300; ++n) {
        const QString body =
            QStringLiteral("%1").arg(quint64(n) * 7919ull * 104729ull + 12345678901ull, 26, 10, QLatin1Char('0'));
        const QString text = QStringLiteral("IT00") + body;
        QCOMPARE(IbanCheck::mod97(text), slowMod97(IbanCheck::lettersToDigits(body + QStringLiteral("IT00"))));
    }
    // The word IBAN in front is dropped, blanks inside are ignored by the validity test.
    QVERIFY(IbanCheck::isValid(u"IBAN IT60X0542811101000000123456"));
    QVERIFY(IbanCheck::isValid(u"IT60 X054 2811 1010 0000 0123 456"));
    QCOMPARE(IbanCheck::mod97(u""), 0);
    QCOMPARE(IbanCheck::mod97(u"IT60X05428111010000001234.6"), 0);
}

void TestCheckRules::card_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("Visa") << "4111111111111111" << Outcome::Valid << cardValid("4111111111111111", "Visa");
    QTest::newRow("Visa, other") << "4012888888881881" << Outcome::Valid << cardValid("4012888888881881", "Visa");
    QTest::newRow("MasterCard") << "5555555555554444" << Outcome::Valid << cardValid("5555555555554444", "MasterCard");
    QTest::newRow("MasterCard, other") << "5105105105105100" << Outcome::Valid << cardValid("5105105105105100", "MasterCard");
    QTest::newRow("MasterCard 2-series") << "2223003122003222" << Outcome::Valid << cardValid("2223003122003222", "MasterCard");
    QTest::newRow("MasterCard 2720") << "2720000000000005" << Outcome::Valid << cardValid("2720000000000005", "MasterCard");
    QTest::newRow("2220 is no MasterCard") << "2220000000000000" << Outcome::Wrong << CardWrong;
    QTest::newRow("2721 is no MasterCard") << "2721000000000004" << Outcome::Wrong << CardWrong;
    QTest::newRow("Discover") << "6011111111111117" << Outcome::Valid << cardValid("6011111111111117", "Discover");
    QTest::newRow("Discover, other") << "6011000990139424" << Outcome::Valid << cardValid("6011000990139424", "Discover");
    QTest::newRow("American Express 37") << "378282246310005" << Outcome::Valid << cardValid("378282246310005", "American Express");
    QTest::newRow("American Express 34") << "343434343434343" << Outcome::Valid << cardValid("343434343434343", "American Express");
    QTest::newRow("Diners 36") << "36227206271667" << Outcome::Valid << cardValid("36227206271667", "Diner's Club / Carte Blanche");
    QTest::newRow("Diners 30") << "30569309025904" << Outcome::Valid << cardValid("30569309025904", "Diner's Club / Carte Blanche");
    QTest::newRow("Diners 38") << "38520000023237" << Outcome::Valid << cardValid("38520000023237", "Diner's Club / Carte Blanche");
    QTest::newRow("JCB") << "3530111333300000" << Outcome::Valid << cardValid("3530111333300000", "JCB");
    QTest::newRow("JCB, other") << "3566002020360505" << Outcome::Valid << cardValid("3566002020360505", "JCB");
    QTest::newRow("3-series outside the groups")
        << "3900000000000005" << Outcome::Valid
        << QStringLiteral("Il numero di carta di credito 3900000000000005 risulta valido.") + Break
               // clang-format on
               + QStringLiteral("Non è possibile stabilire il tipo della carta di credito.");
    // clang-format off
    QTest::newRow("32 outside the groups") << "3200000000000002" << Outcome::Valid
        << QStringLiteral("Il numero di carta di credito 3200000000000002 risulta valido.") + Break
               // clang-format on
               + QStringLiteral("Non è possibile stabilire il tipo della carta di credito.");
    // clang-format off
    QTest::newRow("3-series wrong") << "3900000000000006" << Outcome::Wrong << CardWrong;
    QTest::newRow("Luhn-valid beginning 1") << "1000000000000008" << Outcome::Wrong << CardWrong;
    QTest::newRow("Luhn-valid beginning 9") << "9000000000000001" << Outcome::Wrong << CardWrong;
    QTest::newRow("Luhn-valid beginning 7") << "7000000000000005" << Outcome::Wrong << CardWrong;
    QTest::newRow("one digit changed") << "4111111111111121" << Outcome::Wrong << CardWrong;
    QTest::newRow("in groups with blanks") << "4111 1111 1111 1111" << Outcome::Valid << cardValid("4111 1111 1111 1111", "Visa");
    QTest::newRow("in groups with hyphens") << "5555-5555-5555-4444" << Outcome::Valid << cardValid("5555-5555-5555-4444", "MasterCard");
    // clang-format on
    // Only the digits of the first 20 characters count: these are the 16 of a valid Visa.
    // clang-format off
    QTest::newRow("19 digits in groups, cut at 20 characters")
        << "4111 1111 1111 1111 111" << Outcome::Valid << cardValid("4111 1111 1111 1111 111", "Visa");
    QTest::newRow("digits beyond 20 characters not looked at")
        << "4111-1111-1111-1111-9" << Outcome::Valid << cardValid("4111-1111-1111-1111-9", "Visa");
    QTest::newRow("blank before a 3-series number") << "  378282246310005" << Outcome::Valid
                                                     << cardValid("378282246310005", "American Express");
    QTest::newRow("letters only") << "VISA" << Outcome::Wrong << CardWrong;
    QTest::newRow("empty") << "" << Outcome::Incomplete << CardEmpty;
    QTest::newRow("blanks only") << "   " << Outcome::Incomplete << CardEmpty;
    // clang-format on
}

void TestCheckRules::card()
{
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    const Checks::Verdict v = CartaCheck::verdict(text);
    QCOMPARE(v.outcome, outcome);
    QCOMPARE(v.message, message);
}

void TestCheckRules::cardDigitsAndLuhn()
{
    QCOMPARE(CartaCheck::digitsOf(u"4111 1111 1111 1111 111"), QStringLiteral("4111111111111111"));
    QCOMPARE(CartaCheck::digitsOf(u"12345678901234567890123"), QStringLiteral("12345678901234567890"));
    QVERIFY(!CartaCheck::luhn(u""));
    QVERIFY(CartaCheck::luhn(u"0"));
    QVERIFY(CartaCheck::luhn(u"18"));
    QVERIFY(!CartaCheck::luhn(u"17"));
    // Every single-digit change of a valid number breaks it.
    const QString good = QStringLiteral("4012888888881881");
    for (int i = 0; i < good.size(); ++i)
        for (char16_t d = u'0'; d <= u'9'; ++d) {
            if (good[i] == d)
                continue;
            QString bad = good;
            bad[i] = QChar(d);
            QVERIFY2(!CartaCheck::luhn(bad), qPrintable(bad));
        }
}

QTEST_GUILESS_MAIN(TestCheckRules)
#include "tst_checkrules.moc"
