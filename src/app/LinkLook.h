#pragma once

class QToolButton;

// Links are dark blue, orange while the mouse button is held on them or on their picture.
namespace LinkLook {
void apply(QToolButton *link, QToolButton *picture);
}
