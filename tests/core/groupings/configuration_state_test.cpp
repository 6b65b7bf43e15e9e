#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "groupings/builtin_defaults.h"
#include "groupings/current_configuration.h"
#include "support/test_files.h"

namespace hueset {
namespace {

namespace fs = std::filesystem;

CurrentConfiguration fileConfiguration() {
  CurrentConfiguration state;
  state.set = builtinDefault(BuiltinDefault::BlackAndWhite);
  state.set.lastError = "left from before";
  state.set.lineNumber = 7;
  setConfigurationPath(state, "/data/groups/mine.cft");
  state.modified = true;
  state.readAsBinary = false;
  return state;
}

TEST(ConfigurationState, ProposedNameCutsTheTitleAtTheFirstStop) {
  struct Case {
    const char* title;
    const char* expected;
  } cases[] = {
      {"Hueset Defaults", "/cfg/Hueset.cfb"},
      {"Hueset B & W Defaults", "/cfg/Hueset.cfb"},
      {"plain", "/cfg/plain.cfb"},
      {"a#b", "/cfg/a.cfb"},
      {"50%grey", "/cfg/50.cfb"},
      {"x;y", "/cfg/x.cfb"},
      {"up/down", "/cfg/up.cfb"},
      {"back\\slash", "/cfg/back.cfb"},
  };
  for (const Case& c : cases) {
    CurrentConfiguration state;
    state.title = c.title;
    EXPECT_EQ(proposedConfigurationPath(state, "/cfg"), c.expected) << c.title;
  }
}

TEST(ConfigurationState, ProposedNameIsTheFileWhenThereIsOne) {
  CurrentConfiguration state = fileConfiguration();
  EXPECT_EQ(proposedConfigurationPath(state, "/elsewhere"), "/data/groups/mine.cft");
}

TEST(ConfigurationState, BuiltinDefaultsReplaceEverythingButLeaveNoFile) {
  CurrentConfiguration state = fileConfiguration();
  takeBuiltinDefault(state, BuiltinDefault::Colour);
  EXPECT_EQ(state.title, "Hueset Defaults");
  EXPECT_EQ(state.path, "");
  EXPECT_FALSE(state.modified);
  EXPECT_TRUE(state.readAsBinary);
  EXPECT_EQ(state.set, builtinDefault(BuiltinDefault::Colour));

  takeBuiltinDefault(state, BuiltinDefault::BlackAndWhite);
  EXPECT_EQ(state.title, "Hueset B & W Defaults");
  EXPECT_EQ(state.set.groupings.size(), 12u);
}

TEST(ConfigurationState, LoadedSetKeepsPathAndClearsModifiedInBothForms) {
  for (ConfigurationForm form : {ConfigurationForm::Binary, ConfigurationForm::Text}) {
    CurrentConfiguration state = fileConfiguration();
    state.readAsBinary = form == ConfigurationForm::Text;  // the opposite
    ConfigurationLoad load;
    load.ok = true;
    load.form = form;
    load.set = builtinDefault(BuiltinDefault::Colour);
    takeLoadedConfiguration(state, std::move(load));
    EXPECT_EQ(state.set, builtinDefault(BuiltinDefault::Colour));
    EXPECT_EQ(state.readAsBinary, form == ConfigurationForm::Binary);
    EXPECT_FALSE(state.modified);
    EXPECT_EQ(state.path, "/data/groups/mine.cft");
    EXPECT_EQ(state.title, "mine.cft");
  }
}

TEST(ConfigurationState, SaveChangesQuestionNamesTheFileOrTheTitle) {
  CurrentConfiguration state = fileConfiguration();
  EXPECT_EQ(saveChangesQuestion(state),
            "Save changes to the Residues Group Configuration File \"mine.cft\"?");
  takeBuiltinDefault(state, BuiltinDefault::BlackAndWhite);
  EXPECT_EQ(saveChangesQuestion(state),
            "Save changes to the Residues Group Configuration File \"Hueset B & W Defaults\"?");
}

TEST(ConfigurationState, ReloadNeedsAFileAndChanges) {
  CurrentConfiguration state = fileConfiguration();
  EXPECT_TRUE(reloadEnabled(state));
  EXPECT_TRUE(saveEnabled(state));
  state.modified = false;
  EXPECT_FALSE(reloadEnabled(state));
  EXPECT_FALSE(saveEnabled(state));
  takeBuiltinDefault(state, BuiltinDefault::Colour);
  state.modified = true;
  EXPECT_FALSE(reloadEnabled(state));
  EXPECT_TRUE(saveEnabled(state));
}

TEST(ConfigurationState, FilterChoosesTheFormAndPlainSaveTheReadForm) {
  EXPECT_EQ(configurationFormForFilter(0), ConfigurationForm::Binary);
  EXPECT_EQ(configurationFormForFilter(1), ConfigurationForm::Text);
  EXPECT_EQ(kConfigurationSaveFilters[0].pattern, "*.cfb");
  EXPECT_EQ(kConfigurationOpenFilters[2].label, "All Files (*.*)");
  CurrentConfiguration state;
  state.readAsBinary = false;
  EXPECT_EQ(plainSaveForm(state), ConfigurationForm::Text);
  state.readAsBinary = true;
  EXPECT_EQ(plainSaveForm(state), ConfigurationForm::Binary);
}

TEST(ConfigurationState, SaveNeedsANewNameForNoFileAGoneFileOrAReadOnlyFile) {
  const std::string dir = hueset::test::makeTempDir("config-state-readonly");
  const std::string file = dir + "/groups.cfb";
  { std::ofstream(file) << "x"; }
  EXPECT_TRUE(saveNeedsNewName(""));
  EXPECT_TRUE(saveNeedsNewName(dir + "/gone.cfb"));
  EXPECT_FALSE(saveNeedsNewName(file));
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(saveNeedsNewName(file));
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_FALSE(saveNeedsNewName(file));
  fs::remove_all(dir);
}

TEST(ConfigurationSnapshot, DiscardedWithoutCommitPutsEverythingBack) {
  CurrentConfiguration state = fileConfiguration();
  const CurrentConfiguration before = state;
  int restored = 0;
  {
    ConfigurationSnapshot snapshot(state, [&] { ++restored; });
    takeBuiltinDefault(state, BuiltinDefault::Colour);
    state.set.lastError = "new";
    state.set.lineNumber = 0;
    EXPECT_NE(state, before);
  }
  EXPECT_EQ(state, before);
  EXPECT_EQ(state.set.lastError, "left from before");
  EXPECT_EQ(state.set.lineNumber, 7);
  EXPECT_EQ(restored, 1);
}

TEST(ConfigurationSnapshot, CommitKeepsTheNewConfiguration) {
  CurrentConfiguration state = fileConfiguration();
  int restored = 0;
  {
    ConfigurationSnapshot snapshot(state, [&] { ++restored; });
    takeBuiltinDefault(state, BuiltinDefault::Colour);
    snapshot.commit();
    EXPECT_TRUE(snapshot.committed());
  }
  EXPECT_EQ(state.title, "Hueset Defaults");
  EXPECT_EQ(state.path, "");
  EXPECT_EQ(restored, 0);
}

}  // namespace
}  // namespace hueset
