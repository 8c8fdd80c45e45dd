#include "guests/Cliente.h"

#include "base/FlagText.h"
#include "base/ProgramFolder.h"

namespace ClienteField {

const std::vector<Binding> &textFields()
{
    static const std::vector<Binding> list = [] {
        std::vector<Binding> v = {
            // clang-format off
            {Cognome, QStringLiteral("txtCognome")},
            {Nome, QStringLiteral("txtNome")},
            {Sesso, QStringLiteral("txtSesso")},
            {CodSesso, QStringLiteral("txtCodSesso")},
            {CodFisc, QStringLiteral("txtCodFisc")},
            {Tipo, QStringLiteral("txtTipo")},
            {CodTipo, QStringLiteral("txtCodTipo")},
            {DataNasc, QStringLiteral("txtDataNasc")},
            {ComuneNasc, QStringLiteral("txtComuneNasc")},
            {CodComuneNasc, QStringLiteral("txtCodComuneNasc")},
            {ProvNasc, QStringLiteral("txtProvNasc")},
            {StatoNasc, QStringLiteral("txtStatoNasc")},
            {CodStatoNasc, QStringLiteral("txtCodStatoNasc")},
            {Cittadinanza, QStringLiteral("txtCittadinanza")},
            {CodCittadinanza, QStringLiteral("txtCodCittadinanza")},
            {Via, QStringLiteral("txtVia")},
            {Cap, QStringLiteral("txtCap")},
            {ComuneRes, QStringLiteral("txtComuneRes")},
            {ProvRes, QStringLiteral("txtProvRes")},
            {Iva, QStringLiteral("txtIva")},
            {TipoDoc, QStringLiteral("txtTipoDoc")},
            {CodTipoDoc, QStringLiteral("txtCodTipoDoc")},
            {NumDoc, QStringLiteral("txtNumDoc")},
            {LuogoRil, QStringLiteral("txtLuogoRil")},
            {CodLuogoRil, QStringLiteral("txtCodLuogoRil")},
            {DataRil, QStringLiteral("txtDataRil")},
            {DataSca, QStringLiteral("txtDataSca")},
            {TelCasa, QStringLiteral("txtTelCasa")},
            {TelUff, QStringLiteral("txtTelUff")},
            {Cellulare, QStringLiteral("txtCellulare")},
            {Fax, QStringLiteral("txtFax")},
            {Email, QStringLiteral("txtEmail")},
            {Carta, QStringLiteral("txtCarta")},
            {ScadeCarta, QStringLiteral("txtScadeCarta")},
            {Iban, QStringLiteral("txtIban")},
            {Intestatario, QStringLiteral("txtIntestatario")},
            {Tariffa, QStringLiteral("txtTariffa")},
            {Tipologia, QStringLiteral("txtTipologia")},
            {Formula, QStringLiteral("txtFormula")},
            {Supplementi, QStringLiteral("txtSupplementi")},
            {Servizi, QStringLiteral("txtServizi")},
            {Note, QStringLiteral("txtNote")},
            {Questioni, QStringLiteral("txtQuestioni")},
            {Acconto, QStringLiteral("txtAcconto")},
            // clang-format on
        };
        for (int i = 1; i <= 30; ++i)
            v.push_back({Data(i), QStringLiteral("txtData%1").arg(i, 2, 10, QLatin1Char('0'))});
        for (int i = 1; i <= 30; ++i)
            v.push_back({Desc(i), QStringLiteral("txtDesc%1").arg(i, 2, 10, QLatin1Char('0'))});
        for (int i = 1; i <= 30; ++i)
            v.push_back({Prezzo(i), QStringLiteral("txtPrezzo%1").arg(i, 2, 10, QLatin1Char('0'))});
        for (int i = 1; i <= 3; ++i)
            v.push_back({File(i), QStringLiteral("lblFile%1").arg(i, 2, 10, QLatin1Char('0'))});
        for (int i = 1; i <= 3; ++i)
            v.push_back({DescFile(i), QStringLiteral("lblDesc%1").arg(i, 2, 10, QLatin1Char('0'))});
        return v;
    }();
    return list;
}

} // namespace ClienteField

std::optional<bool> TCliente::segnala() const { return FlagText::parse(get(ClienteField::Segnala)); }

void TCliente::setSegnala(bool on) { set(ClienteField::Segnala, FlagText::of(on)); }

QString clientiPath() { return ProgramFolder::file(QStringLiteral("Clienti.pro")); }
