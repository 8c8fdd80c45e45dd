#pragma once
// Bookings written byte by byte for the list and search tests.
#include "base/TextField.h"
#include "bookings/Visita.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <initializer_list>

namespace TestBookings {

namespace F = VisitaField;

// A valid booking ("No") unless the fields say otherwise.
inline QByteArray booking(std::initializer_list<QPair<FieldSpec, QString>> fields)
{
    QByteArray r(TVisita::Size, '\0');
    TextField::write(r.data(), F::Disdetta, QStringLiteral("No"));
    for (const auto &f : fields)
        TextField::write(r.data(), f.first, f.second);
    return r;
}

inline QByteArray guest(const QString &surname, const QString &name, const QString &arrival, const QString &departure,
                        const QString &flag = QStringLiteral("No"))
{
    return booking(
        {{F::Cognome, surname}, {F::Nome, name}, {F::DataEnt, arrival}, {F::DataUsc, departure}, {F::Disdetta, flag}});
}

inline QByteArray concat(const QList<QByteArray> &records)
{
    QByteArray all;
    for (const auto &r : records)
        all += r;
    return all;
}

} // namespace TestBookings
