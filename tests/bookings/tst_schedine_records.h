#pragma once
// The guests of the police report tests: one arrival day, 10/08/2024, with a family, a foreign
// single guest, a group, and bookings the report must not see.
#include "bookings/Visita.h"
#include "tst_lists_records.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace TestSchedine {

using namespace TestBookings;

inline const QString kDay = QStringLiteral("10/08/2024");
inline const QString kRoma = QStringLiteral("412058091");
inline const QString kMilano = QStringLiteral("403015146");
inline const QString kItalia = QStringLiteral("100000100");
inline const QString kGermania = QStringLiteral("100000216");

// A complete single guest (16) born in Rome, arriving on kDay for three nights in room 5.
inline QByteArray single(const QString &surname, const QString &name,
                         std::initializer_list<QPair<FieldSpec, QString>> changes = {})
{
    QByteArray r = booking({{F::DataEnt, kDay},
                            {F::DataUsc, QStringLiteral("13/08/2024")},
                            {F::Giorni, QStringLiteral("03")},
                            {F::Camera, QStringLiteral("5")},
                            {F::Cognome, surname},
                            {F::Nome, name},
                            {F::Tipo, QStringLiteral("OSPITE SINGOLO")},
                            {F::CodTipo, QStringLiteral("16")},
                            {F::Sesso, QStringLiteral("1) M")},
                            {F::CodSesso, QStringLiteral("1")},
                            {F::DataNasc, QStringLiteral("15/03/1980")},
                            {F::ComuneNasc, QStringLiteral("ROMA")},
                            {F::CodComuneNasc, kRoma},
                            {F::ProvNasc, QStringLiteral("RM")},
                            {F::StatoNasc, QStringLiteral("ITALIA")},
                            {F::CodStatoNasc, kItalia},
                            {F::Cittadinanza, QStringLiteral("ITALIA")},
                            {F::CodCittadinanza, kItalia},
                            {F::TipoDoc, QStringLiteral("CARTA DI IDENTITA'")},
                            {F::CodTipoDoc, QStringLiteral("IDENT")},
                            {F::NumDoc, QStringLiteral("AX1234567")},
                            {F::LuogoRil, QStringLiteral("ROMA")},
                            {F::CodLuogoRil, kRoma}});
    for (const auto &c : changes)
        TextField::write(r.data(), c.first, c.second);
    return r;
}

inline TVisita visita(const QByteArray &bytes)
{
    TVisita v;
    std::copy(bytes.begin(), bytes.end(), v.bytes.begin());
    return v;
}

