#include "bookings/Visita.h"

#include "base/FlagText.h"

#include "base/ProgramFolder.h"

namespace VisitaField {

const std::vector<Binding> &textFields()
{
    static const std::vector<Binding> list = {
        // clang-format off
        {DataEnt, QStringLiteral("txtDataEnt")},
        {OraEnt, QStringLiteral("txtOraEnt")},
        {Camera, QStringLiteral("txtCamera")},
        {Adulti, QStringLiteral("txtAdulti")},
        {Bambini, QStringLiteral("txtBambini")},
        {Giorni, QStringLiteral("txtGiorni")},
        {Cellulare, QStringLiteral("txtCellulare")},
        {Cognome, QStringLiteral("txtCognome")},
        {Nome, QStringLiteral("txtNome")},
        {Tipo, QStringLiteral("txtTipo")},
        {CodTipo, QStringLiteral("txtCodTipo")},
        {Sesso, QStringLiteral("txtSesso")},
        {CodSesso, QStringLiteral("txtCodSesso")},
        {DataNasc, QStringLiteral("txtDataNasc")},
        {ComuneNasc, QStringLiteral("txtComuneNasc")},
        {CodComuneNasc, QStringLiteral("txtCodComuneNasc")},
        {ProvNasc, QStringLiteral("txtProvNasc")},
        {StatoNasc, QStringLiteral("txtStatoNasc")},
        {CodStatoNasc, QStringLiteral("txtCodStatoNasc")},
        {TipoDoc, QStringLiteral("txtTipoDoc")},
        {CodTipoDoc, QStringLiteral("txtCodTipoDoc")},
        {NumDoc, QStringLiteral("txtNumDoc")},
        {LuogoRil, QStringLiteral("txtLuogoRil")},
        {CodLuogoRil, QStringLiteral("txtCodLuogoRil")},
        {Cittadinanza, QStringLiteral("txtCittadinanza")},
        {CodCittadinanza, QStringLiteral("txtCodCittadinanza")},
        {Email, QStringLiteral("txtEmail")},
        {DataUsc, QStringLiteral("txtDataUsc")},
        {OraUsc, QStringLiteral("txtOraUsc")},
        {Tariffa, QStringLiteral("txtTariffa")},
        {Supplementi, QStringLiteral("txtSupplementi")},
        // clang-format on
    };
    return list;
}

} // namespace VisitaField

std::optional<bool> TVisita::disdetta() const { return FlagText::parse(get(VisitaField::Disdetta)); }

void TVisita::setDisdetta(bool cancelled) { set(VisitaField::Disdetta, FlagText::of(cancelled)); }

bool TVisita::isValidBooking() const { return disdetta() == false; }

QString registroPath() { return ProgramFolder::file(QStringLiteral("Registro.pro")); }
