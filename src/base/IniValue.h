#pragma once
#include <QByteArray>
#include <QString>
#include <QStringView>

// One value of one section of an INI text, read and rewritten without touching any other
// line. Section and key names match without regard to the case of A-Z; the first match wins.
namespace IniValue {

// The value, trimmed; a null QString when the section or the key is missing.
QString read(const QByteArray &ini, QStringView section, QStringView key);
// The text with that one value replaced; a missing key is added at the end of its section,
// a missing section at the end of the text. Every other byte stays as it was.
QByteArray replaced(const QByteArray &ini, QStringView section, QStringView key, const QString &value);

// Reads the value from a file. A missing file gives true and a null value; false when the
// file exists but cannot be read.
bool readFile(const QString &path, QStringView section, QStringView key, QString &value);
// Rewrites the value in a file through a temporary file renamed over the old one, so a
// failed write leaves the old file whole. False when the file cannot be read or written.
bool writeFile(const QString &path, QStringView section, QStringView key, const QString &value);

} // namespace IniValue
