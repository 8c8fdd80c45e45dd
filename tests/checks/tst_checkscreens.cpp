#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "guests/Clienti.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QString Break = QStringLiteral("\r\n\r\n");

std::unique_ptr<CheckScreen> make(const QString &screen)
{
    if (screen == u"CodFisc")
        return std::make_unique<TfrmCodFisc>();
    if (screen == u"PartitaIva")
        return std::make_unique<TfrmPartitaIva>();
    if (screen == u"Iban")
        return std::make_unique<TfrmIban>();
    return std::make_unique<TfrmCarta>();
}

QLineEdit *fieldOf(QWidget *screen)
{
    for (const char *name : {"txtCodFisc", "txtPartitaIva", "txtIban", "txtNumero"})
        if (auto *e = screen->findChild<QLineEdit *>(QLatin1String(name)))
            return e;
    return nullptr;
}

// Shows the screen as its opener would and gives it the keyboard.
bool showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

} // namespace

class TestCheckScreens : public QObject {
    Q_OBJECT
private slots:
    void init() { m_msgs.clear(); }
    void screensAsBuilt();
    void typing_data();
    void typing();
    void digitFieldsSwallowOtherKeys();
    void enterLeadsToTheButton();
    void valueFromTheCardIsNotCut();
    void checking_data();
    void checking();
    void closeWithoutCheck();
    void openedFromTheGuestCard_data();
    void openedFromTheGuestCard();

private:
    TempProgramFolder m_folder;
    MessageRecorder m_msgs;
};

void TestCheckScreens::screensAsBuilt()
{
    struct Row {
        const char *screen, *caption, *field;
        QSize size;
    };
    for (const Row &r : {Row{"CodFisc", " Controllo codice fiscale", "txtCodFisc", {478, 254}},
                         Row{"PartitaIva", " Controllo partita IVA", "txtPartitaIva", {480, 254}},
                         Row{"Iban", " Controllo IBAN", "txtIban", {608, 270}},
                         Row{"Carta", " Controllo carta di credito", "txtNumero", {519, 254}}}) {
        auto s = make(QLatin1String(r.screen));
        QCOMPARE(s->windowTitle(), QLatin1String(r.caption));
        QCOMPARE(s->size(), r.size);
        QCOMPARE(s->minimumSize(), s->maximumSize());
        QLineEdit *f = fieldOf(s.get());
        QCOMPARE(f->objectName(), QLatin1String(r.field));
        QCOMPARE(f->font().pointSize(), 20);
        QVERIFY(f->font().bold());
        QCOMPARE(s->btnControlla->text(), QStringLiteral("Controlla"));
        QCOMPARE(s->btnChiudi->text(), QStringLiteral("Chiudi"));
        QVERIFY(!(s->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(showActive(s.get()));
        QVERIFY(f->hasFocus());
    }
    // The screens set the process formats when they are created.
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
}

void TestCheckScreens::typing_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("tax code: trimmed, upper case") << "CodFisc" << " rssmra85t10a562s " << "RSSMRA85T10A562S";
    QTest::newRow("tax code: blanks typed at the end vanish") << "CodFisc" << "rss mra" << "RSSMRA";
    QTest::newRow("tax code: 16 at most") << "CodFisc" << "RSSMRA85T10A562SXYZ" << "RSSMRA85T10A562S";
    QTest::newRow("tax code: accented letter stays") << "CodFisc" << QStringLiteral("àb") << QStringLiteral("àB");
    QTest::newRow("VAT: digits only") << "PartitaIva" << "12a-3 4.5x€" << "12345";
    QTest::newRow("VAT: 11 at most") << "PartitaIva" << "0048841001099" << "00488410010";
    QTest::newRow("IBAN: trimmed, upper case") << "Iban" << "it60 x054" << "IT60X054";
    QTest::newRow("IBAN: 27 at most") << "Iban" << "IT60X0542811101000000123456789" << "IT60X0542811101000000123456";
    QTest::newRow("card: digits only") << "Carta" << "4111 1111-1111 abc" << "411111111111";
    QTest::newRow("card: 30 at most") << "Carta" << QString(35, u'4') << QString(30, u'4');
    // clang-format on
}

void TestCheckScreens::typing()
{
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    auto s = make(screen);
    QVERIFY(showActive(s.get()));
    TestKeys::type(fieldOf(s.get()), typed);
    QCOMPARE(fieldOf(s.get())->text(), text);
    QCOMPARE(m_msgs.count(), 0);
}

void TestCheckScreens::digitFieldsSwallowOtherKeys()
{
    for (const QString &screen : {QStringLiteral("PartitaIva"), QStringLiteral("Carta")}) {
        auto s = make(screen);
        QVERIFY(showActive(s.get()));
        QLineEdit *f = fieldOf(s.get());
        TestKeys::type(f, QStringLiteral("123"));
        // Left and Backspace pass: "13", the cursor after the 1.
        QTest::keyClick(f, Qt::Key_Left);
        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(f->text(), QStringLiteral("13"));
        // Home is swallowed, so the 9 lands where the cursor was.
        QTest::keyClick(f, Qt::Key_Home);
        TestKeys::type(f, QStringLiteral("9"));
        QCOMPARE(f->text(), QStringLiteral("193"));
        // Delete and Right pass.
        QTest::keyClick(f, Qt::Key_Delete);
        QCOMPARE(f->text(), QStringLiteral("19"));
        // A shortcut is a key like any other.
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_Left);
        QTest::keyClick(f, Qt::Key_Right);
        TestKeys::type(f, QStringLiteral("5"));
        QCOMPARE(f->text(), QStringLiteral("195"));
    }
}

