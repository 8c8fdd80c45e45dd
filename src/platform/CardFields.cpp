#include "platform/CardFields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace CardFields {

QString text(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->currentText();
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    return QString();
}

void setText(QWidget *w, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        e->setText(text);
    } else if (auto *c = qobject_cast<QComboBox *>(w)) {
        const int i = c->findText(text);
        c->setCurrentIndex(i);
        if (i < 0)
            c->setEditText(text);
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        l->setText(text);
    }
}

} // namespace CardFields
