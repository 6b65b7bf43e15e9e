#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "desktop/frame/prompt_types.h"
#include "input/alignment.h"

class QWidget;

namespace hueset::gui {

// Every modal question the program asks, behind one interface: the program
// answers with dialogs, the tests with scripts, so no test ever waits for a
// window.
class UserPrompts {
 public:
  // A list to choose from, as the "File Formats" dialog shows it.
  struct ListChoice {
    QString prompt;  // above the list
    QStringList items;
    QString note;       // below the list
    int selected = -1;  // -1: nothing selected
    int helpContext = 0;
  };

  // The annotation file the user chose.
  struct FileChoice {
    QString path;
    int filterIndex = 0;  // 0-based
    QString folder;       // the folder the dialog ended in
  };

  virtual ~UserPrompts() = default;

  virtual PromptAnswer message(QWidget* parent, const QString& title, const QString& text,
                               PromptIcon icon, PromptButtons buttons) = 0;
  // The "File Formats" dialog: the chosen position (-1 when OK was pressed
  // with nothing selected), or none when cancelled.
  virtual std::optional<int> chooseFromList(QWidget* parent, const ListChoice& choice) = 0;
  // The "Invalid Characters" report; true when the user answers Yes.
  virtual bool acceptCharacterProblems(QWidget* parent,
                                       const std::vector<CharacterProblem>& problems) = 0;
  // The unequal-lengths report, shown until OK.
  virtual void showUnequalLengths(QWidget* parent, const std::string& heading,
                                  const Alignment& alignment) = 0;
  // The save dialog of the "To File" command, in `folder`, proposing
  // `proposedName` (none when empty).
  virtual std::optional<FileChoice> chooseAnnotationFile(QWidget* parent, const QString& folder,
                                                         const QString& proposedName) = 0;
  // The document Open and Save As dialogs; empty when cancelled.
  virtual QString chooseDocumentToOpen(QWidget* parent, const QString& folder) = 0;
  virtual QString chooseDocumentToSave(QWidget* parent, const QString& proposedPath) = 0;
  // "Please install help system": the help pages are missing.
  virtual void showInstallHelp(QWidget* parent) = 0;
};

// A file that could not be written, said the way every save command says
// it: the cause found by looking at the path, and which file.
void showSaveFailure(UserPrompts& prompts, QWidget* parent, const std::string& path);

}  // namespace hueset::gui
