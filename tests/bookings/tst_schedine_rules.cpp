#include "base/RecordFile.h"
#include "bookings/Schedine.h"
#include "support/TestSupport.h"
#include "tst_schedine_records.h"

#include <QDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace TestSchedine;

namespace {

const QDate kDate(2024, 8, 10);

std::vector<std::pair<qint64, TVisita>> numbered(const QList<QByteArray> &records)
{
    std::vector<std::pair<qint64, TVisita>> out;
    for (int i = 0; i < records.size(); ++i)
        out.emplace_back(i + 1, visita(records[i]));
    return out;
}

QStringList names(const std::vector<Schedine::Guest> &guests)
{
    QStringList out;
    for (const auto &g : guests)
        out << g.name();
    return out;
}

} // namespace

class TestSchedineRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void fileHoldsEveryFieldAtItsOffset();
    void lineNeverBreaksOnAControlCharacter();
    void refusalReasons_data();
    void refusalReasons();
    void membersNeedAReadyHeadOfTheirKindInTheirRoom_data();
    void membersNeedAReadyHeadOfTheirKindInTheirRoom();
    void leftOutGuestsStayOutOfTheFile();
    void unreadableRegisterThrows();
    void failedWriteKeepsTheOldFile();

private:
    TempProgramFolder *m_dir = nullptr;
};

void TestSchedineRules::initTestCase() { m_dir = new TempProgramFolder; }

void TestSchedineRules::init()
{
    QFile::remove(m_dir->file(QStringLiteral("Registro.pro")));
    QDir(m_dir->path()).rmdir(QStringLiteral("Registro.pro"));
}

void TestSchedineRules::fileHoldsEveryFieldAtItsOffset()
{
    m_dir->write(QStringLiteral("Registro.pro"), dayRegister());
    const Schedine::Day day = Schedine::select(kDate);
    QCOMPARE(names(day.guests),
             (QStringList{"Rossi Mario", "Rossi Anna", "Rossi Luca", "Müller Jürgen", "Bianchi Carla", "Verdi Paolo"}));
    QCOMPARE(day.leftOut(), 0);
    const QByteArray file = Schedine::fileBytes(day);
    QCOMPARE(file.size(), 6 * 168 + 5 * 2);
    QVERIFY(!file.endsWith('\n') && !file.endsWith('\r'));

    const QList<QByteArray> lines = file.split('\n');
    QCOMPARE(lines.size(), 6);
    int offsets[14], at = 0;
    for (int f = 0; f < 14; ++f) {
        offsets[f] = at;
        at += kWidths[f];
    }
    for (int i = 0; i < 6; ++i) {
        QByteArray line = lines[i];
        if (i < 5) {
            QVERIFY2(line.endsWith('\r'), qPrintable(QString::number(i)));
            line.chop(1);
        }
        QCOMPARE(line.size(), 168);
        for (int f = 0; f < 14; ++f)
            QCOMPARE(line.mid(offsets[f], kWidths[f]), QByteArray(kExpected[i].fields[f]).leftJustified(kWidths[f]));
    }
    QCOMPARE(file, expectedFile());

    // A few fields spelled out, so that the table above cannot drift with the code.
    QCOMPARE(file.left(19), QByteArray("1710/08/202403Rossi"));
    QCOMPARE(file.mid(64, 5), QByteArray("Mario"));
    QCOMPARE(file.mid(94, 11), QByteArray("115/03/1980"));
    QCOMPARE(file.mid(105, 11), QByteArray("412058091RM"));
    const QByteArray foreign = lines[3];
    QCOMPARE(foreign.mid(14, 7), QByteArray("M\xfcller "));
    QCOMPARE(foreign.mid(105, 20), QByteArray(11, ' ') + "100000216");
    QCOMPARE(foreign.mid(134, 34), QByteArray("PASORC01X00T47           100000216"));
    QCOMPARE(lines[1].mid(134, 34), QByteArray(34, ' '));

    QCOMPARE(Schedine::fileName(kDate), QStringLiteral("Alloggiati_20240810.txt"));
}

void TestSchedineRules::lineNeverBreaksOnAControlCharacter()
{
    const TVisita v = visita(single(QStringLiteral("De\r\nLuca"), QStringLiteral("Ada\tMaria")));
    const QByteArray line = Schedine::lineOf(v, kDate);
    QCOMPARE(line.size(), 168);
    QCOMPARE(line.mid(14, 8), QByteArray("De  Luca"));
    QCOMPARE(line.mid(64, 9), QByteArray("Ada Maria"));
}

