// What the main window calls so that a screen reader speaks the status bar's
// messages (the status bar's interface is StatusAccessible.cpp's).
#pragma once

class QStatusBar;

namespace ferrino::a11y {

// Every non-empty message the status bar comes to show is read out.
void AnnounceStatusMessages(QStatusBar* bar);

}  // namespace ferrino::a11y
