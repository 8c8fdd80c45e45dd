#include "platform/CardForm.h"

#include "base/FlagText.h"
#include "base/Text.h"
#include "platform/CardFields.h"
#include "platform/ScreenKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace Card {

namespace {

QString text(const char *s) { return QString::fromUtf8(s); }

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
bool isTab(int key) { return key == Qt::Key_Tab || key == Qt::Key_Backtab; }
bool isErase(int key) { return key == Qt::Key_Backspace || key == Qt::Key_Delete; }

bool isModifierOnly(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
           || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

// Digits, Backspace, Delete and the Left and Right arrows; Enter and Tab keep moving the focus.
bool digitFieldTakes(const QKeyEvent *k)
{
    const int key = k->key();
    if (isErase(key) || key == Qt::Key_Left || key == Qt::Key_Right || isEnter(key) || isTab(key))
        return true;
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString t = k->text();
    return t.size() == 1 && t[0] >= u'0' && t[0] <= u'9';
}

void replaceKeepingCursor(QLineEdit *e, const QString &t)
{
    const int pos = qMin<int>(e->cursorPosition(), int(t.size()));
    e->setText(t);
    e->setCursorPosition(pos);
}

bool laidOut(const Field &f) { return f.at.section >= 0 && (f.kind == Kind::Edit || f.kind == Kind::Combo); }

} // namespace

Form::Form(QWidget *parent, ScreenKit::Hints *hints, ScreenKit::FocusFrames *frames)
    : QObject(parent), m_parent(parent), m_hints(hints), m_frames(frames)
{}

QWidget *Form::add(const Field &f)
{
    QWidget *w = nullptr;
    switch (f.kind) {
    case Kind::Edit: {
        auto *e = new QLineEdit(m_parent);
        e->setMaxLength(f.field.capacity);
        e->setReadOnly(f.rules & DateKey);
        w = e;
        break;
    }
    case Kind::Combo: {
        auto *c = new QComboBox(m_parent);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(text(f.items).split(QLatin1Char('|'), Qt::SkipEmptyParts));
        c->lineEdit()->setMaxLength(f.field.capacity);
        c->setCurrentIndex(-1);
        w = c;
        break;
    }
    case Kind::Hidden:
        w = new QLabel(m_parent);
        w->hide();
        break;
    case Kind::Check:
        w = new QCheckBox(text(f.caption), m_parent);
        break;
    }
    w->setObjectName(text(f.name));
    if (f.at.width > 0)
        w->setFixedWidth(f.at.width);
    m_rowOf.insert(w, int(m_rows.size()));
    m_rows.push_back(f);
    m_named.insert(w->objectName(), w);
    m_bindings.push_back({f.field, w});
    return w;
}

QToolButton *Form::addPick(const Pick &p, int size)
{
    QToolButton *b = ScreenKit::picture(m_parent, text(p.button), text(p.icon), QString(), size);
    m_hints->add(b, text(p.hint));
    m_named.insert(b->objectName(), b);
    m_picks.push_back(p);
    return b;
}

void Form::name(QWidget *w) { m_named.insert(w->objectName(), w); }

void Form::bind(FieldSpec field, QWidget *w)
{
    m_bindings.push_back({field, w});
    m_named.insert(w->objectName(), w);
}

const Field *Form::rowOf(const QObject *o) const
{
    const auto it = m_rowOf.constFind(o);
    return it == m_rowOf.constEnd() ? nullptr : &m_rows[size_t(*it)];
}

void Form::layOut(int section, QGridLayout *grid, int spacing)
{
    QHBoxLayout *cell = nullptr;
    for (const Field &f : m_rows) {
        if (f.at.section != section)
            continue;
        QWidget *w = widget(text(f.name));
        if (f.at.joins && cell) {
            cell->addWidget(new QLabel(text(f.caption)));
            cell->addWidget(w);
        } else {
            grid->addWidget(new QLabel(text(f.caption)), f.at.row, f.at.col);
            cell = new QHBoxLayout;
            cell->setSpacing(spacing);
            cell->addWidget(w, 1);
            grid->addLayout(cell, f.at.row, f.at.col + 1, 1, f.at.span);
        }
        for (const QString &n : text(f.after).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (n == QLatin1String("~"))
                cell->addStretch();
            else if (n.startsWith(QLatin1Char('+')))
                cell->addSpacing(n.mid(1).toInt());
            else
                cell->addWidget(widget(n));
        }
    }
}

QList<QWidget *> Form::tabOrder() const
{
    QList<QWidget *> order;
    for (const Field &f : m_rows)
        if (laidOut(f))
            order << widget(text(f.name));
    for (const Field &f : m_rows)
        if (f.kind == Kind::Check)
            order << widget(text(f.name));
    return order;
}

void Form::wire(QWidget *screen, const Wiring &wiring)
{
    m_wiring.dateKey = wiring.dateKey;
    m_wiring.erasingEmptiesCodes = wiring.erasingEmptiesCodes;
    QList<QWidget *> chain;
    for (const Field &f : m_rows) {
        QWidget *w = widget(text(f.name));
        if (*f.hint)
            m_hints->add(w, text(f.hint));
        if (!laidOut(f))
            continue;
        chain << w;
        // Frame names: "eff" + the field's name without its prefix.
        m_frames->light(w, m_frames->frameAround(w, QStringLiteral("eff") + w->objectName().mid(3)));
        auto *e = qobject_cast<QLineEdit *>(w);
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            e = c->lineEdit();
            if (f.rules & ListOnly) {
                e->setContextMenuPolicy(Qt::NoContextMenu);
                e->setAcceptDrops(false);
                e->installEventFilter(this);
                m_rowOf.insert(e, m_rowOf.value(w));
            }
        }
        if (f.rules & (Digits | TrimOnKey | UpperOnKey | DateKey | ListOnly | Unmarked))
            w->installEventFilter(this);
        if (f.rules & Digits) {
            static const QRegularExpression digits(QStringLiteral("[0-9]*"));
            e->setValidator(new QRegularExpressionValidator(digits, e));
        }
        if (f.rules & Upper)
            connect(e, &QLineEdit::textChanged, e, [e](const QString &t) {
                const QString u = Text::upperAscii(Text::trimmed(t));
                if (u != t)
                    replaceKeepingCursor(e, u);
            });
    }

