#include "base/RecordFile.h"
#include "guests/AllegaCartella.h"
#include "guests/Allegati.h"
#include "guests/Cartella.h"
#include "guests/Cliente.h"
#include "guests/Clienti.h"
#include "platform/FileDialog.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

// The guest folder and the attached files, driven from the guest card as the operator does:
// the file dialog answered by its hook, messages by the recorder, files checked byte for byte.
class TestAllegati : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bareNames_data();
    void bareNames();
    void newCardAttachesAndSaves();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void freeingKeepsDescriptionAndFile();
    void annullaKeepsTheCard();
    void cancelledDialogChangesNothing();
    void failedCopies_data();
    void failedCopies();
    void shortWriteKeepsTheFormerFile();
    void folderFileChosenAgainIsKept();
    void nameTheRecordCannotHold_data();
    void nameTheRecordCannotHold();
    void storedNameOutsideTheFolderIsRefused_data();
    void storedNameOutsideTheFolderIsRefused();
    void otherMarkerAppliesNothing();
    void guestFolder();
    void guestFolderThatCannotBeMade();

private:
    // Opens the attachment screen from the card and runs `work` on it while it is shown.
    void onAttachScreen(const std::function<void(TfrmAllegaCartella *)> &work);
    QString source(const QString &name, const QByteArray &bytes);
    QString attached(const QString &name) const { return dir->file(Allegati::FolderName + u'/' + name); }
    QByteArray readFile(const QString &path) const;
    TempProgramFolder *dir = nullptr;
    QTemporaryDir *elsewhere = nullptr;
    MessageRecorder *msgs = nullptr;
    ShellRecorder *shell = nullptr;
    TfrmClienti *card = nullptr;
    QString chosen;
    QStringList captions;
};

namespace {
const QString kOverwrite = QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                                          "stesso nome.\n\r\n\rSi vuole sovrascrivere il file esistente?");
}

void TestAllegati::init()
{
    dir = new TempProgramFolder;
    elsewhere = new QTemporaryDir;
    msgs = new MessageRecorder;
    shell = new ShellRecorder;
    chosen.clear();
    captions.clear();
    FileDialog::setHook([this](const QString &caption) {
        captions << caption;
        return chosen;
    });
    card = new TfrmClienti;
    card->show();
    QVERIFY(QTest::qWaitForWindowExposed(card));
}

void TestAllegati::cleanup()
{
    delete card;
    FileDialog::setHook(nullptr);
    delete shell;
    delete msgs;
    delete elsewhere;
    delete dir;
}

QString TestAllegati::source(const QString &name, const QByteArray &bytes)
{
    const QString path = elsewhere->filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    f.write(bytes);
    return path;
}

