// The guest and booking record codecs on any bytes: every field reads within the record, and
// a text read back, written and read again stays the same.
#include "FuzzInput.h"
#include "base/TextField.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"

#include <cstring>

namespace {

template <class Record, class Bindings> void roundTrip(const QByteArray &in, const Bindings &fields)
{
    Record r;
    std::memcpy(r.bytes.data(), in.constData(), size_t(qMin<qsizetype>(in.size(), Record::Size)));
    Record copy = r;
    for (const auto &b : fields) {
        const QString t = r.get(b.field);
        FuzzInput::require(t.size() <= b.field.capacity);
        copy.set(b.field, t);
        FuzzInput::require(copy.get(b.field) == t);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray in = FuzzInput::bytes(data, size);
    roundTrip<TCliente>(in, ClienteField::textFields());
    roundTrip<TVisita>(in, VisitaField::textFields());
    TCliente c;
    std::memcpy(c.bytes.data(), in.constData(), size_t(qMin<qsizetype>(in.size(), TCliente::Size)));
    (void)c.segnala();
    // Any text written into a field reads back trimmed and within capacity.
    const QString t = FuzzInput::text(in.left(300));
    TVisita v;
    v.set(VisitaField::Cognome, t);
    FuzzInput::require(v.get(VisitaField::Cognome).size() <= VisitaField::Cognome.capacity);
    return 0;
}
