#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Crypt.h"
#include "app/Password.h"
#include "app/PasswordStore.h"
#include "app/Screens.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString Wrong = QStringLiteral("Attenzione: password errata.");
const QString ReadError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                         "password. Si consiglia di reinstallare il software.");
const QString ChangeError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                           "della password. Si consiglia di reinstallare il software.");
const QString OldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                                            "necessario reinserire entrambi i valori.");
const QString Done = QStringLiteral("Modifica della password completata con successo.");

QByteArray storeHolding(const QString &typed, const QByteArray &around = QByteArray())
{
    return around + "[Accesso]\r\nValore=" + Crypt::ScrambleToHex(Crypt::storedForm(typed)).toLatin1() + "\r\n";
}

// Lowers the largest file this process may write, so that a write fails even for root,
// who may write into any read-only file or folder.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = m_old;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

// Makes `w` the active window, as the window manager would when the screen switches: the
// offscreen platform does not move the activation by itself when the active window hides.
bool activate(QWidget *w)
{
    w->activateWindow();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

} // namespace

class TestPassword : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void firstStoreFromTheInstallation();
    void login_data();
    void login();
    void loginEnablingEnterAndFrame();
    void changeSucceeds();
    void changeRefusals();
    void changeOfOneCharacterAndLongest();
    void changeRefusesWhatTheStoreCannotHold_data();
    void changeRefusesWhatTheStoreCannotHold();
    void changeWithBadStore_data();
    void changeWithBadStore();
    void changeWriteFailureKeepsTheStore();
    void changeScreenEnablingEnterAndClose();

private:
    // Types into the login screen and presses Enter; true when the menu took over.
    bool logIn(const QString &typed);
    void openChange();
    void fillChange(const QString &old, const QString &fresh, const QString &confirm);

    TempProgramFolder m_folder;
    MessageRecorder m_msgs;
};

void TestPassword::initTestCase()
{
    Screens::createAll();
    Screens::password()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Screens::password()));
}

void TestPassword::cleanupTestCase() { Screens::destroyAll(); }

void TestPassword::init()
{
    // Every case starts on the login screen, the store holding the first-access password.
    QDir(m_folder.path()).removeRecursively();
    QDir().mkpath(m_folder.path());
    m_folder.write(PasswordStore::FileName, storeHolding(QStringLiteral("sottobicchiere")));
    Screens::menu()->hide();
    Screens::changePassword()->hide();
    Screens::password()->txtPassword->clear();
    Screens::password()->show();
    QVERIFY(activate(Screens::password()));
    m_msgs.clear();
}

bool TestPassword::logIn(const QString &typed)
{
    Screens::password()->txtPassword->clear();
    TestKeys::type(Screens::password()->txtPassword, typed);
    QTest::keyClick(Screens::password()->txtPassword, Qt::Key_Return);
    return Screens::menu()->isVisible() && !Screens::password()->isVisible();
}

void TestPassword::openChange()
{
    QTest::mouseClick(Screens::password()->btnCambiaPassword, Qt::LeftButton);
    QVERIFY(Screens::changePassword()->isVisible());
    QVERIFY(!Screens::password()->isVisible());
    QVERIFY(activate(Screens::changePassword()));
}

void TestPassword::fillChange(const QString &old, const QString &fresh, const QString &confirm)
{
    TestKeys::type(Screens::changePassword()->txtPasswordOld, old);
    TestKeys::type(Screens::changePassword()->txtPasswordNew, fresh);
    TestKeys::type(Screens::changePassword()->txtConferma, confirm);
}

void TestPassword::firstStoreFromTheInstallation()
{
    // The very tool the build and the installation run, into a folder that does not exist yet.
    QDir(m_folder.path()).removeRecursively();
    const QString store = m_folder.file(QStringLiteral("Lunaresca/unins000.dll"));
    QCOMPARE(QProcess::execute(QStringLiteral(LUNARESCA_FIRSTSTORE_TOOL), {store}), 0);
    QVERIFY(QFile::exists(store));
    ProgramFolder::setForTests(m_folder.file(QStringLiteral("Lunaresca")));
    for (const QString &typed : {QStringLiteral("sottobicchiere"), QStringLiteral("SOTTOBICCHIERE"),
                                 QStringLiteral("SottoBicchiere"), QStringLiteral("  sOtToBiCcHiErE  ")}) {
        QVERIFY2(logIn(typed), qPrintable(typed));
        Screens::menu()->hide();
        Screens::password()->show();
    }
    QVERIFY(!logIn(QStringLiteral("sottobicchier")));
    QCOMPARE(m_msgs.lastText(), Wrong);
    QCOMPARE(m_msgs.lastKind(), Msg::Kind::Plain);

    // An existing store, a changed password for instance, is never overwritten.
    const QByteArray changed = storeHolding(QStringLiteral("altra"), "; di prova\r\n");
    QFile f(store);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(changed);
    f.close();
    QCOMPARE(QProcess::execute(QStringLiteral(LUNARESCA_FIRSTSTORE_TOOL), {store}), 0);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), changed);
    ProgramFolder::setForTests(m_folder.path());
}