QByteArray TestAllegati::readFile(const QString &path) const
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestAllegati::onAttachScreen(const std::function<void(TfrmAllegaCartella *)> &work)
{
    bool seen = false;
    whenModalOpens([&](QWidget *m) {
        auto *d = qobject_cast<TfrmAllegaCartella *>(m);
        QVERIFY(d);
        seen = true;
        QCOMPARE(d->memory(), QStringLiteral("clienti"));
        QCOMPARE(d->windowTitle(), QStringLiteral(" Allega file"));
        work(d);
        // Whatever the case left open is closed, so the test never hangs on the screen.
        if (d->isVisible())
            d->reject();
    });
    QTest::mouseClick(card->cmdFile, Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestAllegati::bareNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bare");
    QTest::newRow("plain") << QStringLiteral("passaporto.pdf") << true;
    QTest::newRow("blanks and accents") << QStringLiteral("Carta d'identità di Niccolò.pdf") << true;
    QTest::newRow("several dots") << QStringLiteral("scan.fronte.retro.2026.jpg") << true;
    QTest::newRow("hidden file") << QStringLiteral(".ricevuta") << true;
    QTest::newRow("no extension") << QStringLiteral("contratto") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("dot") << QStringLiteral(".") << false;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("parent") << QStringLiteral("../Clienti.pro") << false;
    QTest::newRow("parent, backslash") << QStringLiteral("..\\Clienti.pro") << false;
    QTest::newRow("inside a folder") << QStringLiteral("sub/file.pdf") << false;
    QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << false;
    QTest::newRow("drive") << QStringLiteral("C:\\Windows\\win.ini") << false;
    QTest::newRow("drive relative") << QStringLiteral("C:win.ini") << false;
    QTest::newRow("double dot inside") << QStringLiteral("a..b.pdf") << false;
    QTest::newRow("control character") << QStringLiteral("a\nb.pdf") << false;
}

void TestAllegati::bareNames()
{
    QFETCH(QString, name);
    QFETCH(bool, bare);
    QCOMPARE(Allegati::isBareName(name), bare);
}

void TestAllegati::newCardAttachesAndSaves()
{
    const char raw[] = "%PDF-1.4 carta \x00\xFF identit\xE0";
    const QByteArray scan(raw, sizeof raw - 1);
    const QByteArray photo(70000, '\x5A');
    const QString first = source(QStringLiteral("Carta identità Bianchi Giulia.pdf"), scan);
    const QString second = source(QStringLiteral("scan.fronte.retro.jpg"), photo);
    TestKeys::type(card->txtCognome, QStringLiteral("Bianchi"));
    TestKeys::type(card->txtNome, QStringLiteral("Giulia"));

    onAttachScreen([&](TfrmAllegaCartella *d) {
        for (QLineEdit *e : {d->txtFile01, d->txtFile02, d->txtFile03, d->txtDesc01, d->txtDesc02, d->txtDesc03})
            QVERIFY(e->text().isEmpty());
        for (QPushButton *b : {d->btnApri01, d->btnApri02, d->btnApri03})
            QVERIFY(!b->isEnabled());
        QVERIFY(d->txtFile01->isReadOnly());
        chosen = first;
        QTest::mouseClick(d->btnSfoglia01, Qt::LeftButton);
        chosen = second;
        QTest::mouseClick(d->btnSfoglia03, Qt::LeftButton);
        QCOMPARE(d->txtFile01->text(), QStringLiteral("Carta identità Bianchi Giulia.pdf"));
        QCOMPARE(d->txtFile03->text(), QStringLiteral("scan.fronte.retro.jpg"));
        QVERIFY(d->btnApri01->isEnabled());
        QVERIFY(!d->btnApri02->isEnabled());
        QVERIFY(d->btnApri03->isEnabled());
        TestKeys::type(d->txtDesc01, QStringLiteral("  Carta d'identità, fronte e retro "));
        QTest::mouseClick(d->btnApri01, Qt::LeftButton);
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
        QVERIFY(!d->isVisible());
    });
    QCOMPARE(msgs->count(), 0);
    QCOMPARE(captions, QStringList(2, QStringLiteral("Selezionare il file da allegare:")));
    QCOMPARE(shell->targets, QStringList{u'"' + dir->path()
                                         + QStringLiteral("/Documenti_Allegati/Carta identità Bianchi Giulia.pdf\"")});
    QCOMPARE(readFile(attached(QStringLiteral("Carta identità Bianchi Giulia.pdf"))), scan);
    QCOMPARE(readFile(attached(QStringLiteral("scan.fronte.retro.jpg"))), photo);
    QCOMPARE(readFile(first), scan);
    // Kept from other users of the machine.
    QCOMPARE(QFileInfo(dir->file(Allegati::FolderName)).permissions() & 0x0777, QFileDevice::Permissions(0x0770));
    QCOMPARE(QFileInfo(attached(QStringLiteral("scan.fronte.retro.jpg"))).permissions() & 0x0777,
             QFileDevice::Permissions(0x0660));

    QCOMPARE(card->lblFile01->text(), QStringLiteral("Carta identità Bianchi Giulia.pdf"));
    QCOMPARE(card->lblDesc01->text(), QStringLiteral("Carta d'identità, fronte e retro"));
    QCOMPARE(card->lblFile02->text(), QString());
    QCOMPARE(card->lblFile03->text(), QStringLiteral("scan.fronte.retro.jpg"));

    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    const QByteArray r = dir->read(QStringLiteral("Clienti.pro"));
    QCOMPARE(r.size(), TCliente::Size);
    const int f1 = ClienteField::File(1).offset, d1 = ClienteField::DescFile(1).offset;
    QCOMPARE(r.mid(f1, 34), QByteArray("\x21"
                                       "Carta identit\xE0 Bianchi Giulia.pdf"));
    QCOMPARE(r.mid(d1, 33), QByteArray("\x20"
                                       "Carta d'identit\xE0, fronte e retro"));
    QCOMPARE(r.mid(ClienteField::File(2).offset, 2), QByteArray(2, '\0'));
    QCOMPARE(r.mid(ClienteField::File(3).offset, 22), QByteArray("\x15scan.fronte.retro.jpg"));

    // The saved card hands its names back to a fresh screen.
    card->cmdNuovoClick();
    QVERIFY(card->ShowGuestAt(1));
    onAttachScreen([&](TfrmAllegaCartella *d) {
        QCOMPARE(d->txtFile01->text(), QStringLiteral("Carta identità Bianchi Giulia.pdf"));
        QCOMPARE(d->txtDesc01->text(), QStringLiteral("Carta d'identità, fronte e retro"));
        QVERIFY(d->btnApri01->isEnabled());
        QVERIFY(!d->btnApri02->isEnabled());
    });
}

void TestAllegati::overwriteQuestion_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps the folder's file") << false;
    QTest::newRow("Yes replaces it") << true;
}

