#include "settings/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "settings/option_table.h"
#include "settings/options_file.h"
#include "settings/profile_store.h"
#include "support/test_files.h"

namespace hueset {
namespace {
namespace fs = std::filesystem;

const PathDefaults kDefaults{"/home/ann/Documents", "/opt/hueset/config files"};

Options loaded(const ProfileStore& store) {
  Options options;
  options.load(store, kDefaults);
  return options;
}

// The five groups of the profile, which the options file also holds.
void expectSameGroups(const Options& actual, const Options& expected) {
  EXPECT_EQ(actual.html, expected.html);
  EXPECT_EQ(actual.annotation, expected.annotation);
  EXPECT_EQ(actual.parse, expected.parse);
  EXPECT_EQ(actual.output, expected.output);
  EXPECT_EQ(actual.general, expected.general);
}

TEST(Options, EmptyStoreGivesEveryDefault) {
  IniProfileStore store;
  Options o = loaded(store);

  EXPECT_TRUE(o.html.useSampleFont);
  EXPECT_TRUE(o.html.useBrowserFontSize);
  EXPECT_TRUE(o.html.checkWebSafe);
  EXPECT_EQ(o.html.styleMode, 0);
  EXPECT_EQ(o.html.colourPalette, 0);

  EXPECT_TRUE(o.annotation.xIsUnknown);
  EXPECT_TRUE(o.annotation.includeBlanks);
  EXPECT_TRUE(o.annotation.useElision);
  EXPECT_EQ(o.annotation.consensusThreshold, 800);
  EXPECT_EQ(o.annotation.minimumElisionLength, 4);
  EXPECT_EQ(o.annotation.elisionThreshold, 800);

  EXPECT_TRUE(o.parse.confirmFormats);
  EXPECT_TRUE(o.parse.mergePhdPredictions);
  EXPECT_TRUE(o.parse.ignoreConfidences);
  EXPECT_TRUE(o.parse.dscIgnoreCoil);
  EXPECT_FALSE(o.parse.allowLowerCase);
  EXPECT_FALSE(o.parse.allowStrangeGaps);
  EXPECT_EQ(o.parse.restrictResidues, 0);
  EXPECT_EQ(o.parse.invalidResidues, "BJOUZ");

  EXPECT_EQ(o.output.columnWidth, 10);
  EXPECT_EQ(o.output.wrapLength, 60);
  EXPECT_EQ(o.output.substitutedGaps, "-_~.");
  EXPECT_TRUE(o.output.wrapOutput);
  EXPECT_TRUE(o.output.showThreshold);
  EXPECT_TRUE(o.output.enforceUpper);
  EXPECT_TRUE(o.output.enforceGap);
  EXPECT_FALSE(o.output.separateColumns);
  EXPECT_FALSE(o.output.duplicateInSets);
  EXPECT_FALSE(o.output.multipleSets);
  EXPECT_EQ(o.output.gapCharacter, '-');
  EXPECT_EQ(o.output.nameJustification, 0);

  EXPECT_EQ(o.general.mruDocuments, 9);
  EXPECT_EQ(o.general.mruConfigurations, 9);
  EXPECT_TRUE(o.general.largeToolbarButtons);
  EXPECT_TRUE(o.general.verboseDialogues);

  EXPECT_EQ(o.paths.lastDocumentDirectory, "/home/ann/Documents");
  EXPECT_EQ(o.paths.lastAnnotateDirectory, "/home/ann/Documents");
  EXPECT_EQ(o.paths.lastConfigDirectory, "/opt/hueset/config files");
  EXPECT_EQ(o.paths.lastConfigurationFile, "");
  ASSERT_TRUE(o.recentDocuments && o.recentConfigurations);
  EXPECT_EQ(o.recentDocuments->capacity(), 9u);
  EXPECT_EQ(o.recentConfigurations->capacity(), 9u);
  EXPECT_TRUE(o.recentDocuments->empty());

  // A record that was never loaded holds the same defaults.
  expectSameGroups(Options{}, o);
}

struct ClampCase {
  const char* section;
  const char* key;
  const char* stored;
  int expected;
  std::function<int(const Options&)> field;
};

TEST(Options, StoredValuesAreClampedNeverRejected) {
  auto consensus = [](const Options& o) { return o.annotation.consensusThreshold; };
  auto elision = [](const Options& o) { return o.annotation.elisionThreshold; };
  auto minLength = [](const Options& o) { return o.annotation.minimumElisionLength; };
  auto restrict = [](const Options& o) { return o.parse.restrictResidues; };
  auto justify = [](const Options& o) { return o.output.nameJustification; };
  auto style = [](const Options& o) { return o.html.styleMode; };
  auto palette = [](const Options& o) { return o.html.colourPalette; };
  auto mruDocs = [](const Options& o) { return o.general.mruDocuments; };
  auto mruConfigs = [](const Options& o) { return o.general.mruConfigurations; };
  auto gap = [](const Options& o) {
    return int(static_cast<unsigned char>(o.output.gapCharacter));
  };
  auto wrap = [](const Options& o) { return o.output.wrapLength; };
  auto column = [](const Options& o) { return o.output.columnWidth; };
  auto useElision = [](const Options& o) { return int(o.annotation.useElision); };
  auto sample = [](const Options& o) { return int(o.html.useSampleFont); };

  const ClampCase cases[] = {
      {"Annotation Settings", "Consensus Threshold", "300", 500, consensus},
      {"Annotation Settings", "Consensus Threshold", "4000", 1000, consensus},
      {"Annotation Settings", "Consensus Threshold", "500", 500, consensus},
      {"Annotation Settings", "Consensus Threshold", "1000", 1000, consensus},
      {"Annotation Settings", "Consensus Threshold", "-1", 1000, consensus},
      {"Annotation Settings", "Elision Threshold", "-5", 1000, elision},
      {"Annotation Settings", "Elision Threshold", "0", 0, elision},
      {"Annotation Settings", "Elision Threshold", "1001", 1000, elision},
      {"Annotation Settings", "Minimum Elision Length", "0", 4, minLength},
      {"Annotation Settings", "Minimum Elision Length", "3", 4, minLength},
      {"Annotation Settings", "Minimum Elision Length", "9999", 9999, minLength},
      {"Annotation Settings", "Minimum Elision Length", "10000", 9999, minLength},
      {"Parse Settings", "Restrict to Valid AAs", "7", 2, restrict},
      {"Parse Settings", "Restrict to Valid AAs", "-1", 2, restrict},
      {"Parse Settings", "Restrict to Valid AAs", "1", 1, restrict},
      {"Output Settings", "Name Justification", "-1", 2, justify},
      {"Output Settings", "Name Justification", "3", 2, justify},
      {"Output Settings", "Name Justification", "1", 1, justify},
      {"HTML Settings", "Use style Sheets", "5", 1, style},
      {"HTML Settings", "Use style Sheets", "-1", 1, style},
      {"HTML Settings", "Colour Palette", "2", 1, palette},
      {"General Settings", "MRU Documents Count", "40", 16, mruDocs},
      {"General Settings", "MRU Documents Count", "0", 0, mruDocs},
      {"General Settings", "MRU Configurations Count", "-3", 16, mruConfigs},
      {"Output Settings", "Substituting Linker Character", "300", 255, gap},
      {"Output Settings", "Substituting Linker Character", "183", 183, gap},
      {"Output Settings", "Substituting Linker Character", "-1", 255, gap},
      {"Output Settings", "Substituting Linker Character", "0", 0, gap},
      {"Output Settings", "Wrap Output Length", "0", 0, wrap},
      {"Output Settings", "Wrap Output Length", "10000", 9999, wrap},
      {"Output Settings", "Wrap Output Length", "-1", 9999, wrap},
      {"Output Settings", "Column width", "0", 2, column},
      {"Output Settings", "Column width", "1", 2, column},
      {"Output Settings", "Column width", "10000", 9999, column},
      {"Annotation Settings", "Use Elision", "0", 0, useElision},
      {"Annotation Settings", "Use Elision", "5", 1, useElision},
      {"HTML Settings", "Use \"SAMPLE\" font", "0", 0, sample},
      // Not a number at all: the default.
      {"Annotation Settings", "Consensus Threshold", "eighty", 800, consensus},
  };
  for (const ClampCase& c : cases) {
    IniProfileStore store;
    store.writeString(c.section, c.key, c.stored);
    EXPECT_EQ(c.field(loaded(store)), c.expected) << c.key << " stored as " << c.stored;
  }
}

TEST(Options, CharacterListsAreCleanedOnLoading) {
  struct Case {
    const char* stored;
    const char* invalidResidues;
  };
  const Case residues[] = {
      {"BJOUZ", "BJOUZ"}, {"bjouz", "BJOUZ"}, {"BBJOUZ", "BJOUZ"}, {"zzbb", "ZB"},
      {"bB", "B"},        {"B1J", "BJ"},      {"A1A", "A"},        {"A A-", "A"},
      {"\xC3\xA9X", "X"}, {"", ""},           {"XZX", "XZX"},
  };
  for (const Case& c : residues) {
    IniProfileStore store;
    store.writeString("Parse Settings", "Invalid Residues", c.stored);
    EXPECT_EQ(loaded(store).parse.invalidResidues, c.invalidResidues) << c.stored;
  }
  const Case gaps[] = {
      {"-_~.", "-_~."}, {"--__~~..", "-_~."}, {"-a-", "-"}, {"- _", "-_"},
      {"1*", "*"},      {"\xB7-", "-"},       {"ab", ""},   {"!/:@[`{~", "!/:@[`{~"},
  };
  for (const Case& c : gaps) {
    IniProfileStore store;
    store.writeString("Output Settings", "Substituted Linkers", c.stored);
    EXPECT_EQ(loaded(store).output.substitutedGaps, c.invalidResidues) << c.stored;
  }
}

TEST(Options, InvalidResidueListFollowsTheRestriction) {
  ParseOptions parse;
  parse.invalidResidues = "XB";
  parse.restrictResidues = 0;
  EXPECT_EQ(invalidResidueList(parse), "");
  parse.restrictResidues = 1;
  EXPECT_EQ(invalidResidueList(parse), "BJOUZ");
  parse.restrictResidues = 2;
  EXPECT_EQ(invalidResidueList(parse), "XB");
}

TEST(Options, FirstRunWritesAllSectionsPathsAndTheOptionsFile) {
  fs::path dir = test::makeTempDir("first-run");
  fs::path profile = dir / "config" / "Vantor" / "Hueset.ini";
  fs::path current = dir / "work";
  fs::create_directories(current);

  IniProfileStore store(profile.string());
  Options options = loaded(store);
  ASSERT_TRUE(options.save(store, current.string()).ok);

  IniProfileStore reread(profile.string());
  const auto sections = reread.sectionNames();
  for (const char* name : {"HTML Settings", "Annotation Settings", "Parse Settings",
                           "Output Settings", "General Settings"}) {
    EXPECT_NE(std::find(sections.begin(), sections.end(), name), sections.end()) << name;
  }
  // Nothing to remember yet: the recent lists leave no sections behind.
  EXPECT_EQ(sections.size(), 6u);
  // Groups go out in the order HTML, Output, Parse, General, Annotation; the
  // figure options, which are not the specified ones, in a section after them.
  EXPECT_EQ(sections,
            (std::vector<std::string>{"HTML Settings", "Output Settings", "Parse Settings",
                                      "General Settings", "Annotation Settings", "Figure"}));
  EXPECT_EQ(reread.keyNames("Figure").size(), 9u);
  EXPECT_EQ(reread.keyNames("HTML Settings").size(), 5u);
  EXPECT_EQ(reread.keyNames("Annotation Settings").size(), 6u);
  EXPECT_EQ(reread.keyNames("Parse Settings").size(), 8u);
  EXPECT_EQ(reread.keyNames("Output Settings").size(), 12u);
  EXPECT_EQ(reread.keyNames("General Settings"),
            (std::vector<std::string>{"MRU Documents Count", "MRU Configurations Count",
                                      "Large toolbar buttons", "Verbose dialogues",
                                      "Last Document Directory", "Last Config directory",
                                      "Last Annotate directory", "Last Configuration File"}));
  EXPECT_EQ(reread.readString("General Settings", "Last Document Directory", ""), current.string());
  EXPECT_EQ(reread.readString("General Settings", "Last Config directory", ""),
            "/opt/hueset/config files");
  EXPECT_EQ(reread.readString("Output Settings", "Substituting Linker Character", ""), "45");
  EXPECT_EQ(test::readFile(current / "hueset.opt"),
            test::readTestFile("settings/hueset_opt_at_defaults.opt"));
  fs::remove_all(dir);
}

Options nonDefaultOptions() {
  Options o;
  o.html.useSampleFont = false;
  o.html.useBrowserFontSize = false;
  o.html.checkWebSafe = false;
  o.html.styleMode = 1;
  o.html.colourPalette = 1;
  o.annotation.xIsUnknown = false;
  o.annotation.includeBlanks = false;
  o.annotation.useElision = false;
  o.annotation.consensusThreshold = 505;
  o.annotation.minimumElisionLength = 12;
  o.annotation.elisionThreshold = 5;
  o.parse.confirmFormats = false;
  o.parse.mergePhdPredictions = false;
  o.parse.ignoreConfidences = false;
  o.parse.dscIgnoreCoil = false;
  o.parse.allowLowerCase = true;
  o.parse.allowStrangeGaps = true;
  o.parse.restrictResidues = 2;
  o.parse.invalidResidues = "XZ";
  o.output.columnWidth = 3;
  o.output.wrapLength = 0;
  o.output.substitutedGaps = "*#";
  o.output.wrapOutput = false;
  o.output.showThreshold = false;
  o.output.enforceUpper = false;
  o.output.enforceGap = false;
  o.output.separateColumns = true;
  o.output.duplicateInSets = true;
  o.output.multipleSets = true;
  o.output.gapCharacter = static_cast<char>(183);
  o.output.nameJustification = 2;
  o.general.mruDocuments = 2;
  o.general.mruConfigurations = 3;
  o.general.largeToolbarButtons = false;
  o.general.verboseDialogues = false;
  o.paths.lastConfigDirectory = "/data/Konfiguration f\xC3\xBCr \"alle\"; [alt]";
  o.paths.lastAnnotateDirectory = " /odd/leading blank";
  o.paths.lastConfigurationFile = "/data/colour=yes.cft";
  o.recentDocuments.emplace(std::string(kRecentFileSection), 2);
  o.recentDocuments->add("/data/one.msf");
  o.recentDocuments->add("/data/two.msf");
  o.recentConfigurations.emplace(std::string(kRecentConfigurationSection), 3);
  o.recentConfigurations->add("/data/a.cft");
  return o;
}

TEST(Options, NonDefaultValuesSurviveSaveAndLoad) {
  fs::path dir = test::makeTempDir("round-trip");
  fs::path profile = dir / "Hueset.ini";
  Options saved = nonDefaultOptions();
  {
    IniProfileStore store(profile.string());
    ASSERT_TRUE(saved.save(store, dir.string()).ok);
  }
  IniProfileStore store(profile.string());
  EXPECT_EQ(store.readInt("Output Settings", "Substituting Linker Character", 0), 183);
  Options back = loaded(store);
  expectSameGroups(back, saved);
  EXPECT_EQ(back.paths, saved.paths);
  EXPECT_EQ(back.paths.lastDocumentDirectory, dir.string());
  ASSERT_TRUE(back.recentDocuments && back.recentConfigurations);
  EXPECT_EQ(back.recentDocuments->entries(),
            (std::vector<std::string>{"/data/two.msf", "/data/one.msf"}));
  EXPECT_EQ(back.recentConfigurations->entries(), std::vector<std::string>{"/data/a.cft"});
  EXPECT_EQ(back.recentConfigurations->capacity(), 3u);
  fs::remove_all(dir);
}

// The reader options of the later formats live in a section of their own,
// which a profile holds only while one of them is set: profiles, the options
// file and the other sections stay as they were.
TEST(Options, InputSectionExistsOnlyWhileAnOptionIsSet) {
  fs::path dir = test::makeTempDir("input-section");
  IniProfileStore store((dir / "Hueset.ini").string());
  Options options = loaded(store);
  EXPECT_FALSE(options.input.matchStatesOnly);

  options.input.matchStatesOnly = true;
  ASSERT_TRUE(options.save(store, dir.string()).ok);
  EXPECT_EQ(store.readInt("Input", "Match states only", 0), 1);
  EXPECT_TRUE(loaded(store).input.matchStatesOnly);
  EXPECT_EQ(test::readFile(dir / "hueset.opt").find("Match states"), std::string::npos);

  options.input.matchStatesOnly = false;
  ASSERT_TRUE(options.save(store, dir.string()).ok);
  const auto sections = store.sectionNames();
  EXPECT_EQ(std::find(sections.begin(), sections.end(), "Input"), sections.end());
  EXPECT_FALSE(loaded(store).input.matchStatesOnly);

  EXPECT_EQ(assignOption(options, "matchStatesOnly", "1").error, "");
  EXPECT_TRUE(options.input.matchStatesOnly);
  fs::remove_all(dir);
}

// The figure layout lives in a section of its own, kept only while set,
// so a profile and the options file at defaults are as they always were.
TEST(Options, FigureLayoutSectionExistsOnlyWhileAnOptionIsSet) {
  fs::path dir = test::makeTempDir("layout-section");
  IniProfileStore store((dir / "Hueset.ini").string());
  Options options = loaded(store);
  const std::string atDefaults = optionsFileText(options);
  options.figureLayout.width = "single";
  options.figureLayout.legend = false;
  ASSERT_TRUE(options.save(store, dir.string()).ok);
  EXPECT_EQ(store.readString("Figure Layout", "Width", ""), "single");
  EXPECT_EQ(loaded(store).figureLayout, options.figureLayout);
  EXPECT_EQ(optionsFileText(options), atDefaults);

  options.figureLayout = FigureLayoutOptions();
  ASSERT_TRUE(options.save(store, dir.string()).ok);
  const auto sections = store.sectionNames();
  EXPECT_EQ(std::find(sections.begin(), sections.end(), "Figure Layout"), sections.end());
  fs::remove_all(dir);
}

TEST(Options, FigureWidthsReadAsJournalsWriteThem) {
  struct Case {
    const char* what;
    const char* text;
    std::optional<double> points;
  };
  const Case cases[] = {
      {"a journal's single column", "single", 240.94},
      {"and its double column", "Double", 510.24},
      {"millimetres, with a blank and in capitals", "85 MM", 240.94},
      {"a bare number is millimetres", "85", 240.94},
      {"centimetres and a fraction", "8.5cm", 240.94},
      {"inches", "3.5in", 252},
      {"points", "300pt", 300},
      {"empty is as wide as the content", "", 0},
      {"an unknown unit is refused", "85px", std::nullopt},
      {"a width without a number is refused", "mm", std::nullopt},
      {"a negative width is refused", "-85mm", std::nullopt},
      {"wider than a PDF page can be is refused", "201in", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<double> points = figureWidthPoints(c.text);
    ASSERT_EQ(points.has_value(), c.points.has_value()) << c.what;
    if (points) {
      EXPECT_NEAR(*points, *c.points, 0.01) << c.what;
    }
    EXPECT_EQ(cleanFigureWidth(c.text).empty(), !points || *points == 0) << c.what;
  }
}

TEST(Options, CountOfZeroMeansNoRecentList) {
  IniProfileStore store;
  store.writeInt("General Settings", "MRU Configurations Count", 0);
  store.writeString("Recent File List", "File1", "/data/one.msf");
  Options o = loaded(store);
  EXPECT_FALSE(o.recentConfigurations.has_value());
  ASSERT_TRUE(o.recentDocuments.has_value());
  EXPECT_EQ(o.recentDocuments->entries(), std::vector<std::string>{"/data/one.msf"});
  o.save(store, "");
  EXPECT_TRUE(store.keyNames("Recent Configuration Files").empty());

  // Entries of an earlier run are left alone while the list is switched off.
  store.writeString("Recent Configuration Files", "File1", "/data/old.cft");
  Options again = loaded(store);
  again.save(store, "");
  EXPECT_EQ(store.readString("Recent Configuration Files", "File1", ""), "/data/old.cft");
}

TEST(Options, RecentListLengthComesFromTheCount) {
  IniProfileStore store(test::testDataPath("settings/hand_edited_profile.ini"));
  Options o = loaded(store);
  EXPECT_EQ(o.annotation.consensusThreshold, 555);
  EXPECT_FALSE(o.annotation.useElision);
  EXPECT_EQ(o.paths.lastDocumentDirectory, "/data/my alignments");
  ASSERT_TRUE(o.recentDocuments.has_value());
  // Three entries are read; the empty one and the repeat are skipped.
  EXPECT_EQ(o.recentDocuments->capacity(), 3u);
  EXPECT_EQ(o.recentDocuments->entries(), std::vector<std::string>{"/data/a.msf"});
}

TEST(Options, DamagedProfileGivesDefaults) {
  IniProfileStore store(test::testDataPath("settings/damaged_profile.ini"));
  Options o = loaded(store);
  EXPECT_EQ(o.annotation.consensusThreshold, 800);
  EXPECT_EQ(o.annotation.minimumElisionLength, 4);
  EXPECT_EQ(o.annotation.elisionThreshold, 800);
  EXPECT_FALSE(o.annotation.useElision);
  EXPECT_EQ(o.output.columnWidth, 12);
  EXPECT_EQ(o.output.wrapLength, 60);
  EXPECT_EQ(o.parse.invalidResidues, "BX");
  EXPECT_EQ(o.general, GeneralOptions{});
}

TEST(Options, LegacyKeySpellingIsOneValue) {
  IniProfileStore store;
  store.writeString("General Settings", "Last Document directory", "/old/place");
  Options o = loaded(store);
  EXPECT_EQ(o.paths.lastDocumentDirectory, "/old/place");
  o.save(store, "/new/place");
  auto keys = store.keyNames("General Settings");
  EXPECT_EQ(std::count_if(keys.begin(), keys.end(),
                          [](const std::string& k) {
                            return k == "Last Document directory" || k == "Last Document Directory";
                          }),
            1);
  EXPECT_EQ(store.readString("General Settings", "Last Document Directory", ""), "/new/place");
}

TEST(Options, UnknownCurrentDirectoryKeepsTheRememberedOne) {
  IniProfileStore store;
  store.writeString("General Settings", "Last Document Directory", "/kept");
  Options o = loaded(store);
  o.save(store, "");
  EXPECT_EQ(o.paths.lastDocumentDirectory, "/kept");
  EXPECT_EQ(store.readString("General Settings", "Last Document Directory", ""), "/kept");
}

TEST(Options, EmptyStoredFolderFallsBackToTheDefault) {
  IniProfileStore store;
  store.writeString("General Settings", "Last Annotate directory", "");
  store.writeString("General Settings", "Last Configuration File", "");
  Options o = loaded(store);
  EXPECT_EQ(o.paths.lastAnnotateDirectory, "/home/ann/Documents");
  EXPECT_EQ(o.paths.lastConfigurationFile, "");
}

TEST(Options, OptionsFileThatCannotBeCreatedIsSilent) {
  fs::path dir = test::makeTempDir("no-opt");
  IniProfileStore store((dir / "Hueset.ini").string());
  Options o = loaded(store);
  // A "folder" that is a file: the options file cannot go there.
  std::ofstream(dir / "plain-file").flush();
  EXPECT_TRUE(o.save(store, (dir / "plain-file").string()).ok);
  EXPECT_TRUE(fs::exists(dir / "Hueset.ini"));
  EXPECT_FALSE(writeOptionsFile(o, (dir / "plain-file").string()));
  fs::remove_all(dir);
}

TEST(Options, ConfigDirectoryDefault) {
  fs::path dir = test::makeTempDir("program");
  EXPECT_EQ(defaultConfigDirectory(dir.string(), "/docs"), dir.string());
  fs::create_directories(dir / "config files");
  EXPECT_EQ(defaultConfigDirectory(dir.string(), "/docs"), (dir / "config files").string());
  EXPECT_EQ(defaultConfigDirectory("", "/docs"), "/docs");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace hueset
