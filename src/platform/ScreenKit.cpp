#include "platform/ScreenKit.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

// The pictures live in the gui library's resources; a static library must register them itself.
static void initAssets() { Q_INIT_RESOURCE(assets); }

namespace ScreenKit {

void applyHouseStyle()
{
    static const bool assetsReady = (initAssets(), true);
    Q_UNUSED(assetsReady);
    if (!qApp || !qApp->styleSheet().isEmpty())
        return;
    QFile f(QStringLiteral(":/lunaresca.qss"));
    if (f.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromUtf8(f.readAll()));
}

QToolButton *picture(QWidget *parent, const QString &name, const QString &icon, const QString &text, int size)
{
    applyHouseStyle();
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    if (!icon.isEmpty())
        b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    b->setIconSize(QSize(size, size));
    if (!text.isEmpty()) {
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    return b;
}

QLabel *label(QWidget *parent, const QString &text, const QString &name)
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QLabel *memoryLabel(QWidget *parent)
{
    applyHouseStyle();
    auto *l = new QLabel(parent);
    l->setObjectName(QStringLiteral("lblMemory"));
    l->hide();
    return l;
}

namespace {
std::function<void(QWidget *)> &menuReturn()
{
    static std::function<void(QWidget *)> back;
    return back;
}
} // namespace

void setMenuReturn(std::function<void(QWidget *app)> back) { menuReturn() = std::move(back); }

void backToMenu(QWidget *app)
{
    if (menuReturn())
        menuReturn()(app);
    else
        app->hide();
}

Hints::Hints(QLabel *bar, QObject *parent) : QObject(parent), m_bar(bar) { applyHouseStyle(); }

void Hints::add(QWidget *w, const QString &hint)
{
    m_hints.insert(w, hint);
    w->setAttribute(Qt::WA_Hover);
    w->installEventFilter(this);
}

void Hints::blank(QWidget *w) { add(w, QString()); }

bool Hints::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::Enter || e->type() == QEvent::HoverEnter) {
        auto it = m_hints.constFind(o);
        if (it != m_hints.constEnd())
            m_bar->setText(*it);
    }
    return false;
}

FocusFrames::FocusFrames(QObject *parent) : QObject(parent) { applyHouseStyle(); }

QFrame *FocusFrames::frameAround(QWidget *around, const QString &name, const QString &look)
{
    auto *f = new QFrame(around->parentWidget());
    f->setObjectName(name);
    f->setProperty("look", look);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    m_frames.insert(around, f);
    around->installEventFilter(this);
    place(around);
    return f;
}

void FocusFrames::place(QWidget *around)
{
    QFrame *f = m_frames.value(around);
    if (!f)
        return;
    f->setGeometry(around->geometry().adjusted(-3, -3, 3, 3));
    f->stackUnder(around);
}

void FocusFrames::light(QWidget *field, QWidget *mark)
{
    m_marks[field].append(mark);
    field->installEventFilter(this);
}

bool FocusFrames::eventFilter(QObject *o, QEvent *e)
{
    switch (e->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const bool on = e->type() == QEvent::FocusIn;
        for (const auto &m : m_marks.value(o))
            if (m)
                m->setVisible(on);
        break;
    }
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        place(static_cast<QWidget *>(o));
        break;
    default:
        break;
    }
    return false;
}

EnterChain::EnterChain(const QList<QWidget *> &chain, QObject *parent, bool wrap) : QObject(parent)
{
    for (int i = 0; i < chain.size(); ++i) {
        const bool last = i + 1 == chain.size();
        if (last && !wrap)
            break;
        m_next.insert(chain[i], chain[last ? 0 : i + 1]);
        watch(chain[i]);
    }
}

void EnterChain::jump(QWidget *from, QWidget *to)
{
    m_next.insert(from, to);
    watch(from);
}

void EnterChain::watch(QWidget *w)
{
    w->installEventFilter(this);
    // An editable drop-down receives its keys in its line edit.
    if (auto *cb = qobject_cast<QComboBox *>(w); cb && cb->lineEdit()) {
        m_next.insert(cb->lineEdit(), m_next.value(w));
        cb->lineEdit()->installEventFilter(this);
    }
}

bool EnterChain::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (QWidget *next = m_next.value(o)) {
                next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return false;
}

} // namespace ScreenKit
