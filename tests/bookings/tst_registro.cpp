#include "app/Guida.h"
#include "base/RecordFile.h"
#include "bookings/Calendario.h"
#include "bookings/ConfermaEmail.h"
#include "bookings/Registro.h"
#include "bookings/Visita.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>

#include <memory>

namespace {

const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

TVisita booking(const QString &surname, const QString &arrival = QStringLiteral("10/08/2024"))
{
    TVisita v;
    v.set(VisitaField::DataEnt, arrival);
    v.set(VisitaField::DataUsc, QStringLiteral("20/08/2024"));
    v.set(VisitaField::Giorni, QStringLiteral("10"));
    v.set(VisitaField::Cognome, surname);
    v.set(VisitaField::Nome, QStringLiteral("Anna"));
    v.setDisdetta(false);
    return v;
}

QByteArray bytes(const TVisita &v) { return QByteArray(v.bytes.data(), TVisita::Size); }

void writeRegister(const TempProgramFolder &dir, int n)
{
    QByteArray all;
    for (int i = 1; i <= n; ++i)
        all += bytes(booking(QStringLiteral("Ospite %1").arg(i)));
    dir.write(QStringLiteral("Registro.pro"), all);
}

TVisita recordAt(const TempProgramFolder &dir, int n)
{
    TVisita v;
    const QByteArray all = dir.read(QStringLiteral("Registro.pro"));
    std::memcpy(v.bytes.data(), all.constData() + (n - 1) * TVisita::Size, TVisita::Size);
    return v;
}

} // namespace

class TestRegistro : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void saveNewCardAppendsEveryField();
    void saveShownCardOverwritesInPlace();
    void refusedSaveWritesNothing();
    void inaccessibleRegisterKeepsTheCard();
    void scrollingRules();
    void previousOnOneDoesNothingEvenOnAnEmptyRegister();
    void showBookingAtFillsTheCard();
    void duplicateThenSaveAppends();
    void newClearsEverything();
    void digitFieldsAndDays();
    void typingTransformations();
    void sexIsChosenWithTheMouseOnly();
    void pickedFieldsDropTheirCodes();
    void dateFieldsOpenThePicker();
    void pickerWritesByMarker();
    void enterChainAndTabOrder();
    void todayAndNowButtons();
    void hintsAndFocusMarks();
    void confirmationEmail();
    void subScreensGetTheirMarkers();
    void longNamesShowWhole();

private:
    std::unique_ptr<TempProgramFolder> m_dir;
    std::unique_ptr<MessageRecorder> m_msgs;
    std::unique_ptr<TfrmRegistro> m_card;
    TfrmRegistro &card() { return *m_card; }
    void click(QToolButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    void fillValidCard();
};

void TestRegistro::init()
{
    m_dir = std::make_unique<TempProgramFolder>();
    m_msgs = std::make_unique<MessageRecorder>();
    m_card = std::make_unique<TfrmRegistro>();
    m_card->show();
    m_card->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_card.get()));
}

void TestRegistro::cleanup()
{
    m_card.reset();
    m_msgs.reset();
    m_dir.reset();
    Clock::reset();
}

void TestRegistro::fillValidCard()
{
    card().txtDataEnt->setText(QStringLiteral("10/08/2024"));
    card().txtDataUsc->setText(QStringLiteral("13/08/2024"));
    card().txtGiorni->setText(QStringLiteral("3"));
    card().txtCognome->setText(QStringLiteral("Rossi"));
    card().txtNome->setText(QStringLiteral("Mario"));
}

