#include "app/Avvio.h"

#include "app/Guida.h"
#include "app/Info.h"
#include "app/Maker.h"
#include "app/Screens.h"
#include "app/Splash.h"
#include "base/Formats.h"
#include "billing/Prodotti.h"
#include "bookings/Registro.h"
#include "guests/Clienti.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *tile(QWidget *parent, const QString &name, const QString &icon, const QString &text, int size,
                  const QString &look)
{
    QToolButton *b = ScreenKit::picture(parent, name, icon, text, size);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    if (!look.isEmpty())
        b->setProperty("look", look);
    return b;
}

} // namespace

TfrmAvvio::TfrmAvvio() : TAppScreen(QStringLiteral(" Lunaresca"), true)
{
    setObjectName(QStringLiteral("frmAvvio"));
    Formats::applyProcessFormats();
    resize(1024, 700);

    const QString bar = QStringLiteral("menuBar");
    const QString desc = QStringLiteral("menuText");
    imgClienti = tile(this, QStringLiteral("imgClienti"), QStringLiteral("tile_clienti"), QString(), 160, {});
    imgTariffario = tile(this, QStringLiteral("imgTariffario"), QStringLiteral("tile_tariffario"), QString(), 160, {});
    imgArrivi = tile(this, QStringLiteral("imgArrivi"), QStringLiteral("tile_arrivi"), QString(), 160, {});
    btnClienti = tile(this, QStringLiteral("btnClienti"), QString(), QStringLiteral("Anagrafica clienti"), 0, bar);
    btnTariffario = tile(this, QStringLiteral("btnTariffario"), QString(), QStringLiteral("Tariffario"), 0, bar);
    btnArrivi = tile(this, QStringLiteral("btnArrivi"), QString(), QStringLiteral("Arrivi e partenze"), 0, bar);
    appClienti = tile(this, QStringLiteral("appClienti"), QString(),
                      QStringLiteral("Schede dei clienti, documenti,\nconto delle consumazioni"), 0, desc);
    appTariffario = tile(this, QStringLiteral("appTariffario"), QString(),
                         QStringLiteral("Listino dei prodotti\ne dei servizi"), 0, desc);
    appArrivi = tile(this, QStringLiteral("appArrivi"), QString(),
                     QStringLiteral("Prenotazioni, arrivi e partenze,\nconferme via e-mail"), 0, desc);
    for (QToolButton *b : {btnClienti, btnTariffario, btnArrivi, appClienti, appTariffario, appArrivi})
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    imgInfo = ScreenKit::picture(this, QStringLiteral("imgInfo"), QStringLiteral("info"), QString(), 40);
    imgGuida = ScreenKit::picture(this, QStringLiteral("imgGuida"), QStringLiteral("guida"), QString(), 40);
    imgCrediti = ScreenKit::picture(this, QStringLiteral("imgCrediti"), QStringLiteral("logo"), QString(), 40);
    imgEsci = ScreenKit::picture(this, QStringLiteral("imgEsci"), QStringLiteral("esci"), QString(), 40);
    imgSito = tile(this, QStringLiteral("imgSito"), QStringLiteral("web"),
                   QStringLiteral("  ") + Maker::webSite().mid(8), 28, QStringLiteral("menuSite"));
    imgSito->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(24, 16, 24, 16);
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(14);
    grid->addWidget(imgInfo, 0, 0, Qt::AlignLeft);
    grid->addWidget(imgGuida, 0, 2, Qt::AlignRight);
    grid->setRowStretch(1, 1);
    grid->addWidget(imgClienti, 2, 0);
    grid->addWidget(imgTariffario, 2, 1);
    grid->addWidget(imgArrivi, 2, 2);
    grid->addWidget(btnClienti, 3, 0);
    grid->addWidget(btnTariffario, 3, 1);
    grid->addWidget(btnArrivi, 3, 2);
    grid->addWidget(appClienti, 4, 0);
    grid->addWidget(appTariffario, 4, 1);
    grid->addWidget(appArrivi, 4, 2);
    grid->setRowStretch(5, 1);
    grid->addWidget(imgSito, 6, 0, 1, 3);
    grid->addWidget(imgCrediti, 7, 0, Qt::AlignLeft);
    grid->addWidget(imgEsci, 7, 2, Qt::AlignRight);

    for (QToolButton *b : {imgClienti, btnClienti, appClienti})
        connect(b, &QToolButton::clicked, this, &TfrmAvvio::imgClientiClick);
    for (QToolButton *b : {imgTariffario, btnTariffario, appTariffario})
        connect(b, &QToolButton::clicked, this, &TfrmAvvio::imgTariffarioClick);
    for (QToolButton *b : {imgArrivi, btnArrivi, appArrivi})
        connect(b, &QToolButton::clicked, this, &TfrmAvvio::imgArriviClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgInfo, &QToolButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgCrediti, &QToolButton::clicked, this, &TfrmAvvio::imgCreditiClick);
    connect(imgSito, &QToolButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::imgEsciClick);
}

void TfrmAvvio::imgClientiClick()
{
    if (auto *screen = Screens::guests())
        screen->switchFrom(this);
}

void TfrmAvvio::imgTariffarioClick()
{
    if (auto *screen = Screens::priceList())
        screen->switchFrom(this);
}

void TfrmAvvio::imgArriviClick()
{
    if (auto *screen = Screens::bookings())
        screen->switchFrom(this);
}

void TfrmAvvio::imgGuidaClick() { ShowHelpTopic(this, HelpTopic::general()); }

void TfrmAvvio::imgInfoClick() { openModal<TfrmInfo>(this); }

void TfrmAvvio::imgCreditiClick() { openModal<TfrmSplash>(this); }

void TfrmAvvio::imgSitoClick() { TMisc::Open(Maker::webSite()); }

void TfrmAvvio::imgEsciClick() { QApplication::quit(); }

void TfrmAvvio::closeEvent(QCloseEvent *e)
{
    e->accept();
    QApplication::quit();
}

void TfrmAvvio::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xd9, 0xe8, 0xf5));
    g.setColorAt(1, QColor(0x7f, 0xa9, 0xcf));
    p.fillRect(rect(), g);
}