void TestCheckScreens::enterLeadsToTheButton()
{
    for (const QString &screen :
         {QStringLiteral("CodFisc"), QStringLiteral("PartitaIva"), QStringLiteral("Iban"), QStringLiteral("Carta")}) {
        m_msgs.clear();
        auto s = make(screen);
        QVERIFY(showActive(s.get()));
        TestKeys::type(fieldOf(s.get()), QStringLiteral("1"));
        QTest::keyClick(fieldOf(s.get()), Qt::Key_Return);
        QVERIFY2(s->btnControlla->hasFocus(), qPrintable(screen));
        QCOMPARE(m_msgs.count(), 0);
        QVERIFY(s->isVisible());
        // Enter on the button presses it.
        QTest::keyClick(s->btnControlla, Qt::Key_Return);
        QCOMPARE(m_msgs.count(), 1);
    }
}

void TestCheckScreens::valueFromTheCardIsNotCut()
{
    TfrmPartitaIva s;
    // The guest card sets the value before showing the screen.
    s.txtPartitaIva->setText(QStringLiteral("0048841001000000"));
    QVERIFY(showActive(&s));
    QCOMPARE(s.txtPartitaIva->text(), QStringLiteral("0048841001000000"));
    // Shown with its text selected, as a field that receives the focus: Right goes to the end.
    QTest::keyClick(s.txtPartitaIva, Qt::Key_Right);
    // Typing adds nothing to a value already over the limit, but it can be shortened.
    TestKeys::type(s.txtPartitaIva, QStringLiteral("7"));
    QCOMPARE(s.txtPartitaIva->text(), QStringLiteral("0048841001000000"));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(s.txtPartitaIva, Qt::Key_Backspace);
    QCOMPARE(s.txtPartitaIva->text(), QStringLiteral("00488410010"));
    TestKeys::type(s.txtPartitaIva, QStringLiteral("7"));
    QCOMPARE(s.txtPartitaIva->text(), QStringLiteral("00488410010"));
}