void TestRegistro::saveNewCardAppendsEveryField()
{
    // Every visible field typed or set, every hidden code as a table would leave it.
    QHash<QString, QString> values;
    for (const auto &b : VisitaField::textFields())
        values.insert(b.control, b.control.mid(3).left(b.field.capacity));
    values[QStringLiteral("txtDataEnt")] = QStringLiteral("10/08/2024");
    values[QStringLiteral("txtDataUsc")] = QStringLiteral("13/08/2024");
    values[QStringLiteral("txtAdulti")] = QStringLiteral("2");
    values[QStringLiteral("txtBambini")] = QStringLiteral("1");
    values[QStringLiteral("txtGiorni")] = QStringLiteral("3");
    values[QStringLiteral("txtSesso")] = QStringLiteral("2) F");
    values[QStringLiteral("txtCodSesso")] = QString();
    values[QStringLiteral("txtComuneNasc")] = QStringLiteral("Città di Castello");
    values[QStringLiteral("txtProvNasc")] = QStringLiteral("PG");
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        card().setControlText(it.key(), it.value());
    QCOMPARE(card().txtSesso->currentIndex(), 1);
    card().chkDisdetta->setChecked(true);

    click(card().cmdSalva);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Information);
    QCOMPARE(m_msgs->lastText(), kAppended);
    QCOMPARE(card().lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(card().txtGiorni->text(), QStringLiteral("03"));
    QCOMPARE(card().txtCodSesso->text(), QStringLiteral("2"));

    TVisita expected;
    for (const auto &b : VisitaField::textFields())
        expected.set(b.field, values.value(b.control));
    expected.set(VisitaField::Giorni, QStringLiteral("03"));
    expected.set(VisitaField::CodSesso, QStringLiteral("2"));
    expected.setDisdetta(true);
    QCOMPARE(m_dir->read(QStringLiteral("Registro.pro")), bytes(expected));
    QVERIFY(m_dir->read(QStringLiteral("Registro.pro"))
                .contains("\x11"
                          "Citt\xE0 di Castello"));

    // Saved again, the same card is overwritten, not appended.
    card().txtCognome->setText(QStringLiteral("Rossini"));
    click(card().cmdSalva);
    QCOMPARE(m_msgs->lastText(), kOverwritten);
    QCOMPARE(card().lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(m_dir->read(QStringLiteral("Registro.pro")).size(), TVisita::Size);
    QCOMPARE(recordAt(*m_dir, 1).get(VisitaField::Cognome), QStringLiteral("Rossini"));
}

void TestRegistro::saveShownCardOverwritesInPlace()
{
    writeRegister(*m_dir, 12);
    const QByteArray before = m_dir->read(QStringLiteral("Registro.pro"));
    QVERIFY(card().ShowBookingAt(7));
    card().txtCamera->setText(QStringLiteral("21"));
    click(card().cmdSalva);
    QCOMPARE(m_msgs->lastText(), kOverwritten);
    QCOMPARE(card().lblPosizione->text(), QStringLiteral("7"));
    const QByteArray after = m_dir->read(QStringLiteral("Registro.pro"));
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(6 * 740), before.left(6 * 740));
    QCOMPARE(after.mid(7 * 740), before.mid(7 * 740));
    QCOMPARE(recordAt(*m_dir, 7).get(VisitaField::Camera), QStringLiteral("21"));

    click(card().cmdNuovo);
    fillValidCard();
    click(card().cmdSalva);
    QCOMPARE(m_msgs->lastText(), kAppended);
    QCOMPARE(card().lblPosizione->text(), QStringLiteral("13"));
    QCOMPARE(m_dir->read(QStringLiteral("Registro.pro")).left(12 * 740), after);
    QCOMPARE(recordAt(*m_dir, 13).get(VisitaField::Cognome), QStringLiteral("Rossi"));
}

void TestRegistro::refusedSaveWritesNothing()
{
    fillValidCard();
    card().txtDataEnt->setText(QStringLiteral("10/08/2024"));
    card().txtDataUsc->setText(QStringLiteral("09/08/2024"));
    card().txtNome->setFocus();
    click(card().cmdSalva);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Plain);
    QCOMPARE(m_msgs->lastText(),
             QStringLiteral("Attenzione: la data di partenza (09/08/2024) non può essere anteriore a quella di arrivo "
                            "(10/08/2024).\n\r\n\rPer poter salvare la prenotazione è necessario indicare un "
                            "intervallo di tempo valido."));
    QCOMPARE(QApplication::focusWidget(), card().txtNome);
    QVERIFY(!QFile::exists(m_dir->file(QStringLiteral("Registro.pro"))));
    // Refused before the days were touched.
    QCOMPARE(card().txtGiorni->text(), QStringLiteral("3"));

    card().txtDataUsc->setText(QStringLiteral("13/08/2024"));
    card().txtGiorni->clear();
    click(card().cmdSalva);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Warning);
    QCOMPARE(
        m_msgs->lastText(),
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero dei giorni di permanenza."));
    QCOMPARE(QApplication::focusWidget(), card().txtGiorni);

    card().txtGiorni->setText(QStringLiteral("3"));
    card().txtDataEnt->setText(QStringLiteral("31/02/2025"));
    click(card().cmdSalva);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Plain);
    QVERIFY(
        m_msgs->lastText().startsWith(QStringLiteral("Attenzione: la data di arrivo 31/02/2025 non esiste.\n\r\n\r")));
    QCOMPARE(QApplication::focusWidget(), card().txtDataEnt);
    QVERIFY(!QFile::exists(m_dir->file(QStringLiteral("Registro.pro"))));
    QCOMPARE(card().lblPosizione->text(), QString());
}

