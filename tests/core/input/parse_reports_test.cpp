#include "input/parse_reports.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hueset {
namespace {

std::string letters(std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('A' + i % 26);
  return s;
}

struct DisplayCase {
  std::size_t length;
  std::size_t displayLength;
};

class DisplayForm : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayForm, HasTheExpectedSize) {
  EXPECT_EQ(residueDisplayForm(letters(GetParam().length)).size(), GetParam().displayLength);
}

// Below 210: n characters plus a blank between groups. From 210 on: ten
// groups and a blank each, "  (", the count, ")  ", ten groups and a blank each.
INSTANTIATE_TEST_SUITE_P(Lengths, DisplayForm,
                         ::testing::Values(DisplayCase{0, 0}, DisplayCase{1, 1},
                                           DisplayCase{10, 10}, DisplayCase{11, 12},
                                           DisplayCase{25, 27}, DisplayCase{209, 229},
                                           DisplayCase{210, 110 + 6 + 2 + 110},
                                           DisplayCase{1200, 110 + 6 + 4 + 110}));

TEST(DisplayForm, TwentyFiveResiduesShowAsThreeGroups) {
  EXPECT_EQ(residueDisplayForm("ABCDEFGHIJKLMNOPQRSTUVWXY"), "ABCDEFGHIJ KLMNOPQRST UVWXY");
}

TEST(DisplayForm, LongStringsShowBothEndsAndTheCountLeftOut) {
  std::string s = std::string(100, 'a') + std::string(50, 'm') + std::string(100, 'z');
  std::string head, tail;
  for (int i = 0; i < 10; ++i) head += std::string(10, 'a') + " ";
  for (int i = 0; i < 10; ++i) tail += std::string(10, 'z') + " ";
  EXPECT_EQ(residueDisplayForm(s), head + "  (50)  " + tail);
}

CharacterProblem problem(const std::string& name) {
  CharacterProblem p;
  p.name = name;
  return p;
}

TEST(CharacterReport, OnlyLowerCaseShowsTwoColumnsAndNoNote) {
  CharacterProblem a = problem("seq1");
  a.lowerCaseLetters = "acg";
  CharacterProblem b = problem("a much longer name");
  b.lowerCaseLetters = "x";
  const CharacterReport r = makeCharacterReport({a, b});
  EXPECT_EQ(r.kinds, (std::vector<CharacterColumn>{CharacterColumn::Sequence,
                                                   CharacterColumn::LowerCaseResidues}));
  ASSERT_EQ(r.columns.size(), 2u);
  EXPECT_EQ(r.columns[0].title, "Sequence");
  EXPECT_EQ(r.columns[0].sizingTexts,
            (std::vector<std::string>{"Sequence", "seq1", "a much longer name"}));
  EXPECT_EQ(r.columns[1].title, "Lower case Residues");
  EXPECT_EQ(r.columns[1].sizingTexts, (std::vector<std::string>{"Lower case Residues"}));
  EXPECT_EQ(r.rows,
            (std::vector<std::vector<std::string>>{{"seq1", "acg"}, {"a much longer name", "x"}}));
  EXPECT_FALSE(r.noteVisible);
}

TEST(CharacterReport, WhiteSpaceShowsAnXAndTheNote) {
  CharacterProblem a = problem("tabbed");
  a.whiteSpace = true;
  CharacterProblem b = problem("odd");
  b.otherSymbols = "1*";
  const CharacterReport r = makeCharacterReport({a, b});
  EXPECT_EQ(r.kinds,
            (std::vector<CharacterColumn>{CharacterColumn::Sequence, CharacterColumn::ExtraLetters,
                                          CharacterColumn::WhiteSpace}));
  EXPECT_EQ(r.columns[2].title, "\"WhiteSpace\"");
  EXPECT_EQ(r.rows,
            (std::vector<std::vector<std::string>>{{"tabbed", "", "X"}, {"odd", "1*", " "}}));
  EXPECT_TRUE(r.noteVisible);
}

