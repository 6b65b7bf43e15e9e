#include "groupings/text_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "groupings/builtin_defaults.h"
#include "support/test_files.h"
#include "util/string_table.h"

namespace hueset {
namespace {

using hueset::test::expectMatchesGolden;
using hueset::test::readTestFile;

constexpr const char* kFont = "90;Courier New\r\n";
constexpr const char* kDefault = "Default;X;0,0,0;255,255,255;0;0;1;.\r\n";
constexpr const char* kSingle = "Single;X;255,255,0;51,51,51;1;0;0; \r\n";

// A set read from the given lines, which must succeed.
GroupingSet readOk(const std::string& text) {
  GroupingSet set;
  EXPECT_TRUE(readText(set, text)) << set.lastError << " on line " << set.lineNumber;
  return set;
}

struct Failure {
  std::string text;
  StringId message;
  int line;
};

void expectFailure(const Failure& f) {
  GroupingSet set = builtinDefault(BuiltinDefault::Colour);
  EXPECT_FALSE(readText(set, f.text)) << f.text;
  EXPECT_EQ(set.lastError, loadString(f.message)) << f.text;
  EXPECT_EQ(set.lineNumber, f.line) << f.text;
  // Nothing of the partly read set survives.
  EXPECT_TRUE(set.groupings.empty());
  EXPECT_TRUE(set.fontName.empty());
  EXPECT_EQ(set.fontSize, 0);
}

TEST(TextConfig, BuiltinDefaultsSurviveARoundTrip) {
  for (auto which : {BuiltinDefault::Colour, BuiltinDefault::BlackAndWhite}) {
    GroupingSet original = builtinDefault(which);
    GroupingSet back = readOk(writeText(original));
    EXPECT_EQ(back.fontSize, original.fontSize);
    EXPECT_EQ(back.fontName, original.fontName);
    EXPECT_EQ(back.groupings, original.groupings);
  }
}

TEST(TextConfig, WritingTheColourDefaultGivesTheKnownFile) {
  const std::string text = writeText(builtinDefault(BuiltinDefault::Colour));
  expectMatchesGolden(text, "groupings/colour_default.cft");
  const std::string header = std::string(loadString(2000)) + std::string(loadString(2001));
  ASSERT_EQ(text.substr(0, header.size()), header);
  const std::string start =
      std::string(kFont) + kDefault + kSingle + "Alanine;A;0,255,0;153,153,153;1;0;1;A\r\n";
  EXPECT_EQ(text.substr(header.size(), start.size()), start);
}

TEST(TextConfig, EveryWrittenLineEndsWithCrLf) {
  const std::string text = writeText(builtinDefault(BuiltinDefault::BlackAndWhite));
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', lf + 1)) {
    ASSERT_GT(lf, 0u);
    EXPECT_EQ(text[lf - 1], '\r') << "at byte " << lf;
  }
}

TEST(TextConfig, HeaderKeepsItsOwnWording) {
  const std::string header = std::string(loadString(2000)) + std::string(loadString(2001));
  EXPECT_EQ(header.substr(0, 25), "// RESIDUE GROUPS FILE\r\n\r");
  EXPECT_NE(header.find("\r\n// Each subsequent line of data contains \r\n"), std::string::npos);
  EXPECT_NE(header.find("(zero = inactive)//    and a marker character (default = '.')// Colours "
                        "are in Red,Green,Blue  format, each component varying from 0-255.\r\n"),
            std::string::npos);
  EXPECT_NE(header.find("\r\n//    (size in tenths of an point) followed by"), std::string::npos);
  EXPECT_EQ(header.substr(header.size() - 34), "//Single;X;255,255,255;0,0,0;1;0\r\n");
  // 30 lines, the three joined sentences counting as one.
  EXPECT_EQ(std::count(header.begin(), header.end(), '\n'), 30);
}

TEST(TextConfig, HandEditedFileWithCommentsAndOddSpacing) {
  GroupingSet set = readOk(readTestFile("groupings/hand_edited_with_comments.cft"));
  EXPECT_EQ(set.fontSize, 120);
  EXPECT_EQ(set.fontName, "Courier New");
  ASSERT_EQ(set.groupings.size(), 5u);
  EXPECT_EQ(set.lineNumber, 0);
  EXPECT_TRUE(set.lastError.empty());

  const ResidueGrouping& def = set.groupings[0];
  EXPECT_EQ(def.name, "default");  // the spelling is kept
  EXPECT_EQ(def.residues, "X");    // whatever the file says
  EXPECT_TRUE(def.active);         // likewise
  const ResidueGrouping& single = set.groupings[1];
  EXPECT_EQ(single.residues, "X");
  EXPECT_FALSE(single.active);  // honoured
  EXPECT_EQ(single.marker, ' ');

  const ResidueGrouping& tiny = set.groupings[2];
  EXPECT_EQ(tiny.name, "Tiny residues");
  EXPECT_EQ(tiny.residues, "AGS");
  EXPECT_EQ(tiny.format.textColour, rgb(255, 0, 255));
  EXPECT_EQ(tiny.format.backColour, rgb(0, 255, 0));
  EXPECT_TRUE(tiny.format.bold);
  EXPECT_FALSE(tiny.format.italic);
  EXPECT_EQ(tiny.marker, 't');

  // Indented slashes are not a comment: they start the name.
  const ResidueGrouping& indented = set.groupings[3];
  EXPECT_EQ(indented.name, "  // not a comment");
  EXPECT_EQ(indented.residues, "DE");
  EXPECT_EQ(indented.format.textColour, rgb(1, 2, 3));  // blanks between components
  EXPECT_EQ(indented.format.backColour, rgb(4, 5, 6));  // semicolons between components
  EXPECT_TRUE(indented.format.italic);                  // any non-zero number
  EXPECT_EQ(indented.marker, '-');

  // The last line has no LF; text after the eighth field is ignored.
  const ResidueGrouping& last = set.groupings[4];
  EXPECT_EQ(last.name, "Big");
  EXPECT_EQ(last.residues, "EFHIKLMQRWY");
  EXPECT_FALSE(last.active);
  EXPECT_EQ(last.marker, 'b');
}

TEST(TextConfig, FontNameIsEverythingAfterTheSizeSeparator) {
  GroupingSet set = readOk(std::string("120 ; Courier New\r\n") + kDefault + kSingle);
  EXPECT_EQ(set.fontSize, 120);
  EXPECT_EQ(set.fontName, "; Courier New");
  set = readOk(std::string("  100,Lucida Console, Bold\r\n") + kDefault);
  EXPECT_EQ(set.fontSize, 100);
  EXPECT_EQ(set.fontName, "Lucida Console, Bold");
}

TEST(TextConfig, NumbersWrapAndKeepTheirLowEightBits) {
  struct Case {
    std::string colour;
    Colour expected;
  };
  for (const Case& c : {Case{"300,0,0", rgb(44, 0, 0)}, Case{"256,-1,+7", rgb(0, 255, 7)},
                        Case{"255 0 255", rgb(255, 0, 255)}, Case{"255;0;255", rgb(255, 0, 255)},
                        Case{"99999999999,4294967296,4294967297", rgb(255, 255, 255)}}) {
    GroupingSet set = readOk(std::string(kFont) + kDefault + kSingle + "Acid;DE;" + c.colour +
                             ";0,0,0;1;0;1;a\r\n");
    ASSERT_EQ(set.groupings.size(), 3u);
    EXPECT_EQ(set.groupings[2].format.textColour, c.expected) << c.colour;
  }
  // A font size wraps too, and is then refused as out of range.
  GroupingSet set;
  EXPECT_FALSE(readText(set, std::string("-90;Arial\n") + kDefault));
  EXPECT_EQ(set.lastError, loadString(2090));
}

TEST(TextConfig, ResiduesAreStoredSorted) {
  GroupingSet set =
      readOk(std::string(kFont) + kDefault + kSingle + "Tiny;GAS;0,0,0;0,0,0;0;0;1;t");
  ASSERT_EQ(set.groupings.size(), 3u);
  EXPECT_EQ(set.groupings[2].residues, "AGS");
}

TEST(TextConfig, ReaderMessagesNameTheFailingLine) {
  const std::string head = std::string(kFont) + kDefault + kSingle;  // lines 1-3
  const std::vector<Failure> failures = {
      {"", 2003, 0},
      {"// only\r\n\r\n// comments\r\n// and an unterminated one", 2003, 3},
      {"90;Courier New", 2003, 0},
      {"9O;Courier New\r\n", 2002, 1},
      {"\r\n120\r\n", 2002, 2},
      {"120;\r\n", 2002, 1},
      {"120\n", 2002, 1},
      {head + "Name only\r\n", 2004, 4},
      {head + "Tiny;ags;0,0,0;0,0,0;0;0;1;t\r\n", 2005, 4},
      {head + "Tiny;A S;0,0,0;0,0,0;0;0;1;t\r\n", 2005, 4},
      {head + "Tiny;AAS;0,0,0;0,0,0;0;0;1;t\r\n", 2006, 4},
      // Two separators in a row count as one: the red component becomes the
      // residues.
      {head + "Empty;;0,0,0;0,0,0;0;0;1;t\r\n", 2005, 4},
      {head + "Tiny;AGS;12a,0,0;0,0,0;0;0;1;t\r\n", 2007, 4},
      {head + "Tiny;AGS;0,0,0;0,0,0;0;0;1\r\n", 2007, 4},
      {head + "Tiny;AGS;0,0,0;0,0,0;0;0;1;\r\n", 2007, 4},
      {head + "Tiny;AGS;0,0,0;0,0,0;-;0;1;t\r\n", 2007, 4},
      {std::string(kFont) + "Default;X;0,0,0;255,255,255;0;0\r\n" + kSingle, 2007, 2},
      {std::string(kFont) + kSingle + kDefault, 2008, 2},
      {std::string(kFont) + "\r\n// c\r\n" + kDefault + "Alanine;A;0,0,0;0,0,0;0;0;1;A\r\n", 2009,
       5},
  };
  for (const Failure& f : failures) expectFailure(f);
}

TEST(TextConfig, MarkersThatAreSeparatorsDoNotReadBack) {
  for (char marker : {';', ',', '\t'}) {
    GroupingSet set = builtinDefault(BuiltinDefault::Colour);
    set.groupings[5].marker = marker;
    const std::string text = writeText(set);
    EXPECT_NE(text.find(std::string(";1;0;1;") + marker + "\r\n"), std::string::npos);
    expectFailure({text, 2007, 30 + 1 + 6});  // header, font line, groupings 0-5
  }
}

TEST(TextConfig, NameStartingWithSlashesReadsBackAsAComment) {
  GroupingSet set = builtinDefault(BuiltinDefault::BlackAndWhite);
  set.groupings[3].name = "//Aliphatic";
  GroupingSet back = readOk(writeText(set));
  EXPECT_EQ(back.groupings.size(), set.groupings.size() - 1);
}

TEST(TextConfig, SpecialGroupingsTakeSingleAndSpaceMarkers) {
  // A blank marker after the last separator, and CR LF or bare LF line ends.
  GroupingSet set =
      readOk("90;Courier New\nDefault;X;0,0,0;0,0,0;0;0;0;.\nSingle;X;1,1,1;0,0,0;1;1;1; ");
  ASSERT_EQ(set.groupings.size(), 2u);
  EXPECT_TRUE(set.groupings[0].active);
  EXPECT_EQ(set.groupings[1].marker, ' ');
  EXPECT_TRUE(set.groupings[1].format.italic);
}

TEST(TextConfig, AZeroByteEndsTheText) {
  std::string text = std::string(kFont) + kDefault + kSingle;
  text += '\0';
  text += "Garbage that would fail\r\n";
  GroupingSet set = readOk(text);
  EXPECT_EQ(set.groupings.size(), 2u);
}

TEST(TextConfig, LinesOfSeparatorsAreBlank) {
  GroupingSet set = readOk(std::string(" ; ,\t\r\n") + kFont + ";;,\r\n\t\r\n" + kDefault + "\n" +
                           kSingle + ";\n");
  EXPECT_EQ(set.groupings.size(), 2u);
}

TEST(TextConfig, StreamAndStringWritersAgree) {
  const GroupingSet set = builtinDefault(BuiltinDefault::Colour);
  std::ostringstream out;
  writeText(set, out);
  EXPECT_EQ(out.str(), writeText(set));
}

}  // namespace
}  // namespace hueset
