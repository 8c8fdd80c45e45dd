#include "bookings/Calendario.h"

TfrmCalendario::TfrmCalendario(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Importazione data"), QSize(360, 300), true)
{
    setObjectName(QStringLiteral("frmCalendario"));
}
