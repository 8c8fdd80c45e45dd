#pragma once
#include <QApplication>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <span>

class QLabel;
class QFrame;

// Small pieces every screen uses: picture buttons, the info bar's hints,
// focus frames and the Enter chain. Each works through one event filter.
namespace ScreenKit {

// A flat tool button showing one of our pictures (assets/icons/<icon>.svg), named `name`.
QToolButton *picture(QWidget *parent, const QString &name, const QString &icon, const QString &text = QString(),
                     int size = 40);
QLabel *label(QWidget *parent, const QString &text, const QString &name = QString());
// The hidden label through which a caller tells a sub-screen who it is.
QLabel *memoryLabel(QWidget *parent);

// A screen of type T among the program's windows (the registry's), for a sub-screen opened
// without its owner.
template <class T> T *findScreen()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w))
            return t;
    return nullptr;
}

// The house style sheet (assets/lunaresca.qss) on the whole application; the screen helpers
// put it in place the first time they are used.
void applyHouseStyle();

// An app screen closing goes back to the menu; the registry installs how.
void setMenuReturn(std::function<void(QWidget *app)> back);
void backToMenu(QWidget *app);

// Hover hints: the info bar shows a control's hint while the mouse is over it;
// blank areas empty it.
class Hints : public QObject {
public:
    Hints(QLabel *bar, QObject *parent);
    void add(QWidget *w, const QString &hint);
    void blank(QWidget *w);
    QString hintOf(QObject *w) const { return m_hints.value(w); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QLabel *m_bar;
    QHash<QObject *, QString> m_hints;
};

// A highlight frame drawn round a field (or a table button) while a field has the focus.
class FocusFrames : public QObject {
public:
    explicit FocusFrames(QObject *parent);
    // Creates the frame `name` round `around` (sibling, same parent), hidden; `look` is its rule
    // in the house style sheet ("tableFrame" round a table button).
    QFrame *frameAround(QWidget *around, const QString &name, const QString &look = QStringLiteral("focusFrame"));
    // `mark` is shown while `field` has the focus.
    void light(QWidget *field, QWidget *mark);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void place(QWidget *around);
    QHash<QObject *, QList<QPointer<QWidget>>> m_marks;
    QHash<QObject *, QPointer<QFrame>> m_frames; // around-widget -> frame
};

// Enter (and keypad Enter) in one field moves the focus to the next; the last wraps to the first.
class EnterChain : public QObject {
public:
    EnterChain(const QList<QWidget *> &chain, QObject *parent, bool wrap = true);
    // Enter in `from` moves to `to` (for fields outside the chain: search fields to their button).
    void jump(QWidget *from, QWidget *to);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void watch(QWidget *w);
    QHash<QObject *, QWidget *> m_next;
};

// A row of a screen's command buttons: the member that keeps it, name, picture, caption, hint
// and handler.
template <class T> struct Command {
    QToolButton *T::*member;
    const char *name;
    const char *icon;
    const char *text;
    const char *hint;
    void (T::*click)();
};

// Makes the buttons of `rows` as pictures of `size`, their hints in `hints`, wired to the handlers.
template <class T>
void commands(T *screen, QWidget *parent, Hints *hints, std::span<const Command<T>> rows, int size,
              Qt::ToolButtonStyle style = Qt::ToolButtonTextUnderIcon)
{
    for (const Command<T> &c : rows) {
        const QString text = QString::fromUtf8(c.text);
        QToolButton *b = picture(parent, QString::fromUtf8(c.name), QString::fromUtf8(c.icon), text, size);
        if (!text.isEmpty())
            b->setToolButtonStyle(style);
        hints->add(b, QString::fromUtf8(c.hint));
        if (c.click)
            QObject::connect(b, &QToolButton::clicked, screen, c.click);
        screen->*c.member = b;
    }
}

} // namespace ScreenKit
