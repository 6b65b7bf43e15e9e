#include "gui/groupings/groupings_commands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app_fixture.h"
#include "desktop/frame/command_ids.h"
#include "groupings/binary_config.h"
#include "groupings/builtin_defaults.h"
#include "groupings/configuration_file.h"
#include "gui/app/main_window.h"
#include "gui/common/qt_text.h"
#include "gui/groupings/configuration_file_dialogs.h"
#include "gui/groupings/groupings_editor_launcher.h"
#include "qt_printers.h"
#include "settings/profile_store.h"

namespace hueset::gui::test {
namespace {

// File dialogs answered from a script.
class ScriptedFileDialogs final : public ConfigurationFileDialogs {
 public:
  std::optional<FileChoice> toOpen;
  std::optional<FileChoice> toSave;
  QStringList openFolders;
  QStringList proposedPaths;

  std::optional<FileChoice> chooseToOpen(QWidget*, const QString& folder) override {
    openFolders << folder;
    return toOpen;
  }
  std::optional<FileChoice> chooseToSave(QWidget*, const QString& proposed) override {
    proposedPaths << proposed;
    return toSave;
  }
};

// An editor that answers as told and records what it was shown.
class ScriptedEditor final : public GroupingsEditorLauncher {
 public:
  bool confirm = true;
  std::vector<GroupingsEditorRequest> requests;

  bool edit(QWidget*, GroupingSet&, const GroupingsEditorRequest& request,
            const EditorSave&) override {
    requests.push_back(request);
    return confirm;
  }
};

class GroupingsMenu : public AppFixture {
 protected:
  void startWithScripts(const QStringList& arguments = {}) {
    start(arguments);
    groupings().setFileDialogs(&m_dialogs);
    groupings().setEditorLauncher(&m_editor);
  }
  MainWindow& window() { return *m_app->mainWindow(); }
  GroupingsCommands& groupings() { return *window().groupings(); }
  QAction* action(Command command) { return window().action(command); }
  QString write(const QString& name, const GroupingSet& set, ConfigurationForm form) {
    EXPECT_TRUE(saveConfigurationFile(set, toPathBytes(path(name)), form).ok);
    return path(name);
  }
  void open(const QString& file) {
    m_dialogs.toOpen = ConfigurationUi::FileChoice{toPathBytes(file), 0};
    action(Command::GroupingsOpen)->trigger();
  }
  QString caption(const QString& configuration) const {
    return QStringLiteral("Untitled - HUESET- [ \"%1\" Residue Groupings ]").arg(configuration);
  }
  QMenu* menu() {
    for (QAction* a : window().menuBar()->actions()) {
      if (a->text() == QStringLiteral("&Residue Groupings")) return a->menu();
    }
    return nullptr;
  }
  QStringList recentTexts() {
    QStringList texts;
    for (QAction* a : groupings().recentActions()) texts << a->text();
    return texts;
  }

