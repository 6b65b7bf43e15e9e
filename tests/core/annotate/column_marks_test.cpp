#include "annotate/column_marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "annotate/column_statistics.h"
#include "annotate/sequence_logo.h"
#include "core/annotate/column_set.h"

namespace hueset {
namespace {

using test::grouping;

GroupingSet hydrophobic() {
  GroupingSet set;
  set.groupings.push_back(grouping("Default", "X"));
  set.groupings.push_back(grouping("Single", "X"));
  set.groupings.push_back(grouping("Hydrophobic", "ILMV"));
  return set;
}

TEST(ColumnConservation, HandWorkedColumns) {
  struct Case {
    const char* what;
    std::string column;
    ConsensusSettings settings;  // threshold, includeBlanks, xIsUnknown, allowLowerCase
    std::vector<std::int32_t> columnNumbers;
    std::uint32_t agreeing;
    std::uint32_t counted;
    bool reached;
    char digit;
  };
  const Case cases[] = {
      {"gaps left out: L is 6 of the 8 counted, 75%, reached at 70%",
       "LLLLLLIV--",
       {700, false, true, false},
       {},
       6,
       8,
       true,
       '7'},
      {"gaps counted: the grouping's 8 of 10 miss 90%, so the nearest is shown pale",
       "LLLLLLIV--",
       {900, true, true, false},
       {},
       8,
       10,
       false,
       '8'},
      {"the threshold picks the candidate: at 80% the grouping's 8 of 8, a whole column",
       "LLLLLLIV--",
       {800, false, true, false},
       {},
       8,
       8,
       true,
       '9'},
      {"X is not counted, as the consensus does not count it",
       "LLXX",
       {700, false, true, false},
       {},
       2,
       2,
       true,
       '9'},
      {"nothing counted is no share", "----", {700, false, true, false}, {}, 0, 0, false, '0'},
      {"a column standing in for an elided region has no conservation",
       "LLLL",
       {700, false, true, false},
       {0},
       4,
       4,
       true,
       ' '},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<ColumnConservation> columns = columnConservation(
        columnStatistics(test::columnSet(c.column), hydrophobic(), c.settings, ""),
        c.columnNumbers);
    ASSERT_EQ(columns.size(), 1u);
    EXPECT_EQ(columns[0].agreeing, c.agreeing);
    EXPECT_EQ(columns[0].counted, c.counted);
    EXPECT_EQ(columns[0].reached, c.reached);
    EXPECT_EQ(conservationDigit(columns[0]), c.digit);
  }
}

TEST(SequenceLogo, HandWorkedColumnHeights) {
  // log2 20 = 4.32193 bits, less 19 / (2 ln 2 n) for n letters.
  struct Case {
    const char* what;
    std::string column;
    bool includeBlanks;
    std::vector<std::int32_t> columnNumbers;
    double bits;
    std::size_t letters;
  };
  const Case cases[] = {
      {"eight L: no entropy, 1.71320 bits of correction", "LLLLLLLL", false, {}, 2.6087277, 1},
      {"blanks counted: eight letters of ten counted, 8/10 of that",
       "LLLLLLLL--",
       true,
       {},
       2.0869822,
       1},
      {"blanks not counted: as if they were not there", "LLLLLLLL--", false, {}, 2.6087277, 1},
      {"half L, half I: one bit of entropy", "LLLLIIII", false, {}, 1.6087277, 2},
      {"X taken as unknown is neither letter nor blank: four letters",
       "LLLLXX",
       true,
       {},
       0.8955274,
       1},
      {"two letters cannot pay the correction: no height", "LI", false, {}, 0, 2},
      {"a stand-in for an elided region has no logo", "LLLL", false, {0}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ConsensusSettings settings{800, c.includeBlanks, true, false};
    const std::vector<LogoColumn> logo =
        sequenceLogo(test::columnSet(c.column), settings, "", c.columnNumbers);
    ASSERT_EQ(logo.size(), 1u);
    EXPECT_NEAR(logo[0].bits, c.bits, 1e-6);
    ASSERT_EQ(logo[0].letters.size(), c.letters);
    double stacked = 0;
    for (const LogoLetter& letter : logo[0].letters) stacked += letter.bits;
    EXPECT_NEAR(stacked, logo[0].bits, 1e-9) << "the letters fill the column";
  }
  // Stacked from the least frequent up: the most frequent on top.
  const std::vector<LogoColumn> mixed =
      sequenceLogo(test::columnSet("LLLLLLIV"), ConsensusSettings{800, false, true, false}, "", {});
  ASSERT_EQ(mixed[0].letters.size(), 3u);
  EXPECT_EQ(mixed[0].letters.back().letter, 'L');
  EXPECT_NEAR(mixed[0].letters.back().bits, mixed[0].bits * 6 / 8, 1e-9);
}

TEST(ColumnMarks, TextsReadAsColumnsAndSymbols) {
  using S = MarkSymbol;
  struct Case {
    const char* what;
    const char* text;
    std::vector<ColumnMark> marks;
    bool refused;
  };
  const Case cases[] = {
      {"a list takes the symbol after its colon, triangles without one",
       "45,67,120-122:star; 30",
       {{45, 45, S::Star, 0},
        {67, 67, S::Star, 0},
        {120, 122, S::Star, 0},
        {30, 30, S::Triangle, 0}},
       false},
      {"a letter marks with itself",
       "7:K;8:dot",
       {{7, 7, S::Letter, 'K'}, {8, 8, S::Dot, 0}},
       false},
      {"a range backwards is refused", "9-3", {}, true},
      {"columns count from 1", "0", {}, true},
      {"an unknown symbol is refused", "5:square", {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ParsedMarks parsed = parseColumnMarks(c.text);
    EXPECT_EQ(parsed.marks, c.marks);
    EXPECT_EQ(parsed.problem.empty(), !c.refused) << parsed.problem;
  }
}

TEST(ColumnMarks, PlacedOnTheColumnsShownAfterElision) {
  // Columns 3 to 8 were elided into a stand-in of three columns.
  const std::vector<std::int32_t> shown = {1, 2, 0, 0, 0, 9, 10};
  struct Case {
    const char* what;
    std::string marks;
    std::string frames;
    std::string markCells;
    std::vector<std::uint16_t> framed;
  };
  const Case cases[] = {
      {"marks after the elided region move left with their columns",
       "9:star;2:K",
       "",
       " K   * ",
       {}},
      {"an elided column shows no mark, and a frame over it keeps only what is shown",
       "4",
       "2-9",
       "       ",
       {0, 1, 0, 0, 0, 1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ColumnRows rows;
    placeMarks(rows, parseColumnMarks(c.marks).marks, parseColumnRanges(c.frames).ranges, shown,
               shown.size(), false);
    EXPECT_EQ(rows.markCells, c.markCells);
    EXPECT_EQ(rows.frames, c.framed);
  }
}

TEST(ColumnMarks, AReferenceNumbersItsResiduesAndSkipsItsGaps) {
  // "ref/11-18": A is 11, the gap columns 3 and 4 have no number, D is 13.
  const std::vector<std::int32_t> numbers = residueNumbersOf("AC--DEFGHI", 11);
  EXPECT_EQ(numbers, (std::vector<std::int32_t>{11, 12, 0, 0, 13, 14, 15, 16, 17, 18}));
  struct Case {
    const char* what;
    ColumnRange residues;
    std::vector<ColumnRange> columns;
  };
  const Case cases[] = {
      {"one residue is its column", {15, 15}, {{7, 7}}},
      {"a range across the gap takes the gap's columns too", {12, 13}, {{2, 5}}},
      {"residues the reference lacks mark nothing", {30, 40}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(alignmentColumnsOf({c.residues}, numbers), c.columns);
  }
}

}  // namespace
}  // namespace hueset