void TestAllegati::overwriteQuestion()
{
    QFETCH(bool, answer);
    QDir().mkpath(dir->file(Allegati::FolderName));
    dir->write(Allegati::FolderName + QStringLiteral("/ricevuta 12.pdf"), "di un altro cliente");
    const QString newer = source(QStringLiteral("ricevuta 12.pdf"), "nuova ricevuta");
    card->lblFile02->setText(QStringLiteral("vecchia.pdf"));
    msgs->answers = {answer};
    onAttachScreen([&](TfrmAllegaCartella *d) {
        chosen = newer;
        QTest::mouseClick(d->btnSfoglia02, Qt::LeftButton);
        QCOMPARE(d->txtFile02->text(), QStringLiteral("ricevuta 12.pdf"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(msgs->count(), 1);
    QCOMPARE(msgs->lastKind(), Msg::Kind::Question);
    QCOMPARE(msgs->lastText(), kOverwrite);
    QCOMPARE(readFile(attached(QStringLiteral("ricevuta 12.pdf"))),
             answer ? QByteArray("nuova ricevuta") : QByteArray("di un altro cliente"));
    // Either way the slot names the file of that name in the folder.
    QCOMPARE(card->lblFile02->text(), QStringLiteral("ricevuta 12.pdf"));
}

void TestAllegati::freeingKeepsDescriptionAndFile()
{
    QDir().mkpath(dir->file(Allegati::FolderName));
    dir->write(Allegati::FolderName + QStringLiteral("/contratto.pdf"), "firmato");
    TestKeys::type(card->txtCognome, QStringLiteral("Rossi"));
    TestKeys::type(card->txtNome, QStringLiteral("Mario"));
    card->lblFile01->setText(QStringLiteral("contratto.pdf"));
    card->lblDesc01->setText(QStringLiteral("Contratto di soggiorno"));
    onAttachScreen([&](TfrmAllegaCartella *d) {
        QVERIFY(d->btnApri01->isEnabled());
        QTest::mouseClick(d->imgCancella01, Qt::LeftButton);
        QCOMPARE(d->txtFile01->text(), QString());
        QVERIFY(!d->btnApri01->isEnabled());
        QCOMPARE(d->txtDesc01->text(), QStringLiteral("Contratto di soggiorno"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(card->lblFile01->text(), QString());
    QCOMPARE(card->lblDesc01->text(), QStringLiteral("Contratto di soggiorno"));
    QCOMPARE(readFile(attached(QStringLiteral("contratto.pdf"))), QByteArray("firmato"));
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    const QByteArray r = dir->read(QStringLiteral("Clienti.pro"));
    QCOMPARE(r.mid(ClienteField::File(1).offset, 1), QByteArray(1, '\0'));
    QCOMPARE(r.mid(ClienteField::DescFile(1).offset, 23), QByteArray("\x16"
                                                                     "Contratto di soggiorno"));
}

void TestAllegati::annullaKeepsTheCard()
{
    card->lblFile01->setText(QStringLiteral("prima.pdf"));
    card->lblDesc01->setText(QStringLiteral("Prima descrizione"));
    const QString doc = source(QStringLiteral("seconda.pdf"), "seconda");
    onAttachScreen([&](TfrmAllegaCartella *d) {
        chosen = doc;
        QTest::mouseClick(d->btnSfoglia01, Qt::LeftButton);
        d->txtDesc01->setText(QStringLiteral("Cambiata"));
        QTest::mouseClick(d->btnAnnulla, Qt::LeftButton);
        QVERIFY(!d->isVisible());
    });
    QCOMPARE(card->lblFile01->text(), QStringLiteral("prima.pdf"));
    QCOMPARE(card->lblDesc01->text(), QStringLiteral("Prima descrizione"));
    // The copy already made stays in the folder.
    QCOMPARE(readFile(attached(QStringLiteral("seconda.pdf"))), QByteArray("seconda"));
}

void TestAllegati::cancelledDialogChangesNothing()
{
    card->lblFile03->setText(QStringLiteral("  foto.jpg "));
    onAttachScreen([&](TfrmAllegaCartella *d) {
        QCOMPARE(d->txtFile03->text(), QStringLiteral("foto.jpg"));
        chosen.clear();
        QTest::mouseClick(d->btnSfoglia03, Qt::LeftButton);
        QCOMPARE(d->txtFile03->text(), QStringLiteral("foto.jpg"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(msgs->count(), 0);
    QVERIFY(!QFileInfo::exists(dir->file(Allegati::FolderName)));
    QCOMPARE(card->lblFile03->text(), QStringLiteral("foto.jpg"));
}

void TestAllegati::failedCopies_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("source vanished after the choice") << QStringLiteral("vanished");
    QTest::newRow("attachments folder cannot be made") << QStringLiteral("folder");
    QTest::newRow("a folder stands where the file goes") << QStringLiteral("target");
}

void TestAllegati::failedCopies()
{
    QFETCH(QString, failure);
    QString doc = source(QStringLiteral("documento.pdf"), "contenuto");
    if (failure == QLatin1String("vanished"))
        QFile::remove(doc);
    else if (failure == QLatin1String("folder"))
        dir->write(Allegati::FolderName, "un file al posto della cartella");
    else
        QDir().mkpath(attached(QStringLiteral("documento.pdf")));
    card->lblFile01->setText(QStringLiteral("precedente.pdf"));
    onAttachScreen([&](TfrmAllegaCartella *d) {
        chosen = doc;
        QTest::mouseClick(d->btnSfoglia01, Qt::LeftButton);
        // The slot does not point at a file that was never copied.
        QCOMPARE(d->txtFile01->text(), QStringLiteral("precedente.pdf"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(msgs->lastKind(), Msg::Kind::Warning);
    QCOMPARE(msgs->lastText(),
             QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati."
                            "\n\r\n\rAccertarsi che il file scelto esista ancora e di possedere i privilegi di "
                            "scrittura nella cartella di installazione del programma."));
    QCOMPARE(card->lblFile01->text(), QStringLiteral("precedente.pdf"));
    QVERIFY(!QFileInfo(attached(QStringLiteral("documento.pdf"))).isFile());
}

void TestAllegati::shortWriteKeepsTheFormerFile()
{
    QDir().mkpath(dir->file(Allegati::FolderName));
    dir->write(Allegati::FolderName + QStringLiteral("/grande.bin"), "la copia precedente");
    const QByteArray big(3 << 20, '\x42');
    const QString doc = source(QStringLiteral("grande.bin"), big);
    msgs->answers = {true};
    // A disk that fills up during the copy, in small.
    struct sigaction ignore = {}, before = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &before);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1 << 20;
    setrlimit(RLIMIT_FSIZE, &small);
    onAttachScreen([&](TfrmAllegaCartella *d) {
        chosen = doc;
        QTest::mouseClick(d->btnSfoglia02, Qt::LeftButton);
        QCOMPARE(d->txtFile02->text(), QString());
    });
    setrlimit(RLIMIT_FSIZE, &old);
    sigaction(SIGXFSZ, &before, nullptr);
    QCOMPARE(msgs->count(), 2);
    QCOMPARE(msgs->messages.at(0).kind, Msg::Kind::Question);
    QCOMPARE(msgs->lastKind(), Msg::Kind::Warning);
    QCOMPARE(readFile(attached(QStringLiteral("grande.bin"))), QByteArray("la copia precedente"));
    QCOMPARE(QDir(dir->file(Allegati::FolderName)).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("grande.bin")});
}

void TestAllegati::folderFileChosenAgainIsKept()
{
    QDir().mkpath(dir->file(Allegati::FolderName));
    dir->write(Allegati::FolderName + QStringLiteral("/già qui.pdf"), "unico esemplare");
    onAttachScreen([&](TfrmAllegaCartella *d) {
        chosen = attached(QStringLiteral("già qui.pdf"));
        QTest::mouseClick(d->btnSfoglia01, Qt::LeftButton);
        QCOMPARE(d->txtFile01->text(), QStringLiteral("già qui.pdf"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    // No question: replacing the file by itself would have emptied it.
    QCOMPARE(msgs->count(), 0);
    QCOMPARE(readFile(attached(QStringLiteral("già qui.pdf"))), QByteArray("unico esemplare"));
    QCOMPARE(card->lblFile01->text(), QStringLiteral("già qui.pdf"));
}

void TestAllegati::nameTheRecordCannotHold_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("letters outside the code page") << QStringLiteral("Łódź.pdf");
    QTest::newRow("longer than the record keeps") << QString(247, u'a') + QStringLiteral(".pdf");
    QTest::newRow("double dot") << QStringLiteral("verbale..pdf");
}

void TestAllegati::nameTheRecordCannotHold()
{
    QFETCH(QString, name);
    const QString doc = source(name, "contenuto");
    QVERIFY(!doc.isEmpty());
    onAttachScreen([&](TfrmAllegaCartella *d) {
        chosen = doc;
        QTest::mouseClick(d->btnSfoglia01, Qt::LeftButton);
        QCOMPARE(d->txtFile01->text(), QString());
    });
    QCOMPARE(msgs->count(), 1);
    QCOMPARE(msgs->lastKind(), Msg::Kind::Warning);
    QVERIFY(msgs->lastText().startsWith(
        QStringLiteral("Attenzione: il nome del file scelto non può essere conservato nella scheda del cliente.")));
    QVERIFY(!QFileInfo::exists(dir->file(Allegati::FolderName)));
}

void TestAllegati::storedNameOutsideTheFolderIsRefused_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("parent folder") << QStringLiteral("../Clienti.pro");
    QTest::newRow("parent, backslash") << QStringLiteral("..\\..\\Clienti.pro");
    QTest::newRow("absolute") << QStringLiteral("/etc/passwd");
    QTest::newRow("drive") << QStringLiteral("C:\\Lunaresca\\Clienti.pro");
    QTest::newRow("bare dot dot") << QStringLiteral("..");
}

void TestAllegati::storedNameOutsideTheFolderIsRefused()
{
    QFETCH(QString, stored);
    // A card written by another program or damaged, made by hand.
    {
        RecordFile f(clientiPath(), TCliente::Size);
        f.open();
        TCliente r;
        r.set(ClienteField::Cognome, QStringLiteral("Verdi"));
        r.set(ClienteField::Nome, QStringLiteral("Anna"));
        r.set(ClienteField::File(2), stored);
        r.set(ClienteField::DescFile(2), QStringLiteral("Documento"));
        f.append(r.bytes.data());
    }
    const QByteArray archive = dir->read(QStringLiteral("Clienti.pro"));
    QVERIFY(card->ShowGuestAt(1));
    QCOMPARE(card->lblFile02->text(), stored);
    onAttachScreen([&](TfrmAllegaCartella *d) {
        QCOMPARE(d->txtFile02->text(), stored);
        QVERIFY(d->btnApri02->isEnabled());
        QTest::mouseClick(d->btnApri02, Qt::LeftButton);
        QCOMPARE(msgs->count(), 1);
        QCOMPARE(msgs->lastKind(), Msg::Kind::Warning);
        QCOMPARE(
            msgs->lastText(),
            QStringLiteral("Attenzione: il nome del file allegato non indica un file della cartella dei documenti "
                           "allegati e il file non verrà aperto.\n\r\n\rScegliere di nuovo il file con il pulsante "
                           "Sfoglia..."));
        // Freeing the slot only forgets the name.
        QTest::mouseClick(d->imgCancella02, Qt::LeftButton);
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QVERIFY(shell->targets.isEmpty());
    QCOMPARE(card->lblFile02->text(), QString());
    QCOMPARE(dir->read(QStringLiteral("Clienti.pro")), archive);
    QVERIFY(!QFileInfo::exists(dir->file(Allegati::FolderName)));
    // Nothing is copied under a stored name either: the copy takes bare names only.
    QCOMPARE(Allegati::copyIn(source(QStringLiteral("x.pdf"), "x"), stored), Allegati::Copy::Failed);
    QCOMPARE(dir->read(QStringLiteral("Clienti.pro")), archive);
}

void TestAllegati::otherMarkerAppliesNothing()
{
    TfrmAllegaCartella d(card);
    d.setMemory(QStringLiteral("registro"));
    d.setFiles({{QStringLiteral(" a.pdf "), QString(), QString()}, {QString(), QStringLiteral(" b "), QString()}});
    QCOMPARE(d.files().names[0], QStringLiteral("a.pdf"));
    QCOMPARE(d.files().descriptions[1], QStringLiteral("b"));
    d.show();
    QTest::mouseClick(d.btnApplica, Qt::LeftButton);
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), 0);
}

void TestAllegati::guestFolder()
{
    TfrmCartella *seen = nullptr;
    auto press = [&](const QString &button) {
        whenModalOpens([&, button](QWidget *m) {
            seen = qobject_cast<TfrmCartella *>(m);
            QVERIFY(seen);
            QCOMPARE(seen->windowTitle(), QStringLiteral(" Gestione cartella abbinata alla scheda corrente"));
            QCOMPARE(seen->position(), QStringLiteral("12"));
            QTest::mouseClick(seen->findChild<QPushButton *>(button), Qt::LeftButton);
            if (m->isVisible())
                static_cast<QDialog *>(m)->reject();
        });
        QTest::mouseClick(card->cmdCartella, Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
    };
    card->lblPosizione->setText(QStringLiteral(" 12 "));
    press(QStringLiteral("btnChiudi"));
    QVERIFY(shell->targets.isEmpty());
    QVERIFY(!QFileInfo::exists(dir->file(QStringLiteral("Cliente_12"))));

    press(QStringLiteral("btnApriCartella"));
    const QString folder = dir->file(QStringLiteral("Cliente_12"));
    QCOMPARE(shell->targets, QStringList{u'"' + folder + u'"'});
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QFileInfo(folder).permissions() & 0x0777, QFileDevice::Permissions(0x0770));
    // A second opening finds the folder with what the operator put there.
    dir->write(QStringLiteral("Cliente_12/carta.jpg"), "scan");
    press(QStringLiteral("btnApriCartella"));
    QCOMPARE(shell->targets.size(), 2);
    QCOMPARE(dir->read(QStringLiteral("Cliente_12/carta.jpg")), QByteArray("scan"));
    QCOMPARE(msgs->count(), 0);
}

void TestAllegati::guestFolderThatCannotBeMade()
{
    dir->write(QStringLiteral("Cliente_3"), "un file con il nome della cartella");
    TfrmCartella d(card);
    d.setPosition(QStringLiteral("3"));
    d.show();
    QTest::mouseClick(d.btnApriCartella, Qt::LeftButton);
    QCOMPARE(msgs->lastKind(), Msg::Kind::Warning);
    QVERIFY(msgs->lastText().startsWith(
        QStringLiteral("Attenzione: non è stato possibile creare la cartella abbinata alla scheda corrente.")));
    QVERIFY(shell->targets.isEmpty());
    QVERIFY(d.isVisible());
    // Only a position names a folder.
    d.setPosition(QStringLiteral("../3"));
    QTest::mouseClick(d.btnApriCartella, Qt::LeftButton);
    QCOMPARE(msgs->count(), 2);
    QVERIFY(shell->targets.isEmpty());
}

QTEST_MAIN(TestAllegati)
#include "tst_allegati.moc"
