#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/GuestSearch.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>

namespace F = ClienteField;

namespace {

TCliente card(const QString &surname, const QString &name, const QString &taxCode,
              const QString &flag = QStringLiteral("No"))
{
    TCliente c;
    c.set(F::Cognome, surname);
    c.set(F::Nome, name);
    c.set(F::CodFisc, taxCode);
    c.set(F::Cellulare, QStringLiteral("347 000111"));
    c.set(F::Note, QStringLiteral("cliente abituale"));
    c.set(F::Questioni, QStringLiteral("saldo camera 12"));
    c.set(F::Segnala, flag);
    return c;
}

void writeArchive(const TempProgramFolder &dir, const QList<TCliente> &cards)
{
    QByteArray all;
    for (const auto &c : cards)
        all += QByteArray(c.bytes.data(), TCliente::Size);
    dir.write(QStringLiteral("Clienti.pro"), all);
}

RecordList::SearchFilters filters(const QString &control, const QString &key)
{
    RecordList::SearchFilters f;
    for (const auto &filter : GuestSearch::filters())
        f.add(filter.field, QLatin1String(filter.control) == control ? key : QString());
    return f;
}

QStringList names(const QStringList &lines)
{
    QStringList out;
    for (const QString &l : lines)
        out << l.left(30).trimmed();
    return out;
}

} // namespace

class TestGuestSearchRules : public QObject {
    Q_OBJECT
private slots:
    void lineFormats();
    void searchAndFlagged();
    void flaggedIsExactlySi();
    void findLastIsTheLaterCardOfTheList();
    void importFieldsFitTheBooking();
};

void TestGuestSearchRules::lineFormats()
{
    const TCliente c = card(QStringLiteral("Esposito"), QStringLiteral("Gennaro"), QStringLiteral("SPSGNR80A01F839X"));
    QCOMPARE(GuestSearch::searchLine(c.bytes.data()),
             QStringLiteral("Esposito Gennaro                Cel. 347 000111            C.F. SPSGNR80A01F839X  Note: "
                            "cliente abituale"));
    QCOMPARE(
        GuestSearch::flaggedLine(c.bytes.data()),
        QStringLiteral("Esposito Gennaro                Cel. 347 000111            C.F. SPSGNR80A01F839X  Questioni: "
                       "saldo camera 12"));
}

void TestGuestSearchRules::searchAndFlagged()
{
    TempProgramFolder dir;
    writeArchive(dir, {card(QStringLiteral("Russo"), QStringLiteral("Anna"), QStringLiteral("RSSNNA70A41H501U"),
                            QStringLiteral("Sì")),
                       card(QStringLiteral("Bianchi"), QStringLiteral("Ugo"), QStringLiteral("BNCGUO60B01F205Z")),
                       card(QStringLiteral("Rossini"), QStringLiteral("Gioacchino"), QStringLiteral("rssgcc92m29g479k"),
                            QStringLiteral("Sì"))});
    // The tax code filter "rss" finds RSS in any case.
    QCOMPARE(names(RecordList::gather(
                       GuestSearch::searchSource(filters(QStringLiteral("txtCodFisc"), QStringLiteral("rss"))))
                       .lines),
             (QStringList{"Rossini Gioacchino", "Russo Anna"}));
    const auto all = RecordList::gather(GuestSearch::searchSource(filters(QString(), QString())));
    QCOMPARE(all.lines.size(), 3);
    QCOMPARE(names(RecordList::gather(
                       GuestSearch::searchSource(filters(QStringLiteral("txtNote"), QStringLiteral("ABITUALE "))))
                       .lines),
             QStringList{});
    QCOMPARE(names(RecordList::gather(GuestSearch::flaggedSource()).lines),
             (QStringList{"Rossini Gioacchino", "Russo Anna"}));
}

