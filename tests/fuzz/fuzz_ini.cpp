// The password store's INI reader and the unscrambler on any file: a value read never
// crashes, and a value replaced reads back as written whatever the rest of the file holds.
#include "FuzzInput.h"
#include "app/Crypt.h"
#include "base/IniValue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = FuzzInput::pieces(FuzzInput::bytes(data, size), '\x1E');
    const QByteArray ini = parts.value(0);
    const QString value = IniValue::read(ini, u"Accesso", u"Valore");
    try {
        const QString plain = Crypt::UnscrambleFromHex(value);
        (void)Crypt::ScrambleToHex(plain);
    } catch (const Crypt::BadHex &) {}
    const QString typed = FuzzInput::text(parts.value(1));
    (void)Crypt::firstUnstorable(Crypt::storedForm(typed));
    const QString hex = Crypt::ScrambleToHex(Crypt::storedForm(typed));
    const QByteArray out = IniValue::replaced(ini, u"Accesso", u"Valore", hex);
    FuzzInput::require(IniValue::read(out, u"Accesso", u"Valore") == hex);
    return 0;
}
