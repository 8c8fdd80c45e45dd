#include "app/Splash.h"

#include "app/LinkLook.h"
#include "app/Maker.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Lunaresca - Riconoscimenti"), QSize(440, 320), true)
{
    setObjectName(QStringLiteral("frmSplash"));
    auto *logo = ScreenKit::picture(this, QStringLiteral("imgLogo"), QStringLiteral("logo"), QString(), 96);
    auto *text = new QLabel(QStringLiteral("<b style='font-size:16pt'>Lunaresca</b><br>"
                                           "Progettazione e sviluppo: la squadra di Lunaresca.<br>"
                                           "Tabelle dei codici: dati pubblici (vedi NOTICE)."),
                            this);
    text->setAlignment(Qt::AlignCenter);
    imgWeb = ScreenKit::picture(this, QStringLiteral("imgWeb"), QStringLiteral("web"), QString(), 28);
    lnkWeb = new QToolButton(this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setText(Maker::webSite());
    LinkLook::apply(lnkWeb, imgWeb);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(lnkWeb, &QToolButton::clicked, this, &TfrmSplash::lnkWebClick);
    connect(imgWeb, &QToolButton::clicked, this, &TfrmSplash::lnkWebClick);
    auto *link = new QHBoxLayout;
    link->addStretch();
    link->addWidget(imgWeb);
    link->addWidget(lnkWeb);
    link->addStretch();
    auto *l = new QVBoxLayout(this);
    l->addWidget(logo, 0, Qt::AlignHCenter);
    l->addWidget(text);
    l->addLayout(link);
    l->addWidget(btnChiudi, 0, Qt::AlignHCenter);
}

void TfrmSplash::lnkWebClick() { TMisc::Open(Maker::webSite()); }