void TestSchedineRules::refusalReasons_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("problems");
    const QString none;
    const QString a = QStringLiteral("A"), b = QStringLiteral("B");
    auto row = [&](const char *name, std::initializer_list<QPair<FieldSpec, QString>> changes, QStringList problems) {
        QTest::newRow(name) << single(a, b, changes) << problems;
    };
    row("complete", {}, {});
    row("no type", {{F::CodTipo, none}}, {"manca il tipo di alloggiato"});
    row("unknown type", {{F::CodTipo, "21"}}, {"tipo di alloggiato sconosciuto (21)"});
    row("no sex", {{F::CodSesso, none}}, {"manca il sesso"});
    row("sex not a code", {{F::CodSesso, "M"}}, {"sesso non valido (M)"});
    row("no surname", {{F::Cognome, none}}, {"manca il cognome"});
    row("no first name", {{F::Nome, none}}, {"manca il nome"});
    row("no birth date", {{F::DataNasc, none}}, {"manca la data di nascita"});
    row("birth date not a day", {{F::DataNasc, "31/02/1980"}}, {"la data di nascita 31/02/1980 non esiste"});
    row("birth date free text", {{F::DataNasc, "1980"}}, {"la data di nascita 1980 non esiste"});
    row("born after arrival", {{F::DataNasc, "11/08/2024"}}, {"la data di nascita 11/08/2024 è successiva all'arrivo"});
    row("no days", {{F::Giorni, none}}, {"mancano i giorni di permanenza"});
    row("days 00", {{F::Giorni, "00"}}, {"giorni di permanenza non compresi tra 01 e 30 (00)"});
    row("days 31", {{F::Giorni, "31"}}, {"giorni di permanenza non compresi tra 01 e 30 (31)"});
    row("days not digits", {{F::Giorni, "3a"}}, {"giorni di permanenza non compresi tra 01 e 30 (3a)"});
    row("days 30", {{F::Giorni, "30"}}, {});
    row("no birthplace", {{F::CodComuneNasc, none}, {F::ProvNasc, none}, {F::CodStatoNasc, none}},
        {"mancano il comune e lo stato di nascita"});
    row("Italy without municipality", {{F::CodComuneNasc, none}}, {"manca il comune di nascita"});
    row("municipality without province", {{F::ProvNasc, none}}, {"manca la provincia di nascita"});
    row("Italian municipality, foreign state", {{F::CodStatoNasc, kGermania}},
        {"comune di nascita italiano con stato di nascita estero"});
    row("born abroad", {{F::CodComuneNasc, none}, {F::ProvNasc, none}, {F::CodStatoNasc, kGermania}}, {});
    row("no citizenship", {{F::CodCittadinanza, none}}, {"manca la cittadinanza"});
    row("16 no document type", {{F::CodTipoDoc, none}}, {"manca il tipo di documento"});
    row("17 no document number", {{F::CodTipo, "17"}, {F::NumDoc, none}}, {"manca il numero del documento"});
    row("18 no place of issue", {{F::CodTipo, "18"}, {F::CodLuogoRil, none}},
        {"manca il luogo di rilascio del documento"});
    row("19 needs no document", {{F::CodTipo, "19"}, {F::CodTipoDoc, none}, {F::NumDoc, none}, {F::CodLuogoRil, none}},
        {});
    row("20 needs no document", {{F::CodTipo, "20"}, {F::CodTipoDoc, none}, {F::NumDoc, none}, {F::CodLuogoRil, none}},
        {});
    row("several at once", {{F::CodSesso, none}, {F::CodCittadinanza, none}, {F::NumDoc, none}},
        {"manca il sesso", "manca la cittadinanza", "manca il numero del documento"});
}

void TestSchedineRules::refusalReasons()
{
    QFETCH(QByteArray, record);
    QFETCH(QStringList, problems);
    QCOMPARE(Schedine::ownProblems(visita(record)), problems);
}

