#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

// The password store: unins000.dll in the program's folder, an INI text whose value
// "Valore" of section "Accesso" holds the scrambled password. The installation puts it
// there; the program only reads it and, on a change, rewrites that one value.
namespace PasswordStore {

inline const QString FileName = QStringLiteral("unins000.dll");
inline const QString Section = QStringLiteral("Accesso");
inline const QString Key = QStringLiteral("Valore");
// The password of a fresh installation, named by the help text.
inline const QString FirstPassword = QStringLiteral("sottobicchiere");

// unins000.dll in the program's folder.
QString path();
// The stored password, unscrambled and trimmed: empty when the file, the section or the
// key is missing; nothing when the file cannot be read or its value is not hexadecimal.
std::optional<QString> read(const QString &path);
// Writes the stored form of a password as the one value; false when it cannot be written.
bool write(const QString &path, const QString &storedForm);
// The whole file of a fresh installation holding `password`.
QByteArray freshFile(const QString &password);

} // namespace PasswordStore
