// Puts the store of a fresh installation, holding the first-access password, into the
// program's folder. Run by the build and by the installation; an existing store is never
// touched, so a password changed by the operators survives every rebuild and reinstall.
#include "app/PasswordStore.h"
#include "base/SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <program folder>/unins000.dll\n", argc > 0 ? argv[0] : "firststore");
        return 2;
    }
    const QString target = args[1];
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return 0;
    if (!SafeFile::makeFolder(QFileInfo(target).absolutePath())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(target));
        return 1;
    }
    if (!SafeFile::writeWhole(target, PasswordStore::freshFile(PasswordStore::FirstPassword))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
        return 1;
    }
    return 0;
}