void TestSchedineRules::membersNeedAReadyHeadOfTheirKindInTheirRoom_data()
{
    QTest::addColumn<QList<QByteArray>>("records");
    QTest::addColumn<QStringList>("memberProblems");
    const QString none;
    auto member = [&](const QString &type, const QString &room) {
        return single(QStringLiteral("M"), QStringLiteral("M"),
                      {{F::CodTipo, type}, {F::Camera, room}, {F::CodTipoDoc, none}, {F::NumDoc, none}});
    };
    auto head = [&](const QString &type, const QString &room, const QString &sex = QStringLiteral("1")) {
        return single(QStringLiteral("H"), QStringLiteral("H"),
                      {{F::CodTipo, type}, {F::Camera, room}, {F::CodSesso, sex}});
    };
    QTest::newRow("family member with head") << QList<QByteArray>{head("17", "3"), member("19", "3")} << QStringList{};
    QTest::newRow("family member alone") << QList<QByteArray>{member("19", "3")}
                                         << QStringList{"familiare senza capofamiglia nella stessa camera"};
    QTest::newRow("head in another room") << QList<QByteArray>{head("17", "4"), member("19", "3")}
                                          << QStringList{"familiare senza capofamiglia nella stessa camera"};
    QTest::newRow("group member under a family head")
        << QList<QByteArray>{head("17", "3"), member("20", "3")}
        << QStringList{"membro del gruppo senza capogruppo nella stessa camera"};
    QTest::newRow("family head not ready")
        << QList<QByteArray>{head("17", "3", none), member("19", "3")} << QStringList{"il capofamiglia non è pronto"};
    QTest::newRow("group head not ready, member after it")
        << QList<QByteArray>{member("20", "3"), head("18", "3", none)} << QStringList{"il capogruppo non è pronto"};
}

void TestSchedineRules::membersNeedAReadyHeadOfTheirKindInTheirRoom()
{
    QFETCH(QList<QByteArray>, records);
    QFETCH(QStringList, memberProblems);
    const auto guests = Schedine::arrange(numbered(records), kDate);
    QCOMPARE(int(guests.size()), int(records.size()));
    for (const auto &g : guests)
        if (g.name() == QStringLiteral("M M"))
            QCOMPARE(g.problems, memberProblems);
}

void TestSchedineRules::leftOutGuestsStayOutOfTheFile()
{
    const QString none;
    m_dir->write(QStringLiteral("Registro.pro"),
                 concat({single(QStringLiteral("Bianchi"), QStringLiteral("Ada"), {{F::CodSesso, none}}),
                         single(QStringLiteral("Rossi"), QStringLiteral("Mario"))}));
    const Schedine::Day day = Schedine::select(kDate);
    QCOMPARE(day.ready(), 1);
    QCOMPARE(day.leftOut(), 1);
    const Schedine::Guest &out = day.guests.front();
    QCOMPARE(out.verdict(), QStringLiteral("Manca il sesso"));
    QCOMPARE(Schedine::leftOutLine(out), QStringLiteral("Bianchi Ada, camera 5 (scheda 1): manca il sesso"));
    const QByteArray file = Schedine::fileBytes(day);
    QCOMPARE(file.size(), 168);
    QCOMPARE(file.mid(14, 5), QByteArray("Rossi"));
}

void TestSchedineRules::unreadableRegisterThrows()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Registro.pro")));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, Schedine::select(kDate));
}

void TestSchedineRules::failedWriteKeepsTheOldFile()
{
    const QString path = m_dir->file(QStringLiteral("Alloggiati_20240810.txt"));
    m_dir->write(QStringLiteral("Alloggiati_20240810.txt"), "old");

    // A full disk in small: the write goes to the buffer and fails only when it reaches the file.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    QString why;
    const bool written = Schedine::writeFile(path, QByteArray(1000, 'x'), &why);
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!written);
    QVERIFY(!why.isEmpty());
    QCOMPARE(m_dir->read(QStringLiteral("Alloggiati_20240810.txt")), QByteArray("old"));

    // A folder where the file should be.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Alloggiati_20240811.txt")));
    QVERIFY(!Schedine::writeFile(m_dir->file(QStringLiteral("Alloggiati_20240811.txt")), "x"));

    QVERIFY(Schedine::writeFile(path, "new"));
    QCOMPARE(m_dir->read(QStringLiteral("Alloggiati_20240810.txt")), QByteArray("new"));
    // Guests' names and documents: owner and group only.
    const QFileDevice::Permissions mine = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    QCOMPARE(QFile::permissions(path) & ~mine,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup);
}

QTEST_GUILESS_MAIN(TestSchedineRules)
#include "tst_schedine_rules.moc"
