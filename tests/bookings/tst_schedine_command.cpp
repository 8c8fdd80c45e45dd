// `lunaresca --schedine dd/mm/yyyy [FILE]` run as a real process. The program's folder is the
// folder of the executable, so each test copies the program into a folder of its own.
#include "support/TestSupport.h"
#include "tst_schedine_records.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSchedine;

namespace {

struct Run {
    int exitCode = -1;
    QString out, err;
    bool normalExit = false;
};

} // namespace

class TestSchedineCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void everyGuestWrittenExitsZero();
    void guestsLeftOutExitOne();
    void fileNamedOnTheCommandLine();
    void failuresExitTwo_data();
    void failuresExitTwo();

private:
    Run run(const QStringList &args, const QString &workingDir = QString());
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QByteArray read(const QString &name) const;

    QTemporaryDir m_dir;
    QString m_program;
};

void TestSchedineCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_program = file(QStringLiteral("lunaresca"));
    QVERIFY(QFile::copy(QStringLiteral(LUNARESCA_PROGRAM), m_program));
}

void TestSchedineCommand::init()
{
    for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name == QStringLiteral("lunaresca"))
            continue;
        QFile::remove(file(name));
        QDir(m_dir.path()).rmdir(name);
    }
}

QByteArray TestSchedineCommand::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Run TestSchedineCommand::run(const QStringList &args, const QString &workingDir)
{
    QProcess p;
    // No display at all: the command must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workingDir.isEmpty() ? QDir::tempPath() : workingDir);
    p.start(m_program, QStringList{QStringLiteral("--schedine")} + args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.normalExit = p.exitStatus() == QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

void TestSchedineCommand::everyGuestWrittenExitsZero()
{
    QFile reg(file(QStringLiteral("Registro.pro")));
    QVERIFY(reg.open(QIODevice::WriteOnly));
    reg.write(dayRegister());
    reg.close();

    const Run r = run({kDay});
    QVERIFY(r.normalExit);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(read(QStringLiteral("Alloggiati_20240810.txt")), expectedFile());
    QVERIFY2(!r.out.contains(QStringLiteral("Escluso")), qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("6 ospiti, 0 esclusi.")), qPrintable(r.out));
}

void TestSchedineCommand::guestsLeftOutExitOne()
{
    const QString none;
    QFile reg(file(QStringLiteral("Registro.pro")));
    QVERIFY(reg.open(QIODevice::WriteOnly));
    reg.write(concat(
        {single(QStringLiteral("Rossi"), QStringLiteral("Mario")),
         single(QStringLiteral("Bianchi"), QStringLiteral("Ada"), {{F::CodSesso, none}, {F::CodCittadinanza, none}})}));
    reg.close();

    const Run r = run({kDay});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.out.contains(
                 QStringLiteral("Escluso: Bianchi Ada, camera 5 (scheda 2): manca il sesso; manca la cittadinanza\n")),
             qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("1 ospite, 1 escluso.")), qPrintable(r.out));
    const QByteArray written = read(QStringLiteral("Alloggiati_20240810.txt"));
    QCOMPARE(written.size(), 168);
    QCOMPARE(written.mid(14, 5), QByteArray("Rossi"));
}

void TestSchedineCommand::fileNamedOnTheCommandLine()
{
    QFile reg(file(QStringLiteral("Registro.pro")));
    QVERIFY(reg.open(QIODevice::WriteOnly));
    reg.write(single(QStringLiteral("Rossi"), QStringLiteral("Mario")));
    reg.close();

    // A relative name is taken from where the command runs, not from the program's folder.
    QTemporaryDir elsewhere;
    const Run r = run({kDay, QStringLiteral("oggi.txt")}, elsewhere.path());
    QCOMPARE(r.exitCode, 0);
    QFile out(elsewhere.filePath(QStringLiteral("oggi.txt")));
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll().size(), 168);
    QVERIFY(!QFile::exists(file(QStringLiteral("Alloggiati_20240810.txt"))));
}

void TestSchedineCommand::failuresExitTwo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("folder"); // made where a file should be
    QTest::addColumn<QString>("message");
    QTest::newRow("register is a folder")
        << QStringList{kDay} << QStringLiteral("Registro.pro") << QStringLiteral("Impossibile leggere l'archivio");
    QTest::newRow("file is a folder") << QStringList{kDay} << QStringLiteral("Alloggiati_20240810.txt")
                                      << QStringLiteral("Impossibile scrivere il file");
    QTest::newRow("not a date") << QStringList{QStringLiteral("31/02/2024")} << QString()
                                << QStringLiteral("Uso: lunaresca --schedine gg/mm/aaaa [FILE]");
    QTest::newRow("no date") << QStringList{} << QString() << QStringLiteral("Uso:");
    QTest::newRow("too many words") << QStringList{kDay, QStringLiteral("a"), QStringLiteral("b")} << QString()
                                    << QStringLiteral("Uso:");
}

void TestSchedineCommand::failuresExitTwo()
{
    QFETCH(QStringList, args);
    QFETCH(QString, folder);
    QFETCH(QString, message);
    if (!folder.isEmpty())
        QVERIFY(QDir(m_dir.path()).mkdir(folder));
    const Run r = run(args);
    QVERIFY(r.normalExit);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    if (folder != QStringLiteral("Alloggiati_20240810.txt"))
        QVERIFY(!QFile::exists(file(QStringLiteral("Alloggiati_20240810.txt"))));
}

QTEST_GUILESS_MAIN(TestSchedineCommand)
#include "tst_schedine_command.moc"
