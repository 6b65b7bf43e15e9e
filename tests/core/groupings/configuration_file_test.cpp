#include "groupings/configuration_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "groupings/binary_config.h"
#include "groupings/builtin_defaults.h"
#include "groupings/text_config.h"
#include "support/test_files.h"
#include "util/string_table.h"

namespace hueset {
namespace {

namespace fs = std::filesystem;

using test::readFile;
using test::writeFile;

class ConfigurationFile : public ::testing::Test {
 protected:
  void SetUp() override { m_dir = hueset::test::makeTempDir("config-file"); }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  std::string path(const std::string& name) const { return m_dir + "/" + name; }

  std::string m_dir;
};

const std::string kCorrupt =
    "The Residue Groupings configuration file %s is corrupt and could not be read.";

std::string corruptMessage(const std::string& path) {
  std::string m = kCorrupt;
  return m.replace(m.find("%s"), 2, path);
}

TEST_F(ConfigurationFile, BinaryAndTextFilesLoad) {
  const GroupingSet colour = builtinDefault(BuiltinDefault::Colour);
  ASSERT_TRUE(saveConfigurationFile(colour, path("colour.cfb"), ConfigurationForm::Binary).ok);
  ASSERT_TRUE(saveConfigurationFile(colour, path("colour.cft"), ConfigurationForm::Text).ok);
  EXPECT_EQ(readFile(path("colour.cfb")), builtinDefaultImage(BuiltinDefault::Colour));

  ConfigurationLoad binary = loadConfigurationFile(path("colour.cfb"));
  ASSERT_TRUE(binary.ok) << binary.message;
  EXPECT_EQ(binary.form, ConfigurationForm::Binary);
  EXPECT_EQ(binary.problem, ConfigurationProblem::None);
  EXPECT_EQ(binary.set.groupings, colour.groupings);

  ConfigurationLoad text = loadConfigurationFile(path("colour.cft"));
  ASSERT_TRUE(text.ok) << text.message;
  EXPECT_EQ(text.form, ConfigurationForm::Text);
  EXPECT_EQ(text.set.groupings, colour.groupings);
  EXPECT_EQ(text.set.lineNumber, 0);
  EXPECT_TRUE(text.message.empty());
}

// Figures are UTF-8 documents: a font name is loaded as valid UTF-8 without
// control characters, from either form of file.
TEST_F(ConfigurationFile, FontNamesLoadAsUtf8WithoutControlCharacters) {
  struct Case {
    const char* what;
    std::string stored;
    std::string loaded;
  };
  const Case cases[] = {
      {"a Latin-1 byte becomes its UTF-8 character", "Courier \xE9t\xE9",
       "Courier \xC3\xA9t\xC3\xA9"},
      {"UTF-8 stays as it is", "Courier \xC3\xA9t\xC3\xA9", "Courier \xC3\xA9t\xC3\xA9"},
      {"control characters are dropped", "Courier\x1b[31m New\x7f\xC2\x9b", "Courier[31m New"},
  };
  for (const Case& c : cases) {
    GroupingSet set = builtinDefault(BuiltinDefault::Colour);
    set.fontName = c.stored;
    for (const ConfigurationForm form : {ConfigurationForm::Binary, ConfigurationForm::Text}) {
      const ConfigurationLoad load = readConfiguration(configurationBytes(set, form), "x");
      ASSERT_TRUE(load.ok) << c.what << ": " << load.message;
      EXPECT_EQ(load.set.fontName, c.loaded) << c.what;
    }
  }
}

TEST_F(ConfigurationFile, TheFormIsDecidedByContentNotExtension) {
  const GroupingSet bw = builtinDefault(BuiltinDefault::BlackAndWhite);
  ASSERT_TRUE(saveConfigurationFile(bw, path("really_text.cfb"), ConfigurationForm::Text).ok);
  ConfigurationLoad load = loadConfigurationFile(path("really_text.cfb"));
  ASSERT_TRUE(load.ok);
  EXPECT_EQ(load.form, ConfigurationForm::Text);
}

TEST_F(ConfigurationFile, DamagedBinaryIsCorruptAndNotReadAsText) {
  std::string bytes(builtinDefaultImage(BuiltinDefault::Colour));
  bytes.resize(bytes.size() / 2);
  writeFile(path("half.cfb"), bytes);
  ConfigurationLoad load = loadConfigurationFile(path("half.cfb"));
  EXPECT_FALSE(load.ok);
  EXPECT_EQ(load.problem, ConfigurationProblem::Corrupt);
  EXPECT_EQ(load.message, corruptMessage(path("half.cfb")));
}

TEST_F(ConfigurationFile, SetsWithoutBothSpecialGroupingsAreRefused) {
  GroupingSet one = builtinDefault(BuiltinDefault::Colour);
  one.groupings.resize(1);
  for (ConfigurationForm form : {ConfigurationForm::Binary, ConfigurationForm::Text}) {
    ASSERT_TRUE(saveConfigurationFile(one, path("one"), form).ok);
    ConfigurationLoad load = loadConfigurationFile(path("one"));
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.problem, ConfigurationProblem::Corrupt);
    EXPECT_EQ(load.message, corruptMessage(path("one")));
  }
  writeFile(path("font only.cft"), "90;Courier New\r\n");
  EXPECT_EQ(loadConfigurationFile(path("font only.cft")).message,
            corruptMessage(path("font only.cft")));
}

TEST_F(ConfigurationFile, TextErrorsNameFileLineAndReason) {
  writeFile(path("bad.cft"),
            "// x\r\n90;Courier "
            "New\r\nDefault;X;0,0,0;1,1,1;0;0;1;.\r\nSingle;x;0,0,0;1,1,1;0;0;1;.\r\n");
  ConfigurationLoad load = loadConfigurationFile(path("bad.cft"));
  EXPECT_FALSE(load.ok);
  EXPECT_EQ(load.problem, ConfigurationProblem::TextError);
  EXPECT_EQ(load.message, "There was an error reading the configuration file " + path("bad.cft") +
                              " on line 4.\r\n" + std::string(loadString(2005)));
}

// A font size outside what the editor allows would reach the RTF as it
// stands (\fs-429496729, \fs0).
TEST_F(ConfigurationFile, FontSizeOutsideTheEditorsRangeIsRefused) {
  const std::string rows = "Default;X;0,0,0;1,1,1;0;0;1;.\r\nSingle;X;0,0,0;1,1,1;0;0;1;.\r\n";
  struct Case {
    const char* what;
    const char* fontLine;
    bool ok;
  };
  for (const Case& c :
       {Case{"negative", "-2147483647;Courier New", false}, Case{"zero", "0;Courier New", false},
        Case{"above 144 points", "1441;Courier New", false},
        Case{"the smallest", "1;Courier New", true},
        Case{"144 points", "1440;Courier New", true}}) {
    writeFile(path("size.cft"), std::string("// x\r\n") + c.fontLine + "\r\n" + rows);
    ConfigurationLoad load = loadConfigurationFile(path("size.cft"));
    EXPECT_EQ(load.ok, c.ok) << c.what;
    if (!c.ok) {
      EXPECT_EQ(load.message, "There was an error reading the configuration file " +
                                  path("size.cft") + " on line 2.\r\n" +
                                  std::string(loadString(2090)))
          << c.what;
    }
  }
  GroupingSet huge = builtinDefault(BuiltinDefault::Colour);
  huge.fontSize = -429496729;
  ASSERT_TRUE(saveConfigurationFile(huge, path("size.cfb"), ConfigurationForm::Binary).ok);
  ConfigurationLoad binary = loadConfigurationFile(path("size.cfb"));
  EXPECT_FALSE(binary.ok);
  EXPECT_NE(binary.message.find(path("size.cfb") + " gives the font size as -429496729"),
            std::string::npos)
      << binary.message;
}

TEST_F(ConfigurationFile, PercentSignsInThePathAreNotFormats) {
  writeFile(path("100%s %d.cft"), "");
  ConfigurationLoad load = loadConfigurationFile(path("100%s %d.cft"));
  EXPECT_EQ(load.message, "There was an error reading the configuration file " +
                              path("100%s %d.cft") + " on line 0.\r\n" +
                              std::string(loadString(2003)));
}

TEST_F(ConfigurationFile, MissingOrUnreadableFiles) {
  ConfigurationLoad missing = loadConfigurationFile(path("absent.cfb"));
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.problem, ConfigurationProblem::CannotOpen);
  EXPECT_EQ(missing.message,
            "the configuration file " + path("absent.cfb") +
                "\nCannot find this file.\nPlease verify that the correct path and "
                "file name are given.");
  ConfigurationLoad folder = loadConfigurationFile(m_dir);
  EXPECT_EQ(folder.problem, ConfigurationProblem::CannotOpen);
  EXPECT_EQ(folder.message, "Failed to open document.");
}

