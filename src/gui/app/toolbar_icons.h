#pragma once

#include <QIcon>

namespace hueset::gui {

// The icon of a toolbar command: the desktop theme's icon where the theme
// has one with the same meaning, otherwise (and for the program's own
// commands always) a drawing of our own that stays sharp at 16 by 15 and at
// 32 by 32. An unknown command gets a null icon.
QIcon commandIcon(int command);

// Our own drawing for a command, ignoring the theme.
QIcon drawnCommandIcon(int command);

// The program's own icon (window and desktop entry).
QIcon applicationIcon();

}  // namespace hueset::gui