void TestPassword::login_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: the menu opens
    const QByteArray mixed = storeHolding(QStringLiteral("Mare Blu"));
    // clang-format off
    QTest::newRow("any case") << mixed << "mARE bLU" << "";
    QTest::newRow("ends ignored") << mixed << "   mare blu\t " << "";
    QTest::newRow("inner blank counts") << mixed << "mareblu" << Wrong;
    QTest::newRow("two inner blanks") << mixed << "mare  blu" << Wrong;
    // clang-format on
    const QByteArray accented = storeHolding(QStringLiteral("Città"));
    // clang-format off
    QTest::newRow("accent in the same case") << accented << QStringLiteral("CITTà") << "";
    QTest::newRow("ascii case free beside it") << accented << QStringLiteral("città") << "";
    QTest::newRow("accent in the other case") << accented << QStringLiteral("CITTÀ") << Wrong;
    QTest::newRow("missing store") << QByteArray() << "sottobicchiere" << Wrong;
    QTest::newRow("missing section") << QByteArray("[Altro]\r\nValore=4B7D\r\n") << "s" << Wrong;
    QTest::newRow("missing key") << QByteArray("[Accesso]\r\nAltro=4B7D\r\n") << "s" << Wrong;
    // clang-format on
    const QByteArray s = Crypt::ScrambleToHex(u"S").toLatin1();
    // clang-format off
    QTest::newRow("odd digit count, last ignored") << QByteArray("[Accesso]\r\nValore=" + s + "A\r\n") << "s" << "";
    QTest::newRow("lower-case digits") << QByteArray("[Accesso]\r\nValore=" + s.toLower() + "\r\n") << "s" << "";
    QTest::newRow("value not hexadecimal") << QByteArray("[Accesso]\r\nValore=" + s + "QZ\r\n") << "s" << ReadError;
    // clang-format on
}

void TestPassword::login()
{
    QFETCH(QByteArray, store);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFile::remove(m_folder.file(PasswordStore::FileName));
    if (!store.isEmpty())
        m_folder.write(PasswordStore::FileName, store);
    const bool opened = logIn(typed);
    QCOMPARE(opened, message.isEmpty());
    if (opened) {
        QCOMPARE(m_msgs.count(), 0);
        return;
    }
    QCOMPARE(m_msgs.count(), 1);
    QCOMPARE(m_msgs.lastText(), message);
    QCOMPARE(m_msgs.lastKind(), Msg::Kind::Plain);
    QVERIFY(Screens::password()->isVisible());
    if (message == Wrong) {
        QCOMPARE(Screens::password()->txtPassword->text(), QString());
        QVERIFY(Screens::password()->txtPassword->hasFocus());
    } else {
        QCOMPARE(Screens::password()->txtPassword->text(), typed);
    }
    // The program never creates the store by itself.
    QCOMPARE(QFile::exists(m_folder.file(PasswordStore::FileName)), !store.isEmpty());
}

void TestPassword::loginEnablingEnterAndFrame()
{
    QLineEdit *field = Screens::password()->txtPassword;
    QVERIFY(!Screens::password()->cmdOK->isEnabled());
    QVERIFY(field->hasFocus());
    QVERIFY(Screens::password()->effPassword->isVisible());
    TestKeys::type(field, QStringLiteral("   "));
    QVERIFY(!Screens::password()->cmdOK->isEnabled());
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(m_msgs.count(), 0);
    QVERIFY(Screens::password()->isVisible());
    TestKeys::type(field, QStringLiteral("x"));
    QVERIFY(Screens::password()->cmdOK->isEnabled());
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(!Screens::password()->cmdOK->isEnabled());
    // The frame follows the focus.
    Screens::password()->cmdEsci->setFocus();
    QVERIFY(!Screens::password()->effPassword->isVisible());
    field->setFocus();
    QVERIFY(Screens::password()->effPassword->isVisible());
    // OK checks like Enter.
    TestKeys::type(field, QStringLiteral("sottobicchiere"));
    QTest::mouseClick(Screens::password()->cmdOK, Qt::LeftButton);
    QVERIFY(Screens::menu()->isVisible());
    QVERIFY(!Screens::password()->isVisible());
}

