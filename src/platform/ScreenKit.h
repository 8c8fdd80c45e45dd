#pragma once
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QFrame;
class QToolButton;
class QWidget;

// Small pieces every screen uses: picture buttons, the info bar's hints,
// focus frames and the Enter chain. Each works through one event filter.
namespace ScreenKit {

// A flat tool button showing one of our pictures (assets/icons/<icon>.svg), named `name`.
QToolButton *picture(QWidget *parent, const QString &name, const QString &icon, const QString &text = QString(),
                     int size = 40);
QLabel *label(QWidget *parent, const QString &text, const QString &name = QString());
// The hidden label through which a caller tells a sub-screen who it is.
QLabel *memoryLabel(QWidget *parent);

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
    // Creates the frame `name` round `around` (sibling, same parent), hidden.
    QFrame *frameAround(QWidget *around, const QString &name, const QString &color = QStringLiteral("#f5c400"));
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

} // namespace ScreenKit
