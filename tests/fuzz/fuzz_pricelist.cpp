// The price list reader on any file: lines, names and prices within their columns, and a
// list written and read again gives its items back.
#include "FuzzInput.h"
#include "billing/PriceList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList items = PriceList::parse(FuzzInput::bytes(data, size));
    for (const QString &line : items) {
        FuzzInput::require(PriceList::nameOf(line).size() <= PriceList::NameWidth);
        FuzzInput::require(PriceList::priceOf(line, PriceList::EditPriceChars).size() <= PriceList::EditPriceChars);
        (void)PriceList::priceOf(line, PriceList::ImportPriceChars);
        (void)PriceList::makeLine(PriceList::nameOf(line), PriceList::priceOf(line, PriceList::EditPriceChars));
    }
    const QStringList again = PriceList::parse(PriceList::encode(items));
    FuzzInput::require(PriceList::parse(PriceList::encode(again)) == again);
    return 0;
}
