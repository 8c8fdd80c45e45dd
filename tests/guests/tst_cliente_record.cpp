#include "base/RecordFile.h"
#include "guests/Cliente.h"
#include "support/TestSupport.h"

#include <QTest>

// The guest record, byte for byte, against offsets written out by hand.
class TestClienteRecord : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void billAndAttachmentArrays();
    void everyFieldHasItsOwnBytes();
    void flagBytes();
    void flagReading_data();
    void flagReading();
    void appendToSevenCards();
};

void TestClienteRecord::layout_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("specOffset");
    QTest::addColumn<int>("specCapacity");
    using namespace ClienteField;
    const struct {
        const char *name;
        int offset, capacity;
        FieldSpec field;
    } rows[] = {
        // clang-format off
        {"Cognome", 0, 50, Cognome},       {"Nome", 51, 30, Nome},
        {"Sesso", 82, 4, Sesso},           {"CodSesso", 87, 1, CodSesso},
        {"CodFisc", 89, 16, CodFisc},      {"Tipo", 106, 50, Tipo},
        {"CodTipo", 157, 2, CodTipo},      {"DataNasc", 160, 10, DataNasc},
        {"ComuneNasc", 171, 40, ComuneNasc}, {"CodComuneNasc", 212, 9, CodComuneNasc},
        {"ProvNasc", 222, 2, ProvNasc},    {"StatoNasc", 225, 40, StatoNasc},
        {"CodStatoNasc", 266, 9, CodStatoNasc}, {"Cittadinanza", 276, 40, Cittadinanza},
        {"CodCittadinanza", 317, 9, CodCittadinanza}, {"Via", 327, 80, Via},
        {"Cap", 408, 5, Cap},              {"ComuneRes", 414, 40, ComuneRes},
        {"ProvRes", 455, 2, ProvRes},      {"Iva", 458, 11, Iva},
        {"TipoDoc", 470, 40, TipoDoc},     {"CodTipoDoc", 511, 5, CodTipoDoc},
        {"NumDoc", 517, 20, NumDoc},       {"LuogoRil", 538, 40, LuogoRil},
        {"CodLuogoRil", 579, 9, CodLuogoRil}, {"DataRil", 589, 10, DataRil},
        {"DataSca", 600, 10, DataSca},     {"TelCasa", 611, 20, TelCasa},
        {"TelUff", 632, 20, TelUff},       {"Cellulare", 653, 20, Cellulare},
        {"Fax", 674, 20, Fax},             {"Email", 695, 50, Email},
        {"Carta", 746, 50, Carta},         {"ScadeCarta", 797, 10, ScadeCarta},
        {"Iban", 808, 27, Iban},           {"Intestatario", 836, 120, Intestatario},
        {"Tariffa", 957, 50, Tariffa},     {"Tipologia", 1008, 50, Tipologia},
        {"Formula", 1059, 50, Formula},    {"Supplementi", 1110, 120, Supplementi},
        {"Servizi", 1231, 250, Servizi},   {"Note", 1482, 250, Note},
        {"Questioni", 1733, 250, Questioni}, {"Acconto", 1984, 10, Acconto},
        {"Segnala", 1995, 2, Segnala},     {"Data01", 1998, 10, Data(1)},
        {"Data30", 2317, 10, Data(30)},    {"Desc01", 2328, 55, Desc(1)},
        {"Desc30", 3952, 55, Desc(30)},    {"Prezzo01", 4008, 10, Prezzo(1)},
        {"Prezzo30", 4327, 10, Prezzo(30)}, {"File01", 4338, 250, File(1)},
        {"File02", 4589, 250, File(2)},    {"File03", 4840, 250, File(3)},
        {"DescFile01", 5091, 250, DescFile(1)}, {"DescFile02", 5342, 250, DescFile(2)},
        {"DescFile03", 5593, 250, DescFile(3)},
        // clang-format on
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.offset << r.capacity << r.field.offset << r.field.capacity;
}

void TestClienteRecord::layout()
{
    QFETCH(int, offset);
    QFETCH(int, capacity);
    QFETCH(int, specOffset);
    QFETCH(int, specCapacity);
    QCOMPARE(specOffset, offset);
    QCOMPARE(specCapacity, capacity);
}

void TestClienteRecord::billAndAttachmentArrays()
{
    QCOMPARE(ClienteField::Data(30).end(), 2328);
    QCOMPARE(ClienteField::Desc(30).end(), 4008);
    QCOMPARE(ClienteField::Prezzo(30).end(), 4338);
    QCOMPARE(ClienteField::DescFile(3).end(), TCliente::Size);
}

void TestClienteRecord::everyFieldHasItsOwnBytes()
{
    // The card's fields tile the record exactly: no gap, no overlap, nothing past 5844.
    QVector<int> owner(TCliente::Size, 0);
    auto mark = [&](FieldSpec f) {
        for (int b = f.offset; b < f.end(); ++b)
            ++owner[b];
    };
    for (const auto &b : ClienteField::textFields())
        mark(b.field);
    mark(ClienteField::Segnala);
    QCOMPARE(owner.count(1), TCliente::Size);
    QCOMPARE(int(ClienteField::textFields().size()), 44 + 90 + 6);
}

void TestClienteRecord::flagBytes()
{
    TCliente r;
    r.setSegnala(true);
    QCOMPARE(QByteArray(r.bytes.data() + 1995, 3), QByteArray("\x02\x53\xEC"));
    r.setSegnala(false);
    QCOMPARE(QByteArray(r.bytes.data() + 1995, 3), QByteArray("\x02\x4E\x6F"));
}

void TestClienteRecord::flagReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected"); // 1 set, 0 not set, -1 no answer
    // clang-format off
    QTest::newRow("Si") << QByteArray("\x02S\xEC") << 1;
    QTest::newRow("No") << QByteArray("\x02No") << 0;
    QTest::newRow("padded Si") << QByteArray("\x02 S") << -1;
    QTest::newRow("empty") << QByteArray("\x00\x00\x00", 3) << -1;
    QTest::newRow("other") << QByteArray("\x01X\x00", 3) << -1;
    QTest::newRow("length too big") << QByteArray("\xFFNo") << 0;
    // clang-format on
}

void TestClienteRecord::flagReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    TCliente r;
    std::memcpy(r.bytes.data() + 1995, bytes.constData(), 3);
    const auto flag = r.segnala();
    QCOMPARE(flag.has_value() ? int(*flag) : -1, expected);
}

void TestClienteRecord::appendToSevenCards()
{
    TempProgramFolder dir;
    QByteArray seven(7 * TCliente::Size, 'x');
    dir.write(QStringLiteral("Clienti.pro"), seven);
    TCliente r;
    r.set(ClienteField::Cognome, QStringLiteral("Ottavo"));
    RecordFile f(clientiPath(), TCliente::Size);
    f.open();
    QCOMPARE(f.append(r.bytes.data()), 8);
    f.close();
    const QByteArray all = dir.read(QStringLiteral("Clienti.pro"));
    QCOMPARE(all.size(), 46752);
    QCOMPARE(all.left(40908), seven);
    QCOMPARE(all.mid(40908, 7), QByteArray("\x06Ottavo"));
}

QTEST_GUILESS_MAIN(TestClienteRecord)
#include "tst_cliente_record.moc"
