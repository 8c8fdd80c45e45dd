#include "output/OutputDialog.h"

#include "platform/ScreenKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TOutputDialog::TOutputDialog(QWidget *parent, const QString &caption, const QString &icon, const QString &explanation,
                             const QString &action)
    : TDialog(parent, caption, QSize(460, 200), true)
{
    QToolButton *picture = ScreenKit::picture(this, QStringLiteral("imgFigura"), icon, QString(), 64);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblSpiegazione = new QLabel(explanation, this);
    lblSpiegazione->setObjectName(QStringLiteral("lblSpiegazione"));
    lblSpiegazione->setWordWrap(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);
    btnStampa = new QPushButton(action, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(lblSpiegazione, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnStampa);
    auto *v = new QVBoxLayout(this);
    v->addLayout(top, 1);
    v->addLayout(buttons);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}