void TestRegistro::inaccessibleRegisterKeepsTheCard()
{
    // A folder where the register should be: open fails even for root.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Registro.pro")));
    fillValidCard();
    click(card().cmdSalva);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Error);
    QCOMPARE(m_msgs->lastText(), Msg::accessText());
    QCOMPARE(card().txtCognome->text(), QStringLiteral("Rossi"));
    QCOMPARE(card().txtDataEnt->text(), QStringLiteral("10/08/2024"));
    QCOMPARE(card().lblPosizione->text(), QString());

    for (QToolButton *b : {card().cmdPrimo, card().cmdUltimo, card().cmdAvanti, card().cmdIndietro}) {
        m_msgs->clear();
        click(b);
        QCOMPARE(m_msgs->count(), 1);
        QCOMPARE(m_msgs->lastKind(), Msg::Kind::Error);
        QCOMPARE(m_msgs->lastText(), Msg::accessText());
        QCOMPARE(card().txtCognome->text(), QStringLiteral("Rossi"));
    }

    // Duplicate has already cleared what it clears when it finds the register closed to it.
    card().lblPosizione->setText(QStringLiteral("4"));
    card().txtOraEnt->setText(QStringLiteral("14:00"));
    m_msgs->clear();
    click(card().cmdDuplica);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastText(), Msg::accessText());
    QCOMPARE(card().txtDataEnt->text(), QString());
    QCOMPARE(card().txtOraEnt->text(), QString());
    QCOMPARE(card().lblPosizione->text(), QString());
    QCOMPARE(card().txtCognome->text(), QStringLiteral("Rossi"));
}

void TestRegistro::scrollingRules()
{
    // An empty register: First, Last and Next tell so; so does Previous on a new card.
    for (QToolButton *b : {card().cmdPrimo, card().cmdUltimo, card().cmdAvanti, card().cmdIndietro}) {
        m_msgs->clear();
        click(b);
        QCOMPARE(m_msgs->count(), 1);
        QCOMPARE(m_msgs->lastKind(), Msg::Kind::Information);
        QCOMPARE(m_msgs->lastText(), kEmpty);
    }
    QVERIFY(QFile::exists(m_dir->file(QStringLiteral("Registro.pro"))));

    writeRegister(*m_dir, 3);
    m_msgs->clear();
    auto step = [&](QToolButton *b, const QString &label) {
        click(b);
        QCOMPARE(card().lblPosizione->text(), label);
        if (!label.isEmpty())
            QCOMPARE(card().txtCognome->text(), QStringLiteral("Ospite ") + label);
    };
    step(card().cmdAvanti, QStringLiteral("1")); // from a new card Next shows the first
    step(card().cmdAvanti, QStringLiteral("2"));
    step(card().cmdUltimo, QStringLiteral("3"));
    step(card().cmdAvanti, QStringLiteral("3")); // the last goes nowhere
    step(card().cmdIndietro, QStringLiteral("2"));
    step(card().cmdPrimo, QStringLiteral("1"));
    step(card().cmdIndietro, QStringLiteral("1")); // nor does the first
    click(card().cmdNuovo);
    step(card().cmdIndietro, QStringLiteral("1")); // from a new card Previous shows the first too
    QCOMPARE(m_msgs->count(), 0);
}

