#include "app/Info.h"

#include "app/LinkLook.h"
#include "app/Maker.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TfrmInfo::TfrmInfo(QWidget *parent) : TDialog(parent, QStringLiteral(" Informazioni su Lunaresca"), QSize(440, 280))
{
    setObjectName(QStringLiteral("frmInfo"));
    auto *title = new QLabel(QStringLiteral("<b style='font-size:18pt'>Lunaresca</b><br>"
                                            "Gestione di clienti, conti e prenotazioni<br>"
                                            "per alberghi, B&amp;B, case vacanza e campeggi."),
                             this);
    title->setAlignment(Qt::AlignCenter);
    imgEmail = ScreenKit::picture(this, QStringLiteral("imgEmail"), QStringLiteral("email"), QString(), 28);
    lnkEmail = new QToolButton(this);
    lnkEmail->setObjectName(QStringLiteral("lnkEmail"));
    lnkEmail->setText(QStringLiteral("Scrivi all'assistenza: ") + Maker::supportAddress());
    lnkEmail->setAutoRaise(true);
    LinkLook::apply(lnkEmail, imgEmail);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(lnkEmail, &QToolButton::clicked, this, &TfrmInfo::lnkEmailClick);
    connect(imgEmail, &QToolButton::clicked, this, &TfrmInfo::lnkEmailClick);

    auto *link = new QHBoxLayout;
    link->addStretch();
    link->addWidget(imgEmail);
    link->addWidget(lnkEmail);
    link->addStretch();
    auto *l = new QVBoxLayout(this);
    l->addWidget(title);
    l->addLayout(link);
    l->addWidget(btnChiudi, 0, Qt::AlignHCenter);
}

QString TfrmInfo::contactLink()
{
    return QStringLiteral("\"mailto:") + Maker::supportAddress()
           + QStringLiteral("?subject=Software Lunaresca&body=Salve, desidererei avere le seguenti informazioni "
                            "sul software in oggetto:\"");
}

void TfrmInfo::lnkEmailClick() { TMisc::Open(contactLink()); }
