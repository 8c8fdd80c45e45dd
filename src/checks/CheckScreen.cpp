#include "checks/CheckScreen.h"

#include "base/Formats.h"
#include "base/Text.h"
#include "platform/Messages.h"

#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// What typing may do to the field: the limit on its length, and trimming and upper case
// where the screen wants them. It judges the text an edit would leave, before it is shown.
class TypingRule : public QValidator {
public:
    TypingRule(QLineEdit *field, int limit, bool trimUpper)
        : QValidator(field), m_limit(limit), m_trimUpper(trimUpper), m_current(field->text())
    {
        connect(field, &QLineEdit::textChanged, this, [this](const QString &t) { m_current = t; });
    }

    State validate(QString &input, int &pos) const override
    {
        if (m_trimUpper) {
            int lead = 0;
            while (lead < input.size() && input[lead].unicode() <= 32)
                ++lead;
            input = Text::upperAscii(Text::trimmed(input));
            pos = qBound(0, pos - qMin(pos, lead), int(input.size()));
        }
        // A longer value put in by the card may be shortened, never lengthened.
        if (input.size() > m_limit && input.size() > m_current.size())
            return Invalid;
        return Acceptable;
    }

private:
    int m_limit;
    bool m_trimUpper;
    QString m_current; // the text before the edit being judged
};

} // namespace

CheckScreen::CheckScreen(QWidget *parent, const Setup &setup)
    : TDialog(parent, setup.caption, setup.size), m_setup(setup)
{
    Formats::applyProcessFormats();

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgTitolo"));
    picture->setPixmap(QIcon(QStringLiteral(":/icons/verifica.svg")).pixmap(48, 48));
    auto *title = new QLabel(setup.title, this);
    title->setObjectName(QStringLiteral("lblTitolo"));
    QFont tf = title->font();
    tf.setPointSize(16);
    tf.setBold(true);
    title->setFont(tf);
    title->setProperty("look", QStringLiteral("checkTitle"));
    auto *line = new QLabel(setup.instruction, this);
    line->setObjectName(QStringLiteral("lblIstruzioni"));
    line->setWordWrap(true);

    m_field = new QLineEdit(this);
    m_field->setObjectName(setup.fieldName);
    m_field->setFont(QFont(QStringLiteral("Courier New"), 20, QFont::Bold));
    btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));

    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(title, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnControlla);
    buttons->addWidget(btnChiudi);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addWidget(m_field);
    layout->addStretch(1);
    layout->addLayout(buttons);

    m_field->installEventFilter(this);
    connect(btnControlla, &QPushButton::clicked, this, &CheckScreen::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &CheckScreen::btnChiudiClick);
}

bool CheckScreen::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_field && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter leads to the button; the check starts only when it is pressed.
            btnControlla->setFocus(Qt::TabFocusReason);
            return true;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
        }
        if (m_setup.digitsOnly) {
            const QString t = k->text();
            const bool digit = t.size() == 1 && t[0] >= u'0' && t[0] <= u'9'
                               && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            if (!digit)
                return true;
        }
    }
    return TDialog::eventFilter(o, e);
}

void CheckScreen::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    // The card has put its value in by now, whole and unfiltered; from here on only typing
    // changes the field, and typing obeys the screen's rule.
    if (!m_field->validator())
        m_field->setValidator(new TypingRule(m_field, m_setup.typingLimit, m_setup.trimUpper));
    m_field->setFocus();
}

void CheckScreen::paintEvent(QPaintEvent *e)
{
    if (m_setup.gradient) {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0xe8, 0xf6, 0xe8));
        g.setColorAt(1, QColor(0x9c, 0xd3, 0x9c));
        p.fillRect(rect(), g);
    }
    TDialog::paintEvent(e);
}

void CheckScreen::btnControllaClick()
{
    const Checks::Verdict v = m_setup.rule(m_field->text());
    switch (v.outcome) {
    case Checks::Outcome::Incomplete:
        Msg::warning(v.message, this);
        m_field->setFocus();
        return;
    case Checks::Outcome::Valid:
        Msg::information(v.message, this);
        break;
    case Checks::Outcome::Wrong:
        Msg::warning(v.message, this);
        break;
    }
    close();
}

void CheckScreen::btnChiudiClick() { close(); }
