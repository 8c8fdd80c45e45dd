// Amount texts as pasted into a bill or a price: parsing, rounding, normalising and totals.
#include "FuzzInput.h"
#include "billing/Amount.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = FuzzInput::pieces(FuzzInput::bytes(data, size));
    QStringList amounts;
    for (const QByteArray &p : parts) {
        const QString t = FuzzInput::text(p);
        amounts << t;
        if (const auto v = Amount::parse(t)) {
            for (int d = 0; d <= 4; ++d)
                (void)Amount::round(*v, d);
            const auto back = Amount::parse(Amount::shortest(*v));
            FuzzInput::require(back && *back == *v);
        }
        (void)Amount::padDecimals(t);
        (void)Amount::normaliseLine(t);
        (void)Amount::normalisePrice(t);
        if (!t.isEmpty())
            (void)Amount::keyPasses(t[0].unicode(), t.mid(1));
    }
    (void)Amount::total(amounts);
    return 0;
}
