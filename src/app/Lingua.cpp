#include "app/Lingua.h"

#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Lingua {

bool installQtItalian(QCoreApplication &app)
{
    const QStringList folders = {ProgramFolder::file(QStringLiteral("translations")),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString &folder : folders) {
        auto *t = new QTranslator(&app);
        if (t->load(QStringLiteral("qtbase_it"), folder)) {
            QCoreApplication::installTranslator(t);
            return true;
        }
        delete t;
    }
    return false;
}

} // namespace Lingua
