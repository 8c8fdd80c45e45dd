#include "platform/CardScreen.h"

#include "base/Text.h"
#include "platform/CardFields.h"
#include "platform/CardForm.h"
#include "platform/Messages.h"
#include "platform/ScreenKit.h"

#include <QCloseEvent>
#include <QLabel>

TCardScreen::TCardScreen(const QString &caption, QString (*path)(), int recordSize, const QString &ready)
    : TAppScreen(caption, true), m_archive(path, recordSize, this), m_recordSize(recordSize)
{
    panInfo = new QLabel(ready, this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setProperty("look", QStringLiteral("position"));
    m_hints = new ScreenKit::Hints(panInfo, this);
    m_frames = new ScreenKit::FocusFrames(this);
    m_form = new Card::Form(this, m_hints, m_frames);
}

QWidget *TCardScreen::control(const QString &name) const
{
    if (QWidget *w = m_form->widget(name))
        return w;
    return name.isEmpty() ? nullptr : findChild<QWidget *>(name);
}

QString TCardScreen::controlText(const QString &name) const { return CardFields::text(control(name)); }

void TCardScreen::setControlText(const QString &name, const QString &text) { CardFields::setText(control(name), text); }

qint64 TCardScreen::currentPosition() const
{
    const QString t = Text::trimmed(lblPosizione->text());
    return t.isEmpty() ? 0 : t.toLongLong();
}

bool TCardScreen::loadAt(qint64 n)
{
    QByteArray record(m_recordSize, '\0');
    if (!m_archive.read(n, record.data()))
        return false;
    m_form->load(record.constData());
    lblPosizione->setText(QString::number(n));
    return true;
}

bool TCardScreen::saveCard(const char *record)
{
    const qint64 n = currentPosition();
    const auto at = m_archive.save(n, record);
    if (!at) {
        if (m_archive.reloaded())
            showAt(n);
        return false;
    }
    lblPosizione->setText(QString::number(*at));
    Msg::information(n > 0
                         ? QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")
                         : QStringLiteral("La scheda corrente è stata inserita in archivio."),
                     this);
    return true;
}

void TCardScreen::cmdPrimoClick()
{
    if (const auto n = m_archive.step(CardArchive::Step::First, currentPosition()))
        showAt(*n);
}

void TCardScreen::cmdIndietroClick()
{
    if (const auto n = m_archive.step(CardArchive::Step::Previous, currentPosition()))
        showAt(*n);
}

void TCardScreen::cmdAvantiClick()
{
    bool empty = false;
    if (const auto n = m_archive.step(CardArchive::Step::Next, currentPosition(), &empty))
        showAt(*n);
    else if (empty && m_nextOnEmptyForgets)
        lblPosizione->clear();
}

void TCardScreen::cmdUltimoClick()
{
    if (const auto n = m_archive.step(CardArchive::Step::Last, currentPosition()))
        showAt(*n);
}

void TCardScreen::closeEvent(QCloseEvent *e)
{
    e->accept();
    ScreenKit::backToMenu(this);
}
