#include "base/RecordFile.h"
#include "guests/Cliente.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Several workstations appending to one guest archive at once: every card must survive whole.
namespace {

constexpr int kWorkers = 4;
constexpr int kCardsEach = 300;

int runWorker(const QString &path, int worker)
{
    for (int i = 0; i < kCardsEach; ++i) {
        TCliente r;
        r.set(ClienteField::Cognome, QStringLiteral("Lavoratore%1").arg(worker));
        r.set(ClienteField::Nome, QStringLiteral("Scheda%1").arg(i));
        // Fill the whole record so that a torn or interleaved write would show.
        for (int n = 1; n <= 30; ++n)
            r.set(ClienteField::Desc(n), QStringLiteral("w%1c%2").arg(worker).arg(i).repeated(6));
        RecordFile f(path, TCliente::Size);
        f.open();
        f.append(r.bytes.data());
        f.close();
    }
    return 0;
}

} // namespace

class TestAppendConcurrent : public QObject {
    Q_OBJECT
private slots:
    void everyCardKept();
};

void TestAppendConcurrent::everyCardKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clienti.pro"));
    QList<QProcess *> procs;
    for (int w = 0; w < kWorkers; ++w) {
        auto *p = new QProcess(this);
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--worker"), path, QString::number(w)});
        procs.append(p);
    }
    for (QProcess *p : procs) {
        QVERIFY(p->waitForFinished(120000));
        QCOMPARE(p->exitCode(), 0);
    }
    RecordFile f(path, TCliente::Size);
    f.open();
    QCOMPARE(f.count(), kWorkers * kCardsEach);
    QSet<QString> seen;
    bool whole = true;
    f.scan([&](qint64, const char *rec) {
        TCliente r;
        std::memcpy(r.bytes.data(), rec, TCliente::Size);
        const QString who = r.get(ClienteField::Cognome).mid(10) + QLatin1Char('/') + r.get(ClienteField::Nome).mid(6);
        const QString expect =
            QStringLiteral("w%1c%2").arg(who.section(u'/', 0, 0), who.section(u'/', 1, 1)).repeated(6);
        for (int n = 1; n <= 30; ++n)
            whole = whole && r.get(ClienteField::Desc(n)) == expect.left(55);
        seen.insert(who);
        return true;
    });
    QVERIFY(whole);
    QCOMPARE(seen.size(), kWorkers * kCardsEach);
}

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--worker") == 0) {
        QCoreApplication app(argc, argv);
        return runWorker(QString::fromLocal8Bit(argv[2]), atoi(argv[3]));
    }
    QCoreApplication app(argc, argv);
    TestAppendConcurrent t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_append_concurrent.moc"
