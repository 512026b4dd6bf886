// What a message calls so that a screen reader speaks it as it appears.
#pragma once

class QWidget;

namespace ferrino::a11y {

// `widget` (a message) has just appeared and is to be read out.
void AnnounceAlert(QWidget* widget);

}  // namespace ferrino::a11y