  ScriptedFileDialogs m_dialogs;
  ScriptedEditor m_editor;
};

GroupingSet smallSet() {
  GroupingSet set = builtinDefault(BuiltinDefault::BlackAndWhite);
  set.groupings.resize(3);
  return set;
}

TEST(ConfigurationFileDialogs, FiltersInTheirOrder) {
  EXPECT_EQ(configurationOpenFilters(),
            (QStringList{"Binary Configuration Files (*.cfb)", "Text Configuration Files (*.cft)",
                         "All Files (*.*) (*)"}));
  EXPECT_EQ(configurationSaveFilters(), (QStringList{"Binary Configuration Files (*.cfb)",
                                                     "Text Configuration Files (*.cft)"}));
}

TEST(ConfigurationFileDialogs, SaveAsTakesTheChosenTypeThoughItsDetailsAreHidden) {
  const std::unique_ptr<QFileDialog> dialog =
      makeConfigurationSaveDialog(nullptr, QDir::temp().filePath(QStringLiteral("mine.cfb")));
  ASSERT_TRUE(dialog->testOption(QFileDialog::HideNameFilterDetails));
  EXPECT_EQ(configurationSaveChoice(*dialog).filterIndex, 0);

  // The user picks the text type: the dialog reports it by its label alone.
  dialog->selectNameFilter(configurationSaveFilters()[1]);
  emit dialog->filterSelected(dialog->selectedNameFilter());
  EXPECT_EQ(configurationSaveChoice(*dialog).filterIndex, 1);
  EXPECT_EQ(configurationFormForFilter(configurationSaveChoice(*dialog).filterIndex),
            ConfigurationForm::Text);
  EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("cft"));
}

TEST_F(GroupingsMenu, CommandsAreEnabledWithTheirKeys) {
  startWithScripts();
  const struct {
    Command command;
    const char* text;
    const char* keys;
    bool enabled;
  } expected[] = {
      {Command::GroupingsEdit, "&Edit", "Ctrl+E", true},
      {Command::GroupingsOpen, "&Open...", "Ctrl+Shift+O", true},
      {Command::GroupingsReload, "&Reload", "Ctrl+Shift+R", false},
      {Command::GroupingsSaveAs, "Save &As...", "Ctrl+Shift+S", true},
      {Command::GroupingsDefaults, "Use &Defaults", "Ctrl+Shift+D", true},
      {Command::GroupingsBlackWhite, "Use &Black && White Defaults", "Ctrl+Shift+B", true},
  };
  for (const auto& e : expected) {
    QAction* a = action(e.command);
    ASSERT_TRUE(a) << static_cast<int>(e.command);
    EXPECT_EQ(a->text(), QString::fromLatin1(e.text));
    EXPECT_EQ(a->shortcut().toString(), QString::fromLatin1(e.keys)) << e.text;
    EXPECT_EQ(a->isEnabled(), e.enabled) << e.text;
  }
  EXPECT_TRUE(window().toolBar()->actions().contains(action(Command::GroupingsEdit)));
  EXPECT_FALSE(groupings().saveAction()->isEnabled());
  ASSERT_TRUE(menu());
  EXPECT_TRUE(menu()->actions().contains(action(Command::GroupingsMruFirst)));
  EXPECT_TRUE(action(Command::GroupingsMruFirst)->isVisible());
  EXPECT_FALSE(action(Command::GroupingsMruFirst)->isEnabled());
}

TEST_F(GroupingsMenu, OpenOfABrokenFileKeepsTheCurrentConfiguration) {
  startWithScripts();
  GroupingSet one = smallSet();
  one.groupings.resize(1);
  QFile file(path("one.cfb"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(writeBinary(one)));
  file.close();
  const CurrentConfiguration before = m_app->configuration();

  open(path("one.cfb"));
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].text, "The Residue Groupings configuration file " +
                                            path("one.cfb") + " is corrupt and could not be read.");
  EXPECT_EQ(m_prompts.messages[0].icon, PromptIcon::Stop);
  EXPECT_EQ(m_app->configuration(), before);
  EXPECT_TRUE(m_editor.requests.empty());
  EXPECT_EQ(window().windowTitle(), caption("Hueset Defaults"));
  EXPECT_TRUE(recentTexts().isEmpty());
}

TEST_F(GroupingsMenu, CancelledConfirmationRestoresTheCaptionAndKeepsTheRecentEntry) {
  startWithScripts();
  const QString file = write("mine.cft", smallSet(), ConfigurationForm::Text);
  m_editor.confirm = false;
  open(file);
  ASSERT_EQ(m_editor.requests.size(), 1u);
  EXPECT_TRUE(m_editor.requests[0].confirmationMode);
  EXPECT_EQ(m_editor.requests[0].caption, "Confirm open configuration file");
  EXPECT_EQ(m_app->configuration().title, "Hueset Defaults");
  EXPECT_EQ(m_app->configuration().set, builtinDefault(BuiltinDefault::Colour));
  EXPECT_EQ(window().windowTitle(), caption("Hueset Defaults"));
  EXPECT_EQ(recentTexts(), QStringList{"&1 mine.cft"});
  EXPECT_FALSE(action(Command::GroupingsMruFirst)->isVisible());
}

