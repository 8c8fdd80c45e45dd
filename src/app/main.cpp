#include "app/Lingua.h"
#include "app/Password.h"
#include "app/Prova.h"
#include "app/Screens.h"
#include "bookings/Schedine.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <cstring>

int main(int argc, char *argv[])
{
    // The police guest report from a script: no window, no display needed.
    if (argc > 1 && std::strcmp(argv[1], "--schedine") == 0) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return Schedine::runCommand(QCoreApplication::arguments().mid(2), out, err);
    }
    // Everything is drawn by the software rasteriser.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lunaresca"));
    QApplication::setQuitOnLastWindowClosed(false);
    Lingua::installQtItalian(app);
    Screens::showLogin();
    if (QCoreApplication::arguments().contains(QStringLiteral("--prova")))
        Prova::start(app);
    const int rc = app.exec();
    Screens::destroyAll();
    return rc;
}
