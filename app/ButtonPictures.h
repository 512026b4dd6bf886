// The small pictures of the common buttons, each with its enabled and its
// disabled (greyed) version.
#pragma once

#include <QIcon>

enum class TButtonPicture { Close, Calculate, Clear, About, Help };

QIcon ButtonPicture(TButtonPicture picture);

// The program's own icon (the one of its menu entry), in every size it ships.
QIcon ProgramIcon();
