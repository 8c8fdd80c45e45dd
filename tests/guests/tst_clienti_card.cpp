#include "app/Screens.h"
#include "base/RecordFile.h"
#include "billing/BillPanel.h"
#include "checks/CodFisc.h"
#include "checks/PartitaIva.h"
#include "guests/Cliente.h"
#include "guests/Clienti.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

// The guest card driven as the operator drives it: typing, clicking, answering messages.
class TestClientiCard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveNeedsSurnameAndName_data();
    void saveNeedsSurnameAndName();
    void saveAppendsThenOverwrites();
    void savedBytes();
    void scrolling_data();
    void scrolling();
    void nextOnEmptyArchiveKeepsTheTypedCard();
    void loadAndNew();
    void loadClampsOverlongLength();
    void accessFailureKeepsTheScreen();
    void enterChainAndTabOrder();
    void typingRules();
    void focusFramesAndHints();
    void emailButton();
    void taxCodeButtonChoosesTheCheck_data();
    void taxCodeButtonChoosesTheCheck();
    void folderNeedsASavedCard();

private:
    void fill(const QString &surname, const QString &name);
    void writeCards(int n);
    TempProgramFolder *dir = nullptr;
    MessageRecorder *msgs = nullptr;
    TfrmClienti *card = nullptr;
};

void TestClientiCard::init()
{
    dir = new TempProgramFolder;
    msgs = new MessageRecorder;
    card = new TfrmClienti;
    card->show();
    QVERIFY(QTest::qWaitForWindowExposed(card));
}

void TestClientiCard::cleanup()
{
    delete card;
    delete msgs;
    delete dir;
}

void TestClientiCard::fill(const QString &surname, const QString &name)
{
    card->txtCognome->clear();
    card->txtNome->clear();
    TestKeys::type(card->txtCognome, surname);
    TestKeys::type(card->txtNome, name);
}

void TestClientiCard::writeCards(int n)
{
    RecordFile f(clientiPath(), TCliente::Size);
    f.open();
    for (int i = 1; i <= n; ++i) {
        TCliente r;
        r.set(ClienteField::Cognome, QStringLiteral("Cognome%1").arg(i));
        r.set(ClienteField::Nome, QStringLiteral("Nome%1").arg(i));
        r.setSegnala(i == 2);
        f.append(r.bytes.data());
    }
}

void TestClientiCard::saveNeedsSurnameAndName_data()
{
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    // clang-format off
    QTest::newRow("no surname") << QString() << QStringLiteral("Mario")
                                << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il cognome del cliente.")
                                << QStringLiteral("txtCognome");
    QTest::newRow("blank surname") << QStringLiteral("   ") << QStringLiteral("Mario")
                                   << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il cognome del cliente.")
                                   << QStringLiteral("txtCognome");
    QTest::newRow("blank name") << QStringLiteral("Rossi") << QStringLiteral("  ")
                                << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.")
                                << QStringLiteral("txtNome");
    // clang-format on
}

void TestClientiCard::saveNeedsSurnameAndName()
{
    QFETCH(QString, surname);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    fill(surname, name);
    card->txtVia->setFocus();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QCOMPARE(msgs->count(), 1);
    QCOMPARE(msgs->lastKind(), Msg::Kind::Warning);
    QCOMPARE(msgs->lastText(), message);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!QFile::exists(clientiPath()));
    QCOMPARE(card->lblPosizione->text(), QString());
}

