// Residue numbers and the ruler, which the layout adds for every writer.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "annotate/layout.h"
#include "recording_writer.h"

namespace hueset {
namespace {

using test::RecordingWriter;
using test::TextWriter;

AnnotatedAlignment oneSet(std::vector<std::string> names, std::vector<std::string> residues,
                          std::vector<std::int32_t> columnNumbers = {}) {
  AnnotatedAlignment annotated;
  Alignment set;
  set.length = static_cast<std::int32_t>(residues.front().size());
  // Padded to the label's width, as justification leaves them.
  for (auto& name : names) name.resize(std::max<std::size_t>(name.size(), 9), ' ');
  set.names = std::move(names);
  set.residues = std::move(residues);
  ConsensusRows result;
  result.label = "Consensus";
  result.row = std::string(static_cast<std::size_t>(set.length), '.');
  for (const auto& row : set.residues) result.formats.emplace_back(row.size(), '\0');
  annotated.sets.push_back(std::move(set));
  annotated.results.push_back(std::move(result));
  annotated.columnNumbers = std::move(columnNumbers);
  return annotated;
}

std::vector<std::string> laidOut(const AnnotatedAlignment& annotated, int wrap, int group,
                                 const LayoutMarks& marks) {
  TextWriter writer;
  writer.begin();
  layOut(annotated, wrap, group, writer, marks);
  writer.end();
  std::vector<std::string> out;
  std::istringstream in(writer.text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(LayoutMarks, NumbersAndRulerFrameEveryBlock) {
  const auto annotated =
      oneSet({"a/11-33", "b"}, {"ACDEF-GHIKLMNPQRSTVW--Y", "----------ACD---------E"});
  // The numbers count residues, not the suffix's end; the ruler has no
  // number to show over the last block's three columns.
  const std::vector<std::string> expected = {
      "                     10         20",
      "                      |          |",
      "a/11-33   11 ACDEF-GHIK LMNPQRSTVW 29",
      "b          1 ---------- ACD------- 3",
      "Consensus    .......... ..........",
      "",
      "",
      "",
      "a/11-33   30 --Y 30",
      "b          4 --E 4",
      "Consensus    ...",
      "",
  };
  EXPECT_EQ(laidOut(annotated, 20, 10, LayoutMarks{true, true, 10}), expected);
}

struct NumberCase {
  const char* what;
  AnnotatedAlignment annotated;
  int wrap;
  std::vector<std::string> firstLines;  // the first sequence's line of every block
};

TEST(LayoutMarks, ResidueNumbersCountResiduesOnly) {
  const NumberCase cases[] = {
      {"gaps of any symbol are not counted, residues of any case are",
       oneSet({"s", "t"}, {"a.b~C-D", "AAAAAAA"}),
       4,
       {"s         1 a.b~ 2", "s         3 C-D 4"}},
      {"a line without residues shows neither number, but keeps the residues in place",
       oneSet({"s", "t"}, {"----AB", "AAAAAA"}),
       4,
       {"s           ----", "s         1 AB 2"}},
      {"an elided region's residues count, shown or hidden in brackets",
       oneSet({"s", "t"}, {"AB(12)C", "AAAAAAA"}, {1, 2, 0, 0, 0, 0, 20}),
       7,
       {"s          1 AB(12)C 15"}},
      {"a stand-in cut by the wrap is counted once, in the block where it starts",
       oneSet({"s", "t"}, {"A(9)B", "AAAAA"}, {1, 0, 0, 0, 12}),
       2,
       {"s          1 A( 10", "s            9)", "s         11 B 11"}},
      {"brackets outside a stand-in are no count: there they are gap symbols",
       oneSet({"s", "t"}, {"A(9)B", "AAAAA"}),
       5,
       {"s         1 A(9)B 2"}},
  };
  for (const NumberCase& c : cases) {
    const auto lines = laidOut(c.annotated, c.wrap, 0, LayoutMarks{true, false, 10});
    std::vector<std::string> firsts;
    // Each block: the two sequences, the consensus row and the block's end.
    for (std::size_t at = 0; at < lines.size(); at += 4) firsts.push_back(lines[at]);
    EXPECT_EQ(firsts, c.firstLines) << c.what;
  }
}

struct RulerCase {
  const char* what;
  std::vector<std::int32_t> columnNumbers;
  int length;
  int interval;
  std::string numbers;
  std::string ticks;
  bool figure = false;  // laid out for a figure
};

TEST(LayoutMarks, TheRulerNamesTheAlignmentsColumns) {
  const RulerCase cases[] = {
      {"numbers end above their column",
       {},
       12,
       5,
       "               5   10",
       "                    |"},
      {"elision: the ruler goes on with the columns as read, nothing over a stand-in",
       {8, 9, 0, 0, 0, 40, 41},
       7,
       10,
       "               40",
       "                |"},
      {"a number that would run into the one before is left out",
       {},
       12,
       1,
       "           1 3 5 7 9 12",
       "                    |"},
      {"a figure has a tick under every number, whatever the interval",
       {},
       12,
       5,
       "               5   10",
       "               |    |",
       true},
      {"a figure's number at a block's first column starts there, not dropped",
       {100, 101, 102},
       3,
       10,
       "           100",
       "           |",
       true},
  };
  for (const RulerCase& c : cases) {
    const auto annotated = oneSet({"s", "t"},
                                  {std::string(static_cast<std::size_t>(c.length), 'A'),
                                   std::string(static_cast<std::size_t>(c.length), 'A')},
                                  c.columnNumbers);
    const auto lines =
        laidOut(annotated, c.length, 0, LayoutMarks{false, true, c.interval, c.figure});
    ASSERT_GE(lines.size(), 2u) << c.what;
    EXPECT_EQ(lines[0], c.numbers) << c.what;
    EXPECT_EQ(lines[1], c.ticks) << c.what;
  }
}

// The last number is plain text: it must not take the colour of the last residue.
TEST(LayoutMarks, TheLastNumberIsInTheDefaultFormat) {
  auto annotated = oneSet({"s", "t"}, {"AC", "AC"});
  annotated.results[0].formats[0] = std::string("\1\1");
  RecordingWriter writer;
  test::addDistinctFormats(writer, 2);
  writer.begin();
  layOut(annotated, 2, 0, writer, LayoutMarks{true, false, 10});
  writer.end();
  EXPECT_EQ(writer.transcript.substr(0, 30), "{0:s         1 }{1:AC}{0: 2}/N");
}

struct FitCase {
  const char* what;
  int group;
  LayoutMarks marks;
  int characters;
  int wrap;
};

TEST(LayoutMarks, TheWidestWrapThatFitsCountsEveryCharacterOfTheLine) {
  // Names are 9 wide ("Consensus"); 100 columns of which 99 are residues.
  auto annotated = oneSet({"s", "t"}, {std::string(100, 'A'), std::string(99, 'A') + "-"});
  const FitCase cases[] = {
      {"name, blank, blank, residues", 100, {}, 31, 20},
      {"a blank before every group of 10", 10, {}, 33, 20},
      {"numbers before (3 digits) and after (blank and 3)", 100, {true, false, 10}, 38, 20},
      {"the ruler takes no width of its own", 100, {false, true, 10}, 31, 20},
      {"never more than the alignment", 100, {}, 1000, 100},
      {"never less than one column", 100, {}, 5, 1},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(widestWrapThatFits(annotated, c.group, c.marks, c.characters), c.wrap) << c.what;
  }
}

}  // namespace
}  // namespace hueset
