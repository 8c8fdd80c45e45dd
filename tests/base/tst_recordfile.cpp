#include "base/RecordFile.h"

#include "Unprivileged.h"
#include "base/SafeFile.h"
#include "base/TextField.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

class TestRecordFile : public QObject {
    Q_OBJECT
private slots:
    void fieldWriteRead();
    void fieldClampsLength();
    void missingFileIsCreatedEmpty();
    void appendReadOverwrite();
    void tornTailIsIgnoredAndOverwritten();
    void scanVisitsEveryRecordInOrder();
    void readOnlyFileFailsWithoutTruncating();
    void journalPutsTheOldCardBack_data();
    void journalPutsTheOldCardBack();
    void overwriteLeavesNoJournalAndSyncs();
    void overwriteIfUnchanged();
    void readingNeverOpensForWriting();
    void readOnlyArchiveIsReadButNotWritten();
    void missingArchiveInAFolderThatAllowsNoFile();
    void folderInPlaceOfTheArchiveFails();
    void createdFilesAreNotForOtherUsers();
    void fileSizeLimitIsAWriteFailure();
};

namespace {

// The journal as a program that died mid-overwrite leaves it: magic, position, size, old
// record, FNV-1a of all that (little-endian numbers).
QByteArray journal(qint64 position, const QByteArray &old)
{
    QByteArray j("LUNJRNL1");
    for (int i = 0; i < 8; ++i)
        j.append(char((quint64(position) >> (8 * i)) & 0xFF));
    for (int i = 0; i < 4; ++i)
        j.append(char((quint32(old.size()) >> (8 * i)) & 0xFF));
    j.append(old);
    quint64 h = 1469598103934665603ull;
    for (char c : j) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    for (int i = 0; i < 8; ++i)
        j.append(char((h >> (8 * i)) & 0xFF));
    return j;
}

// The access mode the process holds `path` open with while fn runs, from /proc.
int accessModeDuring(const QString &path, const std::function<void(const std::function<int()> &)> &fn)
{
    int mode = -1;
    fn([&] {
        const QString target = QFileInfo(path).canonicalFilePath();
        for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::Files | QDir::System)) {
            if (fd.symLinkTarget() != target)
                continue;
            QFile info(QStringLiteral("/proc/self/fdinfo/") + fd.fileName());
            if (!info.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray &l : info.readAll().split('\n'))
                if (l.startsWith("flags:"))
                    mode = int(l.mid(6).trimmed().toInt(nullptr, 8) & O_ACCMODE);
        }
        return mode;
    });
    return mode;
}

} // namespace

void TestRecordFile::journalPutsTheOldCardBack_data()
{
    QTest::addColumn<bool>("forReading");
    QTest::newRow("opened for writing") << false;
    QTest::newRow("opened for reading") << true;
}

void TestRecordFile::journalPutsTheOldCardBack()
{
    QFETCH(bool, forReading);
    TempProgramFolder dir;
    const int size = 5844; // a guest card: more than one page of the disk
    const QByteArray a(size, 'a'), b(size, 'b'), c(size, 'c');
    // Record 2 torn: new up to a page boundary, old after it, and the journal still there.
    const QByteArray torn = QByteArray(2 * 4096 - size, 'N') + QByteArray(size - (2 * 4096 - size), 'b');
    dir.write(QStringLiteral("c.pro"), a + torn + c);
    dir.write(QStringLiteral("c.pro.jnl"), journal(2, b));
    RecordFile f(dir.file(QStringLiteral("c.pro")), size);
    forReading ? f.openForReading() : f.open();
    QByteArray rec(size, '\0');
    f.read(2, rec.data());
    QCOMPARE(rec, b);
    f.close();
    QCOMPARE(dir.read(QStringLiteral("c.pro")), a + b + c);
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("c.pro.jnl"))));

    // A journal cut short was being written when the program died, before the record was
    // touched: it is dropped and the card stays as it is.
    const QByteArray d(size, 'd');
    dir.write(QStringLiteral("c.pro"), a + d + c);
    dir.write(QStringLiteral("c.pro.jnl"), journal(2, b).chopped(1));
    f.open();
    f.read(2, rec.data());
    QCOMPARE(rec, d);
    f.close();
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("c.pro.jnl"))));
    // And a journal for a record past the end (an archive replaced since) is dropped too.
    dir.write(QStringLiteral("c.pro.jnl"), journal(9, b));
    f.open();
    QCOMPARE(f.count(), 3);
    f.close();
    QCOMPARE(dir.read(QStringLiteral("c.pro")), a + d + c);
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("c.pro.jnl"))));
}

