#include "base/IniValue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestIniValue : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void replacingKeepsEveryOtherByte_data();
    void replacingKeepsEveryOtherByte();
    void files();
    void everyLineEndReads_data();
    void everyLineEndReads();
    void writeIsDoneOnlyWhenItReadsBack();
};

void TestIniValue::reading_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("missing");
    // clang-format off
    QTest::newRow("plain") << QByteArray("[Accesso]\r\nValore=ABCD\r\n") << "ABCD" << false;
    QTest::newRow("names in any case, blanks round") << QByteArray(" [ accesso ] \n  VALORE =  AB CD  \n") << "AB CD" << false;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Accesso]\nValore=12\n") << "12" << false;
    QTest::newRow("no final break") << QByteArray("[Accesso]\nValore=12") << "12" << false;
    QTest::newRow("empty value") << QByteArray("[Accesso]\nValore=\n") << "" << false;
    QTest::newRow("first of two") << QByteArray("[Accesso]\nValore=1\nValore=2\n") << "1" << false;
    QTest::newRow("comment skipped") << QByteArray("[Accesso]\n;Valore=1\nValore=2\n") << "2" << false;
    QTest::newRow("key in another section") << QByteArray("[Altro]\nValore=1\n[Accesso]\nX=2\n") << "" << true;
    QTest::newRow("no section") << QByteArray("Valore=1\n") << "" << true;
    QTest::newRow("empty text") << QByteArray() << "" << true;
    QTest::newRow("key with a longer name") << QByteArray("[Accesso]\nValoreX=1\n") << "" << true;
    // clang-format on
}

void TestIniValue::reading()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, value);
    QFETCH(bool, missing);
    const QString got = IniValue::read(ini, u"Accesso", u"Valore");
    QCOMPARE(got.isNull(), missing);
    if (!missing)
        QCOMPARE(got, value);
}

void TestIniValue::replacingKeepsEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("expected");
    // clang-format off
    QTest::newRow("value among other lines, CRLF")
        << QByteArray("; installato il 1/2/2024\r\n[Setup]\r\nLingua=Italiano \xE8\r\n\r\n[Accesso]\r\nAltro=1\r\n  valore = 00FF  \r\nCoda=2\r\n")
        << QByteArray("; installato il 1/2/2024\r\n[Setup]\r\nLingua=Italiano \xE8\r\n\r\n[Accesso]\r\nAltro=1\r\nvalore=NEW\r\nCoda=2\r\n");
    QTest::newRow("LF and no final break")
        << QByteArray("[Accesso]\nValore=00") << QByteArray("[Accesso]\nValore=NEW");
    QTest::newRow("missing key goes to the end of its section")
        << QByteArray("[Accesso]\r\nAltro=1\r\n\r\n[Dopo]\r\nX=1\r\n")
        << QByteArray("[Accesso]\r\nAltro=1\r\nValore=NEW\r\n\r\n[Dopo]\r\nX=1\r\n");
    QTest::newRow("missing key, section last without a break")
        << QByteArray("[Accesso]\nAltro=1") << QByteArray("[Accesso]\nAltro=1\nValore=NEW\n");
    QTest::newRow("missing section is added")
        << QByteArray("[Altro]\nValore=1") << QByteArray("[Altro]\nValore=1\n[Accesso]\nValore=NEW\n");
    QTest::newRow("empty text") << QByteArray() << QByteArray("[Accesso]\r\nValore=NEW\r\n");
    // clang-format on
}

void TestIniValue::replacingKeepsEveryOtherByte()
{
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, expected);
    const QByteArray out = IniValue::replaced(ini, u"Accesso", u"Valore", QStringLiteral("NEW"));
    QCOMPARE(out, expected);
    QCOMPARE(IniValue::read(out, u"Accesso", u"Valore"), QStringLiteral("NEW"));
}

