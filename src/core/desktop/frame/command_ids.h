#pragma once

#include "desktop/frame/help_topics.h"

namespace hueset {

// Command numbers of the menus, toolbar and accelerators. Help contexts of
// commands are derived from them, so they keep their long-standing values.
enum Command : int {
  kFileNew = 57600,
  kFileOpen = 57601,
  kFileSave = 57603,
  kFileSaveAs = 57604,
  kFileMruFirst = 57616,
  kAppExit = 57665,

  kEditUndo = 57643,
  kEditCut = 57635,
  kEditCopy = 57634,
  kEditPaste = 57637,
  kEditSelectAll = 57642,

  kAnnotateToWord = 32772,
  kAnnotateToRtfClipboard = 32771,
  kAnnotateToHtmlClipboard = 32803,
  kCopyStyleSheet = 32811,
  kAnnotateToFile = 32809,

  kGroupingsEdit = 32777,
  kGroupingsOpen = 32779,
  kGroupingsReload = 32780,
  kGroupingsSave = 32781,
  kGroupingsSaveAs = 32782,
  kGroupingsDefaults = 32789,
  kGroupingsBlackWhite = 32814,
  kGroupingsMruFirst = 134,

  kOptions = 32778,

  kViewToolbar = 59392,
  kViewStatusBar = 59393,
  kViewPreview = 32815,

  kHelpFinder = 57667,
  kContextHelp = 57669,
  kHelp = 57670,
  kRunTutorial = 32812,
  kAppAbout = 57664,
};

// The help context of a command.
constexpr int commandHelpContext(Command command) { return kCommandHelpBase + command; }

// The OK and Cancel buttons of the dialogs carry these control ids; leaving
// a wrong field for Cancel never complains.
inline constexpr int kOkControlId = 1;
inline constexpr int kCancelControlId = 2;

}  // namespace hueset