void TestRegistro::previousOnOneDoesNothingEvenOnAnEmptyRegister()
{
    card().lblPosizione->setText(QStringLiteral("1"));
    card().txtCognome->setText(QStringLiteral("Resta"));
    click(card().cmdIndietro);
    QCOMPARE(m_msgs->count(), 0);
    QCOMPARE(card().lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(card().txtCognome->text(), QStringLiteral("Resta"));
    // It does not even open the register.
    QVERIFY(!QFile::exists(m_dir->file(QStringLiteral("Registro.pro"))));
}

void TestRegistro::showBookingAtFillsTheCard()
{
    TVisita full;
    for (const auto &b : VisitaField::textFields())
        full.set(b.field, QStringLiteral(" ") + b.control.mid(3).left(b.field.capacity - 1));
    full.set(VisitaField::Sesso, QStringLiteral("X"));
    full.setDisdetta(true);
    TVisita odd = booking(QStringLiteral("Strano"));
    odd.set(VisitaField::Disdetta, QStringLiteral("Forse"));
    m_dir->write(QStringLiteral("Registro.pro"), bytes(booking(QStringLiteral("Primo"))) + bytes(full) + bytes(odd));

    QVERIFY(card().ShowBookingAt(2));
    for (const auto &b : VisitaField::textFields())
        if (b.control != QStringLiteral("txtSesso"))
            QCOMPARE(card().controlText(b.control), b.control.mid(3).left(b.field.capacity - 1));
    QCOMPARE(card().txtSesso->currentText(), QStringLiteral("X"));
    QVERIFY(card().chkDisdetta->isChecked());
    QCOMPARE(card().controlText(QStringLiteral("lblPosizione")), QStringLiteral("2"));

    // A flag that is neither "Sì" nor "No" leaves the box as it was.
    QVERIFY(card().ShowBookingAt(3));
    QVERIFY(card().chkDisdetta->isChecked());
    QVERIFY(card().ShowBookingAt(1));
    QVERIFY(!card().chkDisdetta->isChecked());
    QCOMPARE(card().txtSesso->currentText(), QString());
    QVERIFY(card().ShowBookingAt(3));
    QVERIFY(!card().chkDisdetta->isChecked());
    QCOMPARE(m_msgs->count(), 0);
}

void TestRegistro::duplicateThenSaveAppends()
{
    click(card().cmdDuplica);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Warning);
    QCOMPARE(m_msgs->lastText(), QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                                                "che questa è stata inserita in archivio."));

    TVisita first = booking(QStringLiteral("Rossi"));
    first.set(VisitaField::OraEnt, QStringLiteral("14:00"));
    first.set(VisitaField::OraUsc, QStringLiteral("10:00"));
    first.set(VisitaField::Camera, QStringLiteral("12"));
    first.set(VisitaField::Tariffa, QStringLiteral("80 euro"));
    first.set(VisitaField::CodTipo, QStringLiteral("16"));
    first.setDisdetta(true);
    m_dir->write(QStringLiteral("Registro.pro"), bytes(first));
    QVERIFY(card().ShowBookingAt(1));
    m_msgs->clear();
    click(card().cmdDuplica);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Information);
    QCOMPARE(m_msgs->lastText(),
             QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                            "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
    for (QLineEdit *e : {card().txtDataEnt, card().txtOraEnt, card().txtDataUsc, card().txtOraUsc})
        QCOMPARE(e->text(), QString());
    QVERIFY(!card().chkDisdetta->isChecked());
    QCOMPARE(card().lblPosizione->text(), QString());
    QCOMPARE(card().txtCognome->text(), QStringLiteral("Rossi"));
    QCOMPARE(card().txtCamera->text(), QStringLiteral("12"));
    QCOMPARE(card().txtTariffa->text(), QStringLiteral("80 euro"));
    QCOMPARE(card().txtCodTipo->text(), QStringLiteral("16"));
    QCOMPARE(QApplication::focusWidget(), card().txtDataEnt);

    card().txtDataEnt->setText(QStringLiteral("01/09/2024"));
    card().txtDataUsc->setText(QStringLiteral("05/09/2024"));
    click(card().cmdSalva);
    QCOMPARE(m_msgs->lastText(), kAppended);
    QCOMPARE(card().lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(recordAt(*m_dir, 1).bytes, first.bytes);
    const TVisita second = recordAt(*m_dir, 2);
    QCOMPARE(second.get(VisitaField::DataEnt), QStringLiteral("01/09/2024"));
    QCOMPARE(second.get(VisitaField::OraEnt), QString());
    QCOMPARE(second.get(VisitaField::Camera), QStringLiteral("12"));
    QCOMPARE(second.disdetta(), std::optional<bool>(false));
}

void TestRegistro::newClearsEverything()
{
    for (const auto &b : VisitaField::textFields())
        card().setControlText(b.control, QStringLiteral("1"));
    card().chkDisdetta->setChecked(true);
    card().lblPosizione->setText(QStringLiteral("5"));
    card().txtCognome->setFocus();
    click(card().cmdNuovo);
    for (const auto &b : VisitaField::textFields())
        QCOMPARE(card().controlText(b.control), QString());
    QVERIFY(!card().chkDisdetta->isChecked());
    QCOMPARE(card().lblPosizione->text(), QString());
    QCOMPARE(QApplication::focusWidget(), card().txtDataEnt);
    QCOMPARE(m_msgs->count(), 0);

    // Showing the screen again starts from a cleared card as well.
    card().txtNome->setText(QStringLiteral("Luca"));
    card().hide();
    card().show();
    QCOMPARE(card().txtNome->text(), QString());
}

void TestRegistro::digitFieldsAndDays()
{
    QLineEdit *adults = card().txtAdulti;
    adults->setFocus();
    QTest::keyClicks(adults, QStringLiteral("a-1 x2"));
    QCOMPARE(adults->text(), QStringLiteral("12"));
    QTest::keyClick(adults, Qt::Key_Backspace);
    QCOMPARE(adults->text(), QStringLiteral("1"));
    QTest::keyClick(adults, Qt::Key_Left);
    QTest::keyClick(adults, Qt::Key_3);
    QCOMPARE(adults->text(), QStringLiteral("31"));
    QTest::keyClick(adults, Qt::Key_Home);
    QTest::keyClick(adults, Qt::Key_Delete);
    QCOMPARE(adults->text(), QStringLiteral("3"));

    QLineEdit *days = card().txtGiorni;
    days->setFocus();
    QTest::keyClicks(days, QStringLiteral("3"));
    QCOMPARE(days->text(), QStringLiteral("3"));
    card().txtCellulare->setFocus();
    QCOMPARE(days->text(), QStringLiteral("03"));
    days->setText(QStringLiteral("12"));
    days->setFocus();
    card().txtCellulare->setFocus();
    QCOMPARE(days->text(), QStringLiteral("12"));
}

void TestRegistro::typingTransformations()
{
    card().txtProvNasc->setFocus();
    QTest::keyClicks(card().txtProvNasc, QStringLiteral("na"));
    QCOMPARE(card().txtProvNasc->text(), QStringLiteral("NA"));

    card().txtNumDoc->setFocus();
    QTest::keyClicks(card().txtNumDoc, QStringLiteral(" ca123 "));
    QCOMPARE(card().txtNumDoc->text(), QStringLiteral("CA123"));

    card().txtEmail->setFocus();
    TestKeys::type(card().txtEmail, QStringLiteral(" Anna@Mail.it "));
    QCOMPARE(card().txtEmail->text(), QStringLiteral("Anna@Mail.it"));
}

void TestRegistro::sexIsChosenWithTheMouseOnly()
{
    QComboBox *sex = card().txtSesso;
    sex->setFocus();
    QTest::keyClick(sex, Qt::Key_Down);
    QTest::keyClicks(sex, QStringLiteral("1) M"));
    QTest::keyClick(sex, Qt::Key_Backspace);
    QCOMPARE(sex->currentText(), QString());
    QCOMPARE(sex->currentIndex(), -1);
    QTest::keyClick(sex, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), card().txtDataNasc);
}

