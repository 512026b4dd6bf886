#include "StatusBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>

namespace {
constexpr int kMargin = 6;
}  // namespace

TStatusBar::TStatusBar(const QString& objectName, QWidget* parent) : QStatusBar(parent) {
    setObjectName(objectName);
    setSizeGripEnabled(false);
    // The whole message, also when the bar shows only its beginning.
    // The whole bar is drawn again: the message reaches further right than
    // the part the status bar itself repaints.
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& message) {
        setToolTip(message);
        update();
    });
}

int TStatusBar::PreferredHeight() const { return 2 * fontMetrics().lineSpacing() + 4; }

QStringList TStatusBar::ShownLines(const QString& message) const {
    const QRect area = MessageArea();
    const QFontMetrics metrics = fontMetrics();
    const int room = std::max(1, area.height() / metrics.lineSpacing());
    QTextLayout layout(message, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        if (lines.size() + 1 == room) {
            // The last line that fits takes the rest, cut short with "…" when it is too long.
            lines << metrics.elidedText(message.mid(line.textStart()).simplified(), Qt::ElideRight, area.width());
            break;
        }
        lines << message.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

QRect TStatusBar::MessageArea() const { return rect().adjusted(kMargin, 2, -kMargin, -2); }

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    const QString message = currentMessage();
    if (message.isEmpty()) return;
    painter.setPen(palette().windowText().color());
    const QStringList lines = ShownLines(message);
    const QRect area = MessageArea();
    const int spacing = fontMetrics().lineSpacing();
    int top = area.top() + (area.height() - static_cast<int>(lines.size()) * spacing) / 2;
    for (const QString& line : lines) {
        painter.drawText(QRect(area.left(), top, area.width(), spacing), Qt::AlignLeft | Qt::AlignVCenter, line);
        top += spacing;
    }
}
