// The four identifier checks on any field text: tax code, VAT number, IBAN, payment card.
#include "FuzzInput.h"
#include "checks/CheckRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString t = FuzzInput::text(FuzzInput::bytes(data, size));
    (void)CodFiscCheck::verdict(t);
    (void)CodFiscCheck::isValid(t);
    if (!t.isEmpty())
        (void)CodFiscCheck::checkLetter(t);
    (void)PartitaIvaCheck::verdict(t);
    (void)PartitaIvaCheck::isValid(t);
    (void)PartitaIvaCheck::officeName(t.left(3));
    (void)IbanCheck::verdict(t);
    (void)IbanCheck::isValid(t);
    (void)IbanCheck::mod97(t);
    (void)IbanCheck::lettersToDigits(t);
    (void)CartaCheck::verdict(t);
    (void)CartaCheck::brand(t);
    (void)CartaCheck::luhn(CartaCheck::digitsOf(t));
    return 0;
}
