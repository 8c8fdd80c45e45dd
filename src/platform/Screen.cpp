#include "platform/Screen.h"

#include <QEvent>
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

namespace {
// A window of fixed size (login, change password) stands in the middle of the screen every time
// it is shown, wherever it stood before.
class CentreOnShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            if (auto *w = qobject_cast<QWidget *>(o); w && !w->isMaximized())
                if (QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen())
                    w->move(s->availableGeometry().center() - w->frameGeometry().center()
                            + w->frameGeometry().topLeft());
        return false;
    }
};
} // namespace

TAppScreen::TAppScreen(const QString &caption, bool maximised) : QWidget(nullptr), m_maximised(maximised)
{
    setWindowTitle(caption);
    if (!maximised)
        installEventFilter(new CentreOnShow(this));
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
