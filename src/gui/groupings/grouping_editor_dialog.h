#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QDialog>
#include <QFont>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "desktop/command_ids.h"
#include "desktop/grouping_editor_model.h"
#include "desktop/prompt_types.h"
#include "gui/controls/validating_field.h"
#include "gui/groupings/groupings_editor_launcher.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;

namespace hueset::gui {

class ColourButton;

// The help context of the groupings editor: that of the command opening it.
inline constexpr int kGroupingsEditorHelpContext = commandHelpContext(kGroupingsEdit);

// The list of the groupings editor. It asks before a click or a key moves
// the selection, so that an invalid row can keep it.
class GroupingList : public QTreeWidget {
  Q_OBJECT
 public:
  using Guard = std::function<bool()>;
  explicit GroupingList(QWidget* parent = nullptr);
  // Answers whether the selection may change now.
  void setGuard(Guard guard) { m_guard = std::move(guard); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool wouldChangeSelection(QMouseEvent* event) const;
  bool allowed() const { return !m_guard || m_guard(); }

  Guard m_guard;
  bool m_refused = false;
};

// Draws a grouping's residues in the grouping's own format.
class ResiduePreviewDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  ResiduePreviewDelegate(const GroupingEditorModel& model, QObject* parent);
  void setFace(const QString& face) { m_face = face; }
  // The font a preview of `format` is drawn in, based on `base`.
  QFont previewFont(const QFont& base, const ResidueFormat& format) const;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const GroupingEditorModel& m_model;
  QString m_face;
};

// "Edit Residue Group Formats": the font, the current grouping's details
// and the groupings in order of precedence, with undo and redo. It works on
// a copy; the target set changes only on OK or a successful save.
class GroupingEditorDialog : public QDialog {
  Q_OBJECT
 public:
  // Shows a message box (Ok or OkCancel buttons) and gives the answer.
  using MessageFunction = std::function<PromptAnswer(QWidget* parent, const QString& text,
                                                     PromptIcon icon, PromptButtons buttons)>;
  using HelpFunction = std::function<void(int context)>;

  // `save` writes an edited set to the configuration's file (null: the
  // edits are handed back as on OK).
  GroupingEditorDialog(GroupingSet& target, const GroupingsEditorRequest& request,
                       EditorSave save, QWidget* parent = nullptr);
  ~GroupingEditorDialog() override;

  GroupingEditorModel& model() { return m_model; }
  void setMessageFunction(MessageFunction show) { m_message = std::move(show); }
  void setHelpFunction(HelpFunction help) { m_help = std::move(help); }
  FieldSupport& fieldSupport() { return m_fieldSupport; }
  // The fonts to offer instead of the installed ones (tests).
  void setFontFaces(const QStringList& faces);

  // Runs a command as its menu item, key or button would.
  void runCommand(EditorCommand command);
  // The menu item of a command, and the action that holds its keys.
  QAction* action(EditorCommand command) const;
  QAction* keyAction(EditorCommand command) const;
  int beeps() const { return m_beeps; }

  // The controls, for the tests and the screenshots.
  QComboBox* fontList() const { return m_fontList; }
  ScaledNumberField* fontSizeField() const { return m_fontSize; }
  QCheckBox* activeBox() const { return m_active; }
  QLineEdit* nameEdit() const { return m_name; }
  LetterSetField* residuesEdit() const { return m_residues; }
  QLineEdit* markerEdit() const { return m_marker; }
  ColourButton* textPicker() const { return m_textColour; }
  ColourButton* backPicker() const { return m_backColour; }
  QCheckBox* boldBox() const { return m_bold; }
  QCheckBox* italicBox() const { return m_italic; }
  GroupingList* list() const { return m_list; }
  QPushButton* addButton() const { return m_addButton; }
  QPushButton* deleteButton() const { return m_deleteButton; }
  QPushButton* moveUpButton() const { return m_moveUpButton; }
  QPushButton* moveDownButton() const { return m_moveDownButton; }
  QPushButton* activateButton() const { return m_activateButton; }
  QPushButton* inactivateButton() const { return m_inactivateButton; }
  QPushButton* finishButton() const { return m_finishButton; }
  QPushButton* saveAsButton() const { return m_saveAsButton; }
  QPushButton* cancelButton() const { return m_cancelButton; }
  QPushButton* helpButton() const { return m_helpButton; }
  QMenuBar* menuBar() const { return m_menuBar; }
  QMenu* editMenu() const { return m_editMenu; }
  QStatusBar* statusBar() const { return m_statusBar; }
  const ResiduePreviewDelegate* previewDelegate() const { return m_preview; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void connectControls();
  void loadFonts(const QStringList& faces);
  QAction* acceleratorFor(const QKeyEvent* event) const;

  // Model to screen. None of these records or validates.
  void refreshList();
  void refreshRow(int row);
  void showCurrent();
  void showFont();
  void scrollToSelection();
  void updateCommands();

  void listSelectionChanged();
  bool selectionMayChange();
  void handle(const EditorOutcome& outcome);
  void applied(const std::optional<AppliedEdit>& edit);
  void showProblem(const EditorProblem& problem);
  void focusControl(EditorControl control);
  bool message(const QString& text, PromptIcon icon, PromptButtons buttons);
  void beep();

  void detailEdited(bool changed);
  void finish();
  void save(bool saveAs);

  GroupingSet& m_target;
  EditorSave m_save;
  GroupingEditorModel m_model;
  bool m_webSafe;
  MessageFunction m_message;
  HelpFunction m_help;
  FieldSupport m_fieldSupport;
  bool m_updating = false;
  bool m_problemPosted = false;
  int m_beeps = 0;

  QComboBox* m_fontList = nullptr;
  ScaledNumberField* m_fontSize = nullptr;
  FieldSpinButton* m_fontSpin = nullptr;
  QCheckBox* m_active = nullptr;
  QLineEdit* m_name = nullptr;
  LetterSetField* m_residues = nullptr;
  QLineEdit* m_marker = nullptr;
  ColourButton* m_textColour = nullptr;
  ColourButton* m_backColour = nullptr;
  QCheckBox* m_bold = nullptr;
  QCheckBox* m_italic = nullptr;
  QPushButton* m_addButton = nullptr;
  QPushButton* m_deleteButton = nullptr;
  QPushButton* m_moveUpButton = nullptr;
  QPushButton* m_moveDownButton = nullptr;
  QPushButton* m_activateButton = nullptr;
  QPushButton* m_inactivateButton = nullptr;
  GroupingList* m_list = nullptr;
  ResiduePreviewDelegate* m_preview = nullptr;
  QPushButton* m_finishButton = nullptr;
  QPushButton* m_saveAsButton = nullptr;
  QPushButton* m_cancelButton = nullptr;
  QPushButton* m_helpButton = nullptr;
  QMenuBar* m_menuBar = nullptr;
  QMenu* m_editMenu = nullptr;
  QStatusBar* m_statusBar = nullptr;
  std::map<EditorCommand, QAction*> m_actions;  // menu items
  std::map<EditorCommand, QAction*> m_keys;     // accelerators
};

// Opens the groupings editor dialog for the configuration commands.
class GroupingEditorLauncher final : public GroupingsEditorLauncher {
 public:
  void setHelpFunction(GroupingEditorDialog::HelpFunction help) { m_help = std::move(help); }
  bool edit(QWidget* parent, GroupingSet& target, const GroupingsEditorRequest& request,
            const EditorSave& save) override;

 private:
  GroupingEditorDialog::HelpFunction m_help;
};

}  // namespace hueset::gui
