#include "guests/AllegaCartella.h"

#include <QLineEdit>
#include <QVBoxLayout>

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Allega file"), QSize(620, 360))
{
    setObjectName(QStringLiteral("frmAllegaCartella"));
    auto *layout = new QVBoxLayout(this);
    txtFile01 = new QLineEdit(this);
    txtFile01->setObjectName(QStringLiteral("txtFile01"));
    layout->addWidget(txtFile01);
    txtDesc01 = new QLineEdit(this);
    txtDesc01->setObjectName(QStringLiteral("txtDesc01"));
    layout->addWidget(txtDesc01);
    txtFile02 = new QLineEdit(this);
    txtFile02->setObjectName(QStringLiteral("txtFile02"));
    layout->addWidget(txtFile02);
    txtDesc02 = new QLineEdit(this);
    txtDesc02->setObjectName(QStringLiteral("txtDesc02"));
    layout->addWidget(txtDesc02);
    txtFile03 = new QLineEdit(this);
    txtFile03->setObjectName(QStringLiteral("txtFile03"));
    layout->addWidget(txtFile03);
    txtDesc03 = new QLineEdit(this);
    txtDesc03->setObjectName(QStringLiteral("txtDesc03"));
    layout->addWidget(txtDesc03);
}
