#include "platform/Screen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>

TDialog::TDialog(QWidget *parent, const QString &caption, QSize size, bool centredOnOpener)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      m_centredOnOpener(centredOnOpener)
{
    setWindowTitle(caption);
    setFixedSize(size);
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

QString TDialog::memory() const { return lblMemory->text(); }

void TDialog::setMemory(const QString &marker) { lblMemory->setText(marker); }

void TDialog::showEvent(QShowEvent *e)
{
    QRect area;
    if (m_centredOnOpener && parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (QScreen *s = QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
    QDialog::showEvent(e);
}

TAppScreen::TAppScreen(const QString &caption, bool maximised) : QWidget(nullptr), m_maximised(maximised)
{
    setWindowTitle(caption);
}

void TAppScreen::showEvent(QShowEvent *e)
{
    if (!m_maximised && !isMaximized())
        if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
    QWidget::showEvent(e);
}

void TAppScreen::switchFrom(QWidget *source)
{
    if (m_maximised)
        showMaximized();
    else
        show();
    if (source)
        source->hide();
}
