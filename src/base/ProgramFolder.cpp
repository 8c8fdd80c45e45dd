#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}
} // namespace

namespace ProgramFolder {

QString path()
{
    QString p = overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden();
    if (!p.endsWith(u'/'))
        p += u'/';
    return p;
}

QString file(const QString &name) { return path() + name; }

void setForTests(const QString &folder) { overridden() = folder; }

} // namespace ProgramFolder
