#include "desktop/groupings/configuration_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "groupings/binary_config.h"
#include "groupings/builtin_defaults.h"
#include "groupings/configuration_file.h"
#include "settings/standard_folders.h"
#include "support/test_files.h"
#include "util/string_table.h"

namespace hueset {
namespace {

namespace fs = std::filesystem;
using Answer = PromptAnswer;
using Buttons = PromptButtons;

// Answers from a script and records what the commands asked.
class ScriptedUi final : public ConfigurationUi {
 public:
  struct Shown {
    std::string text;
    PromptIcon icon;
    Buttons buttons;
  };
  struct Edit {
    GroupingSet set;  // what the editor was shown
    GroupingsEditorRequest request;
  };

  std::deque<Answer> answers;  // when they run out: Ok, or Yes
  std::optional<FileChoice> toOpen;
  std::optional<FileChoice> toSave;
  // The editor's answer; the default confirms without changes.
  std::function<bool(GroupingSet&, const GroupingsEditorRequest&)> editor;

  std::vector<Shown> messages;
  std::vector<std::string> openFolders;
  std::vector<std::string> proposedPaths;
  std::vector<Edit> edits;
  int changes = 0;
  int busy = 0;
  int busyCalls = 0;

  Answer message(std::string_view text, PromptIcon icon, Buttons buttons) override {
    messages.push_back({std::string(text), icon, buttons});
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
  }
  std::optional<FileChoice> chooseConfigurationToOpen(const std::string& folder) override {
    openFolders.push_back(folder);
    return toOpen;
  }
  std::optional<FileChoice> chooseConfigurationToSave(const std::string& proposed) override {
    proposedPaths.push_back(proposed);
    return toSave;
  }
  bool editGroupings(GroupingSet& target, const GroupingsEditorRequest& request) override {
    edits.push_back({target, request});
    return editor ? editor(target, request) : true;
  }
  void configurationChanged() override { ++changes; }
  void setBusy(bool on) override {
    busy += on ? 1 : -1;
    if (on) ++busyCalls;
  }
};

using test::readFile;
using test::writeFile;

// A small text configuration unlike either default.
GroupingSet smallSet() {
  GroupingSet set = builtinDefault(BuiltinDefault::BlackAndWhite);
  set.groupings.resize(4);
  set.fontName = "Liberation Mono";
  set.fontSize = 120;
  return set;
}

class ConfigurationCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = hueset::test::makeTempDir("config-commands");
    m_options.paths.lastConfigDirectory = m_dir;
    m_commands.startUp();
    m_ui.changes = 0;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  std::string path(const std::string& name) const { return m_dir + "/" + name; }
  std::string write(const std::string& name, const GroupingSet& set, ConfigurationForm form) {
    const std::string p = path(name);
    EXPECT_TRUE(saveConfigurationFile(set, p, form).ok);
    return p;
  }
  // Opens `file` through the Open command.
  void open(const std::string& file) {
    m_ui.toOpen = ConfigurationUi::FileChoice{file, 0};
    m_commands.open();
  }
  std::vector<std::string> recent() const { return m_options.recentConfigurations->entries(); }

