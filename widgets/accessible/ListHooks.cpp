#include "accessible/ListHooks.h"

#include <QAbstractItemView>
#include <QItemSelection>

#include "accessible/FocusHooks.h"
#include "accessible/Shared.h"

namespace ferrino::a11y {

namespace {

// Rows in a selection, counted by its ranges: a whole list of 1.7 million
// rows may be selected at once.
qint64 RowsIn(const QItemSelection& selection) {
    qint64 rows = 0;
    for (const QItemSelectionRange& range : selection) rows += range.height();
    return rows;
}

}  // namespace

void AnnounceListCurrent(QAbstractItemView* list, const QModelIndex& current) {
    if (!QAccessible::isActive() || !current.isValid() || !list->hasFocus()) return;
    // Taking the focus makes a row current: it is told after the list's own focus event.
    if (FocusChildPending(list)) return;
    QAccessibleEvent focus(list, QAccessible::Focus);
    focus.setChild(current.row());
    Send(focus);
}

void AnnounceListSelection(QAbstractItemView* list, const QItemSelection& selected, const QItemSelection& deselected) {
    if (!QAccessible::isActive()) return;
    const qint64 added = RowsIn(selected);
    const qint64 removed = RowsIn(deselected);
    if (added == 0 && removed == 0) return;
    QAccessible::Event type = QAccessible::SelectionWithin;  // many rows at once: "the selection changed"
    int row = -1;
    if (added == 1) {
        // One row in place of whatever was selected, as a click or the arrow
        // keys select: the selection moved to it. Otherwise it joined.
        type = RowsIn(list->selectionModel()->selection()) == 1 ? QAccessible::Selection : QAccessible::SelectionAdd;
        row = selected.first().top();
    } else if (added == 0 && removed == 1) {
        type = QAccessible::SelectionRemove;
        row = deselected.first().top();
    }
    QAccessibleEvent event(list, type);
    event.setChild(row);
    Send(event);
}

}  // namespace ferrino::a11y
