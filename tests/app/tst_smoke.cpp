// The real executable, copied into a fresh program folder as an installation would leave it,
// started on the offscreen platform and walked through login, the three apps and the help.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSmoke : public QObject {
    Q_OBJECT
private slots:
    void tourOfACopiedFolder();
};

static QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo &fi : QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(fi.filePath());
        files.insert(fi.fileName(), fi.isDir() || !f.open(QIODevice::ReadOnly)
                                        ? QByteArray("<folder>")
                                        : QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256));
    }
    return files;
}

void TestSmoke::tourOfACopiedFolder()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    // A folder name with blanks and an accent, as a USB stick's folder may have.
    const QString folder = root.filePath(QStringLiteral("Chiavetta USB/Lunaresca è qui"));
    QVERIFY(QDir().mkpath(folder));
    const QString exe = folder + QStringLiteral("/lunaresca");
    QVERIFY(QFile::copy(QStringLiteral(LUNARESCA_EXECUTABLE), exe));
    QVERIFY(QFile::setPermissions(exe, QFile::permissions(exe) | QFile::ExeOwner));
    QCOMPARE(QProcess::execute(QStringLiteral(LUNARESCA_FIRSTSTORE_TOOL), {folder + QStringLiteral("/unins000.dll")}),
             0);
    const QMap<QString, QByteArray> before = snapshot(folder);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(root.path());
    program.start(exe, {QStringLiteral("--prova")});
    QVERIFY(program.waitForStarted());
    QVERIFY2(program.waitForFinished(120000), "the program did not end by itself");
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
             qPrintable(out + QStringLiteral("\n") + err));
    for (const char *step : {"accesso con la password di primo accesso", "anagrafica clienti", "tariffario",
                             "registro arrivi e partenze", "guida", "uscita dal menu"})
        QVERIFY2(out.contains(QStringLiteral("prova: ") + QLatin1String(step)), qPrintable(out));

    // Nothing but the empty archives beside what was there; the password store untouched.
    const QMap<QString, QByteArray> after = snapshot(folder);
    const QByteArray empty = QCryptographicHash::hash(QByteArray(), QCryptographicHash::Sha256);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.contains(it.key()))
            continue;
        QVERIFY2(QStringList({QStringLiteral("Clienti.pro"), QStringLiteral("Registro.pro"),
                              QStringLiteral("Prodotti_e_Servizi.lst")})
                     .contains(it.key()),
                 qPrintable(QStringLiteral("unexpected file ") + it.key()));
        QCOMPARE(it.value(), empty);
    }
}

QTEST_GUILESS_MAIN(TestSmoke)
#include "tst_smoke.moc"
