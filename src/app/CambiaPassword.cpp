#include "app/CambiaPassword.h"

#include "app/Crypt.h"
#include "app/Password.h"
#include "app/PasswordStore.h"
#include "app/Screens.h"
#include "base/Text.h"
#include "platform/Messages.h"
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

namespace {

const QString &modificationError()
{
    static const QString text = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                               "modifica della password. Si consiglia di reinstallare il software.");
    return text;
}

// Why the store could not give a new password back as typed; empty when it can.
QString unstorableReason(const QString &stored)
{
    if (stored.size() > Crypt::MaxLength)
        return QStringLiteral("Attenzione: la nuova password non può superare i %1 caratteri.").arg(Crypt::MaxLength);
    const QString c = Crypt::firstUnstorable(stored);
    if (!c.isEmpty())
        return QStringLiteral("Attenzione: il carattere \"%1\" non può far parte della password.").arg(c);
    return QString();
}

} // namespace

void TfrmCambiaPassword::cmdOKClick()
{
    if (Text::isBlank(txtPasswordOld->text()) || Text::isBlank(txtPasswordNew->text())
        || Text::isBlank(txtConferma->text()))
        return;
    const QString path = PasswordStore::path();
    const std::optional<QString> expected = PasswordStore::read(path);
    if (!expected) {
        Msg::plain(modificationError(), this);
        return;
    }
    if (Crypt::storedForm(txtPasswordOld->text()) != *expected) {
        Msg::plain(QStringLiteral("Attenzione: vecchia password errata."), this);
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    // The confirmation is compared as typed: a difference of case alone is a mistake too.
    if (Text::trimmed(txtPasswordNew->text()) != Text::trimmed(txtConferma->text())) {
        Msg::plain(QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
                                  "reinserire entrambi i valori."),
                   this);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    const QString stored = Crypt::storedForm(txtPasswordNew->text());
    // A password the store cannot give back unchanged could never be typed again.
    if (const QString reason = unstorableReason(stored); !reason.isEmpty()) {
        Msg::plain(reason + QStringLiteral(" E' necessario reinserire entrambi i valori."), this);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    if (!PasswordStore::write(path, stored)) {
        Msg::plain(modificationError(), this);
        return;
    }
    Msg::plain(QStringLiteral("Modifica della password completata con successo."), this);
    close();
}

void TfrmCambiaPassword::cmdEsciClick() { close(); }

void TfrmCambiaPassword::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (auto *screen = Screens::password())
        screen->backFromChange();
}
