#pragma once
#include "bookings/Visita.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

class QTextStream;

// The police guest report (schedine alloggiati): one fixed-width line per guest arriving on a
// day, built from the booking register, in the text file that the State Police portal takes.
namespace Schedine {

// The portal's line, field by field. Every field is left-aligned and filled with blanks to its
// width; an empty field is all blanks. Texts are Windows-1252, one byte per character.
//
//   field                     offset  width  from the booking
//   tipo alloggiato                0      2  CodTipo: 16 ospite singolo, 17 capofamiglia,
//                                            18 capogruppo, 19 familiare, 20 membro gruppo
//   data di arrivo                 2     10  the day reported, dd/mm/yyyy
//   giorni di permanenza          12      2  Giorni, 01 to 30
//   cognome                       14     50  Cognome
//   nome                          64     30  Nome
//   sesso                         94      1  CodSesso: 1 male, 2 female
//   data di nascita               95     10  DataNasc, dd/mm/yyyy
//   comune di nascita            105      9  CodComuneNasc; blank for the born abroad
//   provincia di nascita         114      2  ProvNasc; blank for the born abroad
//   stato di nascita             116      9  CodStatoNasc; 100000100 for the born in Italy
//   cittadinanza                 125      9  CodCittadinanza
//   tipo documento               134      5  CodTipoDoc; blank for 19 and 20
//   numero documento             139     20  NumDoc; blank for 19 and 20
//   luogo di rilascio            159      9  CodLuogoRil; blank for 19 and 20
//
// Lines are joined by CR LF, with none after the last. Members (19, 20) follow their head
// (17, 18) of the same room directly.
enum class Column {
    Tipo,
    Arrivo,
    Giorni,
    Cognome,
    Nome,
    Sesso,
    DataNasc,
    ComuneNasc,
    ProvNasc,
    StatoNasc,
    Cittadinanza,
    TipoDoc,
    NumDoc,
    LuogoRil
};
struct LineField {
    Column column;
    int offset;
    int width;
};
constexpr std::array<LineField, 14> lineFields = {{
    {Column::Tipo, 0, 2},
    {Column::Arrivo, 2, 10},
    {Column::Giorni, 12, 2},
    {Column::Cognome, 14, 50},
    {Column::Nome, 64, 30},
    {Column::Sesso, 94, 1},
    {Column::DataNasc, 95, 10},
    {Column::ComuneNasc, 105, 9},
    {Column::ProvNasc, 114, 2},
    {Column::StatoNasc, 116, 9},
    {Column::Cittadinanza, 125, 9},
    {Column::TipoDoc, 134, 5},
    {Column::NumDoc, 139, 20},
    {Column::LuogoRil, 159, 9},
}};
constexpr int LineWidth = 168;
constexpr LineField lineField(Column c) { return lineFields[size_t(c)]; }

namespace detail {
constexpr bool fieldsFollowEachOther()
{
    int at = 0;
    for (size_t i = 0; i < lineFields.size(); ++i) {
        if (size_t(lineFields[i].column) != i || lineFields[i].offset != at)
            return false;
        at += lineFields[i].width;
    }
    return at == LineWidth;
}
} // namespace detail
static_assert(detail::fieldsFollowEachOther(), "the fields of a line follow each other and fill 168 characters");

// The state code of Italy in the national table.
inline constexpr char ItalyCode[] = "100000100";

// Guest types of the national table.
enum class Type { Single = 16, FamilyHead = 17, GroupHead = 18, FamilyMember = 19, GroupMember = 20 };
// "ospite singolo" ... "membro gruppo" for 16 to 20; empty for any other code.
QString typeName(const QString &code);

// What keeps one booking out of the file, judged on the booking alone (the head of a member
// is checked when the day is arranged). Empty: the booking can be reported.
QStringList ownProblems(const TVisita &v);

// The 168 bytes of the booking's line for the arrival day `arrival`. Only meaningful for a
// booking without problems; control characters inside a text become blanks, so that a line
// can never break.
QByteArray lineOf(const TVisita &v, const QDate &arrival);

struct Guest {
    qint64 position = 0; // in Registro.pro
    TVisita record;
    QStringList problems; // empty: ready
    QByteArray line;      // the 168 bytes when ready
    bool member = false;  // a 19 or 20 placed under its head
    bool ready() const { return problems.isEmpty(); }
    // "Cognome Nome".
    QString name() const;
    QString room() const;
    // "pronta", or the problems one after the other.
    QString verdict() const;
};

// The guests of one arrival day in the order of the file: singles and heads in register order,
// each head followed by its members. A member is refused when no head of its kind has the
// same room (the first such head in the register takes it) or when its head is not ready.
std::vector<Guest> arrange(const std::vector<std::pair<qint64, TVisita>> &bookings, const QDate &arrival);

struct Day {
    QDate date;
    std::vector<Guest> guests;
    int ready() const;
    int leftOut() const { return int(guests.size()) - ready(); }
};

// The bookings of `date` that are not cancelled (flag "No"), from one pass over Registro.pro
// in the program's folder. Throws ArchiveError when the register cannot be read.
Day select(const QDate &date);

// The ready lines joined by CR LF, none after the last.
QByteArray fileBytes(const Day &day);
// "Alloggiati_yyyymmdd.txt".
QString fileName(const QDate &date);

// Writes the whole file or nothing (the old file, if any, stays). On failure `error` says why.
bool writeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The line that tells why a guest was left out: "Rossi Mario, camera 12 (scheda 7): ...".
QString leftOutLine(const Guest &g);

// `lunaresca --schedine dd/mm/yyyy [FILE]` without any window: `args` are the words after
// "--schedine". Writes the file (FILE, or Alloggiati_yyyymmdd.txt in the program's folder),
// prints one line per guest left out to `out` and a summary; failures go to `err`.
// Returns 0 when every guest was written, 1 when some were left out (the file holds the
// others), 2 when the arguments are wrong, the register cannot be read or the file cannot
// be written.
int runCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace Schedine
