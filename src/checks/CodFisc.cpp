#include "checks/CodFisc.h"

#include <QLineEdit>
#include <QVBoxLayout>

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Controllo codice fiscale"), QSize(420, 200))
{
    setObjectName(QStringLiteral("frmCodFisc"));
    auto *layout = new QVBoxLayout(this);
    txtCodFisc = new QLineEdit(this);
    txtCodFisc->setObjectName(QStringLiteral("txtCodFisc"));
    layout->addWidget(txtCodFisc);
}
