#pragma once
// A small hand-made register for the tableau tests; today is 31/12/2026.
#include "tst_lists_records.h"

#include <QDate>

namespace TableauRecords {

using namespace TestBookings;

inline const QDate kToday(2026, 12, 31);

inline QByteArray stay(const QString &room, const QString &surname, const QString &name, const QString &arrival,
                       const QString &departure, int adults = 1, int children = 0,
                       const QString &flag = QStringLiteral("No"))
{
    return booking({{F::Camera, room},
                    {F::Cognome, surname},
                    {F::Nome, name},
                    {F::DataEnt, arrival},
                    {F::DataUsc, departure},
                    {F::Adulti, QString::number(adults)},
                    {F::Bambini, QString::number(children)},
                    {F::Disdetta, flag}});
}

// The room field as raw bytes, blanks and tabs included (the card never stores them so).
inline QByteArray withRawRoom(QByteArray record, const QByteArray &room)
{
    record[F::Camera.offset] = char(room.size());
    for (int i = 0; i < room.size(); ++i)
        record[F::Camera.offset + 1 + i] = room[i];
    return record;
}

// Positions 1 to 12.
inline QByteArray hotel()
{
    QByteArray rossi = stay("101", "Rossi", "Mario", "30/12/2026", "02/01/2027", 2, 1);
    TextField::write(rossi.data(), F::Tariffa, QStringLiteral("80 euro"));
    TextField::write(rossi.data(), F::Cellulare, QStringLiteral("3331234567"));
    return concat({
        rossi,                                                                         // 1: across the year's end
        withRawRoom(stay("2", "Bianchi", "Anna", "31/12/2026", "01/01/2027"), " 2\t"), // 2: one night
        stay("Suite", "Verdi", "Luca", "05/01/2027", "05/01/2027"),                    // 3: leaves as it arrives
        stay("10", "Neri", "Paolo", "3/1/2027", "05/01/2027"),                         // 4: unreadable arrival
        stay("10", "Gialli", "Sara", "31/12/2026", "03/01/2027", 2, 0, QStringLiteral("Sì")), // 5: cancelled
        stay("10", "Blu", "Carla", "30/12/2026", "01/01/2027"),                               // 6: overlaps 7
        stay("10", "Viola", "Dario", "31/12/2026", "02/01/2027", 2),                          // 7: overlaps 6
        stay("Suite", "Costa", "Elena", "01/01/2027", "02/01/2027", 2),                       // 8: one night
        stay("10", "Ferri", "Gino", "02/01/2027", "04/01/2027", 2, 2),                        // 9: arrives as 7 leaves
        stay("Suite", "Moretti", "Ugo", "01/12/2026", "31/12/2026"),                          // 10: long, overlaps 11
        stay("Suite", "Greco", "Ida", "05/12/2026", "06/12/2026"),                            // 11: inside 10
        stay("10", "Guasto", "Ugo", "xx", "yy", 1, 0, QStringLiteral("Sì")),                  // 12: cancelled, no dates
    });
}

} // namespace TableauRecords
