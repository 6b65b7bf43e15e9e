#pragma once

#include "desktop/frame/help_topics.h"

namespace hueset {

// The commands of the menus, toolbar and accelerators. Their help contexts,
// which the help links show, are derived from these values, so they keep
// their long-standing numbers.
enum class Command : int {
  FileNew = 57600,
  FileOpen = 57601,
  FileSave = 57603,
  FileSaveAs = 57604,
  FileMruFirst = 57616,
  AppExit = 57665,

  EditUndo = 57643,
  EditCut = 57635,
  EditCopy = 57634,
  EditPaste = 57637,
  EditSelectAll = 57642,

  AnnotateToWord = 32772,
  AnnotateToRtfClipboard = 32771,
  AnnotateToHtmlClipboard = 32803,
  CopyStyleSheet = 32811,
  AnnotateToFile = 32809,
  AnnotateAddStructure = 32817,

  GroupingsEdit = 32777,
  GroupingsOpen = 32779,
  GroupingsReload = 32780,
  GroupingsSave = 32781,
  GroupingsSaveAs = 32782,
  GroupingsDefaults = 32789,
  GroupingsBlackWhite = 32814,
  GroupingsColourBlindSafe = 32816,
  GroupingsMruFirst = 134,

  Options = 32778,

  ViewToolbar = 59392,
  ViewStatusBar = 59393,
  ViewPreview = 32815,

  HelpFinder = 57667,
  ContextHelp = 57669,
  Help = 57670,
  RunTutorial = 32812,
  AppAbout = 57664,
};

// The help context of a command.
constexpr int commandHelpContext(Command command) {
  return kCommandHelpBase + static_cast<int>(command);
}

// "Run Tutorial" opens the tutorial's page by its command's context.
inline constexpr int kTutorialHelpContext = commandHelpContext(Command::RunTutorial);

// The OK and Cancel buttons of the dialogs carry these control ids; leaving
// a wrong field for Cancel never complains.
inline constexpr int kOkControlId = 1;
inline constexpr int kCancelControlId = 2;

}  // namespace hueset