void TestGuestSearchRules::flaggedIsExactlySi()
{
    TempProgramFolder dir;
    TCliente odd = card(QStringLiteral("Strano"), QStringLiteral("A"), QString());
    // A length byte past the capacity reads "Sì" from the two bytes the field holds.
    odd.bytes[F::Segnala.offset] = char(9);
    odd.bytes[F::Segnala.offset + 1] = 'S';
    odd.bytes[F::Segnala.offset + 2] = char(0xEC);
    writeArchive(dir, {card(QStringLiteral("Minuscolo"), QStringLiteral("B"), QString(), QStringLiteral("sì")),
                       card(QStringLiteral("Vuoto"), QStringLiteral("C"), QString(), QString()), odd,
                       card(QStringLiteral("Senza"), QStringLiteral("D"), QString(), QStringLiteral("No"))});
    QFile f(dir.file(QStringLiteral("Clienti.pro")));
    QVERIFY(f.open(QIODevice::Append));
    f.write(QByteArray(100, 'x')); // torn tail
    f.close();
    QCOMPARE(names(RecordList::gather(GuestSearch::flaggedSource()).lines), QStringList{"Strano A"});
}

void TestGuestSearchRules::findLastIsTheLaterCardOfTheList()
{
    TempProgramFolder dir;
    const TCliente a =
        card(QStringLiteral("Russo"), QStringLiteral("Anna"), QStringLiteral("RSSNNA70A41H501U"), QStringLiteral("Sì"));
    TCliente unflagged = a;
    unflagged.setSegnala(false);
    writeArchive(dir, {a, a, unflagged});
    const QString line = GuestSearch::flaggedLine(a.bytes.data());
    // The unflagged copy gives the same line but is not in the list.
    QCOMPARE(RecordList::findLast(GuestSearch::flaggedSource(), line), 2);
    QCOMPARE(RecordList::findLast(GuestSearch::searchSource(filters(QString(), QString())),
                                  GuestSearch::searchLine(a.bytes.data())),
             3);
}

void TestGuestSearchRules::importFieldsFitTheBooking()
{
    // Same capacity in both records, so a saved booking keeps every imported character.
    const QHash<QString, FieldSpec> booking = {// clang-format off
        {"txtCognome", VisitaField::Cognome}, {"txtNome", VisitaField::Nome}, {"txtSesso", VisitaField::Sesso},
        {"txtCodSesso", VisitaField::CodSesso}, {"txtTipo", VisitaField::Tipo}, {"txtCodTipo", VisitaField::CodTipo},
        {"txtDataNasc", VisitaField::DataNasc}, {"txtComuneNasc", VisitaField::ComuneNasc},
        {"txtCodComuneNasc", VisitaField::CodComuneNasc}, {"txtProvNasc", VisitaField::ProvNasc},
        {"txtStatoNasc", VisitaField::StatoNasc}, {"txtCodStatoNasc", VisitaField::CodStatoNasc},
        {"txtCittadinanza", VisitaField::Cittadinanza}, {"txtCodCittadinanza", VisitaField::CodCittadinanza},
        {"txtTipoDoc", VisitaField::TipoDoc}, {"txtCodTipoDoc", VisitaField::CodTipoDoc}, {"txtNumDoc", VisitaField::NumDoc},
        {"txtLuogoRil", VisitaField::LuogoRil}, {"txtCodLuogoRil", VisitaField::CodLuogoRil},
        {"txtCellulare", VisitaField::Cellulare}, {"txtEmail", VisitaField::Email}, {"txtTariffa", VisitaField::Tariffa},
                                               // clang-format on
                                               {"txtSupplementi", VisitaField::Supplementi}};
    QSet<QString> seen;
    for (const auto &f : GuestSearch::bookingImport()) {
        const QString control = QLatin1String(f.control);
        QVERIFY2(booking.contains(control), f.control);
        QCOMPARE(f.field.capacity, booking.value(control).capacity);
        seen.insert(control);
    }
    QCOMPARE(seen.size(), 23);
}

QTEST_GUILESS_MAIN(TestGuestSearchRules)
#include "tst_search_rules.moc"
