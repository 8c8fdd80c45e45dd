#include "app/LinkLook.h"

#include <QToolButton>

namespace LinkLook {

void apply(QToolButton *link, QToolButton *picture)
{
    const QString blue = QStringLiteral("QToolButton { color: darkblue; text-decoration: underline; border: none; }");
    const QString orange = QStringLiteral("QToolButton { color: orange; text-decoration: underline; border: none; }");
    link->setStyleSheet(blue);
    link->setCursor(Qt::PointingHandCursor);
    for (QToolButton *b : {link, picture}) {
        QObject::connect(b, &QToolButton::pressed, link, [=] { link->setStyleSheet(orange); });
        QObject::connect(b, &QToolButton::released, link, [=] { link->setStyleSheet(blue); });
    }
}

} // namespace LinkLook
