#include "checks/Carta.h"

#include <QLineEdit>
#include <QVBoxLayout>

TfrmCarta::TfrmCarta(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Controllo carta di credito"), QSize(420, 200))
{
    setObjectName(QStringLiteral("frmCarta"));
    auto *layout = new QVBoxLayout(this);
    txtNumero = new QLineEdit(this);
    txtNumero->setObjectName(QStringLiteral("txtNumero"));
    layout->addWidget(txtNumero);
}