void TestRegistro::pickedFieldsDropTheirCodes()
{
    struct Case {
        QLineEdit *field;
        Qt::Key key;
        QList<QWidget *> emptied;
        QList<QWidget *> kept;
    };
    const QList<Case> cases = {
        // clang-format off
        {card().txtComuneNasc, Qt::Key_Backspace, {card().txtCodComuneNasc, card().txtProvNasc}, {card().txtCodStatoNasc}},
        {card().txtProvNasc, Qt::Key_Delete, {card().txtCodComuneNasc}, {card().txtComuneNasc}},
        {card().txtTipo, Qt::Key_Delete, {card().txtCodTipo}, {card().txtCodTipoDoc}},
        {card().txtStatoNasc, Qt::Key_Backspace, {card().txtCodStatoNasc}, {card().txtCodCittadinanza}},
        {card().txtTipoDoc, Qt::Key_Backspace, {card().txtCodTipoDoc}, {card().txtCodTipo}},
        {card().txtLuogoRil, Qt::Key_Backspace, {card().txtCodLuogoRil}, {card().txtCodComuneNasc}},
        {card().txtCittadinanza, Qt::Key_Backspace, {card().txtCodCittadinanza}, {card().txtCodLuogoRil}},
        // clang-format on
    };
    for (const Case &c : cases) {
        for (const auto &b : VisitaField::textFields())
            card().setControlText(b.control, QStringLiteral("NA"));
        c.field->setFocus();
        c.field->end(false);
        QTest::keyClick(c.field, c.key);
        const char *name = qPrintable(c.field->objectName());
        for (QWidget *w : c.emptied)
            QVERIFY2(card().controlText(w->objectName()).isEmpty(), name);
        for (QWidget *w : c.kept)
            QVERIFY2(!card().controlText(w->objectName()).isEmpty(), name);
    }
    // Other keys leave the code alone.
    card().txtCodTipo->setText(QStringLiteral("16"));
    card().txtTipo->setFocus();
    QTest::keyClicks(card().txtTipo, QStringLiteral("x"));
    QCOMPARE(card().txtCodTipo->text(), QStringLiteral("16"));
}