void TestPassword::changeSucceeds()
{
    // Lines of the store other than the value survive the change byte for byte.
    const QByteArray before("; Lunaresca\r\n[Setup]\r\nCartella=C:\\Lunaresca \xE8\r\n\r\n");
    m_folder.write(PasswordStore::FileName, storeHolding(QStringLiteral("sottobicchiere"), before) + "Altro=1\r\n");
    TestKeys::type(Screens::password()->txtPassword, QStringLiteral("avanzo"));
    openChange();
    QCOMPARE(Screens::changePassword()->txtPasswordOld->text(), QString());
    QVERIFY(Screens::changePassword()->txtPasswordOld->hasFocus());
    fillChange(QStringLiteral(" SOTTObicchiere"), QStringLiteral("  Nuova Parola "), QStringLiteral("Nuova Parola"));
    QTest::mouseClick(Screens::changePassword()->cmdOK, Qt::LeftButton);
    QCOMPARE(m_msgs.count(), 1);
    QCOMPARE(m_msgs.lastText(), Done);
    QCOMPARE(m_msgs.lastKind(), Msg::Kind::Plain);
    QCOMPARE(m_folder.read(PasswordStore::FileName),
             before + "[Accesso]\r\nValore=" + Crypt::ScrambleToHex(u"NUOVA PAROLA").toLatin1() + "\r\nAltro=1\r\n");

    // Back on the login screen with an empty field; only the new password opens the menu.
    QVERIFY(!Screens::changePassword()->isVisible());
    QVERIFY(Screens::password()->isVisible());
    QCOMPARE(Screens::password()->txtPassword->text(), QString());
    QVERIFY(activate(Screens::password()));
    QVERIFY(!logIn(QStringLiteral("sottobicchiere")));
    QCOMPARE(m_msgs.lastText(), Wrong);
    QVERIFY(!logIn(QStringLiteral("nuovaparola")));
    QVERIFY(logIn(QStringLiteral("nuova parola")));
}

