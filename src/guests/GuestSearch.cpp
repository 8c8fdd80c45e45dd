#include "guests/GuestSearch.h"

#include "base/Cp1252.h"
#include "guests/Cliente.h"

namespace GuestSearch {

namespace F = ClienteField;

const std::array<Filter, 10> &filters()
{
    static const std::array<Filter, 10> list = {{
        // clang-format off
        {"txtCognome", F::Cognome},
        {"txtNome", F::Nome},
        {"txtCodFisc", F::CodFisc},
        {"txtIva", F::Iva},
        {"txtTipologia", F::Tipologia},
        {"txtFormula", F::Formula},
        {"txtServizi", F::Servizi},
        {"txtSupplementi", F::Supplementi},
        {"txtQuestioni", F::Questioni},
        {"txtNote", F::Note},
        // clang-format on
    }};
    return list;
}

namespace {

RecordList::LineBuilder &head(RecordList::LineBuilder &b)
{
    return b.name(F::Cognome, F::Nome, 30)
        .text(QLatin1StringView("  Cel. "))
        .padded(F::Cellulare, 20)
        .text(QLatin1StringView("  C.F. "))
        .padded(F::CodFisc, 16);
}

void composeSearch(RecordList::LineBuilder &b) { head(b).text(QLatin1StringView("  Note: ")).field(F::Note); }

void composeFlagged(RecordList::LineBuilder &b)
{
    head(b).text(QLatin1StringView("  Questioni: ")).field(F::Questioni);
}

} // namespace

QString searchLine(const char *record)
{
    RecordList::LineBuilder b(record);
    composeSearch(b);
    return b.take();
}

QString flaggedLine(const char *record)
{
    RecordList::LineBuilder b(record);
    composeFlagged(b);
    return b.take();
}

RecordList::Source searchSource(const RecordList::SearchFilters &filters)
{
    return {clientiPath(), TCliente::Size, [filters](const char *rec) { return filters.selects(rec); }, &searchLine,
            &composeSearch};
}

RecordList::Source flaggedSource()
{
    static const QByteArray yes = Cp1252::fromUnicode(QStringLiteral("Sì"));
    return {clientiPath(), TCliente::Size,
            [](const char *rec) { return RecordList::fieldEquals(rec, F::Segnala, yes); }, &flaggedLine,
            &composeFlagged};
}

const std::array<ImportField, 23> &bookingImport()
{
    static const std::array<ImportField, 23> list = {{
        // clang-format off
        {F::Cognome, "txtCognome"},
        {F::Nome, "txtNome"},
        {F::Sesso, "txtSesso"},
        {F::CodSesso, "txtCodSesso"},
        {F::Tipo, "txtTipo"},
        {F::CodTipo, "txtCodTipo"},
        {F::DataNasc, "txtDataNasc"},
        {F::ComuneNasc, "txtComuneNasc"},
        {F::CodComuneNasc, "txtCodComuneNasc"},
        {F::ProvNasc, "txtProvNasc"},
        {F::StatoNasc, "txtStatoNasc"},
        {F::CodStatoNasc, "txtCodStatoNasc"},
        {F::Cittadinanza, "txtCittadinanza"},
        {F::CodCittadinanza, "txtCodCittadinanza"},
        {F::TipoDoc, "txtTipoDoc"},
        {F::CodTipoDoc, "txtCodTipoDoc"},
        {F::NumDoc, "txtNumDoc"},
        {F::LuogoRil, "txtLuogoRil"},
        {F::CodLuogoRil, "txtCodLuogoRil"},
        {F::Cellulare, "txtCellulare"},
        {F::Email, "txtEmail"},
        {F::Tariffa, "txtTariffa"},
        {F::Supplementi, "txtSupplementi"},
        // clang-format on
    }};
    return list;
}

} // namespace GuestSearch
