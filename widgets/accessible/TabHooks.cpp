#include "accessible/TabHooks.h"

#include "accessible/Shared.h"

namespace ferrino::a11y {

void AnnouncePageTab(QWidget* bar, int previous, int current) {
    if (!QAccessible::isActive() || current < 0) return;
    QAccessible::State selected;
    selected.selected = true;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar);
    if (!iface) return;
    if (QAccessibleInterface* old = iface->child(previous)) {
        QAccessibleStateChangeEvent unselected(old, selected);
        Send(unselected);
    }
    QAccessibleInterface* now = iface->child(current);
    if (!now) return;
    QAccessibleStateChangeEvent change(now, selected);
    Send(change);
    QAccessibleEvent selection(bar, QAccessible::Selection);
    selection.setChild(current);
    Send(selection);
    if (bar->hasFocus()) {
        QAccessibleEvent focus(bar, QAccessible::Focus);
        focus.setChild(current);
        Send(focus);
    }
}

}  // namespace ferrino::a11y