TEST_F(GroupingsMenu, ConfirmedOpenShowsInTheCaptionAndTheRecentSlots) {
  startWithScripts();
  const QString first = write("first.cfb", smallSet(), ConfigurationForm::Binary);
  const QString second = write("second.cft", smallSet(), ConfigurationForm::Text);
  open(first);
  open(second);
  EXPECT_EQ(window().windowTitle(), caption("second.cft"));
  EXPECT_EQ(recentTexts(), (QStringList{"&1 second.cft", "&2 first.cfb"}));
  EXPECT_EQ(groupings().recentActions()[1]->data().toInt(),
            static_cast<int>(Command::GroupingsMruFirst) + 1);
  EXPECT_EQ(m_dialogs.openFolders.last(), m_dir);

  groupings().recentActions()[1]->trigger();
  EXPECT_EQ(window().windowTitle(), caption("first.cfb"));
  EXPECT_EQ(m_app->configuration().path, toPathBytes(first));
  EXPECT_EQ(m_editor.requests.size(), 3u);
}

TEST_F(GroupingsMenu, DefaultsCommandsAskForConfirmation) {
  startWithScripts();
  action(Command::GroupingsBlackWhite)->trigger();
  ASSERT_EQ(m_editor.requests.size(), 1u);
  EXPECT_EQ(m_editor.requests[0].caption, "Confirm use default configuration");
  EXPECT_EQ(window().windowTitle(), caption("Hueset B & W Defaults"));
  action(Command::GroupingsDefaults)->trigger();
  EXPECT_EQ(window().windowTitle(), caption("Hueset Defaults"));
}

// The third built-in sits with the other two and goes the same way: shown
// in the editor to confirm, then in use under its own title.
TEST_F(GroupingsMenu, ColourBlindSafeDefaultsAreOfferedWithTheOthers) {
  startWithScripts();
  QAction* safe = action(Command::GroupingsColourBlindSafe);
  ASSERT_TRUE(safe);
  EXPECT_EQ(safe->text(), QStringLiteral("Use Colour-blind &Safe Defaults"));
  EXPECT_TRUE(safe->isEnabled());
  ASSERT_TRUE(menu());
  const QList<QAction*> items = menu()->actions();
  ASSERT_TRUE(items.contains(safe));
  EXPECT_EQ(items.indexOf(safe), items.indexOf(action(Command::GroupingsBlackWhite)) + 1);

  safe->trigger();
  ASSERT_EQ(m_editor.requests.size(), 1u);
  EXPECT_TRUE(m_editor.requests[0].confirmationMode);
  EXPECT_EQ(m_editor.requests[0].caption, "Confirm use default configuration");
  EXPECT_EQ(window().windowTitle(), caption("Hueset Colour-blind Safe Defaults"));
  EXPECT_EQ(m_app->configuration().set, builtinDefault(BuiltinDefault::ColourBlindSafe));
  EXPECT_TRUE(m_app->configuration().path.empty());
}

TEST_F(GroupingsMenu, SaveOfAReadOnlyFileTurnsIntoSaveAs) {
  startWithScripts();
  const QString file = write("locked.cfb", smallSet(), ConfigurationForm::Binary);
  open(file);
  QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  m_app->configuration().modified = true;
  groupings().updateCommands();
  EXPECT_TRUE(groupings().saveAction()->isEnabled());
  EXPECT_TRUE(action(Command::GroupingsReload)->isEnabled());

  m_dialogs.toSave = ConfigurationUi::FileChoice{toPathBytes(path("copy.cft")), 1};
  groupings().saveAction()->trigger();
  ASSERT_EQ(m_dialogs.proposedPaths.size(), 1);
  EXPECT_EQ(m_dialogs.proposedPaths[0], file);
  EXPECT_EQ(window().windowTitle(), caption("copy.cft"));
  EXPECT_FALSE(groupings().saveAction()->isEnabled());
  EXPECT_FALSE(action(Command::GroupingsReload)->isEnabled());
  EXPECT_EQ(recentTexts(), (QStringList{"&1 copy.cft", "&2 locked.cfb"}));
}

