#include "settings/options_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "settings/options.h"
#include "support/test_files.h"

namespace hueset {
namespace {
namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));  // an unterminated last line
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(OptionsFile, AtDefaults) {
  test::expectMatchesGolden(optionsFileText(Options{}), "settings/hueset_opt_at_defaults.opt");
}

TEST(OptionsFile, ValuesAreWrittenVerbatim) {
  Options o;
  o.annotation.consensusThreshold = 505;
  o.parse.invalidResidues = "XZ";
  o.output.substitutedGaps = "*#";
  o.output.gapCharacter = static_cast<char>(183);
  o.output.multipleSets = true;
  o.output.nameJustification = 2;
  o.general.mruDocuments = 0;  // general options are not in the file
  const std::string text = optionsFileText(o);
  const auto lines = linesOf(text);
  // The specified 31 lines, then the figure options.
  ASSERT_EQ(lines.size(), 40u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  for (const std::string& line : lines) EXPECT_EQ(line.find('\n'), std::string::npos) << line;
  EXPECT_EQ(lines[6], "Consensus Threshold=505");
  EXPECT_EQ(lines[14], "Invalid Residues=XZ");
  EXPECT_EQ(lines[21], "Substituted Linkers=*#");
  EXPECT_EQ(lines[28], "Multiple alignment sets=1");
  EXPECT_EQ(lines[29], "Substituting Linker Character=\xB7");
  EXPECT_EQ(lines[30], "Name Justification=2");
}

TEST(OptionsFile, WrittenIntoTheGivenFolder) {
  fs::path dir = test::makeTempDir("opt");
  ASSERT_TRUE(writeOptionsFile(Options{}, dir.string()));
  std::ifstream in(dir / "hueset.opt", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), test::readTestFile("settings/hueset_opt_at_defaults.opt"));
  EXPECT_FALSE(writeOptionsFile(Options{}, (dir / "missing").string()));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace hueset
