#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252, the code page of every archive and export. Our own table: it is
// exact for all 256 bytes and fast enough for whole-archive scans.
namespace Cp1252 {

// Characters the code page cannot hold become '?', the substitute of every file.
QByteArray fromUnicode(const QString &text);
// Writes at most maxBytes bytes of text into out; returns how many were written.
int encodeInto(const QString &text, char *out, int maxBytes);
QString toUnicode(QByteArrayView bytes);
// Single character conversions, for callers that build texts byte by byte.
QChar byteToChar(unsigned char b);
// Returns -1 when the character is not in the code page.
int charToByte(QChar c);

} // namespace Cp1252
