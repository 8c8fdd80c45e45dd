#include "bookings/Registro.h"

#include "app/Screens.h"

#include <QCloseEvent>

TfrmRegistro::TfrmRegistro() : TAppScreen(QStringLiteral(" Lunaresca - Registro arrivi e partenze"), true)
{
    setObjectName(QStringLiteral("frmRegistro"));
    resize(1024, 720);
}

void TfrmRegistro::closeEvent(QCloseEvent *e)
{
    e->accept();
    Screens::backToMenu(this);
}
