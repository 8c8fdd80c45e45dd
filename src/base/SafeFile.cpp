#include "base/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

constexpr QFileDevice::Permissions kFilePermissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ReadUser | QFileDevice::WriteUser
                                                      | QFileDevice::ReadGroup | QFileDevice::WriteGroup;

// Linked into every program that writes a file, so the signal is ignored from the start.
const bool kSizeSignalIgnored = [] {
    ignoreSizeSignal();
    return true;
}();

} // namespace

void ignoreSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool restrictNew(QFileDevice &file) { return file.setPermissions(kFilePermissions); }

bool restrictNew(const QString &path) { return ::chmod(QFile::encodeName(path).constData(), FileMode) == 0; }

bool makeFolder(const QString &path)
{
    (void)kSizeSignalIgnored;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(absolute).isDir())
        return true;
    // Parents first, each new level with the folder mode.
    const QString parent = QFileInfo(absolute).path();
    if (parent != absolute && !QFileInfo(parent).isDir() && !makeFolder(parent))
        return false;
    const QByteArray p = QFile::encodeName(absolute);
    if (::mkdir(p.constData(), FolderMode) != 0)
        return errno == EEXIST && QFileInfo(absolute).isDir();
    return ::chmod(p.constData(), FolderMode) == 0;
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    ignoreSizeSignal();
    const bool existed = QFileInfo::exists(path);
    // Unbuffered, so a short write (a full disk, a size limit) is seen here and never committed
    // as a whole file; commit() flushes the new file to the disk before the rename.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if ((!existed && !restrictNew(f)) || f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    if (!f.commit())
        return false;
    syncFolderOf(path);
    return true;
}

bool syncFolderOf(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace SafeFile
