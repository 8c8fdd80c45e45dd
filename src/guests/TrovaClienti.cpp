#include "guests/TrovaClienti.h"

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Trova clienti in archivio"), QSize(800, 600))
{
    setObjectName(QStringLiteral("frmTrovaClienti"));
}
