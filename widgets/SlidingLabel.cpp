#include "SlidingLabel.h"

#include "accessible/AlertHooks.h"

TSlidingLabel::TSlidingLabel(const QString& objectName, const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName(objectName);
    timer_.setInterval(kStepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &TSlidingLabel::Step);
    hide();
}

void TSlidingLabel::SlideIn() {
    adjustSize();
    move(home_.x(), -height());
    show();
    raise();
    timer_.start();
    ferrino::a11y::AnnounceAlert(this);
}

void TSlidingLabel::Retract() {
    timer_.stop();
    hide();
    move(home_);
}

void TSlidingLabel::Step() {
    const int top = std::min(y() + kStepPixels, home_.y());
    move(home_.x(), top);
    if (top >= home_.y()) timer_.stop();
}
