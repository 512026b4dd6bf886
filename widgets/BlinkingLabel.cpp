#include "BlinkingLabel.h"

#include <QAccessible>

TBlinkingLabel::TBlinkingLabel(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(objectName);
    connect(&timer_, &QTimer::timeout, this, &TBlinkingLabel::Step);
    timer_.start(kFirstShownMilliseconds);
}

void TBlinkingLabel::Step() {
    // Kept apart from isHidden(), which also holds while the window is not on
    // screen yet.
    shown_ = !shown_ || QAccessible::isActive();
    setVisible(shown_);
    timer_.start(shown_ ? kShownMilliseconds : kHiddenMilliseconds);
}
