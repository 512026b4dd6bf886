#include "ScrollingLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace {

// The number of blanks to append to `text` so that, measured with `metrics`,
// it is at least `width` wide: the smallest such count, at most `limit`.
// The first guess comes from the width of one blank and is then settled one
// blank at a time, which gives what appending them one by one from none would.
int PaddingFor(const QString& text, const QFontMetrics& metrics, int width, int limit) {
    const auto wideEnough = [&](int blanks) {
        return metrics.horizontalAdvance(text + QString(blanks, QLatin1Char(' '))) >= width;
    };
    if (wideEnough(0)) return 0;
    const int blank = std::max(1, metrics.horizontalAdvance(QLatin1Char(' ')));
    const int missing = width - metrics.horizontalAdvance(text);
    int blanks = std::clamp(missing / blank, 1, limit);
    while (blanks > 1 && wideEnough(blanks - 1)) --blanks;
    while (blanks < limit && !wideEnough(blanks)) ++blanks;
    return blanks;
}

}  // namespace

TScrollingLabel::TScrollingLabel(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(false);  // whatever lies behind shows through
    timer_.setInterval(kStepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &TScrollingLabel::Step);
}

void TScrollingLabel::SetClickable(bool clickable) {
    clickable_ = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(clickable ? Qt::TabFocus : Qt::NoFocus);
}

void TScrollingLabel::SetText(const QString& text) {
    fullText_ = text;
    padding_ = PaddingFor(text, fontMetrics(), width(), kMaxPadding);
    text_ = text + QString(padding_, QLatin1Char(' '));
    updateGeometry();
    update();
}

void TScrollingLabel::Step() {
    const qsizetype size = text_.size();
    qsizetype last = 1;
    if (size >= 2 && text_.at(size - 1).isLowSurrogate() && text_.at(size - 2).isHighSurrogate()) last = 2;
    if (size <= last) return;  // a single character stays where it is
    std::rotate(text_.begin(), text_.end() - last, text_.end());
    update();
}

QSize TScrollingLabel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text_), fontMetrics().height()};
}

void TScrollingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.state |= QStyle::State_KeyboardFocusChange;  // shown whether or not the keyboard moved it
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TScrollingLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (clickable_ && (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier)) {
            event->accept();
            emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void TScrollingLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    event->accept();
}

void TScrollingLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

void TScrollingLabel::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void TScrollingLabel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeft();
}

void TScrollingLabel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start();
}

void TScrollingLabel::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_.stop();
}
