// What a tab bar calls so that a screen reader hears the page tab that
// became the selected one.
#pragma once

class QWidget;

namespace ferrino::a11y {

// The page tab `current` of `bar` became the selected one, `previous` no longer is.
void AnnouncePageTab(QWidget* bar, int previous, int current);

}  // namespace ferrino::a11y