void TestRecordFile::overwriteLeavesNoJournalAndSyncs()
{
    TempProgramFolder dir;
    RecordFile f(dir.file(QStringLiteral("a.pro")), 4);
    f.open();
    f.append("AAAA");
    f.append("BBBB");
    f.overwrite(1, "aaaa");
    f.overwrite(1, "aaaa"); // the same bytes: nothing to write
    f.close();
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("aaaaBBBB"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.pro")});
    // A journal that cannot be created (a writable archive in a folder that takes no new file)
    // stops the overwrite before the record is touched; appends still work.
    QVERIFY(Unprivileged::chmod(dir.file(QStringLiteral("a.pro")), 0666));
    QVERIFY(Unprivileged::chmod(dir.path(), 0555));
    QVERIFY(Unprivileged::run([&] {
        RecordFile g(dir.file(QStringLiteral("a.pro")), 4);
        try {
            g.open();
            g.append("CCCC");
        } catch (const ArchiveError &) {
            return false;
        }
        try {
            g.overwrite(2, "bbbb");
            return false;
        } catch (const ArchiveError &) {
            return true;
        }
    }));
    QVERIFY(Unprivileged::chmod(dir.path(), 0700));
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("aaaaBBBBCCCC"));
}

void TestRecordFile::overwriteIfUnchanged()
{
    TempProgramFolder dir;
    RecordFile mine(dir.file(QStringLiteral("a.pro")), 4), theirs(dir.file(QStringLiteral("a.pro")), 4);
    mine.open();
    mine.append("AAAA");
    mine.append("BBBB");
    char loaded[4];
    mine.read(2, loaded);
    // Nobody else touched the card: written.
    QCOMPARE(mine.overwriteIfUnchanged(2, loaded, "mine"), RecordFile::Outcome::Written);
    mine.read(2, loaded);
    // Another workstation saves the same card in between: nothing is written.
    theirs.open();
    theirs.overwrite(2, "they");
    theirs.close();
    QCOMPARE(mine.overwriteIfUnchanged(2, loaded, "MINE"), RecordFile::Outcome::ChangedElsewhere);
    mine.close();
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("AAAAthey"));
    // Overwriting anyway, after the question, is the plain overwrite.
    mine.open();
    mine.overwrite(2, "MINE");
    mine.close();
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("AAAAMINE"));
}

void TestRecordFile::readingNeverOpensForWriting()
{
    TempProgramFolder dir;
    dir.write(QStringLiteral("a.pro"), "AAAABBBB");
    const QString path = dir.file(QStringLiteral("a.pro"));
    RecordFile f(path, 4);
    const int mode = accessModeDuring(path, [&](const std::function<int()> &probe) {
        f.openForReading();
        probe();
        f.close();
    });
    QCOMPARE(mode, O_RDONLY);
    // Writes need open(): a reader's handle refuses them.
    f.openForReading();
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.append("CCCC"));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.overwrite(1, "CCCC"));
    f.close();
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("AAAABBBB"));
}

void TestRecordFile::readOnlyArchiveIsReadButNotWritten()
{
    TempProgramFolder dir;
    QVERIFY(Unprivileged::chmod(dir.path(), 0755));
    dir.write(QStringLiteral("a.pro"), "AAAABBBB");
    const QString path = dir.file(QStringLiteral("a.pro"));
    QVERIFY(Unprivileged::chmod(path, 0644));
    // A journal this user cannot replay: the old card is read in place of the torn one.
    dir.write(QStringLiteral("a.pro.jnl"), journal(2, "bbbb"));
    QVERIFY(Unprivileged::chmod(dir.file(QStringLiteral("a.pro.jnl")), 0644));
    QVERIFY(Unprivileged::run([&] {
        bool ok = true;
        for (bool forReading : {false, true}) {
            RecordFile f(path, 4);
            try {
                forReading ? f.openForReading() : f.open();
                char r[4];
                f.read(1, r);
                ok = ok && f.count() == 2 && QByteArray(r, 4) == "AAAA";
                f.read(2, r);
                ok = ok && QByteArray(r, 4) == "bbbb";
                QByteArray seen;
                f.scan([&](qint64, const char *rec) {
                    seen.append(rec, 4);
                    return true;
                });
                ok = ok && seen == "AAAAbbbb";
            } catch (const ArchiveError &) {
                return false;
            }
            try {
                f.append("CCCC");
                ok = false;
            } catch (const ArchiveError &) {}
            try {
                f.overwrite(1, "CCCC");
                ok = false;
            } catch (const ArchiveError &) {}
        }
        return ok;
    }));
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("AAAABBBB"));
}

