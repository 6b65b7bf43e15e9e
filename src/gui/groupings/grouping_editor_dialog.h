#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <map>
#include <optional>

#include "desktop/frame/command_ids.h"
#include "desktop/frame/prompt_types.h"
#include "desktop/frame/window_memory.h"
#include "desktop/groupings/grouping_editor_model.h"
#include "gui/controls/validating_field.h"
#include "gui/groupings/grouping_editor_ui.h"
#include "gui/groupings/groupings_editor_launcher.h"

class QAction;
class QMenu;

namespace hueset::gui {

class ResiduePreviewDelegate;

// The help context of the groupings editor: that of the command opening it.
inline constexpr int kGroupingsEditorHelpContext = commandHelpContext(Command::GroupingsEdit);

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
  GroupingEditorDialog(GroupingSet& target, const GroupingsEditorRequest& request, EditorSave save,
                       QWidget* parent = nullptr);
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

  // Cancel, Esc and the window's close button: after changes the user is
  // asked first, and No keeps the editor open.
  void reject() override;

  // The controls, for the tests and the screenshots.
  QComboBox* fontList() const { return m_ui.fontList; }
  ScaledNumberField* fontSizeField() const { return m_ui.fontSize; }
  QCheckBox* activeBox() const { return m_ui.active; }
  QLineEdit* nameEdit() const { return m_ui.name; }
  LetterSetField* residuesEdit() const { return m_ui.residues; }
  QLineEdit* markerEdit() const { return m_ui.marker; }
  ColourButton* textPicker() const { return m_ui.textColour; }
  ColourButton* backPicker() const { return m_ui.backColour; }
  QCheckBox* boldBox() const { return m_ui.bold; }
  QCheckBox* italicBox() const { return m_ui.italic; }
  GroupingList* list() const { return m_ui.list; }
  QPushButton* addButton() const { return m_ui.addButton; }
  QPushButton* deleteButton() const { return m_ui.deleteButton; }
  QPushButton* moveUpButton() const { return m_ui.moveUpButton; }
  QPushButton* moveDownButton() const { return m_ui.moveDownButton; }
  QPushButton* activateButton() const { return m_ui.activateButton; }
  QPushButton* inactivateButton() const { return m_ui.inactivateButton; }
  QPushButton* finishButton() const { return m_ui.finishButton; }
  QPushButton* saveAsButton() const { return m_ui.saveAsButton; }
  QPushButton* cancelButton() const { return m_ui.cancelButton; }
  QPushButton* helpButton() const { return m_ui.helpButton; }
  QMenuBar* menuBar() const { return m_ui.menuBar; }
  QMenu* editMenu() const { return m_editMenu; }
  QStatusBar* statusBar() const { return m_ui.statusBar; }
  const ResiduePreviewDelegate* previewDelegate() const { return m_preview; }

 signals:
  // The groupings as the editor holds them, after each change (an undo
  // included), before OK or Cancel: for a preview of what OK would give.
  void groupingsEdited(const hueset::GroupingSet& groupings);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
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
  GroupingSet m_lastEdited;  // what groupingsEdited last told
  EditorSave m_save;
  GroupingEditorModel m_model;
  bool m_webSafe;
  MessageFunction m_message;
  HelpFunction m_help;
  FieldSupport m_fieldSupport;
  bool m_updating = false;
  bool m_problemPosted = false;
  int m_beeps = 0;

  GroupingEditorUi m_ui;
  ResiduePreviewDelegate* m_preview = nullptr;
  QMenu* m_editMenu = nullptr;
  std::map<EditorCommand, QAction*> m_actions;  // menu items
  std::map<EditorCommand, QAction*> m_keys;     // accelerators
};

// Opens the groupings editor dialog for the configuration commands.
class GroupingEditorLauncher final : public GroupingsEditorLauncher {
 public:
  // Told the editor's groupings after each change while it is open, and
  // null once it closes, whichever way.
  using LiveEdits = std::function<void(const GroupingSet* edited)>;

  void setHelpFunction(GroupingEditorDialog::HelpFunction help) { m_help = std::move(help); }
  void setLiveEdits(LiveEdits edits) { m_liveEdits = std::move(edits); }
  // Where the editor opens and how large: where the last one closed.
  const std::optional<ScreenRect>& place() const { return m_place; }
  void setPlace(std::optional<ScreenRect> place) { m_place = place; }
  bool edit(QWidget* parent, GroupingSet& target, const GroupingsEditorRequest& request,
            const EditorSave& save) override;

 private:
  GroupingEditorDialog::HelpFunction m_help;
  LiveEdits m_liveEdits;
  std::optional<ScreenRect> m_place;
};

}  // namespace hueset::gui
