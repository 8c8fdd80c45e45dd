#include "bookings/DailyLists.h"

#include "base/Dates.h"
#include "bookings/Visita.h"

namespace DailyLists {

namespace F = VisitaField;
using RecordList::LineBuilder;

namespace {

void compose(Kind kind, LineBuilder &b)
{
    b.name(F::Cognome, F::Nome, 30).text(QLatin1StringView("  Cel. "));
    switch (kind) {
    case Kind::ArrivalsToday:
        b.padded(F::Cellulare, 15)
            .text(QLatin1StringView("  Camera: "))
            .padded(F::Camera, 18)
            .text(QLatin1StringView("  Partenza: "))
            .padded(F::DataUsc, 10)
            .text(QLatin1StringView("  "))
            .field(F::Tariffa);
        break;
    case Kind::DeparturesToday:
        b.padded(F::Cellulare, 15)
            .text(QLatin1StringView("  Camera: "))
            .padded(F::Camera, 18)
            .text(QLatin1StringView("  Arrivo: "))
            .padded(F::DataEnt, 10)
            .text(QLatin1StringView("  "))
            .field(F::Tariffa);
        break;
    case Kind::FutureArrivals:
        b.padded(F::Cellulare, 18)
            .text(QLatin1StringView("  Camera: "))
            .padded(F::Camera, 20)
            .text(QLatin1StringView("  Arrivo: "))
            .padded(F::DataEnt, 10)
            .text(QLatin1StringView("  Partenza: "))
            .padded(F::DataUsc, 10)
            .text(QLatin1StringView("  Adulti: "))
            .padded(F::Adulti, 2)
            .text(QLatin1StringView("  Bambini: "))
            .field(F::Bambini);
        break;
    }
}

} // namespace

QString line(Kind kind, const char *record)
{
    LineBuilder b(record);
    compose(kind, b);
    return b.take();
}

namespace {

bool valid(const char *record) { return RecordList::fieldEquals(record, F::Disdetta, "No"); }

// A dd/mm/yyyy date as yyyymmdd, read straight from the field's bytes with the rules of
// Dates::parse; 0 when the field holds no date.
int dayNumber(const char *record, FieldSpec f)
{
    const QByteArrayView b = RecordList::fieldBytes(record, f);
    if (b.size() != 10 || b[2] != '/' || b[5] != '/')
        return 0;
    int v[3] = {0, 0, 0};
    const int starts[3] = {0, 3, 6}, lens[3] = {2, 2, 4};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < lens[k]; ++i) {
            const char c = b[starts[k] + i];
            if (c < '0' || c > '9')
                return 0;
            v[k] = v[k] * 10 + (c - '0');
        }
    if (v[2] == 0 || !QDate::isValid(v[2], v[1], v[0]))
        return 0;
    return v[2] * 10000 + v[1] * 100 + v[0];
}

// Today as the text the daily lists compare and as the number the future list compares.
struct Today {
    QByteArray text;
    int number;
    explicit Today(const QDate &d)
        : text(Dates::format(d).toLatin1()), number(d.year() * 10000 + d.month() * 100 + d.day())
    {}
};

bool selectsDay(Kind kind, const Today &today, const char *record)
{
    if (!valid(record))
        return false;
    switch (kind) {
    case Kind::ArrivalsToday:
        return RecordList::fieldEquals(record, F::DataEnt, today.text);
    case Kind::DeparturesToday:
        return RecordList::fieldEquals(record, F::DataUsc, today.text);
    case Kind::FutureArrivals: {
        const int d = dayNumber(record, F::DataEnt);
        return d != 0 && d > today.number;
    }
    }
    return false;
}

} // namespace

bool selects(Kind kind, const QDate &today, const char *record) { return selectsDay(kind, Today(today), record); }

RecordList::Source source(Kind kind, const QDate &today)
{
    const Today day(today);
    return {registroPath(), TVisita::Size, [kind, day](const char *rec) { return selectsDay(kind, day, rec); },
            [kind](const char *rec) { return line(kind, rec); }, [kind](LineBuilder &b) { compose(kind, b); }};
}

QString printTitle(Kind kind, const QDate &today)
{
    switch (kind) {
    case Kind::ArrivalsToday:
        return QStringLiteral("Clienti in arrivo in data ") + Dates::format(today);
    case Kind::DeparturesToday:
        return QStringLiteral("Clienti in partenza in data ") + Dates::format(today);
    case Kind::FutureArrivals:
        break;
    }
    return QStringLiteral("Clienti in arrivo da domani in poi");
}

} // namespace DailyLists
