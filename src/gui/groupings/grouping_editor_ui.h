#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <vector>

#include "desktop/groupings/grouping_editor_model.h"
#include "gui/controls/validating_field.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QStatusBar;

namespace hueset::gui {

class ColourButton;
class GroupingList;

// The controls of the groupings editor and their layout, as a form designer
// would build them; the dialog gives them their behaviour.
struct GroupingEditorUi {
  static constexpr int kStatusBarHeight = 25;

  // Builds the controls on `dialog`: the font size field joins `support`,
  // the residues field refuses `invalidLetters`, and Cancel carries the
  // Cancel control id.
  void setupUi(QDialog* dialog, FieldSupport& support, const QString& invalidLetters);

  QComboBox* fontList = nullptr;
  ScaledNumberField* fontSize = nullptr;
  FieldSpinButton* fontSpin = nullptr;
  QCheckBox* active = nullptr;
  QLineEdit* name = nullptr;
  LetterSetField* residues = nullptr;
  QLineEdit* marker = nullptr;
  ColourButton* textColour = nullptr;
  ColourButton* backColour = nullptr;
  QCheckBox* bold = nullptr;
  QCheckBox* italic = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* deleteButton = nullptr;
  QPushButton* moveUpButton = nullptr;
  QPushButton* moveDownButton = nullptr;
  QPushButton* activateButton = nullptr;
  QPushButton* inactivateButton = nullptr;
  GroupingList* list = nullptr;
  QPushButton* finishButton = nullptr;
  QPushButton* saveAsButton = nullptr;
  QPushButton* cancelButton = nullptr;
  QPushButton* helpButton = nullptr;
  QMenuBar* menuBar = nullptr;
  QStatusBar* statusBar = nullptr;
};

// The editor's commands, each with the keys that run it (the menu items name
// them in their texts).
struct EditorCommandKeys {
  EditorCommand command;
  QList<QKeySequence> keys;
};
const std::vector<EditorCommandKeys>& editorCommandKeys();

}  // namespace hueset::gui