// The register of the exact-file test, in this order:
//  1 Rossi Mario, 17, room 12, born in Rome        5 Neri Ugo, 16, cancelled
//  2 Müller Jürgen, 16, room 7, born in Germany     6 Gialli Eva, 16, another day
//  3 Rossi Anna, 19, room 12, born in Milan         7 Bianchi Carla, 18, room 20
//  4 Verdi Paolo, 20, room 20                       8 Rossi Luca, 19, room 12
inline QByteArray dayRegister()
{
    const QString none;
    return concat({
        single(QStringLiteral("Rossi"), QStringLiteral("Mario"),
               {{F::CodTipo, QStringLiteral("17")}, {F::Camera, QStringLiteral("12")}}),
        single(QStringLiteral("Müller"), QStringLiteral("Jürgen"),
               {{F::Camera, QStringLiteral("7")},
                {F::Giorni, QStringLiteral("10")},
                {F::DataNasc, QStringLiteral("02/11/1975")},
                // The name of a foreign town may be there; the line takes the state only.
                {F::ComuneNasc, QStringLiteral("BERLINO")},
                {F::CodComuneNasc, none},
                {F::ProvNasc, none},
                {F::CodStatoNasc, kGermania},
                {F::CodCittadinanza, kGermania},
                {F::CodTipoDoc, QStringLiteral("PASOR")},
                {F::NumDoc, QStringLiteral("C01X00T47")},
                {F::CodLuogoRil, kGermania}}),
        // A family member's document, if typed, stays out of the line; no state means Italy.
        single(QStringLiteral("Rossi"), QStringLiteral("Anna"),
               {{F::CodTipo, QStringLiteral("19")},
                {F::Camera, QStringLiteral("12")},
                {F::CodSesso, QStringLiteral("2")},
                {F::DataNasc, QStringLiteral("02/06/1982")},
                {F::CodComuneNasc, kMilano},
                {F::ProvNasc, QStringLiteral("MI")},
                {F::CodStatoNasc, none},
                {F::NumDoc, QStringLiteral("ZZ9999999")}}),
        single(QStringLiteral("Verdi"), QStringLiteral("Paolo"),
               {{F::CodTipo, QStringLiteral("20")},
                {F::Camera, QStringLiteral("20")},
                {F::Giorni, QStringLiteral("02")},
                {F::DataNasc, QStringLiteral("30/12/1990")},
                {F::CodTipoDoc, none},
                {F::NumDoc, none},
                {F::CodLuogoRil, none}}),
        single(QStringLiteral("Neri"), QStringLiteral("Ugo"), {{F::Disdetta, QStringLiteral("Sì")}}),
        single(QStringLiteral("Gialli"), QStringLiteral("Eva"), {{F::DataEnt, QStringLiteral("11/08/2024")}}),
        single(QStringLiteral("Bianchi"), QStringLiteral("Carla"),
               {{F::CodTipo, QStringLiteral("18")},
                {F::Camera, QStringLiteral("20")},
                {F::Giorni, QStringLiteral("2")},
                {F::CodSesso, QStringLiteral("2")},
                {F::DataNasc, QStringLiteral("08/08/1988")}}),
        single(QStringLiteral("Rossi"), QStringLiteral("Luca"),
               {{F::CodTipo, QStringLiteral("19")},
                {F::Camera, QStringLiteral("12")},
                {F::DataNasc, QStringLiteral("01/01/2015")},
                {F::CodTipoDoc, none},
                {F::NumDoc, none},
                {F::CodLuogoRil, none}}),
    });
}

// The report of dayRegister(), field by field, in file order.
struct ExpectedLine {
    const char *fields[14];
};
// clang-format off
inline const ExpectedLine kExpected[] = {
    {{"17", "10/08/2024", "03", "Rossi", "Mario", "1", "15/03/1980", "412058091", "RM", "100000100", "100000100", "IDENT", "AX1234567", "412058091"}},
    {{"19", "10/08/2024", "03", "Rossi", "Anna", "2", "02/06/1982", "403015146", "MI", "100000100", "100000100", "", "", ""}},
    {{"19", "10/08/2024", "03", "Rossi", "Luca", "1", "01/01/2015", "412058091", "RM", "100000100", "100000100", "", "", ""}},
    {{"16", "10/08/2024", "10", "M\xfcller", "J\xfcrgen", "1", "02/11/1975", "", "", "100000216", "100000216", "PASOR", "C01X00T47", "100000216"}},
    {{"18", "10/08/2024", "02", "Bianchi", "Carla", "2", "08/08/1988", "412058091", "RM", "100000100", "100000100", "IDENT", "AX1234567", "412058091"}},
    {{"20", "10/08/2024", "02", "Verdi", "Paolo", "1", "30/12/1990", "412058091", "RM", "100000100", "100000100", "", "", ""}},
};
// clang-format on
inline const int kWidths[14] = {2, 10, 2, 50, 30, 1, 10, 9, 2, 9, 9, 5, 20, 9};

// The whole file expected from dayRegister(): the lines above, CR LF between them.
inline QByteArray expectedFile(int lines = 6)
{
    QByteArray all;
    for (int i = 0; i < lines; ++i) {
        if (i)
            all += "\r\n";
        for (int f = 0; f < 14; ++f)
            all += QByteArray(kExpected[i].fields[f]).leftJustified(kWidths[f], ' ');
    }
    return all;
}

} // namespace TestSchedine
