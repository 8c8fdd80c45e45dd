#include "checks/Iban.h"

#include <QLineEdit>
#include <QVBoxLayout>

TfrmIban::TfrmIban(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Controllo IBAN"), QSize(420, 200))
{
    setObjectName(QStringLiteral("frmIban"));
    auto *layout = new QVBoxLayout(this);
    txtIban = new QLineEdit(this);
    txtIban->setObjectName(QStringLiteral("txtIban"));
    layout->addWidget(txtIban);
}
