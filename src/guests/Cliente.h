#pragma once
#include "base/TextField.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// One guest card as stored in Clienti.pro: 5844 bytes of length-prefixed Windows-1252 fields.
namespace ClienteField {

constexpr FieldSpec Cognome{0, 50};
constexpr FieldSpec Nome{51, 30};
constexpr FieldSpec Sesso{82, 4};
constexpr FieldSpec CodSesso{87, 1};
constexpr FieldSpec CodFisc{89, 16};
constexpr FieldSpec Tipo{106, 50};
constexpr FieldSpec CodTipo{157, 2};
constexpr FieldSpec DataNasc{160, 10};
constexpr FieldSpec ComuneNasc{171, 40};
constexpr FieldSpec CodComuneNasc{212, 9};
constexpr FieldSpec ProvNasc{222, 2};
constexpr FieldSpec StatoNasc{225, 40};
constexpr FieldSpec CodStatoNasc{266, 9};
constexpr FieldSpec Cittadinanza{276, 40};
constexpr FieldSpec CodCittadinanza{317, 9};
constexpr FieldSpec Via{327, 80};
constexpr FieldSpec Cap{408, 5};
constexpr FieldSpec ComuneRes{414, 40};
constexpr FieldSpec ProvRes{455, 2};
constexpr FieldSpec Iva{458, 11};
constexpr FieldSpec TipoDoc{470, 40};
constexpr FieldSpec CodTipoDoc{511, 5};
constexpr FieldSpec NumDoc{517, 20};
constexpr FieldSpec LuogoRil{538, 40};
constexpr FieldSpec CodLuogoRil{579, 9};
constexpr FieldSpec DataRil{589, 10};
constexpr FieldSpec DataSca{600, 10};
constexpr FieldSpec TelCasa{611, 20};
constexpr FieldSpec TelUff{632, 20};
constexpr FieldSpec Cellulare{653, 20};
constexpr FieldSpec Fax{674, 20};
constexpr FieldSpec Email{695, 50};
constexpr FieldSpec Carta{746, 50};
constexpr FieldSpec ScadeCarta{797, 10};
constexpr FieldSpec Iban{808, 27};
constexpr FieldSpec Intestatario{836, 120};
constexpr FieldSpec Tariffa{957, 50};
constexpr FieldSpec Tipologia{1008, 50};
constexpr FieldSpec Formula{1059, 50};
constexpr FieldSpec Supplementi{1110, 120};
constexpr FieldSpec Servizi{1231, 250};
constexpr FieldSpec Note{1482, 250};
constexpr FieldSpec Questioni{1733, 250};
constexpr FieldSpec Acconto{1984, 10};
constexpr FieldSpec Segnala{1995, 2};
// Bill line n (1..30): all dates first, then all descriptions, then all amounts.
constexpr FieldSpec Data(int n) { return {1998 + 11 * (n - 1), 10}; }
constexpr FieldSpec Desc(int n) { return {2328 + 56 * (n - 1), 55}; }
constexpr FieldSpec Prezzo(int n) { return {4008 + 11 * (n - 1), 10}; }
// Attachment n (1..3): file name and description.
constexpr FieldSpec File(int n) { return {4338 + 251 * (n - 1), 250}; }
constexpr FieldSpec DescFile(int n) { return {5091 + 251 * (n - 1), 250}; }

// A field and the card control it is filled from and loaded into.
struct Binding {
    FieldSpec field;
    QString control;
};
// Every text field in record order (the flag Segnala apart), with its control name.
const std::vector<Binding> &textFields();

} // namespace ClienteField

struct TCliente {
    static constexpr int Size = 5844;
    std::array<char, Size> bytes{};

    QString get(FieldSpec f) const { return TextField::read(bytes.data(), f); }
    void set(FieldSpec f, const QString &text) { TextField::write(bytes.data(), f, text); }
    // "Sì" set, "No" not set, anything else: no answer (the card keeps its box as it was).
    std::optional<bool> segnala() const;
    void setSegnala(bool on);
};

// Clienti.pro in the program's folder.
QString clientiPath();
