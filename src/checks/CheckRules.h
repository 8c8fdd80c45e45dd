#pragma once
#include <QString>
#include <QStringView>

// The rules of the four identifier checks, apart from their screens. Each check turns the
// text of its field into a verdict: what to tell the operator and whether the screen stays.
namespace Checks {

enum class Outcome {
    Incomplete, // wrong length or empty field: warned, the screen stays open for a correction
    Valid,      // information, then the screen closes
    Wrong,      // warning, then the screen closes
};

struct Verdict {
    Outcome outcome;
    QString message;
};

} // namespace Checks

// Italian personal tax code: 16 characters, the last one a check letter.
namespace CodFiscCheck {
// Value of a character in an odd (1, 3, ..., 15) or even position; -1 outside "0".."Z".
int oddValue(QChar c);
int evenValue(QChar c);
// The check letter of the first 15 characters; a null QChar when one of them is outside "0".."Z".
QChar checkLetter(QStringView code);
bool isValid(QStringView code);
Checks::Verdict verdict(QStringView fieldText);
} // namespace CodFiscCheck

// Italian VAT number: 11 digits, the office code in digits 8 to 10, a check digit last.
namespace PartitaIvaCheck {
bool isValid(QStringView number);
// The office that issued the code (three digits); empty when the table has no row for it.
QString officeName(QStringView code);
// How many rows the office table has.
int officeCount();
Checks::Verdict verdict(QStringView fieldText);
} // namespace PartitaIvaCheck

// IBAN of 27 characters, checked by the mod-97 rule.
namespace IbanCheck {
// Every letter A to Z replaced by its two-digit number, A by 10 up to Z by 35.
QString lettersToDigits(QStringView text);
// The remainder (0 to 96) of the rearranged IBAN read as a decimal number, reduced in pieces
// of at most nine digits; 0 when the text holds anything but letters and digits.
int mod97(QStringView iban);
// The remainder of the text without its blanks is 1.
bool isValid(QStringView iban);
Checks::Verdict verdict(QStringView fieldText);
} // namespace IbanCheck

// Payment card number: the Luhn rule over the digits of the first 20 characters, the brand
// from the leading digits.
namespace CartaCheck {
// The digits among the first 20 characters, in order; blanks, hyphens and the rest are skipped.
QString digitsOf(QStringView text);
bool luhn(QStringView digits);
// The brand of a number that passes the Luhn test; empty when none of the known groups fits.
QString brand(QStringView fieldText);
Checks::Verdict verdict(QStringView fieldText);
} // namespace CartaCheck