void TestRegistro::dateFieldsOpenThePicker()
{
    card().txtDataEnt->setText(QStringLiteral("10/08/2024"));
    card().txtDataEnt->setFocus();
    QTest::keyClick(card().txtDataEnt, Qt::Key_Backspace);
    QCOMPARE(card().txtDataEnt->text(), QString());

    Clock::setFixed(QDateTime(QDate(2025, 3, 5), QTime(9, 7)));
    struct Case {
        QLineEdit *field;
        Qt::Key key;
        QString marker;
    };
    for (const Case &c : {Case{card().txtDataEnt, Qt::Key_X, QStringLiteral("dataent")},
                          Case{card().txtDataUsc, Qt::Key_Return, QStringLiteral("datausc")},
                          Case{card().txtDataUsc, Qt::Key_5, QStringLiteral("datausc")}}) {
        QString seenMarker;
        QDate seenDate;
        whenModalOpens([&](QWidget *m) {
            auto *cal = qobject_cast<TfrmCalendario *>(m);
            if (!cal) {
                m->close();
                return;
            }
            seenMarker = cal->memory();
            seenDate = cal->calAppuntamenti->selectedDate();
            cal->calAppuntamenti->setSelectedDate(QDate(2025, 4, 2));
            QTest::mouseClick(cal->btnImportaData, Qt::LeftButton);
        });
        c.field->clear();
        c.field->setFocus();
        QTest::keyClick(c.field, c.key);
        QCOMPARE(seenMarker, c.marker);
        QCOMPARE(seenDate, QDate(2025, 3, 5));
        QCOMPARE(c.field->text(), QStringLiteral("02/04/2025"));
    }
    // Tab is not a key for the picker: it moves on.
    card().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&card()));
    card().txtDataEnt->setFocus();
    QTest::keyClick(card().txtDataEnt, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), card().txtOraEnt);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestRegistro::pickerWritesByMarker()
{
    auto pick = [&](const QString &marker, QPushButton *TfrmCalendario::*button) {
        TfrmCalendario cal(&card());
        cal.setMemory(marker);
        cal.calAppuntamenti->setSelectedDate(QDate(2024, 12, 31));
        cal.show();
        QTest::mouseClick(cal.*button, Qt::LeftButton);
        return cal.isVisible();
    };
    QVERIFY(!pick(QStringLiteral("dataent"), &TfrmCalendario::btnImportaData));
    QCOMPARE(card().txtDataEnt->text(), QStringLiteral("31/12/2024"));
    QCOMPARE(card().txtDataUsc->text(), QString());
    QVERIFY(!pick(QStringLiteral("datausc"), &TfrmCalendario::btnImportaData));
    QCOMPARE(card().txtDataUsc->text(), QStringLiteral("31/12/2024"));

    card().txtDataEnt->clear();
    card().txtDataUsc->clear();
    // Any other marker: Importa does nothing and the picker stays; Annulla closes without writing.
    QVERIFY(pick(QStringLiteral("registro"), &TfrmCalendario::btnImportaData));
    QVERIFY(!pick(QStringLiteral("dataent"), &TfrmCalendario::btnAnnulla));
    QCOMPARE(card().txtDataEnt->text(), QString());
    QCOMPARE(card().txtDataUsc->text(), QString());

    TfrmCalendario cal(&card());
    QCOMPARE(cal.windowTitle(), QStringLiteral(" Importazione data"));
    QCOMPARE(cal.calAppuntamenti->locale().language(), QLocale::Italian);
    QCOMPARE(cal.btnImportaData->text(), QStringLiteral("Importa"));
    QCOMPARE(cal.btnAnnulla->text(), QStringLiteral("Annulla"));
}

