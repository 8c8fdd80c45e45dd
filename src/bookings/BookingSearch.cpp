#include "bookings/BookingSearch.h"

#include "bookings/Visita.h"

namespace BookingSearch {

namespace F = VisitaField;

const std::array<Filter, 10> &filters()
{
    static const std::array<Filter, 10> list = {{
        // clang-format off
        {"txtDataEnt", F::DataEnt},
        {"txtDataUsc", F::DataUsc},
        {"txtCognome", F::Cognome},
        {"txtNome", F::Nome},
        {"txtCamera", F::Camera},
        {"txtCellulare", F::Cellulare},
        {"txtComuneNasc", F::ComuneNasc},
        {"txtNumDoc", F::NumDoc},
        {"txtTariffa", F::Tariffa},
        {"txtSupplementi", F::Supplementi},
        // clang-format on
    }};
    return list;
}

namespace {

void compose(RecordList::LineBuilder &b)
{
    b.name(F::Cognome, F::Nome, 30)
        .text(QLatin1StringView("  Cel. "))
        .padded(F::Cellulare, 15)
        .text(QLatin1StringView("  Camera: "))
        .padded(F::Camera, 20)
        .text(QLatin1StringView("  Arrivo: "))
        .padded(F::DataEnt, 10)
        .text(QLatin1StringView("  Partenza: "))
        .padded(F::DataUsc, 10)
        .text(QLatin1StringView("  Giorni: "))
        .padded(F::Giorni, 2)
        .text(QLatin1StringView("  Disdetta: "))
        .field(F::Disdetta);
}

} // namespace

QString line(const char *record)
{
    RecordList::LineBuilder b(record);
    compose(b);
    return b.take();
}

RecordList::Source source(const RecordList::SearchFilters &filters)
{
    return {registroPath(), TVisita::Size, [filters](const char *rec) { return filters.selects(rec); }, &line,
            &compose};
}

} // namespace BookingSearch
