#pragma once
#include <QString>
#include <QStringList>

#include <optional>

// The national code tables for guest registration, compiled into the program. Every entry is
// one fixed-width line: code, "  -  ", description padded to the table's width (municipalities
// add "  -  " and the province column).
namespace Codes {

enum class Table { Tipo, Documenti, Stati, Comuni };

int codeWidth(Table t);
int descriptionWidth(Table t);

// The lines of a small table (guest types, documents, states), in table order.
QStringList lines(Table t);

// The 115 siglas of the province selector, in its order.
QStringList provinceSiglas();
// The list a sigla shows (PU shows PS); empty for an unknown sigla.
QString listOfSigla(const QString &sigla);
// The municipality lines shown for a sigla, in list order; empty for an unknown sigla.
QStringList municipalityLines(const QString &sigla);
// "Agrigento (Sicilia)" for AG; empty for an unknown sigla.
QString provinceName(const QString &sigla);
// The province label: "Provincia selezionata:  Agrigento (Sicilia)."; before any choice
// "Nessuna provincia selezionata.".
QString provinceLabel(const QString &sigla);

// Where a picked entry goes: the card ("clienti" or "registro") and the names of its fields.
struct PickTarget {
    QString card;
    QString codeField;
    QString descriptionField;
    QString provinceField; // empty: no province is written
};

// The target of a marker for a table: the marker is trimmed and compared case-sensitively with
// the markers the table accepts; nothing for a marker the table does not know.
std::optional<PickTarget> pickTarget(Table t, const QString &marker);

// What a picked line gives: the code and the description cut by position from the line, the
// description trimmed of blanks; for municipalities the province column too.
struct PickedEntry {
    QString code;
    QString description;
    QString province;
};
PickedEntry splitEntry(Table t, const QString &line);

} // namespace Codes
