// dd/mm/yyyy dates as typed or stored: a date read is written back as the same text, and the
// future-arrivals list, which reads the arrival date from the record's bytes, agrees with it.
#include "FuzzInput.h"
#include "base/Dates.h"
#include "base/TextField.h"
#include "bookings/DailyLists.h"
#include "bookings/Visita.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = FuzzInput::text(FuzzInput::bytes(data, size));
    const auto d = Dates::parse(text);
    if (d) {
        FuzzInput::require(d->isValid());
        const auto again = Dates::parse(Dates::format(*d));
        FuzzInput::require(again && *again == *d);
    }
    TVisita v;
    v.set(VisitaField::Disdetta, QStringLiteral("No"));
    v.set(VisitaField::DataEnt, text);
    const QDate today(2026, 12, 9);
    const auto stored = Dates::parse(v.get(VisitaField::DataEnt));
    FuzzInput::require(DailyLists::selects(DailyLists::Kind::FutureArrivals, today, v.bytes.data())
                       == (stored && *stored > today));
    return 0;
}