void TestPassword::changeRefusals()
{
    openChange();
    // A wrong old password empties only its own field.
    fillChange(QStringLiteral("sbagliata"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    QTest::mouseClick(Screens::changePassword()->cmdOK, Qt::LeftButton);
    QCOMPARE(m_msgs.lastText(), OldWrong);
    QCOMPARE(Screens::changePassword()->txtPasswordOld->text(), QString());
    QCOMPARE(Screens::changePassword()->txtPasswordNew->text(), QStringLiteral("nuova"));
    QCOMPARE(Screens::changePassword()->txtConferma->text(), QStringLiteral("nuova"));
    QVERIFY(Screens::changePassword()->txtPasswordOld->hasFocus());
    QVERIFY(Screens::changePassword()->effPasswordOld->isVisible());
    // A confirmation that differs only in case is refused; both new fields are emptied.
    TestKeys::type(Screens::changePassword()->txtPasswordOld, QStringLiteral("sottobicchiere"));
    Screens::changePassword()->txtConferma->clear();
    TestKeys::type(Screens::changePassword()->txtConferma, QStringLiteral("Nuova"));
    QTest::mouseClick(Screens::changePassword()->cmdOK, Qt::LeftButton);
    QCOMPARE(m_msgs.lastText(), NotConfirmed);
    QCOMPARE(Screens::changePassword()->txtPasswordOld->text(), QStringLiteral("sottobicchiere"));
    QCOMPARE(Screens::changePassword()->txtPasswordNew->text(), QString());
    QCOMPARE(Screens::changePassword()->txtConferma->text(), QString());
    QVERIFY(Screens::changePassword()->txtPasswordNew->hasFocus());
    QVERIFY(Screens::changePassword()->isVisible());
    QCOMPARE(m_msgs.count(), 2);
    QCOMPARE(m_folder.read(PasswordStore::FileName), storeHolding(QStringLiteral("sottobicchiere")));
}

void TestPassword::changeOfOneCharacterAndLongest()
{
    openChange();
    fillChange(QStringLiteral("sottobicchiere"), QStringLiteral("q"), QStringLiteral("q"));
    QTest::mouseClick(Screens::changePassword()->cmdOK, Qt::LeftButton);
    QCOMPARE(m_msgs.lastText(), Done);
    const QByteArray store = m_folder.read(PasswordStore::FileName);
    QCOMPARE(store, "[Accesso]\r\nValore=" + Crypt::ScrambleToHex(u"Q").toLatin1() + "\r\n");
    QCOMPARE(Crypt::ScrambleToHex(u"Q").size(), 2);

    // The longest password the store holds, accented letters included, is set and then opens the menu.
    QString longest;
    for (int i = 0; i < 255; ++i)
        longest += QChar(char16_t(i % 3 == 0 ? u'à' : u'a' + i % 26));
    openChange();
    fillChange(QStringLiteral("Q"), longest, longest);
    QTest::mouseClick(Screens::changePassword()->cmdOK, Qt::LeftButton);
    QCOMPARE(m_msgs.lastText(), Done);
    QVERIFY(activate(Screens::password()));
    QVERIFY(logIn(longest));
}

void TestPassword::changeRefusesWhatTheStoreCannotHold_data()
{
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("message");
    const QString again = QStringLiteral(" E' necessario reinserire entrambi i valori.");
    // clang-format off
    QTest::newRow("256 characters") << QString(256, u'x')
                                    << QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri.") + again;
    QTest::newRow("euro sign") << QStringLiteral("100€")
                               << QStringLiteral("Attenzione: il carattere \"€\" non può far parte della password.") + again;
    QTest::newRow("letter beyond Latin-1") << QStringLiteral("Łódź")
                                           << QStringLiteral("Attenzione: il carattere \"Ł\" non può far parte della password.") + again;
    // clang-format on
}

void TestPassword::changeRefusesWhatTheStoreCannotHold()
{
    QFETCH(QString, fresh);
    QFETCH(QString, message);
    openChange();
    Screens::changePassword()->txtPasswordOld->setText(QStringLiteral("sottobicchiere"));
    Screens::changePassword()->txtPasswordNew->setText(fresh);
    Screens::changePassword()->txtConferma->setText(fresh);
    QTest::mouseClick(Screens::changePassword()->cmdOK, Qt::LeftButton);
    QCOMPARE(m_msgs.count(), 1);
    QCOMPARE(m_msgs.lastText(), message);
    QCOMPARE(Screens::changePassword()->txtPasswordOld->text(), QStringLiteral("sottobicchiere"));
    QCOMPARE(Screens::changePassword()->txtPasswordNew->text(), QString());
    QCOMPARE(Screens::changePassword()->txtConferma->text(), QString());
    QVERIFY(Screens::changePassword()->txtPasswordNew->hasFocus());
    QCOMPARE(m_folder.read(PasswordStore::FileName), storeHolding(QStringLiteral("sottobicchiere")));
}

void TestPassword::changeWithBadStore_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("missing store") << "missing" << OldWrong;
    QTest::newRow("value not hexadecimal") << "nothex" << ChangeError;
    QTest::newRow("a folder where the store should be") << "folder" << ChangeError;
    // clang-format on
}

void TestPassword::changeWithBadStore()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString path = m_folder.file(PasswordStore::FileName);
    QFile::remove(path);
    if (kind == u"nothex")
        m_folder.write(PasswordStore::FileName, "[Accesso]\r\nValore=4B7X\r\n");
    else if (kind == u"folder")
        QVERIFY(QDir().mkdir(path));
    openChange();
    fillChange(QStringLiteral("sottobicchiere"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    QTest::mouseClick(Screens::changePassword()->cmdOK, Qt::LeftButton);
    QCOMPARE(m_msgs.count(), 1);
    QCOMPARE(m_msgs.lastText(), message);
    QVERIFY(Screens::changePassword()->isVisible());
    if (message == ChangeError) {
        // The fields stay as they were, for another try.
        QCOMPARE(Screens::changePassword()->txtPasswordOld->text(), QStringLiteral("sottobicchiere"));
        QCOMPARE(Screens::changePassword()->txtPasswordNew->text(), QStringLiteral("nuova"));
        QCOMPARE(Screens::changePassword()->txtConferma->text(), QStringLiteral("nuova"));
    }
    if (kind == u"missing")
        QVERIFY(!QFile::exists(path));
    if (kind == u"folder")
        QVERIFY(QFileInfo(path).isDir());
    if (kind == u"nothex")
        QCOMPARE(m_folder.read(PasswordStore::FileName), QByteArray("[Accesso]\r\nValore=4B7X\r\n"));
}

void TestPassword::changeWriteFailureKeepsTheStore()
{
    const QByteArray store = storeHolding(QStringLiteral("sottobicchiere"), "; riga che resta\r\n");
    m_folder.write(PasswordStore::FileName, store);
    openChange();
    fillChange(QStringLiteral("sottobicchiere"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    {
        // Root writes into read-only files, so the write is made to fail by a file size limit
        // smaller than the store: the temporary file cannot be filled.
        FileSizeLimit limit(16);
        QTest::mouseClick(Screens::changePassword()->cmdOK, Qt::LeftButton);
    }
    QCOMPARE(m_msgs.count(), 1);
    QCOMPARE(m_msgs.lastText(), ChangeError);
    QVERIFY(Screens::changePassword()->isVisible());
    QCOMPARE(Screens::changePassword()->txtPasswordNew->text(), QStringLiteral("nuova"));
    QCOMPARE(m_folder.read(PasswordStore::FileName), store);
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{PasswordStore::FileName});
    // The former password still opens the program.
    QTest::mouseClick(Screens::changePassword()->cmdEsci, Qt::LeftButton);
    QVERIFY(activate(Screens::password()));
    QVERIFY(logIn(QStringLiteral("sottobicchiere")));
}

void TestPassword::changeScreenEnablingEnterAndClose()
{
    openChange();
    TfrmCambiaPassword *c = Screens::changePassword();
    QVERIFY(!c->cmdOK->isEnabled());
    QVERIFY(c->effPasswordOld->isVisible());
    TestKeys::type(c->txtPasswordOld, QStringLiteral("sottobicchiere"));
    QTest::keyClick(c->txtPasswordOld, Qt::Key_Return);
    QVERIFY(c->txtPasswordNew->hasFocus());
    QVERIFY(c->effPasswordNew->isVisible());
    QVERIFY(!c->effPasswordOld->isVisible());
    TestKeys::type(c->txtPasswordNew, QStringLiteral("nuova"));
    QTest::keyClick(c->txtPasswordNew, Qt::Key_Return);
    QVERIFY(c->txtConferma->hasFocus());
    QVERIFY(!c->cmdOK->isEnabled());
    TestKeys::type(c->txtConferma, QStringLiteral("  "));
    QVERIFY(!c->cmdOK->isEnabled());
    TestKeys::type(c->txtConferma, QStringLiteral("nuova"));
    QVERIFY(c->cmdOK->isEnabled());
    // Enter in the confirmation goes back to the first field and never submits.
    QTest::keyClick(c->txtConferma, Qt::Key_Return);
    QVERIFY(c->txtPasswordOld->hasFocus());
    QVERIFY(c->effPasswordOld->isVisible());
    QCOMPARE(m_msgs.count(), 0);
    QVERIFY(c->isVisible());

    // The window's own close brings the login screen back with an empty field and the focus.
    Screens::password()->txtPassword->setText(QStringLiteral("resto"));
    c->close();
    QVERIFY(!c->isVisible());
    QVERIFY(Screens::password()->isVisible());
    QCOMPARE(Screens::password()->txtPassword->text(), QString());
    QVERIFY(activate(Screens::password()));
    QVERIFY(Screens::password()->txtPassword->hasFocus());

    // Opening again starts from empty fields.
    openChange();
    QCOMPARE(c->txtPasswordOld->text(), QString());
    QCOMPARE(c->txtPasswordNew->text(), QString());
    QCOMPARE(c->txtConferma->text(), QString());
    QVERIFY(c->txtPasswordOld->hasFocus());
    QTest::mouseClick(c->cmdEsci, Qt::LeftButton);
    QVERIFY(Screens::password()->isVisible());
    QCOMPARE(m_msgs.count(), 0);
}

QTEST_MAIN(TestPassword)
#include "tst_password.moc"
