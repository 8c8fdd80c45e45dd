#include "base/RecordFile.h"
#include "base/TextField.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

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
};

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
