#include "app/Password.h"

#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Crypt.h"
#include "app/PasswordStore.h"
#include "app/Screens.h"
#include "base/Text.h"
#include "platform/Messages.h"
#include "platform/ScreenKit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmPassword::TfrmPassword() : TAppScreen(QStringLiteral(" Lunaresca - Accesso al programma"), false)
{
    setObjectName(QStringLiteral("frmPassword"));
    setFixedSize(380, 170);
    lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->addWidget(lblRigo05, 0, 0, 1, 3);
    grid->addWidget(txtPassword, 1, 0, 1, 3);
    grid->addWidget(btnCambiaPassword, 2, 0);
    grid->addWidget(cmdOK, 2, 1);
    grid->addWidget(cmdEsci, 2, 2);

    auto *frames = new ScreenKit::FocusFrames(this);
    effPassword = frames->frameAround(txtPassword, QStringLiteral("effPassword"));
    frames->light(txtPassword, effPassword);
    txtPassword->installEventFilter(this);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::updateOK() { cmdOK->setEnabled(!Text::isBlank(txtPassword->text())); }

bool TfrmPassword::eventFilter(QObject *o, QEvent *e)
{
    if (o == txtPassword && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (!Text::isBlank(txtPassword->text()))
                cmdOKClick();
            return true;
        }
    }
    if (o == txtPassword && e->type() == QEvent::KeyRelease)
        updateOK();
    return TAppScreen::eventFilter(o, e);
}

void TfrmPassword::showEvent(QShowEvent *e)
{
    TAppScreen::showEvent(e);
    txtPassword->setFocus();
}

void TfrmPassword::cmdOKClick()
{
    if (Text::isBlank(txtPassword->text()))
        return;
    const std::optional<QString> expected = PasswordStore::read(PasswordStore::path());
    if (!expected) {
        // The typed text stays: the operator may retry once the store is readable again.
        Msg::plain(QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                  "password. Si consiglia di reinstallare il software."),
                   this);
        return;
    }
    if (Crypt::storedForm(txtPassword->text()) != *expected) {
        Msg::plain(QStringLiteral("Attenzione: password errata."), this);
        txtPassword->clear();
        txtPassword->setFocus();
        return;
    }
    Screens::createRest();
    if (auto *screen = Screens::menu())
        screen->switchFrom(this);
}

void TfrmPassword::cmdEsciClick() { close(); }

void TfrmPassword::closeEvent(QCloseEvent *e)
{
    e->accept();
    QApplication::quit();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    Screens::createRest();
    if (auto *screen = Screens::changePassword())
        screen->switchFrom(this);
}

void TfrmPassword::backFromChange()
{
    txtPassword->clear();
    show();
    txtPassword->setFocus();
}
