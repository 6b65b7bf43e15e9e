#pragma once

#include <QMainWindow>
#include <QPointer>
#include <initializer_list>
#include <map>
#include <optional>

#include "desktop/frame/command_ids.h"
#include "gui/app/help_window.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace hueset::gui {

class AlignmentDocument;
class AlignmentEditor;
class AnnotateCommands;
class GroupingsCommands;
class HuesetApp;
class OptionsCommand;
class PreviewController;

// The main window: menus, toolbar, status bar and caption around the one
// document and its editor. It handles the file commands of the document, the
// files dropped on it, and the help requests.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(HuesetApp& app);
  ~MainWindow() override;

  AlignmentDocument* document() const { return m_document; }
  AlignmentEditor* editor() const { return m_editor; }
  // The "Annotate Alignment" commands.
  AnnotateCommands* annotate() const { return m_annotate; }
  QToolBar* toolBar() const { return m_toolBar; }
  // The action of a command number, or null.
  QAction* action(Command command) const;
  QMenu* fileMenu() const { return m_fileMenu; }
  QLabel* idleLabel() const { return m_idleLabel; }
  HelpWindow* helpWindow() const { return m_helpWindow; }
  // The "&Residue Groupings" commands.
  GroupingsCommands* groupings() const { return m_groupings; }
  // The live preview beside the editor.
  PreviewController* preview() const { return m_preview; }
  // The Options command.
  OptionsCommand* optionsCommand() const { return m_options; }

  // Opens `path` as the document after offering to save the current one.
  // False when the user cancelled or the file could not be read (its message
  // has been shown; a recent-list entry for it is removed).
  bool openDocumentFile(const QString& path);
  // "Save changes to ...?": false when the user cancels.
  bool saveModified();

  void fileNew();
  void fileOpen();
  bool fileSave();
  bool fileSaveAs();

  // A help request with a context number; ignored while one is being served.
  void help(int context);
  void runTutorial();
  void contextHelp();

  void setEditorFont(const QFont& font);
  // Switches between the 16 by 15 and the 32 by 32 toolbar buttons.
  void setLargeToolbarButtons(bool large);
  void updateCaption();
  void updateIdleText();
  void updateRecentFiles();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct CommandRow;
  void addCommand(const CommandRow& row);
  // A menu of the menu bar holding the actions of `items`.
  QMenu* addMenu(const char* title, std::initializer_list<std::optional<Command>> items);
  // The actions of the commands in `items` (none: a separator).
  void addCommands(QWidget* target, std::initializer_list<std::optional<Command>> items);
  void createActions();
  // The rows of the menus, a few menus each.
  void createFileAndEditActions();
  void createAnnotateAndGroupingsActions();
  void createViewAndHelpActions();
  void createMenus();
  void createToolBar();
  void createStatusBar();
  void updateAnnotateCommands();
  void updatePaste();
  void showHelpPage(const QString& page);
  void openDroppedFiles(const QStringList& paths);
  void reportOpenFailure(const QString& path, const QString& reason);
  // Where the document dialogs open: the folder of the last file opened or
  // saved, else the working folder.
  QString documentFolder() const;

  HuesetApp& m_app;
  AlignmentDocument* m_document;
  AlignmentEditor* m_editor;
  AnnotateCommands* m_annotate;
  GroupingsCommands* m_groupings;
  OptionsCommand* m_options;
  PreviewController* m_preview = nullptr;
  QToolBar* m_toolBar = nullptr;
  QMenu* m_fileMenu = nullptr;
  QList<QAction*> m_recentActions;
  QString m_documentFolder;
  QLabel* m_idleLabel = nullptr;
  std::map<Command, QAction*> m_actions;
  QPointer<HelpWindow> m_helpWindow;
  bool m_helpBusy = false;
  bool m_tutorialBusy = false;
};

}  // namespace hueset::gui
