#include "output/CardExports.h"

#include "bookings/Visita.h"
#include "guests/Cliente.h"

#include <memory>

namespace CardExports {

const QList<RecordGridModel::Column> &guestColumns()
{
    namespace F = ClienteField;
    // clang-format off
    static const QList<RecordGridModel::Column> columns = {
        {QStringLiteral("Cognome"), F::Cognome, QStringLiteral("Cognome"), 250, false},
        {QStringLiteral("Nome"), F::Nome, QStringLiteral("Nome"), 250, false},
        {QStringLiteral("Tipo di alloggiato"), F::Tipo, QStringLiteral("Tipo di alloggiato"), 250, false},
        {QStringLiteral("Codice fiscale"), F::CodFisc, QStringLiteral("Codice fiscale"), 200, false},
        {QStringLiteral("Data nascita"), F::DataNasc, QStringLiteral("Data nascita"), 150, false},
        {QStringLiteral("Comune nascita"), F::ComuneNasc, QStringLiteral("Comune nascita"), 250, true},
        {QStringLiteral("Stato nascita"), F::StatoNasc, QStringLiteral("Stato nascita"), 250, false},
        {QStringLiteral("Cittadinanza"), F::Cittadinanza, QStringLiteral("Cittadinanza"), 250, false},
        {QStringLiteral("Via e numero civico"), F::Via, QStringLiteral("Via e numero civico"), 250, false},
        {QStringLiteral("CAP"), F::Cap, QStringLiteral("CAP"), 80, false},
        {QStringLiteral("Comune residenza"), F::ComuneRes, QStringLiteral("Comune di residenza"), 250, true},
        {QStringLiteral("Prov."), F::ProvRes, QStringLiteral("Prov."), 60, false},
        {QStringLiteral("Partita IVA"), F::Iva, QStringLiteral("Partita IVA"), 200, false},
        {QStringLiteral("Tel. casa"), F::TelCasa, QStringLiteral("Tel. casa"), 200, false},
        {QStringLiteral("Tel. ufficio"), F::TelUff, QStringLiteral("Tel. ufficio"), 200, true},
        {QStringLiteral("Cellulare"), F::Cellulare, QStringLiteral("Cellulare"), 200, false},
        {QStringLiteral("Fax"), F::Fax, QStringLiteral("Fax"), 200, true},
        {QStringLiteral("E-mail"), F::Email, QStringLiteral("E-mail"), 250, true},
        {QStringLiteral("Tariffa applicata"), F::Tariffa, QStringLiteral("Tariffa applicata"), 250, true},
        {QStringLiteral("Tipologia camera"), F::Tipologia, QStringLiteral("Tipologia camera"), 250, true},
        {QStringLiteral("Formula"), F::Formula, QStringLiteral("Formula"), 250, false},
        {QStringLiteral("Supplementi"), F::Supplementi, QStringLiteral("Supplementi"), 280, true},
        {QStringLiteral("Servizi richiesti"), F::Servizi, QStringLiteral("Servizi richiesti"), 300, true},
        {QStringLiteral("Note"), F::Note, QStringLiteral("Note"), 300, true},
        {QStringLiteral("Questioni in sospeso"), F::Questioni, QStringLiteral("Questioni in sospeso"), 300, true},
    };
    // clang-format on
    return columns;
}

const QList<RecordGridModel::Column> &bookingColumns()
{
    namespace F = VisitaField;
    // clang-format off
    static const QList<RecordGridModel::Column> columns = {
        {QStringLiteral("Data arrivo"), F::DataEnt, QStringLiteral("Data arrivo"), 180, false},
        {QStringLiteral("Ora arrivo"), F::OraEnt, QStringLiteral("Ora arrivo"), 180, true},
        {QStringLiteral("Data partenza"), F::DataUsc, QStringLiteral("Data partenza"), 180, true},
        {QStringLiteral("Ora partenza"), F::OraUsc, QStringLiteral("Ora partenza"), 180, false},
        {QStringLiteral("Giorni"), F::Giorni, QStringLiteral("Giorni"), 150, false},
        {QStringLiteral("Camera"), F::Camera, QStringLiteral("Camera"), 200, false},
        {QStringLiteral("Adulti"), F::Adulti, QStringLiteral("Adulti"), 150, false},
        {QStringLiteral("Bambini"), F::Bambini, QStringLiteral("Bambini"), 150, false},
        {QStringLiteral("Cognome cliente"), F::Cognome, QStringLiteral("Cognome cliente"), 250, false},
        {QStringLiteral("Nome cliente"), F::Nome, QStringLiteral("Nome cliente"), 250, true},
        {QStringLiteral("Sesso"), F::Sesso, QStringLiteral("Sesso"), 120, true},
        {QStringLiteral("Cellulare"), F::Cellulare, QStringLiteral("Cellulare"), 180, false},
        {QStringLiteral("Tipo di alloggiato"), F::Tipo, QStringLiteral("Tipo di alloggiato"), 200, false},
        {QStringLiteral("Data nascita"), F::DataNasc, QStringLiteral("Data di nascita"), 200, true},
        {QStringLiteral("Comune nascita"), F::ComuneNasc, QStringLiteral("Comune di nascita"), 250, true},
        {QStringLiteral("Prov."), F::ProvNasc, QStringLiteral("Prov."), 100, true},
        {QStringLiteral("Stato nascita"), F::StatoNasc, QStringLiteral("Stato di nascita"), 250, true},
        {QStringLiteral("Tipo documento"), F::TipoDoc, QStringLiteral("Tipo documento"), 250, true},
        {QStringLiteral("Numero documento"), F::NumDoc, QStringLiteral("Numero documento"), 250, true},
        {QStringLiteral("Luogo di rilascio"), F::LuogoRil, QStringLiteral("Luogo di rilascio"), 250, true},
        {QStringLiteral("Cittadinanza"), F::Cittadinanza, QStringLiteral("Cittadinanza"), 250, true},
        {QStringLiteral("E-mail"), F::Email, QStringLiteral("Email"), 250, true},
        {QStringLiteral("Tariffa applicata"), F::Tariffa, QStringLiteral("Tariffa applicata"), 250, true},
        {QStringLiteral("Supplemento"), F::Supplementi, QStringLiteral("Supplementi"), 250, true},
        {QStringLiteral("Disdetta"), F::Disdetta, QStringLiteral("Disdetta"), 100, true},
    };
    // clang-format on
    return columns;
}

Export::Sheet billSheet(const Bill &bill)
{
    Export::Sheet s;
    s.fileName = billFile();
    s.worksheet = billWorksheet();
    s.question = Export::Question::Bill;
    s.columns = {{QStringLiteral("Data"), 150, false},
                 {QStringLiteral("Descrizione servizio o consumazione"), 500, false},
                 {QStringLiteral("Importo"), 200, true}};
    s.rowCount = qsizetype(bill.lines.size());
    // The sheet may outlive the caller's bill: it keeps a copy of its own.
    auto lines = std::make_shared<std::array<BillLine, 30>>(bill.lines);
    s.cell = [lines](qsizetype row, int column) {
        const BillLine &l = lines->at(size_t(row));
        return column == 0 ? l.date : column == 1 ? l.description : l.amount;
    };
    s.total = bill.total;
    return s;
}

} // namespace CardExports
