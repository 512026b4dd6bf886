#include "accessible/AlertHooks.h"

#include "accessible/Shared.h"

namespace ferrino::a11y {

void AnnounceAlert(QWidget* widget) {
    if (!QAccessible::isActive() || !widget->isVisible()) return;
    QAccessibleEvent alert(widget, QAccessible::Alert);
    Send(alert);
}

}  // namespace ferrino::a11y
