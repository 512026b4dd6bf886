#include "ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 16;

void Draw(QPainter& p, TButtonPicture picture, bool enabled) {
    const auto tint = [enabled](QColor c) {
        if (enabled) return c;
        const int grey = qGray(c.rgb());
        return QColor(160 + grey / 6, 160 + grey / 6, 160 + grey / 6);
    };
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case TButtonPicture::Close: {  // an open door with an arrow going out
        p.setPen(QPen(tint(QColor(110, 70, 30)), 1.2));
        p.setBrush(tint(QColor(205, 150, 90)));
        p.drawRect(QRectF(2.5, 1.5, 8, 13));
        p.setPen(QPen(tint(QColor(170, 20, 20)), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(7, 8), QPointF(14, 8));
        p.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
        p.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
        break;
    }
    case TButtonPicture::Calculate: {  // a green tick
        p.setPen(QPen(tint(QColor(20, 140, 40)), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick({2.5, 8.5});
        tick.lineTo(6.5, 12.5);
        tick.lineTo(13.5, 3.5);
        p.drawPath(tick);
        break;
    }
    case TButtonPicture::Clear: {  // an eraser
        p.setPen(QPen(tint(QColor(60, 60, 90)), 1.0));
        QPolygonF body({{2, 10}, {8, 3}, {14, 8}, {9, 14}, {5, 14}});
        p.setBrush(tint(QColor(230, 110, 140)));
        p.drawPolygon(body);
        p.setBrush(tint(QColor(90, 120, 210)));
        p.drawPolygon(QPolygonF({{2, 10}, {5, 6.6}, {10.5, 11.2}, {9, 14}, {5, 14}}));
        break;
    }
    case TButtonPicture::About:    // an "i" in a blue disc
    case TButtonPicture::Help: {   // a "?" in a green disc
        const bool about = picture == TButtonPicture::About;
        p.setPen(Qt::NoPen);
        p.setBrush(tint(about ? QColor(40, 90, 200) : QColor(30, 140, 90)));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        QFont font;
        font.setBold(true);
        font.setPixelSize(11);
        p.setFont(font);
        p.setPen(enabled ? Qt::white : QColor(240, 240, 240));
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, about ? QStringLiteral("i") : QStringLiteral("?"));
        break;
    }
    }
}

QPixmap Render(TButtonPicture picture, bool enabled) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    Draw(p, picture, enabled);
    return pixmap;
}

}  // namespace

QIcon ButtonPicture(TButtonPicture picture) {
    QIcon icon;
    icon.addPixmap(Render(picture, true), QIcon::Normal);
    icon.addPixmap(Render(picture, false), QIcon::Disabled);
    return icon;
}

QIcon ProgramIcon() {
    Q_INIT_RESOURCE(icon);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
    return icon;
}
