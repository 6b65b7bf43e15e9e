#include "input/format_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <set>
#include <string>

#include "input/format_guess.h"
#include "support/test_files.h"

namespace hueset {
namespace {

// Values are stored and returned, so the rows must cover them without a
// gap or a double.
TEST(FormatTable, EveryValueButUndeterminedHasExactlyOneRow) {
  int last = 0;
  for (const FormatDescriptor& row : formatTable())
    last = std::max(last, static_cast<int>(row.format));
  EXPECT_GE(last, static_cast<int>(AlignmentFormat::Pir));
  for (int value = 0; value <= last; ++value) {
    const auto format = static_cast<AlignmentFormat>(value);
    int rows = 0;
    for (const FormatDescriptor& row : formatTable()) rows += row.format == format;
    EXPECT_EQ(rows, format == AlignmentFormat::Undetermined ? 0 : 1) << value;
  }
}

TEST(FormatTable, NamesAndGuessedExtensionsPointOneWay) {
  std::set<std::string_view> cliNames;
  std::set<std::string_view> guessed;
  for (const FormatDescriptor& row : formatTable()) {
    EXPECT_TRUE(cliNames.insert(row.cliName).second) << row.cliName << " names two formats";
    EXPECT_EQ(formatFromCliName(row.cliName), row.format) << row.cliName;
    EXPECT_FALSE(extensionsOf(row).empty()) << row.label;
    for (std::string_view extension : extensionsOf(row)) {
      if (!row.guessedByExtension) continue;
      EXPECT_TRUE(guessed.insert(extension).second) << extension << " is guessed as two formats";
      EXPECT_EQ(formatForExtension("a." + std::string(extension) + ".gz"), row.format);
    }
  }
}

// The files installed beside the programs list the formats by hand; each
// must list every row of the table, so a new format cannot be left out.
struct PackagingCase {
  const char* what;
  const char* file;  // under the source folder
  // The part of the file that lists them: from the first marker to the
  // second after it; the whole file where both are empty.
  const char* from;
  const char* to;
  // What the file must hold for one row (each string of the result).
  std::function<std::vector<std::string>(const FormatDescriptor&)> needs;
};

std::vector<std::string> withEachExtension(const FormatDescriptor& row, const std::string& before,
                                           const std::string& after, bool guessedOnly) {
  std::vector<std::string> needs;
  if (guessedOnly && !row.guessedByExtension) return needs;
  for (std::string_view extension : extensionsOf(row)) {
    needs.push_back(before + std::string(extension) + after);
  }
  return needs;
}

// The text of `file`, roff's "\-" and "\&" read as what they print.
std::string packagedText(const std::string& file) {
  const std::string text = test::readFile(std::string(HUESET_SOURCE_DIR) + "/" + file);
  return std::regex_replace(std::regex_replace(text, std::regex(R"(\\-)"), "-"),
                            std::regex(R"(\\&)"), "");
}

// The block of the MIME type `type` in the shared MIME-info file.
std::string mimeTypeBlock(const std::string& xml, std::string_view type) {
  const std::size_t start = xml.find("<mime-type type=\"" + std::string(type) + "\"");
  if (start == std::string::npos) return {};
  return xml.substr(start, xml.find("</mime-type>", start) - start);
}

TEST(FormatTable, EveryPackagingListHoldsEveryFormat) {
  const PackagingCase cases[] = {
      {"bash completes every --format name", "packaging/hueset-cli.bash-completion", "-f|--format)",
       "return",
       [](const FormatDescriptor& row) {
         return std::vector<std::string>{" " + std::string(row.cliName)};
       }},
      {"the manual page lists every --format name", "packaging/hueset-cli.1",
       "The alignment's format:", ".TP",
       [](const FormatDescriptor& row) {
         return std::vector<std::string>{std::string(row.cliName)};
       }},
      {"the manual page lists the extensions the guess goes by", "packaging/hueset-cli.1",
       "The alignment's format:", ".TP",
       [](const FormatDescriptor& row) { return withEachExtension(row, ".", ",", true); }},
      {"the command-line manual names every format", "packaging/hueset-cli.1", "It reads", ".",
       [](const FormatDescriptor& row) {
         return std::vector<std::string>{std::string(row.family)};
       }},
      {"the desktop manual names every format", "packaging/hueset.1", "open an alignment", ")",
       [](const FormatDescriptor& row) {
         return std::vector<std::string>{std::string(row.family)};
       }},
      {"the README names every format", "README.md", "open an alignment", ")",
       [](const FormatDescriptor& row) {
         return std::vector<std::string>{std::string(row.family)};
       }},
      {"the Debian description names every format", "packaging/CMakeLists.txt", "It reads",
       "predictions",
       [](const FormatDescriptor& row) {
         return std::vector<std::string>{std::string(row.family)};
       }},
      {"AppStream names every format and its media type", "packaging/hueset.metainfo.xml", "", "",
       [](const FormatDescriptor& row) {
         return std::vector<std::string>{
             std::string(row.family), "<mediatype>" + std::string(row.mimeType) + "</mediatype>"};
       }},
      {"the desktop entry opens every media type", "src/gui/resources/hueset.desktop",
       "MimeType=", "\n",
       [](const FormatDescriptor& row) {
         return std::vector<std::string>{std::string(row.mimeType) + ";"};
       }},
  };
  for (const PackagingCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string whole = packagedText(c.file);
    ASSERT_FALSE(whole.empty()) << c.file << " is missing";
    std::string text = whole;
    if (*c.from) {
      const std::size_t start = whole.find(c.from);
      ASSERT_NE(start, std::string::npos) << c.file << " has no " << c.from;
      const std::size_t after = start + std::string_view(c.from).size();
      text = whole.substr(start, whole.find(c.to, after) - start);
    }
    for (const FormatDescriptor& row : formatTable()) {
      for (const std::string& needed : c.needs(row)) {
        EXPECT_NE(text.find(needed), std::string::npos) << c.file << " lacks " << needed;
      }
    }
  }
}

TEST(FormatTable, TheMimeTypeOfEveryFormatGlobsItsExtensions) {
  const std::string xml = packagedText("src/gui/resources/hueset-mime.xml");
  ASSERT_FALSE(xml.empty()) << "src/gui/resources/hueset-mime.xml is missing";
  for (const FormatDescriptor& row : formatTable()) {
    const std::string block = mimeTypeBlock(xml, row.mimeType);
    ASSERT_FALSE(block.empty()) << row.mimeType << " is not defined";
    for (const std::string& glob : withEachExtension(row, "<glob pattern=\"*.", "\"/>", false)) {
      EXPECT_NE(block.find(glob), std::string::npos) << row.mimeType << " lacks " << glob;
    }
  }
}

}  // namespace
}  // namespace hueset