void TestRecordFile::missingArchiveInAFolderThatAllowsNoFile()
{
    TempProgramFolder dir;
    QVERIFY(Unprivileged::chmod(dir.path(), 0555));
    const QString path = dir.file(QStringLiteral("a.pro"));
    QVERIFY(Unprivileged::run([&] {
        RecordFile f(path, 4);
        try {
            f.openForReading();
            bool visited = false;
            f.scan([&](qint64, const char *) { return visited = true; });
            if (f.count() != 0 || visited)
                return false;
            f.open();
            if (f.count() != 0)
                return false;
        } catch (const ArchiveError &) {
            return false;
        }
        try {
            f.append("AAAA");
            return false;
        } catch (const ArchiveError &) {
            return true;
        }
    }));
    QVERIFY(!QFile::exists(path));
    QVERIFY(Unprivileged::chmod(dir.path(), 0700));
}

void TestRecordFile::folderInPlaceOfTheArchiveFails()
{
    TempProgramFolder dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a.pro")));
    RecordFile f(dir.file(QStringLiteral("a.pro")), 4);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.openForReading());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.open());
}

void TestRecordFile::createdFilesAreNotForOtherUsers()
{
    TempProgramFolder dir;
    const mode_t oldMask = ::umask(022);
    RecordFile f(dir.file(QStringLiteral("new.pro")), 4);
    f.open();
    f.append("AAAA");
    f.overwrite(1, "BBBB");
    f.close();
    RecordFile r(dir.file(QStringLiteral("read.pro")), 4);
    r.openForReading();
    r.close();
    QVERIFY(SafeFile::writeWhole(dir.file(QStringLiteral("whole.lst")), "x\r\n"));
    QVERIFY(SafeFile::makeFolder(dir.file(QStringLiteral("Cliente_1/sotto"))));
    // An existing file keeps the mode it has.
    dir.write(QStringLiteral("old.lst"), "y");
    QVERIFY(Unprivileged::chmod(dir.file(QStringLiteral("old.lst")), 0604));
    QVERIFY(SafeFile::writeWhole(dir.file(QStringLiteral("old.lst")), "z"));
    dir.write(QStringLiteral("old.pro"), "AAAA");
    QVERIFY(Unprivileged::chmod(dir.file(QStringLiteral("old.pro")), 0644));
    RecordFile o(dir.file(QStringLiteral("old.pro")), 4);
    o.open();
    o.overwrite(1, "BBBB");
    o.close();
    ::umask(oldMask);
    QCOMPARE(Unprivileged::modeOf(dir.file(QStringLiteral("new.pro"))), mode_t(0660));
    QCOMPARE(Unprivileged::modeOf(dir.file(QStringLiteral("read.pro"))), mode_t(0660));
    QCOMPARE(Unprivileged::modeOf(dir.file(QStringLiteral("whole.lst"))), mode_t(0660));
    QCOMPARE(Unprivileged::modeOf(dir.file(QStringLiteral("Cliente_1"))), mode_t(0770));
    QCOMPARE(Unprivileged::modeOf(dir.file(QStringLiteral("Cliente_1/sotto"))), mode_t(0770));
    QCOMPARE(Unprivileged::modeOf(dir.file(QStringLiteral("old.lst"))), mode_t(0604));
    QCOMPARE(Unprivileged::modeOf(dir.file(QStringLiteral("old.pro"))), mode_t(0644));
    QCOMPARE(dir.read(QStringLiteral("old.lst")), QByteArray("z"));
}

void TestRecordFile::fileSizeLimitIsAWriteFailure()
{
    TempProgramFolder dir;
    dir.write(QStringLiteral("a.pro"), "AAAABBBB");
    dir.write(QStringLiteral("p.lst"), "vecchio\r\n");
    // In a child, so the limit and the signal's state stay there.
    const pid_t pid = ::fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        struct rlimit lim {
            10, 10
        };
        ::setrlimit(RLIMIT_FSIZE, &lim);
        int rc = 0;
        RecordFile f(dir.file(QStringLiteral("a.pro")), 4);
        try {
            f.open();
            f.append("CCCC");
            rc = 1; // past the limit, yet reported as done
        } catch (const ArchiveError &) {}
        std::signal(SIGXFSZ, SIG_DFL);
        if (SafeFile::writeWhole(dir.file(QStringLiteral("p.lst")), QByteArray(100, 'x')))
            rc = 1;
        ::_exit(rc);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    QVERIFY2(WIFEXITED(status), "killed by the file-size limit");
    QCOMPARE(WEXITSTATUS(status), 0);
    // An interrupted append is an uncounted tail; the list file is the old one.
    RecordFile f(dir.file(QStringLiteral("a.pro")), 4);
    f.open();
    QCOMPARE(f.count(), 2);
    QCOMPARE(dir.read(QStringLiteral("p.lst")), QByteArray("vecchio\r\n"));
}