void TestCheckScreens::checking_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");
    const int info = int(Msg::Kind::Information), warn = int(Msg::Kind::Warning);
    // clang-format off
    QTest::newRow("tax code valid") << "CodFisc" << "RSSMRA85T10A562S" << info << "Il codice fiscale digitato è VALIDO." << false;
    QTest::newRow("tax code in lower case from the card") << "CodFisc" << "rssmra85t10a562s" << info
                                                          << "Il codice fiscale digitato è VALIDO." << false;
    QTest::newRow("tax code wrong") << "CodFisc" << "RSSMRA85T10A5621" << warn
                                    << "Attenzione: il codice fiscale digitato è ERRATO." << false;
    QTest::newRow("tax code empty") << "CodFisc" << "" << warn
                                    << "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici." << true;
    QTest::newRow("VAT valid") << "PartitaIva" << "12345670967" << info
                               << QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + Break
                                      // clang-format on
                                      + QStringLiteral(
                                          "E' stato rilasciato dall'Ufficio IVA del Comune di Monza (Milano 2).")
                               << false;
    // clang-format off
    QTest::newRow("VAT with a letter from the card") << "PartitaIva" << "0048841001A" << warn
        << QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") + Break
               // clang-format on
               + QStringLiteral(
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.")
        << false;
    // clang-format off
    QTest::newRow("VAT of 10 digits") << "PartitaIva" << "0048841001" << warn
                                      << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici." << true;
    QTest::newRow("IBAN valid") << "Iban" << "IT60X0542811101000000123456" << info << "L'IBAN digitato è VALIDO." << false;
    QTest::newRow("IBAN wrong") << "Iban" << "IT60X0542811101000000123457" << warn << "Attenzione: l'IBAN digitato è ERRATO!" << false;
    QTest::newRow("IBAN of Germany") << "Iban" << "DE89370400440532013000" << warn
                                     << "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici." << true;
    QTest::newRow("card valid") << "Carta" << "378282246310005" << info
        << QStringLiteral("Il numero di carta di credito 378282246310005 risulta valido.") + Break
                                       // clang-format on
                                       + QStringLiteral("La carta di credito è del tipo American Express.")
                                << false;
    // clang-format off
    QTest::newRow("card wrong") << "Carta" << "4111111111111112" << warn
        << QStringLiteral("Attenzione: il numero digitato risulta ERRATO!") + Break
               // clang-format on
               + QStringLiteral("Non è quindi possibile fornire informazioni relative al tipo di carta di credito.")
        << false;
    // clang-format off
    QTest::newRow("card empty") << "Carta" << "" << warn
        << "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo." << true;
    // clang-format on
}

void TestCheckScreens::checking()
{
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);
    auto s = make(screen);
    fieldOf(s.get())->setText(value);
    QVERIFY(showActive(s.get()));
    s->btnChiudi->setFocus();
    QTest::mouseClick(s->btnControlla, Qt::LeftButton);
    QCOMPARE(m_msgs.count(), 1);
    QCOMPARE(int(m_msgs.lastKind()), kind);
    QCOMPARE(m_msgs.lastText(), message);
    QCOMPARE(s->isVisible(), staysOpen);
    if (staysOpen)
        QVERIFY(fieldOf(s.get())->hasFocus());
}

void TestCheckScreens::closeWithoutCheck()
{
    TfrmIban s;
    s.txtIban->setText(QStringLiteral("IT60X0542811101000000123456"));
    QVERIFY(showActive(&s));
    QTest::mouseClick(s.btnChiudi, Qt::LeftButton);
    QVERIFY(!s.isVisible());
    QCOMPARE(m_msgs.count(), 0);
}

