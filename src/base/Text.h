#pragma once
#include <QString>
#include <QStringView>

// Text helpers shared by every archive, list and search.
namespace Text {

// Removes every character of code 32 or less from both ends.
QString trimmed(QStringView s);
bool isBlank(QStringView s);
// The text followed by w blanks, cut to exactly w characters.
QString pad(QStringView s, int w);
// Folds only the letters A to Z to a to z; everything else stays as it is.
QString foldAZ(QStringView s);
inline char16_t foldChar(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }
// Substring test after A–Z folding of both sides (an empty needle always hits).
bool containsFolded(QStringView haystack, QStringView needle);
// List order: whole lines compared by character code, A–Z and a–z taken as equal.
int compareListOrder(QStringView a, QStringView b);
inline bool listLess(QStringView a, QStringView b) { return compareListOrder(a, b) < 0; }
// ASCII letters only to upper case (accented letters stay as typed).
QString upperAscii(QStringView s);

} // namespace Text