  std::string m_dir;
  CurrentConfiguration m_state;
  Options m_options;
  ScriptedUi m_ui;
  ConfigurationCommands m_commands{m_state, m_options, m_ui};
};

TEST_F(ConfigurationCommandsTest, StartsWithTheColourDefaultWhenNoFileIsRemembered) {
  EXPECT_EQ(m_state.title, "Hueset Defaults");
  EXPECT_EQ(m_state.path, "");
  EXPECT_EQ(m_state.set, builtinDefault(BuiltinDefault::Colour));
  EXPECT_FALSE(m_state.modified);
  EXPECT_TRUE(m_ui.messages.empty());
  EXPECT_TRUE(m_ui.edits.empty());
}

TEST_F(ConfigurationCommandsTest, StartUpReopensTheRememberedFileWithoutConfirmation) {
  const std::string file = write("last.cft", smallSet(), ConfigurationForm::Text);
  m_options.paths.lastConfigurationFile = file;
  m_commands.startUp();
  EXPECT_EQ(m_state.path, file);
  EXPECT_EQ(m_state.title, "last.cft");
  EXPECT_EQ(m_state.set.groupings, smallSet().groupings);
  EXPECT_FALSE(m_state.readAsBinary);
  EXPECT_EQ(recent(), std::vector<std::string>{file});
  EXPECT_TRUE(m_ui.edits.empty());
  EXPECT_GT(m_ui.changes, 0);
}

TEST_F(ConfigurationCommandsTest, StartUpFallsBackToTheDefaultAfterReportingAMissingFile) {
  m_options.paths.lastConfigurationFile = path("gone.cfb");
  m_state.title = "before";
  m_commands.startUp();
  ASSERT_EQ(m_ui.messages.size(), 1u);
  EXPECT_EQ(
      m_ui.messages[0].text,
      "the configuration file " + path("gone.cfb") +
          "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
  EXPECT_EQ(m_state.title, "Hueset Defaults");
  EXPECT_EQ(m_state.path, "");
}

TEST_F(ConfigurationCommandsTest, ExitRemembersTheFileInUse) {
  m_commands.storeForExit();
  EXPECT_EQ(m_options.paths.lastConfigurationFile, "");
  const std::string file = write("kept.cfb", smallSet(), ConfigurationForm::Binary);
  open(file);
  m_commands.storeForExit();
  EXPECT_EQ(m_options.paths.lastConfigurationFile, file);
}

TEST(ConfigurationCommandsExit, RunThatNeverStartedKeepsTheRememberedFile) {
  CurrentConfiguration state;
  Options options;
  options.paths.lastConfigurationFile = "/somewhere/mine.cfb";
  ScriptedUi ui;
  ConfigurationCommands commands(state, options, ui);
  commands.storeForExit();
  EXPECT_EQ(options.paths.lastConfigurationFile, "/somewhere/mine.cfb");
}

TEST_F(ConfigurationCommandsTest, OpenConfirmedMakesTheFileCurrent) {
  const std::string file = write("mine.cft", smallSet(), ConfigurationForm::Text);
  open(file);
  ASSERT_EQ(m_ui.edits.size(), 1u);
  EXPECT_TRUE(m_ui.edits[0].request.confirmationMode);
  EXPECT_EQ(m_ui.edits[0].request.caption, "Confirm open configuration file");
  EXPECT_EQ(m_ui.edits[0].set.groupings, smallSet().groupings);
  EXPECT_EQ(m_ui.openFolders, std::vector<std::string>{m_dir});
  EXPECT_EQ(m_state.path, file);
  EXPECT_EQ(m_state.title, "mine.cft");
  EXPECT_FALSE(m_state.readAsBinary);
  EXPECT_FALSE(m_state.modified);
  EXPECT_EQ(recent(), std::vector<std::string>{file});
  EXPECT_EQ(m_ui.busy, 0);
  EXPECT_EQ(m_ui.busyCalls, 1);
}

TEST_F(ConfigurationCommandsTest, OpenCancelledInTheEditorRestoresEverythingButTheRecentEntry) {
  const std::string first = write("first.cfb", smallSet(), ConfigurationForm::Binary);
  open(first);
  m_state.modified = true;  // as after a failed save from the editor
  m_state.set.lastError = "kept";
  const CurrentConfiguration before = m_state;

  const std::string second =
      write("second.cft", builtinDefault(BuiltinDefault::Colour), ConfigurationForm::Text);
  m_ui.answers = {Answer::No};  // do not save the changes
  m_ui.editor = [](GroupingSet&, const GroupingsEditorRequest&) { return false; };
  m_ui.changes = 0;
  open(second);
  EXPECT_EQ(m_state, before);
  EXPECT_EQ(recent(), (std::vector<std::string>{second, first}));
  EXPECT_GT(m_ui.changes, 0);  // the caption went back too
}

TEST_F(ConfigurationCommandsTest, OpenOfABrokenFileKeepsTheCurrentConfiguration) {
  GroupingSet one = smallSet();
  one.groupings.resize(1);
  writeFile(path("one.cfb"), writeBinary(one));
  writeFile(path("bad.cft"), "90;Courier New\nDefault;X;0,0,0;255,255,255;0;0\n");
  const CurrentConfiguration before = m_state;

  open(path("one.cfb"));
  open(path("bad.cft"));
  open(path("none.cfb"));
  ASSERT_EQ(m_ui.messages.size(), 3u);
  EXPECT_EQ(m_ui.messages[0].text, "The Residue Groupings configuration file " + path("one.cfb") +
                                       " is corrupt and could not be read.");
  EXPECT_EQ(m_ui.messages[0].icon, PromptIcon::Stop);
  EXPECT_EQ(m_ui.messages[1].text, "There was an error reading the configuration file " +
                                       path("bad.cft") + " on line 2.\r\n" +
                                       std::string(loadString(2007)));
  EXPECT_EQ(m_ui.messages[1].buttons, Buttons::Ok);
  EXPECT_NE(m_ui.messages[2].text.find("Cannot find this file."), std::string::npos);
  EXPECT_EQ(m_state, before);
  EXPECT_TRUE(m_ui.edits.empty());
  EXPECT_TRUE(recent().empty());
  EXPECT_EQ(m_ui.busy, 0);
}

TEST_F(ConfigurationCommandsTest, OpenStopsWhenTheUserKeepsUnsavedChanges) {
  m_state.modified = true;
  m_ui.answers = {Answer::Cancel};
  open(write("x.cfb", smallSet(), ConfigurationForm::Binary));
  ASSERT_EQ(m_ui.messages.size(), 1u);
  EXPECT_EQ(m_ui.messages[0].text,
            "Save changes to the Residues Group Configuration File \"Hueset Defaults\"?");
  EXPECT_EQ(m_ui.messages[0].buttons, Buttons::YesNoCancel);
  EXPECT_TRUE(m_ui.openFolders.empty());
  EXPECT_EQ(m_state.title, "Hueset Defaults");
}

TEST_F(ConfigurationCommandsTest, OpenRemembersTheFolderAndStopsOnCancel) {
  fs::create_directories(path("sub"));
  const std::string file = write("sub/in.cfb", smallSet(), ConfigurationForm::Binary);
  open(file);
  EXPECT_EQ(m_options.paths.lastConfigDirectory, path("sub"));
  m_ui.toOpen.reset();
  m_commands.open();
  EXPECT_EQ(m_ui.openFolders.back(), path("sub"));
  EXPECT_EQ(m_ui.edits.size(), 1u);
}

TEST_F(ConfigurationCommandsTest, ChangedFileOffersToSaveAndSavesInTheReadForm) {
  const std::string file = write("mine.cfb", smallSet(), ConfigurationForm::Binary);
  open(file);
  m_state.set.fontSize = 140;
  m_state.modified = true;
  m_ui.answers = {Answer::Yes};
  EXPECT_TRUE(m_commands.promptSaveChanges());
  EXPECT_EQ(m_ui.messages.back().text,
            "Save changes to the Residues Group Configuration File \"mine.cfb\"?");
  EXPECT_FALSE(m_state.modified);
  GroupingSet reread;
  ASSERT_TRUE(readBinary(reread, readFile(file)));
  EXPECT_EQ(reread.fontSize, 140);

  m_state.modified = true;
  m_ui.answers = {Answer::No};
  EXPECT_TRUE(m_commands.promptSaveChanges());
  EXPECT_TRUE(m_state.modified);
  m_ui.answers = {Answer::Cancel};
  EXPECT_FALSE(m_commands.promptSaveChanges());
}

TEST_F(ConfigurationCommandsTest, SaveOfAReadOnlyFileTurnsIntoSaveAs) {
  const std::string file = write("locked.cfb", smallSet(), ConfigurationForm::Binary);
  open(file);
  const std::string original = readFile(file);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  m_state.set.fontSize = 100;
  m_state.modified = true;

  m_ui.toSave.reset();  // the user cancels the Save As dialog
  EXPECT_FALSE(m_commands.saveConfiguration());
  EXPECT_EQ(m_ui.proposedPaths, std::vector<std::string>{file});
  EXPECT_TRUE(m_state.modified);
  EXPECT_EQ(m_state.path, file);
  EXPECT_EQ(readFile(file), original);

  m_ui.toSave = ConfigurationUi::FileChoice{path("copy.cfb"), 0};
  EXPECT_TRUE(m_commands.saveConfiguration());
  EXPECT_EQ(readFile(file), original);
  EXPECT_EQ(m_state.path, path("copy.cfb"));
  EXPECT_EQ(m_state.title, "copy.cfb");
  EXPECT_FALSE(m_state.modified);
  EXPECT_EQ(recent(), (std::vector<std::string>{path("copy.cfb"), file}));
}

TEST_F(ConfigurationCommandsTest, SaveAsOfTheDefaultProposesHuesetInTheConfigurationFolder) {
  m_ui.toSave.reset();
  EXPECT_FALSE(m_commands.saveConfigurationAs());
  EXPECT_EQ(m_ui.proposedPaths, std::vector<std::string>{path("Hueset.cfb")});
  EXPECT_EQ(m_state.path, "");
  EXPECT_EQ(m_options.paths.lastConfigDirectory, m_dir);
}

TEST_F(ConfigurationCommandsTest, SaveAsProposesTheUsersFolderWhereTheFolderTakesNoFiles) {
  const std::string config = path("config");
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string before = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  // An installed program's folder, as root finds it too; one that has gone.
  for (const std::string& folder : {std::string("/proc"), path("gone")}) {
    m_options.paths.lastConfigDirectory = folder;
    m_ui.proposedPaths.clear();
    m_ui.toSave.reset();
    EXPECT_FALSE(m_commands.saveConfigurationAs());
    EXPECT_EQ(m_ui.proposedPaths, std::vector<std::string>{config + "/Vantor/Hueset.cfb"})
        << folder;
  }
  EXPECT_TRUE(fs::is_directory(config + "/Vantor"));
  EXPECT_EQ(proposedWhereItCanBeSaved(path("mine.cft"), config + "/Vantor"), path("mine.cft"));
  if (saved) {
    setenv("XDG_CONFIG_HOME", before.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

// The program's own folder (/usr/bin once installed) is the profile's
// default and may have been remembered; the dialogs never start there.
TEST_F(ConfigurationCommandsTest, DialogsStartInTheUsersFoldersNotTheProgramsOwn) {
  const std::string program = path("bin");
  const std::string user = path("config/Vantor");
  const std::string mine = path("mine");
  fs::create_directories(program);
  fs::create_directories(user);
  fs::create_directories(mine);
  struct Case {
    const char* what;
    std::string remembered;
    std::string currentFile;
    std::string expected;
  };
  const Case cases[] = {
      {"the folder a dialog was left in", mine, "", mine},
      {"not the program's folder: the user's configuration folder", program, "", user},
      {"not the program's folder: the current file's", program, mine + "/cur.cfb", mine},
      {"a folder that has gone", path("gone"), "", user},
      {"a current file in the program's folder is no better", program, program + "/x.cfb", user},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(configurationDialogFolder(c.remembered, c.currentFile, program, user), c.expected)
        << c.what;
  }

  // Through the commands, with the folder of the running program remembered.
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string before = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", path("config").c_str(), 1);
  m_options.paths.lastConfigDirectory = programFolder();
  m_ui.toOpen.reset();
  m_commands.open();
  m_ui.toSave.reset();
  EXPECT_FALSE(m_commands.saveConfigurationAs());
  EXPECT_EQ(m_ui.openFolders, std::vector<std::string>{user});
  EXPECT_EQ(m_ui.proposedPaths, std::vector<std::string>{user + "/Hueset.cfb"});
  if (saved) {
    setenv("XDG_CONFIG_HOME", before.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

TEST_F(ConfigurationCommandsTest, SaveAsWritesTheFormOfTheFilterAndKeepsTheReadForm) {
  const std::string binary = write("start.cfb", smallSet(), ConfigurationForm::Binary);
  open(binary);
  fs::create_directories(path("out"));
  m_ui.toSave = ConfigurationUi::FileChoice{"\"" + path("out/as.cft") + "\"", 1};
  ASSERT_TRUE(m_commands.saveConfigurationAs());
  EXPECT_EQ(m_state.path, path("out/as.cft"));
  EXPECT_EQ(m_options.paths.lastConfigDirectory, path("out"));
  EXPECT_EQ(readFile(path("out/as.cft")), configurationBytes(m_state.set, ConfigurationForm::Text));
  EXPECT_TRUE(m_state.readAsBinary);

  // A later plain Save writes the form the set was read in.
  m_state.modified = true;
  ASSERT_TRUE(m_commands.saveConfiguration());
  EXPECT_EQ(readFile(path("out/as.cft")),
            configurationBytes(m_state.set, ConfigurationForm::Binary));
}

TEST_F(ConfigurationCommandsTest, FailedSaveAsReportsTheFileAndChangesNothing) {
  const std::string file = write("mine.cfb", smallSet(), ConfigurationForm::Binary);
  open(file);
  m_state.modified = true;
  fs::create_directories(path("taken.cfb"));
  const auto countBefore = std::distance(fs::directory_iterator(m_dir), fs::directory_iterator());

  m_ui.toSave = ConfigurationUi::FileChoice{path("missing/x.cfb"), 0};
  EXPECT_FALSE(m_commands.saveConfigurationAs());
  ASSERT_FALSE(m_ui.messages.empty());
  EXPECT_EQ(m_ui.messages.back().text,
            "the configuration file " + path("missing/x.cfb") + " contains an invalid path.");
  m_ui.toSave = ConfigurationUi::FileChoice{path("taken.cfb"), 0};
  EXPECT_FALSE(m_commands.saveConfigurationAs());
  EXPECT_TRUE(fs::is_directory(path("taken.cfb")));

  EXPECT_EQ(m_state.path, file);
  EXPECT_TRUE(m_state.modified);
  EXPECT_EQ(recent(), std::vector<std::string>{file});
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), countBefore);
  EXPECT_EQ(m_ui.busy, 0);
}

TEST_F(ConfigurationCommandsTest, SaveAsThroughALinkWritesTheLinkedFile) {
  const std::string target = write("real.cfb", smallSet(), ConfigurationForm::Binary);
  fs::create_symlink(target, path("link.cfb"));
  m_ui.toSave = ConfigurationUi::FileChoice{path("link.cfb"), 0};
  ASSERT_TRUE(m_commands.saveConfigurationAs());
  EXPECT_EQ(m_state.path, fs::canonical(target).string());
  EXPECT_TRUE(fs::is_symlink(path("link.cfb")));
  EXPECT_EQ(readFile(target),
            configurationBytes(builtinDefault(BuiltinDefault::Colour), ConfigurationForm::Binary));
}

TEST_F(ConfigurationCommandsTest, SaveFromTheEditorPutsTheSetBackWhenTheSaveFails) {
  GroupingSet edited = m_state.set;
  edited.groupings[2].name = "Changed";
  m_ui.toSave.reset();  // no file yet: Save As, then cancelled
  EXPECT_FALSE(m_commands.saveFromEditor(edited, false));
  EXPECT_EQ(m_state.set, builtinDefault(BuiltinDefault::Colour));
  EXPECT_FALSE(m_state.modified);

  m_ui.toSave = ConfigurationUi::FileChoice{path("edited.cfb"), 0};
  EXPECT_TRUE(m_commands.saveFromEditor(edited, false));
  EXPECT_EQ(m_state.set, edited);
  EXPECT_FALSE(m_state.modified);
  EXPECT_EQ(m_state.title, "edited.cfb");
  GroupingSet reread;
  ASSERT_TRUE(readBinary(reread, readFile(path("edited.cfb"))));
  EXPECT_EQ(reread.groupings[2].name, "Changed");
}

TEST_F(ConfigurationCommandsTest, RecentEntryThatFailsToLoadIsRemoved) {
  const std::string good = write("good.cfb", smallSet(), ConfigurationForm::Binary);
  const std::string bad = write("bad.cfb", smallSet(), ConfigurationForm::Binary);
  open(bad);
  open(good);
  fs::remove(bad);
  ASSERT_EQ(recent(), (std::vector<std::string>{good, bad}));
  m_ui.messages.clear();
  m_commands.openRecent(1);
  EXPECT_EQ(m_ui.messages.size(), 1u);
  EXPECT_EQ(recent(), std::vector<std::string>{good});
  EXPECT_EQ(m_state.path, good);

  m_commands.openRecent(5);  // past the end: nothing
  EXPECT_EQ(m_ui.messages.size(), 1u);
}

TEST_F(ConfigurationCommandsTest, RecentEntryOpensWithConfirmation) {
  const std::string a = write("a.cft", smallSet(), ConfigurationForm::Text);
  const std::string b = write("b.cfb", smallSet(), ConfigurationForm::Binary);
  open(a);
  open(b);
  m_commands.openRecent(1);
  EXPECT_EQ(m_state.path, a);
  EXPECT_EQ(m_ui.edits.back().request.caption, "Confirm open configuration file");
  EXPECT_EQ(recent(), (std::vector<std::string>{a, b}));
}

TEST_F(ConfigurationCommandsTest, RecentEntryStaysTheChosenOneWhenSavingFirstAddsAnother) {
  const std::string a = write("a.cfb", smallSet(), ConfigurationForm::Binary);
  const std::string b = write("b.cfb", smallSet(), ConfigurationForm::Binary);
  open(a);
  open(b);
  m_commands.loadDefault(BuiltinDefault::Colour);
  m_state.modified = true;
  m_ui.answers = {Answer::Yes};
  m_ui.toSave = ConfigurationUi::FileChoice{path("saved.cfb"), 0};
  m_commands.openRecent(1);  // "a.cfb", though saving puts "saved.cfb" first
  EXPECT_EQ(m_state.path, a);
}

TEST_F(ConfigurationCommandsTest, NoRecentListWhenItsCountIsZero) {
  m_options.recentConfigurations.reset();
  EXPECT_FALSE(m_commands.recentEnabled());
  const std::string file = write("x.cfb", smallSet(), ConfigurationForm::Binary);
  open(file);
  EXPECT_EQ(m_state.path, file);
  EXPECT_FALSE(m_commands.recentEnabled());
  m_commands.openRecent(0);
  EXPECT_EQ(m_ui.edits.size(), 1u);
}

TEST_F(ConfigurationCommandsTest, DefaultsCommandsConfirmAndCancelBringsTheFileBack) {
  const std::string file = write("mine.cft", smallSet(), ConfigurationForm::Text);
  open(file);
  const CurrentConfiguration before = m_state;
  m_ui.editor = [](GroupingSet&, const GroupingsEditorRequest&) { return false; };
  m_commands.useDefault(BuiltinDefault::BlackAndWhite);
  EXPECT_EQ(m_ui.edits.back().request.caption, "Confirm use default configuration");
  EXPECT_EQ(m_ui.edits.back().set, builtinDefault(BuiltinDefault::BlackAndWhite));
  EXPECT_EQ(m_state, before);

  m_ui.editor = {};
  m_commands.useDefault(BuiltinDefault::BlackAndWhite);
  EXPECT_EQ(m_state.title, "Hueset B & W Defaults");
  EXPECT_EQ(m_state.path, "");
  EXPECT_FALSE(m_state.modified);
  EXPECT_EQ(m_state.set, builtinDefault(BuiltinDefault::BlackAndWhite));
}

TEST_F(ConfigurationCommandsTest, ReloadAsksAndDiscardsTheChanges) {
  const std::string file = write("mine.cfb", smallSet(), ConfigurationForm::Binary);
  open(file);
  m_state.set.groupings.pop_back();
  m_state.modified = true;
  EXPECT_TRUE(m_commands.reloadEnabled());

  m_ui.answers = {Answer::No};
  m_commands.reload();
  EXPECT_EQ(m_ui.messages.back().text,
            "\"Do you wish to discard the changes you have made and reload the groupings from "
            "the original file?\"");
  EXPECT_EQ(m_ui.messages.back().buttons, Buttons::YesNo);
  EXPECT_EQ(m_state.set.groupings.size(), 3u);

  const std::size_t edits = m_ui.edits.size();
  m_commands.reload();
  EXPECT_EQ(m_state.set.groupings, smallSet().groupings);
  EXPECT_FALSE(m_state.modified);
  EXPECT_FALSE(m_commands.reloadEnabled());
  EXPECT_EQ(m_ui.edits.size(), edits);
}

// The two invalid-residue settings and one grouping's residues, with the
// text they give. The other groupings hold none of B, J, O, U and Z.
struct ResidueCase {
  int restrict;
  const char* invalid;
  const char* residues;  // of one ordinary grouping
  int warning;           // 0 for none
};

class InvalidResidueCheck : public ConfigurationCommandsTest,
                            public ::testing::WithParamInterface<ResidueCase> {};

TEST_P(InvalidResidueCheck, EditAsksFirstAndCancelAbandons) {
  const ResidueCase c = GetParam();
  m_options.parse.restrictResidues = c.restrict;
  m_options.parse.invalidResidues = c.invalid;
  m_state.set.groupings[3].residues = c.residues;

  m_ui.answers = {Answer::Cancel};
  m_commands.edit();
  if (c.warning == 0) {
    EXPECT_TRUE(m_ui.messages.empty());
    ASSERT_EQ(m_ui.edits.size(), 1u);
    EXPECT_FALSE(m_ui.edits[0].request.confirmationMode);
    EXPECT_EQ(m_ui.edits[0].request.invalidLetters, invalidResidueList(m_options.parse));
    EXPECT_EQ(m_options.parse.restrictResidues, c.restrict);
    return;
  }
  ASSERT_EQ(m_ui.messages.size(), 1u);
  EXPECT_EQ(m_ui.messages[0].text, loadString(c.warning));
  EXPECT_EQ(m_ui.messages[0].buttons, Buttons::OkCancel);
  EXPECT_TRUE(m_ui.edits.empty());
  EXPECT_EQ(m_options.parse.restrictResidues, c.restrict);

  m_commands.edit();  // OK this time
  ASSERT_EQ(m_ui.edits.size(), 1u);
  EXPECT_EQ(m_options.parse.restrictResidues, 0);
  EXPECT_EQ(m_ui.edits[0].request.invalidLetters, "");
}

TEST_P(InvalidResidueCheck, ConfirmationOnlyTells) {
  const ResidueCase c = GetParam();
  m_options.parse.restrictResidues = c.restrict;
  m_options.parse.invalidResidues = c.invalid;
  GroupingSet set = smallSet();
  set.groupings[3].residues = c.residues;
  m_ui.editor = [](GroupingSet&, const GroupingsEditorRequest&) { return false; };
  open(write("odd.cft", set, ConfigurationForm::Text));
  if (c.warning == 0) {
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(m_options.parse.restrictResidues, c.restrict);
  } else {
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, loadString(c.warning));
    EXPECT_EQ(m_ui.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(m_options.parse.restrictResidues, 0);
  }
  EXPECT_EQ(m_ui.edits.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, InvalidResidueCheck,
    ::testing::Values(ResidueCase{0, "BJOUZ", "BZ", 0}, ResidueCase{1, "Q", "AZ", 2067},
                      ResidueCase{1, "Q", "AQ", 0}, ResidueCase{2, "J", "AJ", 2082},
                      ResidueCase{2, "J", "AZ", 0}, ResidueCase{2, "", "AZ", 0}));

TEST_F(ConfigurationCommandsTest, InvalidLettersInTheSpecialGroupingsAreNotChecked) {
  m_options.parse.restrictResidues = 1;
  m_state.set.groupings[0].residues = "Z";
  m_state.set.groupings[1].residues = "B";
  m_commands.edit();
  EXPECT_TRUE(m_ui.messages.empty());
  ASSERT_EQ(m_ui.edits.size(), 1u);
  EXPECT_EQ(m_ui.edits[0].request.invalidLetters, "BJOUZ");
}

TEST_F(ConfigurationCommandsTest, EditorIsToldAboutTheWebSafePalette) {
  m_options.html.colourPalette = 1;
  m_commands.edit();
  m_options.html.colourPalette = 0;
  m_commands.edit();
  ASSERT_EQ(m_ui.edits.size(), 2u);
  EXPECT_TRUE(m_ui.edits[0].request.webSafePalette);
  EXPECT_FALSE(m_ui.edits[1].request.webSafePalette);
}

}  // namespace
}  // namespace hueset
