#pragma once
#include "codes/CodeTables.h"
#include "platform/CardForm.h"

#include <QString>

#include <array>
#include <span>

class QWidget;

namespace Codes {

// Opens the code table `table` over `owner` with the marker "<card>_<field>", lets the operator
// pick, and hands back the picked entry (nothing when the table closes without a pick, or does
// not accept the marker).
Card::Picker picker(QWidget *owner, const QString &card);

// The seven import buttons of the identity fields, the same on both cards (each card has members
// of these names): button, picture, hint, table, marker's field part, and the receiving fields.
template <class T> std::span<const Card::PickRow<T>> identityPicks()
{
    static const Card::PickRow<T> rows[] = {
        // clang-format off
        {&T::impTipo, {"impTipo", "tabella", "Importa i dati dalla Tabella dei Codici nel campo Tipo di alloggiato.",
                       int(Table::Tipo), "tipo", "txtTipo", "txtCodTipo"}},
        {&T::impTipoDoc, {"impTipoDoc", "tabella", "Importa i dati dalla Tabella dei Codici nel campo Tipo di documento.",
                          int(Table::Documenti), "tipodoc", "txtTipoDoc", "txtCodTipoDoc"}},
        {&T::impStatoNasc, {"impStatoNasc", "stati",
                            "Importa i dati dalla Tabella dei Codici degli Stati nel campo Stato di nascita.",
                            int(Table::Stati), "statonasc", "txtStatoNasc", "txtCodStatoNasc"}},
        {&T::impCittadinanza, {"impCittadinanza", "stati",
                               "Importa i dati dalla Tabella dei Codici degli Stati nel campo Cittadinanza.",
                               int(Table::Stati), "cittadinanza", "txtCittadinanza", "txtCodCittadinanza"}},
        {&T::impStatoLuogoRil, {"impStatoLuogoRil", "stati",
                                "Importa i dati dalla Tabella dei Codici degli Stati nel campo Luogo di rilascio.",
                                int(Table::Stati), "luogoril", "txtLuogoRil", "txtCodLuogoRil"}},
        {&T::impComuneNasc, {"impComuneNasc", "comuni",
                             "Importa i dati dalla Tabella dei Codici dei Comuni nel campo Comune di nascita.",
                             int(Table::Comuni), "comunenasc", "txtComuneNasc", "txtCodComuneNasc", "txtProvNasc"}},
        {&T::impComuneLuogoRil, {"impComuneLuogoRil", "comuni",
                                 "Importa i dati dalla Tabella dei Codici dei Comuni nel campo Luogo di rilascio.",
                                 int(Table::Comuni), "luogoril", "txtLuogoRil", "txtCodLuogoRil"}},
        // clang-format on
    };
    return rows;
}

// Makes the seven buttons and the hidden code fields they fill, given the card's record fields
// for the codes (type, document, state of birth, citizenship, place of issue, municipality of birth).
template <class T> void buildIdentity(T *card, Card::Form &form, const char *cardMarker, std::array<FieldSpec, 6> codes)
{
    const Card::Row<T> rows[] = {
        {&T::txtCodTipo, "txtCodTipo", codes[0]},           {&T::txtCodTipoDoc, "txtCodTipoDoc", codes[1]},
        {&T::txtCodStatoNasc, "txtCodStatoNasc", codes[2]}, {&T::txtCodCittadinanza, "txtCodCittadinanza", codes[3]},
        {&T::txtCodLuogoRil, "txtCodLuogoRil", codes[4]},   {&T::txtCodComuneNasc, "txtCodComuneNasc", codes[5]}};
    Card::build<T>(card, form, std::span<const Card::Row<T>>(rows));
    Card::build<T>(card, form, identityPicks<T>(), 20);
    form.setPicker(picker(card, QString::fromLatin1(cardMarker)));
}

} // namespace Codes
