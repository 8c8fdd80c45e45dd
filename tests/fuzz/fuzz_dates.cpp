// dd/mm/yyyy dates as typed or stored: a date read is written back as the same text.
#include "FuzzInput.h"
#include "base/Dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = FuzzInput::text(FuzzInput::bytes(data, size));
    if (const auto d = Dates::parse(text)) {
        FuzzInput::require(d->isValid());
        const auto again = Dates::parse(Dates::format(*d));
        FuzzInput::require(again && *again == *d);
    }
    return 0;
}