void TestRecordFile::fieldWriteRead()
{
    char rec[12];
    std::memset(rec, 'x', sizeof rec);
    const FieldSpec f{1, 5};
    TextField::write(rec, f, QStringLiteral("  Città€ lunga  "));
    // Trimmed, Windows-1252, cut to 5 bytes, the rest of the field zeroed; neighbours untouched.
    QCOMPARE(QByteArray(rec, 12), QByteArray("x\x05"
                                             "Citt\xE0"
                                             "xxxxxx",
                                             12));
    QCOMPARE(TextField::read(rec, f), QStringLiteral("Città"));
    TextField::write(rec, f, QStringLiteral("   "));
    QCOMPARE(QByteArray(rec, 12), QByteArray("x\0\0\0\0\0\0xxxxx", 12));
    QCOMPARE(TextField::read(rec, f), QString());
}

void TestRecordFile::fieldClampsLength()
{
    // A length byte of 200 on a 3-byte field reads the 3 bytes, never beyond.
    const char rec[6] = {char(200), 'a', 'b', 'c', 'Z', 'Z'};
    QCOMPARE(TextField::read(rec, FieldSpec{0, 3}), QStringLiteral("abc"));
}

void TestRecordFile::missingFileIsCreatedEmpty()
{
    TempProgramFolder dir;
    RecordFile f(dir.file(QStringLiteral("a.pro")), 10);
    f.open();
    QCOMPARE(f.count(), 0);
    QVERIFY(QFile::exists(dir.file(QStringLiteral("a.pro"))));
    QCOMPARE(QFileInfo(dir.file(QStringLiteral("a.pro"))).size(), 0);
}

void TestRecordFile::appendReadOverwrite()
{
    TempProgramFolder dir;
    RecordFile f(dir.file(QStringLiteral("a.pro")), 4);
    f.open();
    QCOMPARE(f.append("AAAA"), 1);
    QCOMPARE(f.append("BBBB"), 2);
    QCOMPARE(f.append("CCCC"), 3);
    f.overwrite(2, "bbbb");
    char buf[4];
    f.read(3, buf);
    QCOMPARE(QByteArray(buf, 4), QByteArray("CCCC"));
    f.close();
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("AAAAbbbbCCCC"));
    f.open();
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.read(4, buf));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.overwrite(0, buf));
}

void TestRecordFile::tornTailIsIgnoredAndOverwritten()
{
    TempProgramFolder dir;
    dir.write(QStringLiteral("a.pro"), "AAAABBBBCC");
    RecordFile f(dir.file(QStringLiteral("a.pro")), 4);
    f.open();
    QCOMPARE(f.count(), 2);
    int seen = 0;
    f.scan([&](qint64, const char *) {
        ++seen;
        return true;
    });
    QCOMPARE(seen, 2);
    QCOMPARE(f.append("DDDD"), 3);
    f.close();
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("AAAABBBBDDDD"));
}

void TestRecordFile::scanVisitsEveryRecordInOrder()
{
    TempProgramFolder dir;
    // More records than one read block holds, and a record size that does not divide it.
    const int size = 5844, n = 1500;
    QByteArray all(qsizetype(size) * n, '\0');
    for (int i = 0; i < n; ++i)
        std::memcpy(all.data() + qsizetype(i) * size, &i, sizeof i);
    dir.write(QStringLiteral("big.pro"), all);
    RecordFile f(dir.file(QStringLiteral("big.pro")), size);
    f.open();
    qint64 expected = 1;
    bool inOrder = true;
    f.scan([&](qint64 pos, const char *rec) {
        int v;
        std::memcpy(&v, rec, sizeof v);
        inOrder = inOrder && pos == expected && v == pos - 1;
        ++expected;
        return true;
    });
    QVERIFY(inOrder);
    QCOMPARE(expected - 1, n);
    int stopped = 0;
    f.scan([&](qint64 pos, const char *) {
        ++stopped;
        return pos < 10;
    });
    QCOMPARE(stopped, 10);
}

void TestRecordFile::readOnlyFileFailsWithoutTruncating()
{
    if (geteuid() == 0)
        QSKIP("root opens read-only files for writing anyway");
    TempProgramFolder dir;
    dir.write(QStringLiteral("a.pro"), "AAAA");
    QFile::setPermissions(dir.file(QStringLiteral("a.pro")), QFileDevice::ReadOwner);
    RecordFile f(dir.file(QStringLiteral("a.pro")), 4);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.open());
    QCOMPARE(dir.read(QStringLiteral("a.pro")), QByteArray("AAAA"));
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