void TestRegistro::enterChainAndTabOrder()
{
    auto &c = card();
    const QList<QWidget *> enter = {c.txtOraEnt,    c.txtCamera,     c.txtAdulti,       c.txtBambini,   c.txtGiorni,
                                    c.txtCellulare, c.txtCognome,    c.txtNome,         c.txtTipo,      c.txtSesso,
                                    c.txtDataNasc,  c.txtComuneNasc, c.txtProvNasc,     c.txtStatoNasc, c.txtTipoDoc,
                                    c.txtNumDoc,    c.txtLuogoRil,   c.txtCittadinanza, c.txtEmail,     c.txtDataUsc};
    enter.first()->setFocus();
    for (int i = 1; i < enter.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), enter[i]);
    }
    c.txtOraUsc->setFocus();
    for (QWidget *next : {static_cast<QWidget *>(c.txtTariffa), static_cast<QWidget *>(c.txtSupplementi),
                          static_cast<QWidget *>(c.txtDataEnt)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    const QList<QWidget *> tabs = QList<QWidget *>{c.txtDataEnt} + enter
                                  + QList<QWidget *>{c.txtOraUsc, c.txtTariffa, c.txtSupplementi, c.chkDisdetta};
    c.txtDataEnt->setFocus();
    for (int i = 1; i < tabs.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tabs[i]);
    }
}

void TestRegistro::todayAndNowButtons()
{
    Clock::setFixed(QDateTime(QDate(2025, 3, 5), QTime(9, 7, 44)));
    click(card().impDataEnt);
    click(card().impDataUsc);
    click(card().impOraEnt);
    click(card().impOraUscita);
    QCOMPARE(card().txtDataEnt->text(), QStringLiteral("05/03/2025"));
    QCOMPARE(card().txtDataUsc->text(), QStringLiteral("05/03/2025"));
    QCOMPARE(card().txtOraEnt->text(), QStringLiteral("09:07"));
    QCOMPARE(card().txtOraUsc->text(), QStringLiteral("09:07"));
    click(card().icoDisdetta);
    QVERIFY(card().chkDisdetta->isChecked());
    click(card().icoDisdetta);
    QVERIFY(!card().chkDisdetta->isChecked());
}

void TestRegistro::hintsAndFocusMarks()
{
    // Before the mouse has been anywhere (showing the card may already have entered a control).
    QCOMPARE(TfrmRegistro().panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const QList<QPair<QWidget *, QString>> hints = {
        // clang-format off
        {card().cmdDuplica, QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.")},
        {card().cmdNonUsciti, QStringLiteral("Visualizza l'elenco dei clienti in arrivo da domani in poi.")},
        {card().cmdInvia, QStringLiteral("Invia al cliente una e-mail di conferma prenotazione.")},
        {card().impOraUscita, QStringLiteral("Inserisci l'ora corrente.")},
        {card().txtDataUsc, QStringLiteral("Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.")},
        {card().txtProvNasc, QStringLiteral("Servirsi del pulsante a lato per compilare il campo.")},
        {card().txtLuogoRil, QStringLiteral("Servirsi dei pulsanti a lato per compilare il campo.")},
        {card().icoDisdetta, QStringLiteral("Spunta la casella in caso di disdetta della prenotazione.")},
        {card().findChild<QWidget *>(QStringLiteral("panScheda")), QString()},
        // clang-format on
    };
    for (const auto &[w, hint] : hints) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(w, &enter);
        QCOMPARE(card().panInfo->text(), hint);
    }

    auto visible = [&](const char *name) { return card().findChild<QFrame *>(QLatin1String(name))->isVisible(); };
    card().txtLuogoRil->setFocus();
    QVERIFY(visible("effLuogoRil"));
    QVERIFY(visible("freComuneLuogoRil"));
    QVERIFY(visible("freStatoLuogoRil"));
    card().txtProvNasc->setFocus();
    QVERIFY(!visible("effLuogoRil"));
    QVERIFY(!visible("freStatoLuogoRil"));
    QVERIFY(visible("effProvNasc"));
    QVERIFY(visible("freComuneNasc"));
    card().txtCamera->setFocus();
    QVERIFY(visible("effCamera"));
    QVERIFY(!visible("freComuneNasc"));
}

void TestRegistro::confirmationEmail()
{
    ShellRecorder shell;
    card().txtNome->setText(QStringLiteral("Mario"));
    click(card().cmdInvia);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Warning);
    QVERIFY(m_msgs->lastText().contains(QStringLiteral("indirizzo di posta elettronica")));
    QCOMPARE(QApplication::focusWidget(), card().txtEmail);

    card().txtEmail->setText(QStringLiteral(" mario@example.it"));
    click(card().cmdInvia);
    QVERIFY(m_msgs->lastText().contains(QStringLiteral("il cognome del cliente")));
    QCOMPARE(QApplication::focusWidget(), card().txtCognome);
    QCOMPARE(m_msgs->count(), 2);
    QVERIFY(shell.targets.isEmpty());

    // Unsaved texts go out as they stand; nothing is written.
    card().txtCognome->setText(QStringLiteral("Rossi"));
    card().txtTariffa->setText(QStringLiteral("80 & colazione #1"));
    click(card().cmdInvia);
    QCOMPARE(m_msgs->count(), 2);
    QCOMPARE(shell.targets.size(), 1);
    const QString t = shell.targets.first();
    const QUrl url(t.mid(1, t.size() - 2), QUrl::StrictMode);
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), QStringLiteral("mario@example.it"));
    const QString body = QUrlQuery(url).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    QVERIFY(
        body.startsWith(QStringLiteral("Gentile Cliente, la presente è per confermarle che la sua prenotazione "
                                       "presso la nostra struttura ricettiva, effettuata a nome di Mario Rossi, ")));
    QVERIFY(body.contains(QStringLiteral("la seguente: 80 & colazione #1 (supplementi: ). Per")));
    QVERIFY(!QFile::exists(m_dir->file(QStringLiteral("Registro.pro"))));
}