TEST_F(ConfigurationFile, SavingReplacesTheWholeFile) {
  writeFile(path("target.cft"), std::string(5000, 'x'));
  const GroupingSet bw = builtinDefault(BuiltinDefault::BlackAndWhite);
  ASSERT_TRUE(saveConfigurationFile(bw, path("target.cft"), ConfigurationForm::Binary).ok);
  EXPECT_EQ(readFile(path("target.cft")), builtinDefaultImage(BuiltinDefault::BlackAndWhite));
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(ConfigurationFile, AFailedSaveReportsIt) {
  const WriteResult result =
      saveConfigurationFile(builtinDefault(BuiltinDefault::Colour), m_dir, ConfigurationForm::Text);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_TRUE(fs::is_directory(m_dir));
}

TEST(ConfigurationBytes, NullByteInTextEndsIt) {
  std::string bytes = writeText(builtinDefault(BuiltinDefault::Colour));
  bytes.insert(bytes.find("\r\nSingle;") + 2, 1, '\0');
  ConfigurationLoad load = readConfiguration(bytes, "p");
  // Only "Default" is left before the zero byte.
  EXPECT_FALSE(load.ok);
  EXPECT_EQ(load.problem, ConfigurationProblem::Corrupt);
}

}  // namespace
}  // namespace hueset