TEST_F(GroupingsMenu, EditWarnsAboutInvalidResiduesAndTurnsTheCheckOff) {
  m_profileText += QStringLiteral("[Parse Settings]\nRestrict to Valid AAs=1\n");
  startWithScripts();
  GroupingSet set = smallSet();
  set.groupings[2].residues = "DEZ";
  m_app->configuration().set = set;
  m_prompts.answers = {PromptAnswer::Cancel};
  action(Command::GroupingsEdit)->trigger();
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_TRUE(m_prompts.messages[0].text.startsWith(
      "Allow Non-Standard Residues?\n\nSome of these residue groupings contain non-standard "
      "residues (i.e. BJOUZ)\n"));
  EXPECT_EQ(m_prompts.messages[0].buttons, PromptButtons::OkCancel);
  EXPECT_TRUE(m_editor.requests.empty());
  EXPECT_EQ(m_app->options().parse.restrictResidues, 1);

  action(Command::GroupingsEdit)->trigger();
  ASSERT_EQ(m_editor.requests.size(), 1u);
  EXPECT_FALSE(m_editor.requests[0].confirmationMode);
  EXPECT_EQ(m_app->options().parse.restrictResidues, 0);
}

TEST_F(GroupingsMenu, NoRecentSlotsWhenTheCountIsZero) {
  m_profileText += QStringLiteral("MRU Configurations Count=0\n");
  startWithScripts();
  open(write("mine.cfb", smallSet(), ConfigurationForm::Binary));
  EXPECT_EQ(window().windowTitle(), caption("mine.cfb"));
  EXPECT_TRUE(groupings().recentActions().isEmpty());
  EXPECT_TRUE(action(Command::GroupingsMruFirst)->isVisible());
  EXPECT_FALSE(action(Command::GroupingsMruFirst)->isEnabled());
}

TEST_F(GroupingsMenu, StartUpReopensTheLastFileAndExitRemembersIt) {
  const QString file = write("last.cft", smallSet(), ConfigurationForm::Text);
  m_profileText += QStringLiteral("Last Configuration File=%1\n").arg(file);
  startWithScripts();
  EXPECT_EQ(window().windowTitle(), caption("last.cft"));
  EXPECT_TRUE(m_editor.requests.empty());
  EXPECT_EQ(recentTexts(), QStringList{"&1 last.cft"});

  action(Command::GroupingsBlackWhite)->trigger();
  exit();
  IniProfileStore store(toPathBytes(m_profile));
  EXPECT_EQ(store.readString("General Settings", "Last Configuration File", "?"), "");
  EXPECT_EQ(store.readString("Recent Configuration Files", "File1", "?"), toPathBytes(file));
}

TEST_F(GroupingsMenu, UnreadableLastFileFallsBackToTheDefaults) {
  m_profileText += QStringLiteral("Last Configuration File=%1\n").arg(path("gone.cfb"));
  start();
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_TRUE(m_prompts.messages[0].text.endsWith(
      "\nCannot find this file.\nPlease verify that the correct path and file name are given."));
  EXPECT_EQ(window().windowTitle(), caption("Hueset Defaults"));
}

TEST_F(GroupingsMenu, ClosingAsksToSaveChangedGroupings) {
  startWithScripts();
  m_app->configuration().modified = true;
  m_prompts.answers = {PromptAnswer::Cancel};
  EXPECT_FALSE(window().close());
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].text,
            "Save changes to the Residues Group Configuration File \"Hueset Defaults\"?");
  EXPECT_EQ(m_prompts.messages[0].buttons, PromptButtons::YesNoCancel);

  m_prompts.answers = {PromptAnswer::No};
  EXPECT_TRUE(window().close());
}

}  // namespace
}  // namespace hueset::gui::test
