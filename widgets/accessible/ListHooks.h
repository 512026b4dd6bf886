// What a list calls so that a screen reader follows its current row and its
// selection (TCandidateList sends the events of the row itself: the list
// view's own name a row by a layout this list does not make).
#pragma once

class QAbstractItemView;
class QItemSelection;
class QModelIndex;

namespace ferrino::a11y {

// A list's current row changed (a focus event for the row while the list has
// the focus) and its selection changed (selection events for the rows).
void AnnounceListCurrent(QAbstractItemView* list, const QModelIndex& current);
void AnnounceListSelection(QAbstractItemView* list, const QItemSelection& selected, const QItemSelection& deselected);

}  // namespace ferrino::a11y
