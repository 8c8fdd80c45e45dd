#include "app/Password.h"
#include "app/Screens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Everything is drawn by the software rasteriser.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lunaresca"));
    QApplication::setQuitOnLastWindowClosed(false);
    Screens::createAll();
    Screens::password()->show();
    const int rc = app.exec();
    Screens::destroyAll();
    return rc;
}
