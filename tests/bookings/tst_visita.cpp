#include "base/RecordFile.h"
#include "bookings/Visita.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

// The register's layout as the other workstations and earlier files have it: name,
// offset of the length byte, capacity.
struct Slot {
    const char *control;
    int offset;
    int capacity;
};
static const Slot kLayout[] = {
    // clang-format off
    {"txtDataEnt", 0, 10},        {"txtOraEnt", 11, 5},          {"txtCamera", 17, 20},
    {"txtAdulti", 38, 2},         {"txtBambini", 41, 2},         {"txtGiorni", 44, 2},
    {"txtCellulare", 47, 20},     {"txtCognome", 68, 50},        {"txtNome", 119, 30},
    {"txtTipo", 150, 50},         {"txtCodTipo", 201, 2},        {"txtSesso", 204, 4},
    {"txtCodSesso", 209, 1},      {"txtDataNasc", 211, 10},      {"txtComuneNasc", 222, 40},
    {"txtCodComuneNasc", 263, 9}, {"txtProvNasc", 273, 2},       {"txtStatoNasc", 276, 40},
    {"txtCodStatoNasc", 317, 9},  {"txtTipoDoc", 327, 40},       {"txtCodTipoDoc", 368, 5},
    {"txtNumDoc", 374, 20},       {"txtLuogoRil", 395, 40},      {"txtCodLuogoRil", 436, 9},
    {"txtCittadinanza", 446, 40}, {"txtCodCittadinanza", 487, 9}, {"txtEmail", 497, 50},
    {"txtDataUsc", 548, 10},      {"txtOraUsc", 559, 5},         {"txtTariffa", 565, 50},
    {"txtSupplementi", 616, 120},
    // clang-format on
};

// A text that fills the field exactly and differs from every other field's.
static QByteArray fullText(int index, int capacity)
{
    QByteArray t;
    for (int i = 0; i < capacity; ++i)
        t.append(char('A' + (index + i) % 26));
    return t;
}

static TVisita booking(const QString &surname, bool cancelled)
{
    TVisita v;
    v.set(VisitaField::DataEnt, QStringLiteral("10/08/2024"));
    v.set(VisitaField::DataUsc, QStringLiteral("13/08/2024"));
    v.set(VisitaField::Giorni, QStringLiteral("03"));
    v.set(VisitaField::Cognome, surname);
    v.set(VisitaField::Nome, QStringLiteral("Mario"));
    v.setDisdetta(cancelled);
    return v;
}

class TestVisita : public QObject {
    Q_OBJECT
private slots:
    void everyFieldAtItsOffset();
    void textsAreTrimmedCutAndInCp1252();
    void flagBytesAndOddFlags();
    void missingRegisterIsCreatedEmpty();
    void overwriteLeavesTheOtherRecordsAlone();
    void tornTailIsIgnoredAndOverwrittenByTheNextAppend();
};

void TestVisita::everyFieldAtItsOffset()
{
    const auto &fields = VisitaField::textFields();
    QCOMPARE(int(fields.size()), int(std::size(kLayout)));

    TVisita v;
    QByteArray expected(TVisita::Size, '\0');
    for (int i = 0; i < int(std::size(kLayout)); ++i) {
        const Slot &s = kLayout[i];
        QCOMPARE(fields[i].control, QString::fromLatin1(s.control));
        const QByteArray text = fullText(i, s.capacity);
        v.set(fields[i].field, QString::fromLatin1(text));
        expected[s.offset] = char(s.capacity);
        expected.replace(s.offset + 1, s.capacity, text);
    }
    v.setDisdetta(true);
    expected.replace(737, 3, QByteArray("\x02S\xEC", 3));

    QCOMPARE(QByteArray(v.bytes.data(), TVisita::Size), expected);
    for (int i = 0; i < int(std::size(kLayout)); ++i)
        QCOMPARE(v.get(fields[i].field), QString::fromLatin1(fullText(i, kLayout[i].capacity)));
}