    for (const Binding &b : m_bindings) {
        QWidget *w = b.widget;
        if (!m_rowOf.contains(w) && qobject_cast<QLineEdit *>(w))
            m_frames->light(w, m_frames->frameAround(w, QStringLiteral("eff") + w->objectName().mid(3)));
    }

    // Enter walks the fields in table order, the last back to the first; a date opens its picker instead.
    auto *enter = new ScreenKit::EnterChain({}, screen);
    for (int i = 0; i < chain.size(); ++i)
        if (!(rowOf(chain[i])->rules & DateKey))
            enter->jump(chain[i], chain[(i + 1) % chain.size()]);
    const QList<QWidget *> tabs = tabOrder();
    for (int i = 1; i < tabs.size(); ++i)
        QWidget::setTabOrder(tabs[i - 1], tabs[i]);

    for (const Pick &p : m_picks) {
        auto *b = static_cast<QToolButton *>(widget(text(p.button)));
        QWidget *field = widget(text(p.field));
        QWidget *province = *p.province ? widget(text(p.province)) : nullptr;
        QFrame *fre =
            m_frames->frameAround(b, QStringLiteral("fre") + b->objectName().mid(3), QStringLiteral("tableFrame"));
        m_frames->light(field, fre);
        if (province)
            m_frames->light(province, fre);
        connect(b, &QToolButton::clicked, this, [this, p, field, province] {
            if (!m_picker)
                return;
            const auto picked = m_picker(p.table, text(p.marker));
            if (!picked)
                return;
            CardFields::setText(widget(text(p.code)), picked->code);
            if (province)
                CardFields::setText(province, picked->province);
            CardFields::setText(field, picked->description);
        });
        if (wiring.erasingEmptiesCodes) {
            QList<QWidget *> &emptied = m_emptiedBy[field];
            emptied << widget(text(p.code));
            if (province) {
                emptied << province;
                m_emptiedBy[province] << widget(text(p.code));
            }
        }
    }
    for (auto it = m_emptiedBy.cbegin(); it != m_emptiedBy.cend(); ++it)
        const_cast<QObject *>(it.key())->installEventFilter(this);
}

bool Form::eventFilter(QObject *o, QEvent *e)
{
    const Field *f = rowOf(o);
    if (f && e->type() == QEvent::FocusIn && (f->rules & Unmarked)) {
        // A drop-down about to take the focus opens with no item marked; its text stays.
        auto *c = static_cast<QComboBox *>(o);
        const QString t = c->currentText();
        c->setCurrentIndex(-1);
        c->setEditText(t);
    }
    const bool press = e->type() == QEvent::KeyPress;
    const bool release = e->type() == QEvent::KeyRelease;
    if (!press && !release)
        return false;
    const auto *k = static_cast<QKeyEvent *>(e);
    const int key = k->key();
    if (isErase(key))
        for (QWidget *w : m_emptiedBy.value(o))
            CardFields::setText(w, QString());
    if (!f)
        return false;
    if (f->rules & DateKey) {
        if (isTab(key) || isModifierOnly(key))
            return false;
        if (press) {
            if (isErase(key))
                static_cast<QLineEdit *>(o)->clear();
            else if (m_wiring.dateKey)
                m_wiring.dateKey(text(f->items));
        }
        return true;
    }
    if (f->rules & Digits)
        return press && !digitFieldTakes(k);
    if (f->rules & ListOnly)
        return !isEnter(key) && !isTab(key);
    if (release && (f->rules & (TrimOnKey | UpperOnKey))) {
        auto *edit = static_cast<QLineEdit *>(o);
        QString t = Text::trimmed(edit->text());
        if (f->rules & UpperOnKey)
            t = Text::upperAscii(t);
        if (t != edit->text())
            edit->setText(t);
    }
    return false;
}

void Form::store(char *record) const
{
    for (const Binding &b : m_bindings) {
        if (auto *c = qobject_cast<const QCheckBox *>(b.widget))
            TextField::write(record, b.field, FlagText::of(c->isChecked()));
        else
            TextField::write(record, b.field, CardFields::text(b.widget));
    }
}

void Form::load(const char *record)
{
    for (const Binding &b : m_bindings) {
        const QString t = TextField::read(record, b.field);
        if (auto *c = qobject_cast<QCheckBox *>(b.widget)) {
            // Neither "Sì" nor "No": the box stays as it was.
            if (const auto flag = FlagText::parse(t))
                c->setChecked(*flag);
        } else {
            CardFields::setText(b.widget, t);
        }
    }
}

void Form::clear()
{
    for (const Binding &b : m_bindings) {
        if (auto *c = qobject_cast<QCheckBox *>(b.widget)) {
            c->setChecked(false);
        } else if (auto *c = qobject_cast<QComboBox *>(b.widget)) {
            c->setCurrentIndex(-1);
            c->setEditText(QString());
        } else {
            CardFields::setText(b.widget, QString());
        }
    }
}

} // namespace Card
