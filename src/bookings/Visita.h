#pragma once
#include "base/TextField.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// One booking as stored in Registro.pro: 740 bytes of 32 length-prefixed Windows-1252 fields.
namespace VisitaField {

constexpr FieldSpec DataEnt{0, 10};
constexpr FieldSpec OraEnt{11, 5};
constexpr FieldSpec Camera{17, 20};
constexpr FieldSpec Adulti{38, 2};
constexpr FieldSpec Bambini{41, 2};
constexpr FieldSpec Giorni{44, 2};
constexpr FieldSpec Cellulare{47, 20};
constexpr FieldSpec Cognome{68, 50};
constexpr FieldSpec Nome{119, 30};
constexpr FieldSpec Tipo{150, 50};
constexpr FieldSpec CodTipo{201, 2};
constexpr FieldSpec Sesso{204, 4};
constexpr FieldSpec CodSesso{209, 1};
constexpr FieldSpec DataNasc{211, 10};
constexpr FieldSpec ComuneNasc{222, 40};
constexpr FieldSpec CodComuneNasc{263, 9};
constexpr FieldSpec ProvNasc{273, 2};
constexpr FieldSpec StatoNasc{276, 40};
constexpr FieldSpec CodStatoNasc{317, 9};
constexpr FieldSpec TipoDoc{327, 40};
constexpr FieldSpec CodTipoDoc{368, 5};
constexpr FieldSpec NumDoc{374, 20};
constexpr FieldSpec LuogoRil{395, 40};
constexpr FieldSpec CodLuogoRil{436, 9};
constexpr FieldSpec Cittadinanza{446, 40};
constexpr FieldSpec CodCittadinanza{487, 9};
constexpr FieldSpec Email{497, 50};
constexpr FieldSpec DataUsc{548, 10};
constexpr FieldSpec OraUsc{559, 5};
constexpr FieldSpec Tariffa{565, 50};
constexpr FieldSpec Supplementi{616, 120};
constexpr FieldSpec Disdetta{737, 2};

// A field and the booking card control it is filled from and loaded into.
struct Binding {
    FieldSpec field;
    QString control;
};
// Every text field in record order (the flag Disdetta apart), with its control name:
// the 24 visible fields and the 7 hidden codes.
const std::vector<Binding> &textFields();

} // namespace VisitaField

struct TVisita {
    static constexpr int Size = 740;
    std::array<char, Size> bytes{};

    QString get(FieldSpec f) const { return TextField::read(bytes.data(), f); }
    void set(FieldSpec f, const QString &text) { TextField::write(bytes.data(), f, text); }
    // "Sì" cancelled, "No" valid, anything else: no answer (the card keeps its box as it was;
    // the daily lists count it as cancelled).
    std::optional<bool> disdetta() const;
    void setDisdetta(bool cancelled);
    // Only a flag reading exactly "No" is a valid booking.
    bool isValidBooking() const;
};

// Registro.pro in the program's folder.
QString registroPath();
