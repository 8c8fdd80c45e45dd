#include "app/CambiaPassword.h"

#include "app/Password.h"
#include "app/Screens.h"
#include "base/Text.h"
#include "platform/ScreenKit.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmCambiaPassword::TfrmCambiaPassword() : TAppScreen(QStringLiteral(" Cambia password"), false)
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setFixedSize(420, 210);
    auto make = [this](const QString &name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setEchoMode(QLineEdit::Password);
        connect(e, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
        return e;
    };
    txtPasswordOld = make(QStringLiteral("txtPasswordOld"));
    txtPasswordNew = make(QStringLiteral("txtPasswordNew"));
    txtConferma = make(QStringLiteral("txtConferma"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->addWidget(new QLabel(QStringLiteral("Vecchia password:"), this), 0, 0);
    grid->addWidget(txtPasswordOld, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Nuova password:"), this), 1, 0);
    grid->addWidget(txtPasswordNew, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Conferma nuova password:"), this), 2, 0);
    grid->addWidget(txtConferma, 2, 1, 1, 2);
    grid->addWidget(cmdOK, 3, 1);
    grid->addWidget(cmdEsci, 3, 2);

    auto *frames = new ScreenKit::FocusFrames(this);
    effPasswordOld = frames->frameAround(txtPasswordOld, QStringLiteral("effPasswordOld"));
    effPasswordNew = frames->frameAround(txtPasswordNew, QStringLiteral("effPasswordNew"));
    effConferma = frames->frameAround(txtConferma, QStringLiteral("effConferma"));
    frames->light(txtPasswordOld, effPasswordOld);
    frames->light(txtPasswordNew, effPasswordNew);
    frames->light(txtConferma, effConferma);
    new ScreenKit::EnterChain({txtPasswordOld, txtPasswordNew, txtConferma}, this);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

void TfrmCambiaPassword::updateOK()
{
    cmdOK->setEnabled(!Text::isBlank(txtPasswordOld->text()) && !Text::isBlank(txtPasswordNew->text())
                      && !Text::isBlank(txtConferma->text()));
}

void TfrmCambiaPassword::showEvent(QShowEvent *e)
{
    TAppScreen::showEvent(e);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::cmdOKClick()
{
    // The password store comes with its own change; until then the change only closes.
    close();
}

void TfrmCambiaPassword::cmdEsciClick() { close(); }

void TfrmCambiaPassword::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (frmPassword)
        frmPassword->backFromChange();
}