void TestRegistro::subScreensGetTheirMarkers()
{
    struct Case {
        QToolButton *button;
        const char *screen;
        QString marker;
    };
    auto &c = card();
    const QList<Case> cases = {
        // clang-format off
        {c.cmdTrova, "TfrmTrovaVisite", QStringLiteral("registro")},
        {c.cmdEntratiOggi, "TfrmEntratiOggi", QString()},
        {c.cmdUscitiOggi, "TfrmUscitiOggi", QString()},
        {c.cmdNonUsciti, "TfrmArriviFuturi", QString()},
        {c.cmdStampa, "TfrmStampaVisita", QString()},
        {c.cmdExcel, "TfrmExpVisite", QString()},
        {c.impCliente, "TfrmTrovaClienti", QStringLiteral("registro")},
        {c.impTipo, "TfrmCodici_Tipo", QStringLiteral("registro_tipo")},
        {c.impTipoDoc, "TfrmCodici_Documenti", QStringLiteral("registro_tipodoc")},
        {c.impStatoNasc, "TfrmCodici_Stati", QStringLiteral("registro_statonasc")},
        {c.impCittadinanza, "TfrmCodici_Stati", QStringLiteral("registro_cittadinanza")},
        {c.impStatoLuogoRil, "TfrmCodici_Stati", QStringLiteral("registro_luogoril")},
        {c.impComuneNasc, "TfrmCodici_Comuni", QStringLiteral("registro_comunenasc")},
        {c.impComuneLuogoRil, "TfrmCodici_Comuni", QStringLiteral("registro_luogoril")},
        {c.cmdGuida, "TfrmGuida", QString()},
        // clang-format on
    };
    for (const Case &k : cases) {
        QString screen, marker, title;
        QWidget *owner = nullptr;
        whenModalOpens([&](QWidget *m) {
            screen = QString::fromLatin1(m->metaObject()->className());
            owner = m->parentWidget();
            if (auto *d = qobject_cast<TDialog *>(m))
                marker = d->memory();
            if (auto *g = qobject_cast<TfrmGuida *>(m))
                title = g->lblTitolo->text();
            m->close();
        });
        click(k.button);
        QCOMPARE(screen, QString::fromLatin1(k.screen));
        QCOMPARE(marker, k.marker.isNull() ? QString() : k.marker);
        QCOMPARE(owner, &card());
        if (screen == QStringLiteral("TfrmGuida"))
            QCOMPARE(title, QStringLiteral("Applicazione Registro arrivi e partenze."));
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void TestRegistro::longNamesShowWhole()
{
    // Names the front desk meets every day fit their fields at the card's fixed size.
    card().show();
    QVERIFY(QTest::qWaitForWindowExposed(m_card.get()));
    const QList<QPair<QLineEdit *, QString>> cases = {
        {card().txtComuneNasc, QStringLiteral("CASTEL SAN PIETRO ROMANO")},
        {card().txtStatoNasc, QStringLiteral("STATI UNITI D'AMERICA")},
        {card().txtCognome, QStringLiteral("DELLA ROVERE DI MONTEFELTRO")},
    };
    for (const auto &[field, text] : cases) {
        field->setText(text);
        QVERIFY2(field->fontMetrics().horizontalAdvance(text) <= field->width() - 8, qPrintable(field->objectName()));
    }
}

QTEST_MAIN(TestRegistro)
#include "tst_registro.moc"
