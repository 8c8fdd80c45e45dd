#pragma once
#include <QByteArray>
#include <QString>

#include <sys/types.h>

class QFileDevice;

// What every writer of the program's files shares: the modes of what it creates (the guests'
// identity documents, card numbers and IBANs stay within the group of the workstation users),
// whole-file writes that leave the old file whole on failure, and flushing to the disk.
namespace SafeFile {

constexpr mode_t FileMode = 0660;
constexpr mode_t FolderMode = 0770;

// A file-size limit ends a write with an error the screen reports, instead of killing the
// program with SIGXFSZ. Called by every writer; harmless to call again.
void ignoreSizeSignal();

// Gives a file this program has just created the mode 0660, whatever the umask. For a
// QSaveFile, call it between open() and commit() when the target did not exist before: the
// new file keeps it. An existing file keeps its own mode (QSaveFile copies it).
bool restrictNew(QFileDevice &file);
bool restrictNew(const QString &path);

// Creates the folder and any missing parent with mode 0770; an existing folder is left as it is.
bool makeFolder(const QString &path);

// Writes the whole file beside the old one and renames it into place once every byte is on
// the disk, so a failed or interrupted write leaves the old file whole. A new file gets 0660.
bool writeWhole(const QString &path, const QByteArray &bytes);

// Flushes the folder holding `path`, so that a file created, renamed or removed there stays so
// after a power cut.
bool syncFolderOf(const QString &path);

} // namespace SafeFile