void TestCheckScreens::openedFromTheGuestCard_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("cardField");
    QTest::addColumn<QString>("cardValue");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");
    const QString cfValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
    // clang-format off
    QTest::newRow("tax code") << "btnCodFisc" << "txtCodFisc" << "rssmra85t10a562s" << "frmCodFisc" << "RSSMRA85T10A562S"
                              << cfValid << false;
    QTest::newRow("tax code empty") << "btnCodFisc" << "txtCodFisc" << "" << "frmCodFisc" << ""
        << "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici." << true;
    QTest::newRow("tax code of a company goes to the VAT check")
        << "btnCodFisc" << "txtCodFisc" << "02635380963" << "frmPartitaIva" << "02635380963"
        << QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + Break
               // clang-format on
               + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di Monza (Milano 2).")
        << false;
    // clang-format off
    QTest::newRow("16 digits arrive whole at the VAT check")
        << "btnCodFisc" << "txtCodFisc" << "0263538096312345" << "frmPartitaIva" << "0263538096312345"
        << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici." << true;
    QTest::newRow("VAT field") << "btnIva" << "txtIva" << "00488410010" << "frmPartitaIva" << "00488410010"
        << QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + Break
                                      // clang-format on
                                      + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di Torino.")
                               << false;
    // clang-format off
    QTest::newRow("VAT field with letters") << "btnIva" << "txtIva" << "0048841OO1O" << "frmPartitaIva" << "0048841OO1O"
        << QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") + Break
               // clang-format on
               + QStringLiteral(
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.")
        << false;
    // clang-format off
    QTest::newRow("IBAN") << "btnIban" << "txtIban" << "it60x0542811101000000123456" << "frmIban"
                          << "IT60X0542811101000000123456" << "L'IBAN digitato è VALIDO." << false;
    QTest::newRow("card in groups") << "btnCarta" << "txtCarta" << "4111 1111 1111 1111" << "frmCarta" << "4111 1111 1111 1111"
        << QStringLiteral("Il numero di carta di credito 4111 1111 1111 1111 risulta valido.") + Break
                                           // clang-format on
                                           + QStringLiteral("La carta di credito è del tipo Visa.")
                                    << false;
    // clang-format off
    QTest::newRow("card over 30 characters arrives whole")
        << "btnCarta" << "txtCarta" << "5555 - 5555 - 5555 - 4444 - 0000" << "frmCarta" << "5555 - 5555 - 5555 - 4444 - 0000"
        << QStringLiteral("Attenzione: il numero digitato risulta ERRATO!") + Break
               // clang-format on
               + QStringLiteral("Non è quindi possibile fornire informazioni relative al tipo di carta di credito.")
        << false;
}

void TestCheckScreens::openedFromTheGuestCard()
{
    QFETCH(QString, button);
    QFETCH(QString, cardField);
    QFETCH(QString, cardValue);
    QFETCH(QString, screen);
    QFETCH(QString, fieldText);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);
    TfrmClienti card;
    card.show();
    auto *source = qobject_cast<QLineEdit *>(card.control(cardField));
    source->setText(cardValue);
    const QString before = source->text();

    QString seenScreen, seenField;
    bool seenOpen = false;
    whenModalOpens([&](QWidget *m) {
        seenScreen = m->objectName();
        QLineEdit *f = fieldOf(m);
        seenField = f ? f->text() : QStringLiteral("(no field)");
        auto *check = m->findChild<QPushButton *>(QStringLiteral("btnControlla"));
        QTest::mouseClick(check, Qt::LeftButton);
        seenOpen = m->isVisible();
        if (seenOpen)
            QTest::mouseClick(m->findChild<QPushButton *>(QStringLiteral("btnChiudi")), Qt::LeftButton);
    });
    card.findChild<QToolButton *>(button)->click();
    QCOMPARE(seenScreen, screen);
    QCOMPARE(seenField, fieldText);
    QCOMPARE(m_msgs.count(), 1);
    QCOMPARE(m_msgs.lastText(), message);
    QCOMPARE(seenOpen, staysOpen);
    // The checks write nothing back into the card.
    QCOMPARE(source->text(), before);
}

QTEST_MAIN(TestCheckScreens)
#include "tst_checkscreens.moc"
