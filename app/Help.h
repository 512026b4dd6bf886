// The help: a window of our own, owned by the main window, that shows the
// French help page shipped with the program.
#pragma once

#include <QString>

class QWidget;

// Shows the page (e.g. "Aide.htm") of the program's help; the window is
// created once and brought back to the front on later calls.
void ShowHelpTopic(QWidget* owner, const QString& page);
