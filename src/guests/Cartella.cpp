#include "guests/Cartella.h"

TfrmCartella::TfrmCartella(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Gestione cartella abbinata alla scheda corrente"), QSize(620, 360))
{
    setObjectName(QStringLiteral("frmCartella"));
}