void TestVisita::textsAreTrimmedCutAndInCp1252()
{
    TVisita v;
    v.set(VisitaField::Cognome, QStringLiteral(" \t Città di Castello\t "));
    v.set(VisitaField::ProvNasc, QStringLiteral("PGX"));
    v.set(VisitaField::Supplementi, QString(130, u'x'));
    QCOMPARE(QByteArray(v.bytes.data() + 68, 18), QByteArray("\x11"
                                                             "Citt\xE0 di Castello",
                                                             18));
    QCOMPARE(v.get(VisitaField::Cognome), QStringLiteral("Città di Castello"));
    QCOMPARE(QByteArray(v.bytes.data() + 273, 3), QByteArray("\x02PG", 3));
    QCOMPARE(v.get(VisitaField::Supplementi), QString(120, u'x'));
    // The supplements fill up to the flag, which stays untouched.
    QCOMPARE(QByteArray(v.bytes.data() + 737, 3), QByteArray(3, '\0'));
}

void TestVisita::flagBytesAndOddFlags()
{
    TVisita v;
    v.setDisdetta(false);
    QCOMPARE(QByteArray(v.bytes.data() + 737, 3), QByteArray("\x02No", 3));
    QCOMPARE(v.disdetta(), std::optional<bool>(false));
    QVERIFY(v.isValidBooking());
    v.setDisdetta(true);
    QCOMPARE(QByteArray(v.bytes.data() + 737, 3), QByteArray("\x02S\xEC", 3));
    QCOMPARE(v.disdetta(), std::optional<bool>(true));
    QVERIFY(!v.isValidBooking());
    // Anything but the two exact texts is no answer, and no valid booking either.
    for (const char *odd : {"no", "NO", "Si", "", "X"}) {
        v.set(VisitaField::Disdetta, QString::fromLatin1(odd));
        QVERIFY2(!v.disdetta().has_value(), odd);
        QVERIFY2(!v.isValidBooking(), odd);
    }
}

void TestVisita::missingRegisterIsCreatedEmpty()
{
    TempProgramFolder dir;
    QCOMPARE(registroPath(), dir.file(QStringLiteral("Registro.pro")));
    RecordFile f(registroPath(), TVisita::Size);
    f.open();
    QCOMPARE(f.count(), 0);
    int seen = 0;
    f.scan([&](qint64, const char *) { return ++seen, true; });
    QCOMPARE(seen, 0);
    f.close();
    QVERIFY(QFileInfo::exists(registroPath()));
}

void TestVisita::overwriteLeavesTheOtherRecordsAlone()
{
    TempProgramFolder dir;
    RecordFile f(registroPath(), TVisita::Size);
    f.open();
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(f.append(booking(QStringLiteral("Ospite %1").arg(i), false).bytes.data()), i);
    f.close();
    const QByteArray before = dir.read(QStringLiteral("Registro.pro"));
    QCOMPARE(before.size(), 3700);

    f.open();
    f.overwrite(3, booking(QStringLiteral("Rossi"), true).bytes.data());
    f.close();
    const QByteArray after = dir.read(QStringLiteral("Registro.pro"));
    QCOMPARE(after.size(), 3700);
    QCOMPARE(after.left(2 * 740), before.left(2 * 740));
    QCOMPARE(after.mid(3 * 740), before.mid(3 * 740));
    QCOMPARE(after.mid(2 * 740, 740), QByteArray(booking(QStringLiteral("Rossi"), true).bytes.data(), 740));
}

void TestVisita::tornTailIsIgnoredAndOverwrittenByTheNextAppend()
{
    TempProgramFolder dir;
    const QByteArray one(booking(QStringLiteral("Bianchi"), false).bytes.data(), 740);
    dir.write(QStringLiteral("Registro.pro"), one + one + QByteArray(300, 'Z'));
    RecordFile f(registroPath(), TVisita::Size);
    f.open();
    QCOMPARE(f.count(), 2);
    QList<qint64> seen;
    f.scan([&](qint64 n, const char *rec) {
        seen << n;
        TVisita v;
        std::memcpy(v.bytes.data(), rec, TVisita::Size);
        return v.get(VisitaField::Cognome) == QStringLiteral("Bianchi");
    });
    QCOMPARE(seen, (QList<qint64>{1, 2}));
    const QByteArray next(booking(QStringLiteral("Verdi"), false).bytes.data(), 740);
    QCOMPARE(f.append(next.constData()), 3);
    f.close();
    QCOMPARE(dir.read(QStringLiteral("Registro.pro")), one + one + next);
}

QTEST_GUILESS_MAIN(TestVisita)
#include "tst_visita.moc"
