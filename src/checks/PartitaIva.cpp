#include "checks/PartitaIva.h"

#include <QLineEdit>
#include <QVBoxLayout>

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Controllo partita IVA"), QSize(420, 200))
{
    setObjectName(QStringLiteral("frmPartitaIva"));
    auto *layout = new QVBoxLayout(this);
    txtPartitaIva = new QLineEdit(this);
    txtPartitaIva->setObjectName(QStringLiteral("txtPartitaIva"));
    layout->addWidget(txtPartitaIva);
}
