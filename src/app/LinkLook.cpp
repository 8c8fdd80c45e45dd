#include "app/LinkLook.h"

#include <QStyle>
#include <QToolButton>

namespace LinkLook {

void apply(QToolButton *link, QToolButton *picture)
{
    link->setProperty("look", QStringLiteral("link"));
    link->setCursor(Qt::PointingHandCursor);
    // Orange while the link or its picture is held down.
    auto down = [link](bool on) {
        link->setProperty("down", on);
        link->style()->unpolish(link);
        link->style()->polish(link);
    };
    for (QToolButton *b : {link, picture}) {
        QObject::connect(b, &QToolButton::pressed, link, [=] { down(true); });
        QObject::connect(b, &QToolButton::released, link, [=] { down(false); });
    }
}

} // namespace LinkLook
