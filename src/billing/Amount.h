#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// Amounts of the bill and the price list: texts with a comma as decimal separator and no
// thousands separator. Values are kept exactly, as whole ten-thousandths of a euro, so
// 0,1 + 0,2 is 0,30 and never a binary approximation.
namespace Amount {

using Units = qint64; // ten-thousandths
constexpr Units PerEuro = 10000;
// Texts with more integer digits than this are out of range and read as unreadable
// (the bill's fields hold 10 characters, so only a hand-made text can get there); thirty
// amounts of this size still add up without overflow.
constexpr int MaxIntegerDigits = 13;

// Reads a trimmed text made of an optional sign, digits and at most one comma (at least one
// digit). Decimals beyond the fourth are rounded half away from zero. Anything else
// (letters, a period, a second comma, blanks inside) is unreadable.
std::optional<Units> parse(QStringView text);
// Half away from zero to `decimals` places (0 to 4).
Units round(Units v, int decimals);
// The shortest text of a value: no trailing zeros after the comma, no comma for whole values.
QString shortest(Units v);
// Gives a text at least two decimals: 12 -> 12,00; 0,5 -> 0,50; ",5" -> 0,50; "12," -> 12,00.
QString padDecimals(QString text);

// A bill line or the deposit when the operator leaves it: empty stays empty, four decimals
// at most, at least two, unreadable text becomes 0,00.
QString normaliseLine(QStringView text);
// A price of the price list: exactly two decimals; empty or unreadable becomes 0,00.
QString normalisePrice(QStringView text);
// The bill total: blank lines count nothing; one unreadable line makes the total 0,00.
QString total(const QStringList &amounts);

// The key filter of every amount field: Enter, Backspace, Delete, Left and Right pass, and
// keys typing a digit or a comma; everything else (Tab, Home, End, a period, letters) is swallowed.
bool keyPasses(int key, QStringView text);

} // namespace Amount