void TestClientiCard::saveAppendsThenOverwrites()
{
    writeCards(2);
    fill(QStringLiteral("Verdi"), QStringLiteral("Anna"));
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QCOMPARE(msgs->lastKind(), Msg::Kind::Information);
    QCOMPARE(msgs->lastText(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(card->lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(QFileInfo(clientiPath()).size(), 3 * 5844);

    TestKeys::type(card->txtNote, QStringLiteral("camera vista mare"));
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QCOMPARE(msgs->lastText(),
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(card->lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(QFileInfo(clientiPath()).size(), 3 * 5844);
    const QByteArray all = dir->read(QStringLiteral("Clienti.pro"));
    QCOMPARE(all.mid(2 * 5844 + 1482, 18), QByteArray("\x11"
                                                      "camera vista mare"));
}

void TestClientiCard::savedBytes()
{
    // Missing archive: the save creates it with this one card.
    TestKeys::type(card->txtCognome, QStringLiteral("D'Annunzio-Bianchi della Città Vecchia di Sant'Elpidio a Mare"));
    TestKeys::type(card->txtNome, QStringLiteral("  Niccolò"));
    card->txtSesso->setEditText(QStringLiteral("1) M"));
    TestKeys::type(card->txtProvNasc, QStringLiteral("rm"));
    TestKeys::type(card->txtNote, QStringLiteral("Acconto 50 € ricevuto"));
    TestKeys::type(card->txtServizi, QStringLiteral("Łódź"));
    card->txtCodTipo->setText(QStringLiteral("16"));
    card->lblFile02->setText(QStringLiteral("passaporto.pdf"));
    card->conto->txtDesc[29]->setText(QStringLiteral("Minibar"));
    card->conto->txtPrezzo[29]->setText(QStringLiteral("7,50"));
    card->conto->txtAcconto->setText(QStringLiteral("100,00"));
    QTest::mouseClick(card->chkSegnala, Qt::LeftButton);
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));

    const QByteArray r = dir->read(QStringLiteral("Clienti.pro"));
    QCOMPARE(r.size(), 5844);
    // The surname typed is cut at 50 characters by the field itself and stored whole.
    QCOMPARE(r.mid(0, 51), QByteArray("\x32"
                                      "D'Annunzio-Bianchi della Citt\xE0 Vecchia di Sant'Elp"));
    QCOMPARE(r.mid(51, 8), QByteArray("\x07Niccol\xF2"));
    QCOMPARE(r.mid(59, 23), QByteArray(23, '\0'));
    QCOMPARE(r.mid(82, 5), QByteArray("\x04"
                                      "1) M"));
    QCOMPARE(r.mid(87, 2), QByteArray("\0\0", 2));
    QCOMPARE(r.mid(157, 3), QByteArray("\x02"
                                       "16"));
    QCOMPARE(r.mid(222, 3), QByteArray("\x02RM"));
    QCOMPARE(r.mid(1231, 5), QByteArray("\x04?\xF3"
                                        "d?"));
    QCOMPARE(r.mid(1482, 22), QByteArray("\x15"
                                         "Acconto 50 \x80 ricevuto"));
    QCOMPARE(r.mid(1984, 7), QByteArray("\x06"
                                        "100,00"));
    QCOMPARE(r.mid(1995, 3), QByteArray("\x02\x53\xEC"));
    QCOMPARE(r.mid(3952, 8), QByteArray("\x07Minibar"));
    QCOMPARE(r.mid(4327, 5), QByteArray("\x04"
                                        "7,50"));
    QCOMPARE(r.mid(4589, 15), QByteArray("\x0Epassaporto.pdf"));

    // Unticked, the flag is written as "No".
    QTest::mouseClick(card->chkSegnala, Qt::LeftButton);
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QCOMPARE(dir->read(QStringLiteral("Clienti.pro")).mid(1995, 3), QByteArray("\x02\x4E\x6F"));
}

void TestClientiCard::scrolling_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("after"); // position label afterwards
    QTest::addColumn<bool>("emptyMessage");
    const QString F = QStringLiteral("cmdPrimo"), L = QStringLiteral("cmdUltimo"), N = QStringLiteral("cmdAvanti"),
                  P = QStringLiteral("cmdIndietro");
    for (const QString &b : {F, L, P})
        // clang-format off
        QTest::newRow(qPrintable(b + QStringLiteral(" empty"))) << 0 << QString() << b << QString() << true;
    QTest::newRow("next empty") << 0 << QString() << N << QString() << true;
    QTest::newRow("first new") << 3 << QString() << F << QStringLiteral("1") << false;
    QTest::newRow("first on 2") << 3 << QStringLiteral("2") << F << QStringLiteral("1") << false;
    QTest::newRow("last new") << 3 << QString() << L << QStringLiteral("3") << false;
    QTest::newRow("last on 1") << 3 << QStringLiteral("1") << L << QStringLiteral("3") << false;
    QTest::newRow("next new shows 1") << 3 << QString() << N << QStringLiteral("1") << false;
    QTest::newRow("next on 1") << 3 << QStringLiteral("1") << N << QStringLiteral("2") << false;
    QTest::newRow("next on last") << 3 << QStringLiteral("3") << N << QStringLiteral("3") << false;
    QTest::newRow("previous new shows 1") << 3 << QString() << P << QStringLiteral("1") << false;
    QTest::newRow("previous on 3") << 3 << QStringLiteral("3") << P << QStringLiteral("2") << false;
    QTest::newRow("previous on 1") << 3 << QStringLiteral("1") << P << QStringLiteral("1") << false;
    // clang-format on
    // Previous on card 1 looks at nothing, so even an empty archive says nothing.
    QTest::newRow("previous on 1, empty") << 0 << QStringLiteral("1") << P << QStringLiteral("1") << false;
}

void TestClientiCard::scrolling()
{
    QFETCH(int, cards);
    QFETCH(QString, position);
    QFETCH(QString, button);
    QFETCH(QString, after);
    QFETCH(bool, emptyMessage);
    if (cards)
        writeCards(cards);
    if (!position.isEmpty()) {
        if (cards)
            QVERIFY(card->ShowGuestAt(position.toInt()));
        else
            card->lblPosizione->setText(position);
    }
    const QString shownBefore = card->txtCognome->text();
    QTest::mouseClick(card->findChild<QToolButton *>(button), Qt::LeftButton);
    QCOMPARE(card->lblPosizione->text(), after);
    QCOMPARE(msgs->count(), emptyMessage ? 1 : 0);
    if (emptyMessage) {
        QCOMPARE(msgs->lastKind(), Msg::Kind::Information);
        QCOMPARE(msgs->lastText(), QStringLiteral("L'archivio non contiene nessuna scheda."));
    }
    if (!after.isEmpty() && cards)
        QCOMPARE(card->txtCognome->text(), QStringLiteral("Cognome") + after);
    else
        QCOMPARE(card->txtCognome->text(), shownBefore);
    // Scrolling creates a missing archive, empty; Previous on card 1 does not even open it.
    QCOMPARE(QFile::exists(clientiPath()), cards > 0 || position != QStringLiteral("1"));
}

void TestClientiCard::nextOnEmptyArchiveKeepsTheTypedCard()
{
    fill(QStringLiteral("Rossi"), QStringLiteral("Mario"));
    card->lblPosizione->setText(QStringLiteral("4"));
    QTest::mouseClick(card->cmdAvanti, Qt::LeftButton);
    QCOMPARE(card->lblPosizione->text(), QString());
    QCOMPARE(card->txtCognome->text(), QStringLiteral("Rossi"));
    QCOMPARE(msgs->lastText(), QStringLiteral("L'archivio non contiene nessuna scheda."));
    // Now a new card: Save appends it.
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
}

void TestClientiCard::loadAndNew()
{
    writeCards(3);
    // Card 3 holds neither "Sì" nor "No" in its flag: the box keeps its state.
    {
        RecordFile f(clientiPath(), TCliente::Size);
        f.open();
        TCliente r;
        f.read(3, r.bytes.data());
        r.set(ClienteField::Segnala, QStringLiteral("?"));
        f.overwrite(3, r.bytes.data());
    }
    QVERIFY(card->ShowGuestAt(2));
    QVERIFY(card->chkSegnala->isChecked());
    QCOMPARE(card->conto->txtCliente->text(), QStringLiteral("Conto del cliente Nome2 Cognome2"));
    QCOMPARE(card->conto->txtTotale->text(), QStringLiteral("---"));
    QVERIFY(card->ShowGuestAt(3));
    QVERIFY(card->chkSegnala->isChecked());
    QVERIFY(card->ShowGuestAt(1));
    QVERIFY(!card->chkSegnala->isChecked());
    QVERIFY(card->ShowGuestAt(2));

    card->txtTipologia->setEditText(QStringLiteral("Doppia"));
    card->txtCodTipo->setText(QStringLiteral("17"));
    card->conto->txtData[4]->setText(QStringLiteral("01/08/2026"));
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    QVERIFY(!card->chkSegnala->isChecked());
    QCOMPARE(card->lblPosizione->text(), QString());
    QCOMPARE(card->txtCognome->text(), QString());
    QCOMPARE(card->txtTipologia->currentText(), QString());
    QCOMPARE(card->txtCodTipo->text(), QString());
    QCOMPARE(card->conto->txtData[4]->text(), QString());
    QVERIFY(!card->conto->isOpen());
    QCOMPARE(QApplication::focusWidget(), card->txtCognome);
    QCOMPARE(msgs->count(), 0);
}

void TestClientiCard::loadClampsOverlongLength()
{
    QByteArray rec(5844, '\0');
    rec[0] = char(255);
    for (int i = 1; i <= 50; ++i)
        rec[i] = 'A';
    rec[51] = 4;
    rec.replace(52, 4, "Ugo ");
    dir->write(QStringLiteral("Clienti.pro"), rec + QByteArray("torn tail"));
    QVERIFY(card->ShowGuestAt(1));
    QCOMPARE(card->txtCognome->text(), QString(50, u'A'));
    QCOMPARE(card->txtNome->text(), QStringLiteral("Ugo"));
    // The torn tail is not a card: Last stays on 1.
    QTest::mouseClick(card->cmdUltimo, Qt::LeftButton);
    QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
}

void TestClientiCard::accessFailureKeepsTheScreen()
{
    // A folder where the archive should be: it can be neither opened nor created.
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Clienti.pro")));
    fill(QStringLiteral("Rossi"), QStringLiteral("Mario"));
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QCOMPARE(msgs->lastKind(), Msg::Kind::Error);
    QCOMPARE(msgs->lastText(), QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                              "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                              "installazione del programma."));
    QCOMPARE(card->lblPosizione->text(), QString());
    QCOMPARE(card->txtCognome->text(), QStringLiteral("Rossi"));
    for (QToolButton *b : {card->cmdPrimo, card->cmdUltimo, card->cmdAvanti, card->cmdIndietro}) {
        msgs->clear();
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(msgs->count(), 1);
        QCOMPARE(msgs->lastKind(), Msg::Kind::Error);
        QCOMPARE(card->txtNome->text(), QStringLiteral("Mario"));
    }
}

void TestClientiCard::enterChainAndTabOrder()
{
    const QStringList chain = {
        // clang-format off
        "txtCognome", "txtNome", "txtSesso", "txtCodFisc", "txtTipo", "txtDataNasc", "txtComuneNasc", "txtProvNasc",
        "txtStatoNasc", "txtCittadinanza", "txtVia", "txtCap", "txtComuneRes", "txtProvRes", "txtIva", "txtTipoDoc",
        "txtNumDoc", "txtLuogoRil", "txtDataRil", "txtDataSca", "txtTelCasa", "txtTelUff", "txtCellulare", "txtFax",
        "txtEmail", "txtCarta", "txtScadeCarta", "txtIban", "txtIntestatario", "txtTariffa", "txtTipologia",
        // clang-format on
        "txtFormula", "txtSupplementi", "txtServizi", "txtNote", "txtQuestioni", "txtCognome"};
    card->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(card));
    card->txtCognome->setFocus();
    auto focusedName = [] {
        QWidget *f = QApplication::focusWidget();
        // An editable drop-down's line edit stands for the drop-down.
        if (f && qobject_cast<QComboBox *>(f->parentWidget()))
            f = f->parentWidget();
        return f ? f->objectName() : QString();
    };
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(focusedName(), chain[i]);
    }
    // Tab follows the same chain, then the flag and the bill button.
    card->txtNote->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("txtQuestioni"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("chkSegnala"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("btnConto"));
    QCOMPARE(msgs->count(), 0);
}

void TestClientiCard::typingRules()
{
    TestKeys::type(card->txtProvNasc, QStringLiteral("rm"));
    QCOMPARE(card->txtProvNasc->text(), QStringLiteral("RM"));
    TestKeys::type(card->txtProvRes, QStringLiteral(" mi"));
    QCOMPARE(card->txtProvRes->text(), QStringLiteral("MI"));
    TestKeys::type(card->txtIban, QStringLiteral("it60x0542811101000000123456 "));
    QCOMPARE(card->txtIban->text(), QStringLiteral("IT60X0542811101000000123456"));
    TestKeys::type(card->txtCodFisc, QStringLiteral("rssmra80a01h501u"));
    QCOMPARE(card->txtCodFisc->text(), QStringLiteral("RSSMRA80A01H501U"));
    TestKeys::type(card->txtEmail, QStringLiteral(" ospite@esempio.it "));
    QCOMPARE(card->txtEmail->text(), QStringLiteral("ospite@esempio.it"));
    // Every field stops at its record capacity.
    const struct {
        QLineEdit *e;
        int cap;
    } caps[] = {{card->txtCognome, 50},    {card->txtNome, 30},           {card->txtCap, 5},
                {card->txtIva, 11},        {card->txtIban, 27},           {card->txtIntestatario, 120},
                {card->txtQuestioni, 250}, {card->conto->txtDesc[0], 55}, {card->conto->txtAcconto, 10}};
    for (const auto &c : caps)
        QCOMPARE(c.e->maxLength(), c.cap);
    QCOMPARE(card->txtSesso->lineEdit()->maxLength(), 4);
}

void TestClientiCard::focusFramesAndHints()
{
    card->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(card));
    auto frame = [this](const char *name) { return card->findChild<QFrame *>(QLatin1String(name)); };
    QVERIFY(frame("effCognome") && frame("effLuogoRil") && frame("freStatoLuogoRil"));
    card->txtCognome->setFocus();
    QVERIFY(frame("effCognome")->isVisible());
    card->txtProvNasc->setFocus();
    QVERIFY(!frame("effCognome")->isVisible());
    QVERIFY(frame("effProvNasc")->isVisible());
    QVERIFY(frame("freComuneNasc")->isVisible());
    card->txtLuogoRil->setFocus();
    QVERIFY(!frame("freComuneNasc")->isVisible());
    QVERIFY(frame("freComuneLuogoRil")->isVisible());
    QVERIFY(frame("freStatoLuogoRil")->isVisible());

    TfrmClienti fresh;
    QCOMPARE(fresh.panInfo->text(), QStringLiteral("Pronto per salvare una nuova scheda..."));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(card->cmdSalva, &enter);
    QCOMPARE(card->panInfo->text(), QStringLiteral("Salva la scheda corrente in archivio."));
    QApplication::sendEvent(card->txtLuogoRil, &enter);
    QCOMPARE(card->panInfo->text(), QStringLiteral("Servirsi dei pulsanti a lato per compilare il campo."));
    QApplication::sendEvent(card->icoSegnala, &enter);
    QCOMPARE(card->panInfo->text(),
             QStringLiteral("Spunta la casella per aggiungere la scheda al riepilogo dei clienti segnalati."));
    QApplication::sendEvent(card->findChild<QWidget *>(QStringLiteral("panScheda")), &enter);
    QCOMPARE(card->panInfo->text(), QString());
    // The warning triangle toggles the flag.
    QTest::mouseClick(card->icoSegnala, Qt::LeftButton);
    QVERIFY(card->chkSegnala->isChecked());
}

void TestClientiCard::emailButton()
{
    ShellRecorder shell;
    QTest::mouseClick(card->btnEmail, Qt::LeftButton);
    TestKeys::type(card->txtEmail, QStringLiteral("mario.rossi@esempio.it"));
    QTest::mouseClick(card->btnEmail, Qt::LeftButton);
    QCOMPARE(shell.targets,
             (QStringList{QStringLiteral("\"mailto:\""), QStringLiteral("\"mailto:mario.rossi@esempio.it\"")}));
}

void TestClientiCard::taxCodeButtonChoosesTheCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("field");
    // clang-format off
    QTest::newRow("empty") << QString() << QStringLiteral("frmCodFisc") << QStringLiteral("txtCodFisc");
    QTest::newRow("eleven digits") << QStringLiteral("01234567890") << QStringLiteral("frmPartitaIva")
                                   << QStringLiteral("txtPartitaIva");
    QTest::newRow("tax code") << QStringLiteral("RSSMRA80A01H501U") << QStringLiteral("frmCodFisc")
                              << QStringLiteral("txtCodFisc");
    // clang-format on
}

void TestClientiCard::taxCodeButtonChoosesTheCheck()
{
    QFETCH(QString, typed);
    QFETCH(QString, screen);
    QFETCH(QString, field);
    TestKeys::type(card->txtCodFisc, typed);
    QString openedName, value;
    whenModalOpens([&](QWidget *m) {
        openedName = m->objectName();
        if (auto *e = m->findChild<QLineEdit *>(field))
            value = e->text();
        m->close();
    });
    QTest::mouseClick(card->btnCodFisc, Qt::LeftButton);
    QCOMPARE(openedName, screen);
    QCOMPARE(value, typed);
}

void TestClientiCard::folderNeedsASavedCard()
{
    QTest::mouseClick(card->cmdCartella, Qt::LeftButton);
    QCOMPARE(msgs->lastKind(), Msg::Kind::Warning);
    QCOMPARE(msgs->lastText(), QStringLiteral("Attenzione: l'abbinamento di una cartella ad un cliente può avvenire "
                                              "soltanto dopo che la scheda è stata inserita in archivio."));
}

QTEST_MAIN(TestClientiCard)
#include "tst_clienti_card.moc"
