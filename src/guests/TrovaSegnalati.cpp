#include "guests/TrovaSegnalati.h"

TfrmTrovaSegnalati::TfrmTrovaSegnalati(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Riepilogo clienti segnalati"), QSize(760, 520))
{
    setObjectName(QStringLiteral("frmTrovaSegnalati"));
}
