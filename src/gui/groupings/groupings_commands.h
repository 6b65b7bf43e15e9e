#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "desktop/groupings/configuration_commands.h"
#include "gui/groupings/configuration_file_dialogs.h"
#include "gui/groupings/grouping_editor_dialog.h"
#include "gui/groupings/groupings_editor_launcher.h"

class QAction;
class QMenu;
class QWidget;

namespace hueset::gui {

class UserPrompts;

// The "&Residue Groupings" commands of the main window: they run the core's
// configuration commands with the program's message boxes, file dialogs and
// groupings editor, keep the menu's enabling and recent slots up to date,
// and say when the configuration changed so the caption follows.
class GroupingsCommands : public QObject, private ConfigurationUi {
  Q_OBJECT
 public:
  GroupingsCommands(CurrentConfiguration& state, Options& options, UserPrompts& prompts,
                    QWidget* window);
  ~GroupingsCommands() override;

  // Connects the commands' actions (looked up by command number) and fills
  // the recent configuration slots of `menu`, in place of the action of the
  // first slot.
  void attach(const std::function<QAction*(Command)>& action, QMenu* menu);
  // Null restores the real file dialogs, or the real editor dialog.
  void setFileDialogs(ConfigurationFileDialogs* dialogs);
  void setEditorLauncher(GroupingsEditorLauncher* launcher);
  // Where the editor dialog's Help button goes.
  void setEditorHelp(std::function<void(int)> help) {
    m_ownEditor.setHelpFunction(std::move(help));
  }
  // Where the editor dialog's groupings go after each change while it is
  // open (null when it closes): for the preview.
  void setEditorLiveEdits(GroupingEditorLauncher::LiveEdits edits) {
    m_ownEditor.setLiveEdits(std::move(edits));
  }
  // Where the editor dialog opens and how large.
  const std::optional<ScreenRect>& editorPlace() const { return m_ownEditor.place(); }
  void setEditorPlace(std::optional<ScreenRect> place) { m_ownEditor.setPlace(place); }

  ConfigurationCommands& commands() { return m_commands; }
  const CurrentConfiguration& configuration() const { return m_commands.state(); }
  // The plain Save command, which no menu item or key reaches.
  QAction* saveAction() const { return m_saveAction; }
  // The recent configuration entries now in the menu.
  const QList<QAction*>& recentActions() const { return m_recentActions; }

  void startUp() { m_commands.startUp(); }
  void storeForExit() { m_commands.storeForExit(); }
  // At exit: false when the user keeps the program open.
  bool promptSaveChanges() { return m_commands.promptSaveChanges(); }

  // Enabling of the commands and the recent slots, from the current state.
  void updateCommands();

 signals:
  // The configuration, its title or its flags changed.
  void stateChanged();

 private:
  PromptAnswer message(std::string_view text, PromptIcon icon, PromptButtons buttons) override;
  std::optional<FileChoice> chooseConfigurationToOpen(const std::string& folder) override;
  std::optional<FileChoice> chooseConfigurationToSave(const std::string& proposedPath) override;
  bool editGroupings(GroupingSet& target, const GroupingsEditorRequest& request) override;
  void configurationChanged() override;
  void setBusy(bool busy) override;

  void updateRecentConfigurations();
  // Runs a command of the core, then brings the menu up to date.
  void run(const std::function<void()>& command);

  ConfigurationCommands m_commands;
  Options& m_options;
  UserPrompts& m_prompts;
  QPointer<QWidget> m_window;
  QtConfigurationFileDialogs m_ownDialogs;
  ConfigurationFileDialogs* m_dialogs = &m_ownDialogs;
  GroupingEditorLauncher m_ownEditor;
  GroupingsEditorLauncher* m_editor = &m_ownEditor;

  QList<QAction*> m_commandActions;  // enabled once attached
  QAction* m_reloadAction = nullptr;
  QAction* m_saveAction = nullptr;
  QAction* m_recentPlaceholder = nullptr;
  QMenu* m_menu = nullptr;
  QList<QAction*> m_recentActions;
  int m_busy = 0;
};

}  // namespace hueset::gui
