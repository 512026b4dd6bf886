#include "ArrowButton.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

TArrowButton::TArrowButton(const QString& objectName, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(objectName);
    setFocusPolicy(Qt::TabFocus);
}

void TArrowButton::SetArrowWidth(int width) {
    arrowWidth_ = width;
    update();
}

int TArrowButton::ArrowWidth() const { return arrowWidth_ > 0 && arrowWidth_ < width() ? arrowWidth_ : width(); }

QRect TArrowButton::ArrowRect() const { return {width() - ArrowWidth(), 0, ArrowWidth(), height()}; }

QSize TArrowButton::sizeHint() const { return {arrowWidth_ > 0 ? arrowWidth_ + 24 : 13, 25}; }

bool TArrowButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos) && !ArrowRect().contains(pos);
}

void TArrowButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ArrowRect().contains(event->position().toPoint())) {
        arrowPressed_ = true;
        update();
        event->accept();
        emit drop();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void TArrowButton::mouseReleaseEvent(QMouseEvent* event) {
    if (arrowPressed_ && event->button() == Qt::LeftButton) {
        arrowPressed_ = false;
        update();
        event->accept();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void TArrowButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton panel;
    panel.initFrom(this);
    panel.state |= (isDown() || arrowPressed_) ? QStyle::State_Sunken : QStyle::State_Raised;
    p.drawPrimitive(QStyle::PE_PanelButtonBevel, panel);

    const QRect arrowPart = ArrowRect();
    if (arrowPart.width() < width()) {
        // The face and the arrow part, side by side.
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(arrowPart.left(), 3, arrowPart.left(), height() - 4);
        if (!text().isEmpty())
            p.drawItemText(QRect(0, 0, arrowPart.left(), height()), Qt::AlignCenter, palette(), isEnabled(), text(),
                           QPalette::ButtonText);
    }
    QStyleOption arrow;
    arrow.initFrom(this);
    const int side = std::max(5, std::min(arrowPart.width(), height()) - 4);
    arrow.rect = QRect(0, 0, side, side);
    arrow.rect.moveCenter(arrowPart.center());
    if (isDown() || arrowPressed_) arrow.rect.translate(1, 1);
    p.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);

    // The keyboard's focus shows as the style's focus frame inside the bevel.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        focus.backgroundColor = palette().color(QPalette::Button);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
