// What a widget with current children (the tabs of a tab bar, the rows of a
// list) calls so that a screen reader hears which child is current when the
// widget takes the focus.
#pragma once

class QWidget;

namespace ferrino::a11y {

// When `widget` takes the focus, tells which of its children is current (the
// tab of a tab bar, the row of a list), after the widget's own focus event.
void AnnounceCurrentChildOnFocus(QWidget* widget);

// Whether `widget` has just taken the focus and its current child is yet to
// be told: a row made current by the focus is told by that event, not twice.
bool FocusChildPending(const QWidget* widget);

}  // namespace ferrino::a11y
