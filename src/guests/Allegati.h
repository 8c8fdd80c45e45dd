#pragma once
#include <QString>

// The files kept with the guest cards: one folder per saved card ("Cliente_" and its position)
// and one folder shared by every card's attached files, both in the program's folder.
namespace Allegati {

inline const QString FolderName = QStringLiteral("Documenti_Allegati");
// Both fields of an attachment hold up to 250 single-byte characters in the guest record.
constexpr int NameCapacity = 250;

// The attachments folder, with a trailing '/'.
QString folderPath();
// "Cliente_" followed by the position, in the program's folder.
QString guestFolderPath(const QString &position);

// A name the card may point at: a bare file name that stays inside the attachments folder.
// Names holding a folder separator or "..", starting with a drive, or holding control characters are not.
bool isBareName(const QString &name);
// The record keeps the name exactly: every character in Windows-1252 and no more than its capacity.
bool fitsRecord(const QString &name);

// Creates the folder (with missing parents) unless it exists; a folder this creates is kept from
// other users of the machine. False when it cannot be made.
bool makeFolder(const QString &path);

// What copying a chosen file into the attachments folder came to.
enum class Copy { Copied, AlreadyThere, Failed };
// Whether `source` already is the file of that name in the attachments folder.
bool isFolderFile(const QString &source, const QString &name);
// Copies `source` over the attachments folder's file `name` as a whole: a copy cut short leaves
// the former file of that name as it was. `name` must be bare.
Copy copyIn(const QString &source, const QString &name);

} // namespace Allegati
