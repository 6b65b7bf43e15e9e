// Choosing columns in the preview: cells of the layout to alignment columns
// (through elided stretches), and the option texts made from them.
#include "preview/column_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hueset {
namespace {

// Nine layout columns: alignment columns 1-3, three stand-ins for the
// elided 4-9, then 10-12.
PreviewDocument elidedDocument() {
  PreviewDocument d;
  d.columnNumbers = {1, 2, 3, 0, 0, 0, 10, 11, 12};
  return d;
}

TEST(ColumnSelector, ClicksAndDragsChooseAlignmentColumns) {
  using Press = ColumnSelector::Press;
  struct Step {
    std::size_t column;
    std::optional<Press> press;  // none: a drag to the column
  };
  const struct {
    const char* what;
    std::vector<Step> steps;
    std::string chosen;
  } cases[] = {
      {"a click chooses its column", {{1, Press::Choose}}, "2"},
      {"a stand-in chooses all it replaces", {{4, Press::Choose}}, "4-9"},
      {"a drag across a stand-in takes the elided columns", {{2, Press::Choose}, {6, {}}}, "3-10"},
      {"a drag back past its start reaches the other way",
       {{7, Press::Choose}, {8, {}}, {1, {}}},
       "2-11"},
      {"a drag that comes back shrinks again", {{2, Press::Choose}, {7, {}}, {2, {}}}, "3"},
      {"shift extends from the last click", {{1, Press::Choose}, {7, Press::Extend}}, "2-11"},
      {"shift reaches back from the same click",
       {{5, Press::Choose}, {8, Press::Extend}, {0, Press::Extend}},
       "1-9"},
      {"control adds a stretch", {{0, Press::Choose}, {8, Press::Add}}, "1,12"},
      {"a stretch added next to another joins it", {{1, Press::Choose}, {2, Press::Add}}, "2-3"},
      {"a new click starts afresh",
       {{0, Press::Choose}, {8, Press::Add}, {3, Press::Choose}},
       "4-9"},
      {"shift without a click is a click", {{7, Press::Extend}}, "11"},
  };
  const PreviewDocument d = elidedDocument();
  for (const auto& c : cases) {
    ColumnSelector selector;
    for (const Step& step : c.steps) {
      if (step.press) {
        selector.press(d, step.column, *step.press);
      } else {
        selector.dragTo(d, step.column);
      }
    }
    EXPECT_EQ(selector.selection().text(), c.chosen) << c.what;
  }
}

TEST(ColumnSelection, HighlightsEveryLayoutColumnShowingAChosenOne) {
  const PreviewDocument d = elidedDocument();
  const struct {
    const char* what;
    std::vector<ColumnRange> chosen;
    std::vector<bool> shown;
  } cases[] = {
      {"none", {}, std::vector<bool>(9, false)},
      {"an elided column lights its stand-ins",
       {{5, 5}},
       {false, false, false, true, true, true, false, false, false}},
      {"a range over the stretch",
       {{3, 10}},
       {false, false, true, true, true, true, true, false, false}},
      {"columns shown apart",
       {{1, 1}, {12, 12}},
       {true, false, false, false, false, false, false, false, true}},
  };
  for (const auto& c : cases) {
    ColumnSelection selection;
    for (const ColumnRange& r : c.chosen) selection.add(r);
    EXPECT_EQ(chosenLayoutColumns(d, selection), c.shown) << c.what;
  }
}

TEST(ColumnSelection, OptionTextsReadBackAsTheColumnsChosen) {
  const struct {
    const char* what;
    std::string marks;
    MarkSymbol symbol;
    char letter;
    std::string expected;
  } marks[] = {
      {"the first mark", "", MarkSymbol::Star, 0, "3-10,12:star"},
      {"after marks already there, blanks dropped", " 45 : K ", MarkSymbol::Triangle, 0,
       "45:K;3-10,12:triangle"},
      {"a letter", "", MarkSymbol::Letter, 'B', "3-10,12:B"},
      {"a dot", "1", MarkSymbol::Dot, 0, "1;3-10,12:dot"},
  };
  for (const auto& c : marks) {
    const std::string text = marksWithSelection(c.marks, "3-10,12", c.symbol, c.letter);
    EXPECT_EQ(text, c.expected) << c.what;
    const ParsedMarks parsed = parseColumnMarks(text);
    EXPECT_TRUE(parsed.problem.empty()) << c.what << ": " << parsed.problem;
    ASSERT_FALSE(parsed.marks.empty()) << c.what;
    EXPECT_EQ(parsed.marks.back().symbol, c.symbol) << c.what;
    EXPECT_EQ(parsed.marks.back().last, 12) << c.what;
  }
  // A frame for each stretch chosen.
  const std::string frames = framesWithSelection("30-52", "3-10,12");
  EXPECT_EQ(frames, "30-52,3-10,12");
  EXPECT_EQ(parseColumnRanges(frames).ranges.size(), 3u);
  EXPECT_EQ(framesWithSelection("30-52", ""), "30-52");
}

TEST(ColumnSelection, WithAReferenceTheOptionsCountItsResidues) {
  // The reference has residues 20-22 at columns 1-3, a gap at column 10 and
  // residue 23 at column 11.
  PreviewDocument d = elidedDocument();
  d.columnRows.rulerNumbers = {20, 21, 22, 0, 0, 0, 0, 23, 24};
  const struct {
    const char* what;
    ColumnRange chosen;
    std::string expected;
  } cases[] = {
      {"columns with residues", {2, 3}, "21-22"},
      {"a gap of the reference inside is spanned", {3, 11}, "22-23"},
      {"only the reference's gaps: nothing", {10, 10}, ""},
  };
  for (const auto& c : cases) {
    ColumnSelection selection;
    selection.add(c.chosen);
    EXPECT_EQ(selectionOptionText(d, selection), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace hueset