void TestIniValue::files()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unins000.dll"));
    QString value = QStringLiteral("x");

    // Missing file: no value, no failure, and reading creates nothing.
    QVERIFY(IniValue::readFile(path, u"Accesso", u"Valore", value));
    QVERIFY(value.isNull());
    QVERIFY(!QFile::exists(path));

    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Accesso]\r\nValore=00\r\n[Altro]\r\nY=\xE0\r\n");
    f.close();
    QVERIFY(IniValue::writeFile(path, u"Accesso", u"Valore", QStringLiteral("ABCD")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("[Accesso]\r\nValore=ABCD\r\n[Altro]\r\nY=\xE0\r\n"));
    f.close();
    QVERIFY(IniValue::readFile(path, u"Accesso", u"Valore", value));
    QCOMPARE(value, QStringLiteral("ABCD"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("unins000.dll")});

    // A folder where the file should be can be neither read nor written (and stays a folder).
    const QString folder = dir.filePath(QStringLiteral("cartella"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(!IniValue::readFile(folder, u"Accesso", u"Valore", value));
    QVERIFY(!IniValue::writeFile(folder, u"Accesso", u"Valore", QStringLiteral("ABCD")));
    QVERIFY(QFileInfo(folder).isDir());
    // A folder that does not exist has no room for the temporary file.
    QVERIFY(!IniValue::writeFile(dir.filePath(QStringLiteral("manca/unins000.dll")), u"Accesso", u"Valore",
                                 QStringLiteral("ABCD")));
}

void TestIniValue::everyLineEndReads_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("replacedText");
    // clang-format off
    QTest::newRow("CR only") << QByteArray("[Setup]\rX=1\r[Accesso]\rValore=00\rCoda=2\r")
                             << QByteArray("[Setup]\rX=1\r[Accesso]\rValore=NEW\rCoda=2\r");
    QTest::newRow("CR only, key missing") << QByteArray("[Accesso]\rAltro=1\r")
                                          << QByteArray("[Accesso]\rAltro=1\rValore=NEW\r");
    QTest::newRow("ends in a lone CR") << QByteArray("[Altro]\r\nX=1\r")
                                       << QByteArray("[Altro]\r\nX=1\r[Accesso]\r\nValore=NEW\r\n");
    QTest::newRow("mixed") << QByteArray("[Accesso]\nA=1\rValore=00\r\nB=2\n")
                           << QByteArray("[Accesso]\nA=1\rValore=NEW\r\nB=2\n");
    QTest::newRow("empty lines of CR") << QByteArray("\r\r[Accesso]\r\rValore=00")
                                       << QByteArray("\r\r[Accesso]\r\rValore=NEW");
    // clang-format on
}

void TestIniValue::everyLineEndReads()
{
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, replacedText);
    const QByteArray out = IniValue::replaced(ini, u"Accesso", u"Valore", QStringLiteral("NEW"));
    QCOMPARE(out, replacedText);
    QCOMPARE(IniValue::read(out, u"Accesso", u"Valore"), QStringLiteral("NEW"));
    if (ini.contains("Valore=00"))
        QCOMPARE(IniValue::read(ini, u"Accesso", u"Valore"), QStringLiteral("00"));
}

void TestIniValue::writeIsDoneOnlyWhenItReadsBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unins000.dll"));
    // A store ending in a lone carriage return used to take the value on the same line as the
    // last one and report success; now the value reads back from the new file.
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Accesso]\r\nValore=00\r\n[Altro]\r\nY=1\r");
    f.close();
    QVERIFY(IniValue::writeFile(path, u"Altro", u"Z", QStringLiteral("5")));
    QString value;
    QVERIFY(IniValue::readFile(path, u"Altro", u"Z", value));
    QCOMPARE(value, QStringLiteral("5"));
    QVERIFY(IniValue::readFile(path, u"Altro", u"Y", value));
    QCOMPARE(value, QStringLiteral("1"));

    // Values that could never read back as written are refused, and the file stays as it was.
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    for (const QString &bad : {QStringLiteral("AB\nCD"), QStringLiteral(" AB"), QStringLiteral("AB\r"),
                               QStringLiteral("€"), QStringLiteral("A=B\n[Accesso]")}) {
        QVERIFY2(!IniValue::writeFile(path, u"Accesso", u"Valore", bad), qPrintable(bad));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        f.close();
    }
}

QTEST_GUILESS_MAIN(TestIniValue)
#include "tst_inivalue.moc"