TEST(CharacterReport, EveryColumnWhenEveryKindOccurs) {
  CharacterProblem p = problem("all");
  p.invalidLetters = "BZ";
  p.lowerCaseLetters = "a";
  p.otherSymbols = "#";
  p.nonPrintable = true;
  p.whiteSpace = true;
  const CharacterReport r = makeCharacterReport({p});
  std::vector<std::string> titles;
  for (const auto& c : r.columns) titles.push_back(c.title);
  EXPECT_EQ(titles,
            (std::vector<std::string>{"Sequence", "Invalid Residues", "Lower case Residues",
                                      "Extra Letters", "Non-printable Letters", "\"WhiteSpace\""}));
  EXPECT_EQ(r.rows.at(0), (std::vector<std::string>{"all", "BZ", "a", "#", "X", "X"}));
  EXPECT_TRUE(r.noteVisible);
  // A name alone needs no column besides "Sequence".
  EXPECT_EQ(makeCharacterReport({problem("np")}).columns.size(), 1u);
}

TEST(UnequalLengthsReport, ListsSequencesThenPredictionRows) {
  Alignment a;
  a.names = {"seq1", "a_longer_name"};
  a.residues = {letters(25), letters(250)};
  a.trackLabels = {"PHD"};
  a.tracks = {letters(24)};
  const UnequalLengthsReport r = makeUnequalLengthsReport("This is not a valid PHD file.\r\n", a);
  EXPECT_EQ(r.heading, "This is not a valid PHD file.\r\n");
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[0], (UnequalLengthsRow{"seq1", "25", residueDisplayForm(letters(25))}));
  EXPECT_EQ(r.rows[1].length, "250");
  EXPECT_NE(r.rows[1].residues.find("  (50)  "), std::string::npos);
  EXPECT_EQ(r.rows[2].name, "PHD");
  EXPECT_EQ(r.rows[2].length, "24");

  std::vector<std::string> titles;
  for (const auto& c : r.columns) titles.push_back(c.title);
  EXPECT_EQ(titles,
            (std::vector<std::string>{"Name", "Parsed Length", "Containing Residues", "Name"}));
  const std::vector<std::string> nameSizing{"Name", "seq1", "a_longer_name", "PHD"};
  EXPECT_EQ(r.columns[0].sizingTexts, nameSizing);
  EXPECT_EQ(r.columns[3].sizingTexts, nameSizing);
  EXPECT_EQ(r.columns[1].sizingTexts, (std::vector<std::string>{"Parsed Length"}));
  EXPECT_EQ(r.columns[2].sizingTexts,
            (std::vector<std::string>{std::string(r.rows[1].residues.size(), 'W')}));
}

// Among thousands of rows the few of another length are marked and come
// first; without one length more common than the others nothing is marked.
TEST(UnequalLengthsReport, MarksTheRowsOfAnotherLengthThanMost) {
  struct Case {
    const char* what;
    std::vector<std::size_t> lengths;
    std::vector<std::size_t> marked;
    std::vector<std::size_t> firstRows;
  };
  std::vector<std::size_t> big(6000, 100);
  big[4500] = 98;
  big[5999] = 101;
  const Case cases[] = {
      {"two odd rows in 6000", big, {4500, 5999}, {4500, 5999, 0, 1}},
      {"one odd row before the many", {7, 9, 9}, {0}, {0, 1, 2}},
      {"a tie marks nothing and keeps the order", {9, 9, 7, 7}, {}, {0, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    Alignment a;
    for (std::size_t i = 0; i < c.lengths.size(); ++i) {
      a.names.push_back("s" + std::to_string(i));
      a.residues.push_back(letters(c.lengths[i]));
    }
    const UnequalLengthsReport r = makeUnequalLengthsReport("", a);
    std::vector<std::size_t> marked;
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
      if (r.rows[i].differs) marked.push_back(i);
    }
    EXPECT_EQ(marked, c.marked) << c.what;
    std::vector<std::size_t> order = r.differingFirst();
    ASSERT_EQ(order.size(), r.rows.size()) << c.what;
    order.resize(c.firstRows.size());
    EXPECT_EQ(order, c.firstRows) << c.what;
  }
}

}  // namespace
}  // namespace hueset
