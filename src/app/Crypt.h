#pragma once
#include <QString>
#include <QStringView>

#include <stdexcept>

// The scrambler of the access password: a rolling 16-bit key, the result written as
// two upper-case hexadecimal digits per character.
namespace Crypt {

// The three constants live here and nowhere else: the first-access store is generated
// from them at build time, and a store written with one set can only be read with it.
inline constexpr quint16 StartKey = 6173;
inline constexpr quint16 Multiplier = 48271;
inline constexpr quint16 Addend = 12347;

// The longest password the store can hold: the scrambler counts characters in 8 bits.
inline constexpr int MaxLength = 255;

// A stored value with a pair of digits that is not a hexadecimal number.
class BadHex : public std::runtime_error {
public:
    BadHex() : std::runtime_error("stored password is not hexadecimal text") {}
};

// Scrambles every character by its low 8 bits. Never fails.
QString ScrambleToHex(QStringView text);
// Reads every pair first (an odd last digit is ignored), then unscrambles; characters
// come back with codes 0 to 255. Throws BadHex when a pair is not hexadecimal.
QString UnscrambleFromHex(QStringView hex);

// What the store keeps of a typed password: ASCII letters upper-cased, then trimmed.
QString storedForm(QStringView typed);
// The first character of `stored` that the store could not give back unchanged (code above
// 255), whole even when it takes two UTF-16 units; empty when every character fits.
QString firstUnstorable(QStringView stored);

} // namespace Crypt
