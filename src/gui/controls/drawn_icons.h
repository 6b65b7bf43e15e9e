#pragma once

#include <QIcon>
#include <QSize>

#include "desktop/frame/command_ids.h"

// Every picture the program draws itself: the toolbar's, the dialogs'
// buttons', and the marks of the groupings editor's lists.

namespace hueset::gui {

// The icon of a toolbar command: the desktop theme's icon where the theme
// has one with the same meaning, otherwise (and for the program's own
// commands always) a drawing of our own that stays sharp at 16 by 15 and at
// 32 by 32. An unknown command gets a null icon.
QIcon commandIcon(Command command);

// Our own drawing for a command, ignoring the theme.
QIcon drawnCommandIcon(Command command);

// The program's own icon (window and desktop entry): the picture among the
// program's resources, else a drawing.
QIcon applicationIcon();

// The small pictures on the buttons of the dialogs.
enum class ButtonPicture {
  Add,
  Delete,
  Cancel,
  MoveUp,
  MoveDown,
  Activate,
  Inactivate,
  Save,
  SaveAs,
  Help,
  Font
};
QIcon buttonIcon(ButtonPicture picture);
// The size a button shows its picture at: 12 by 12, Help 16 by 15.
QSize buttonIconSize(ButtonPicture picture);

// The state images of the groupings list: a ticked box for an active
// grouping, an empty one for an inactive grouping.
QIcon groupingStateIcon(bool active);
// The marks of a font list: "TT" for outline faces, a frame for faces of
// fixed pitch.
QIcon fontFaceIcon(bool outline, bool fixedPitch);

}  // namespace hueset::gui
