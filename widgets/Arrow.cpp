#include "Arrow.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kMargin = 4;   // room for the arrow head around the line
constexpr int kRadius = 6;   // the bend
}

TArrow::TArrow(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TArrow::Link(QPoint from, QPoint to) {
    bendsLeft_ = to.x() < from.x();
    from_ = from;
    to_ = to;
    const int left = std::min(from.x(), to.x()) - kMargin;
    const int right = std::max(from.x(), to.x()) + kMargin;
    setGeometry(left, from.y(), right - left + 1, to.y() - from.y() + kMargin + 1);
    update();
}

void TArrow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    p.setPen(QPen(ink, 1.2));
    const qreal w = width() - 1;
    const qreal bottom = height() - 1 - kMargin;
    const qreal startX = bendsLeft_ ? w - kMargin : kMargin;
    // The head's point is exactly at the end given to Link(), which keeps its
    // distance from the label; the widget's margin only holds the head's width.
    const qreal endX = bendsLeft_ ? kMargin : w - kMargin;
    const qreal dir = bendsLeft_ ? -1 : 1;
    const qreal radius = std::min<qreal>(kRadius, std::min(bottom, std::abs(startX - endX) / 2));

    QPainterPath path({startX, 0});
    path.lineTo(startX, bottom - radius);
    path.quadTo(startX, bottom, startX + dir * radius, bottom);
    path.lineTo(endX + -dir * 1, bottom);
    p.drawPath(path);

    // The head, pointing at the label.
    QPainterPath head({endX, bottom});
    head.lineTo(endX - dir * 7, bottom - 3.5);
    head.lineTo(endX - dir * 7, bottom + 3.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(head);
}
