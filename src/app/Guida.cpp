#include "app/Guida.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Guida all'utilizzo del software"), QSize(640, 480))
{
    setObjectName(QStringLiteral("frmGuida"));
    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setProperty("look", QStringLiteral("helpTitle"));
    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    auto *l = new QVBoxLayout(this);
    l->addWidget(lblTitolo);
    l->addWidget(txtGuida, 1);
    l->addWidget(btnChiudi, 0, Qt::AlignRight);
}

void ShowHelpTopic(QWidget *owner, const QString &title)
{
    openModal<TfrmGuida>(owner, QString(), [&](TfrmGuida *g) { g->lblTitolo->setText(title); });
}
