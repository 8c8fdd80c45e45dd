#include "platform/Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {

Msg::Hook &hook()
{
    static Msg::Hook h;
    return h;
}

int show(Msg::Kind kind, const QString &text, QWidget *parent)
{
    if (hook())
        return hook()(kind, text) ? 1 : 0;
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setText(text);
    switch (kind) {
    case Msg::Kind::Plain:
        box.setWindowTitle(QStringLiteral("Lunaresca"));
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Msg::Kind::Information:
        box.setWindowTitle(QStringLiteral("Informazione"));
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Msg::Kind::Warning:
        box.setWindowTitle(QStringLiteral("Attenzione"));
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Msg::Kind::Error:
        box.setWindowTitle(QStringLiteral("Errore"));
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Msg::Kind::Question:
        box.setWindowTitle(QStringLiteral("Conferma"));
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    if (QAbstractButton *b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Annulla"));
    if (QAbstractButton *b = box.button(QMessageBox::Yes))
        b->setText(QStringLiteral("Sì"));
    const int r = box.exec();
    return r == QMessageBox::No ? 0 : 1;
}

} // namespace

namespace Msg {

void plain(const QString &text, QWidget *parent) { show(Kind::Plain, text, parent); }
void information(const QString &text, QWidget *parent) { show(Kind::Information, text, parent); }
void warning(const QString &text, QWidget *parent) { show(Kind::Warning, text, parent); }
void error(const QString &text, QWidget *parent) { show(Kind::Error, text, parent); }
bool question(const QString &text, QWidget *parent) { return show(Kind::Question, text, parent) != 0; }
void setHook(Hook h) { hook() = std::move(h); }

QString accessText()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

} // namespace Msg
