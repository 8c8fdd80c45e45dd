#include "guests/Allegati.h"

#include "base/Cp1252.h"
#include "base/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr QFileDevice::Permissions kFolderMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                 | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                 | QFileDevice::WriteGroup | QFileDevice::ExeGroup;
constexpr QFileDevice::Permissions kFileMode =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup;

} // namespace

namespace Allegati {

QString folderPath() { return ProgramFolder::file(FolderName) + u'/'; }

QString guestFolderPath(const QString &position) { return ProgramFolder::file(QStringLiteral("Cliente_") + position); }

bool isBareName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name.contains(QLatin1String("..")))
        return false;
    for (QChar c : name)
        if (c.unicode() < 32 || c == u'/' || c == u'\\')
            return false;
    // "C:name" is a path on a drive for a program that reads the card on another system.
    if (name.size() >= 2 && name[1] == u':' && name[0].isLetter())
        return false;
    return !QDir::isAbsolutePath(name);
}

bool fitsRecord(const QString &name)
{
    if (name.size() > NameCapacity)
        return false;
    for (QChar c : name)
        if (Cp1252::charToByte(c) < 0)
            return false;
    return true;
}

bool makeFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists() || !QDir().mkpath(path))
        return false;
    QFile::setPermissions(path, kFolderMode);
    return true;
}

bool isFolderFile(const QString &source, const QString &name)
{
    const QString here = QFileInfo(folderPath() + name).canonicalFilePath();
    return !here.isEmpty() && here == QFileInfo(source).canonicalFilePath();
}

Copy copyIn(const QString &source, const QString &name)
{
    if (!isBareName(name))
        return Copy::Failed;
    if (isFolderFile(source, name))
        return Copy::AlreadyThere;
    const QString target = folderPath() + name;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Copy::Failed;
    const QFileInfo before(target);
    // A link standing under that name is replaced, never written through to wherever it points.
    if (before.isSymLink() && !QFile::remove(target))
        return Copy::Failed;
    const bool existed = QFileInfo::exists(target);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return Copy::Failed;
    QByteArray chunk;
    while (!in.atEnd()) {
        chunk = in.read(1 << 20);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return Copy::Failed;
        }
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return Copy::Failed;
        }
    }
    if (in.error() != QFileDevice::NoError || !out.flush() || !out.commit())
        return Copy::Failed;
    if (!existed)
        QFile::setPermissions(target, kFileMode);
    return Copy::Copied;
}

} // namespace Allegati
