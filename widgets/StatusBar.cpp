#include "StatusBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {
constexpr int kMargin = 6;
}  // namespace

TStatusBar::TStatusBar(const QString& objectName, QWidget* parent) : QStatusBar(parent) {
    setObjectName(objectName);
    setSizeGripEnabled(false);
}

int TStatusBar::PreferredHeight() const { return 2 * fontMetrics().lineSpacing() + 4; }

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    const QString message = currentMessage();
    if (message.isEmpty()) return;
    painter.setPen(palette().windowText().color());
    painter.drawText(rect().adjusted(kMargin, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, message);
}
