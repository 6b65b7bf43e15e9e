#include "preview/preview_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/preview_run.h"
#include "support/writer_formats.h"

namespace hueset {
namespace {

using namespace test;

// Styles in format-index order: 0 Default, 1 Hydrophobic, 2 Acid, 3 Single.
GroupingSet groupings() {
  GroupingSet set;
  set.fontName = "Courier New";
  set.fontSize = 100;
  set.groupings = {grouping("Default", "X", {kBlack, kWhite, false, false}),
                   grouping("Single", "X", {kRed, kWhite, false, true}),
                   grouping("Hydrophobic", "ILMV", {kWhite, kBlue, false, false}),
                   grouping("Acid", "DE", {kBlack, kYellow, false, false})};
  return set;
}

// Four sequences of eight columns, hand-counted at the default 80% with
// blanks included: 1 and 2 Hydrophobic (4 of 4), 3 V (4 of 4), 4 K short
// (3 of 4), 5 and 6 Acid, 7 all gaps, 8 A short (3 of 4). Wrapped every six
// columns in groups of three, so a cell of column c (from 0) of a block's
// line stands at character 16 + c + c / 3.
std::shared_ptr<const PreviewDocument> hoverDocument() {
  PreviewInput input;
  input.text = ">one/101-108\nLIVKDE-A\n>two\nLIVKEE-A\n>three\nLLVRDD-G\n>four\nMIVKED-A\n";
  input.options.annotation.useElision = false;
  input.options.output.wrapLength = 6;
  input.options.output.separateColumns = true;
  input.options.output.columnWidth = 3;
  // The lines counted are the annotation's alone.
  input.options.figureLayout.legend = false;
  input.groupings = groupings();
  PreviewOutcome outcome = runPreview(input);
  EXPECT_TRUE(outcome.messages.empty());
  return outcome.document;
}

// Cells 10 by 20 pixels: line tops are 10 pixels per half line. Block 0 has
// lines 0-4 (one, two, three, four, consensus) and two blank lines; block 1
// starts at line 7, 140 pixels down.
PreviewModel hoverModel() {
  PreviewModel model;
  model.setDocument(hoverDocument());
  model.setCellSize({10, 20});
  return model;
}

double cellX(int character) { return character * 10 + 5; }
double lineY(int top) { return top * 10 + 10; }

TEST(PreviewModel, HitsFindLinesAndCells) {
  const PreviewModel model = hoverModel();
  ASSERT_TRUE(model.document());
  struct Case {
    const char* what;
    double x, y;
    std::optional<PreviewHit> expected;  // line, character, on a cell, column, style
  };
  const Case cases[] = {
      {"first cell of the first line, Hydrophobic", cellX(16), lineY(0),
       PreviewHit{0, 16, true, 0, 1}},
      {"the blank between two groups", cellX(19), lineY(0), PreviewHit{0, 19, false, 0, 0}},
      {"a later group, another line, Acid", cellX(22), lineY(2), PreviewHit{1, 22, true, 5, 2}},
      {"second block: its own columns", cellX(17), lineY(14), PreviewHit{7, 17, true, 7, 0}},
      {"past the block's last column", cellX(18), lineY(14), PreviewHit{7, 18, false, 0, 0}},
      {"the name", cellX(3), lineY(0), PreviewHit{0, 3, false, 0, 0}},
      {"a blank line after a block", cellX(16), lineY(10), PreviewHit{5, 16, false, 0, 0}},
      {"above the document", cellX(16), -1, std::nullopt},
      {"below the document", cellX(16), 10000, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(model.hitAt(c.x, c.y), c.expected);
  }
  EXPECT_EQ(model.height(), (14 + 5 * 2 + 2 * 2) * 10);
}

TEST(PreviewModel, StatusTextsSayWhatTheColumnAgreedOn) {
  const PreviewModel model = hoverModel();
  struct Case {
    const char* what;
    double x, y;
    const char* expected;
  };
  const Case cases[] = {
      {"a grouping reached; a residue's number from its name", cellX(16), lineY(0),
       "Column 1: Hydrophobic, 4 of 4 (100%); >one/101-108, residue 101"},
      {"a single residue", cellX(18), lineY(4),
       "Column 3: V (Single), 4 of 4 (100%); >three, residue 3"},
      {"nothing reached, the nearest named", cellX(20), lineY(6),
       "Column 4: nothing reached 80%; nearest K (Single), 3 of 4 (75%); >four, residue 4"},
      {"a gap has no residue number", cellX(16), lineY(14),
       "Column 7: nothing reached 80%; >one/101-108"},
      {"numbers go on past a gap and a block", cellX(17), lineY(14),
       "Column 8: nothing reached 80%; nearest A (Single), 3 of 4 (75%); >one/101-108, residue "
       "107"},
      {"the consensus row: the column alone", cellX(21), lineY(8), "Column 5: Acid, 4 of 4 (100%)"},
      {"the blank between groups", cellX(19), lineY(0), ""},
      {"a name", cellX(3), lineY(0), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(model.statusText(c.x, c.y), c.expected);
  }
}

// "Go to" takes a column number or part of a name, as the user types it.
TEST(PreviewModel, FindLandsOnTheColumnThroughItsBlockOrOnTheNamedLine) {
  const PreviewModel model = hoverModel();
  ASSERT_TRUE(model.document());
  const double threeWidth = model.document()->lines[2].length * 10.0;
  using Spot = PreviewModel::Spot;
  struct Case {
    const char* what;
    const char* query;
    std::optional<Spot> expected;
  };
  const Case cases[] = {
      {"column 5: character 16 + 4 + 4 / 3 of block 0, its five lines", "5", Spot{210, 0, 10, 100}},
      {"column 8 is in the second block, 140 pixels down", " 8 ", Spot{170, 140, 10, 100}},
      {"a name in any case, its whole line", "THREE", Spot{0, 40, threeWidth, 20}},
      {"past the last column", "9", std::nullopt},
      {"no such name", "five", std::nullopt},
      {"nothing typed", "  ", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(model.find(c.query), c.expected);
  }
}

// A column elided is found where its stretch stands in, not after it.
TEST(PreviewModel, FindLandsOnTheStandInOfAnElidedColumn) {
  PreviewInput input;
  input.text = ">a\nAAAAACCCCCCCCCCAAAAA\n";
  for (const char* name : {">b", ">c", ">d", ">e"})
    input.text += std::string(name) + "\nAAAAA----------AAAAA\n";
  input.options.annotation.useElision = true;
  input.groupings = groupings();
  PreviewModel model;
  model.setDocument(runPreview(input).document);
  model.setCellSize({10, 20});
  ASSERT_TRUE(model.document());
  for (const char* query : {"8", "15"}) {
    SCOPED_TRACE(query);
    const auto spot = model.find(query);
    ASSERT_TRUE(spot);
    const auto hit = model.hitAt(spot->left + 1, spot->top + 1);
    ASSERT_TRUE(hit && hit->onCell);
    EXPECT_EQ(model.document()->columnNumber(hit->column), 0) << "the stand-in";
  }
  const auto after = model.find("16");
  ASSERT_TRUE(after);
  const auto hit = model.hitAt(after->left + 1, after->top + 1);
  ASSERT_TRUE(hit && hit->onCell);
  EXPECT_EQ(model.document()->columnNumber(hit->column), 16);
}

TEST(PreviewModel, ColumnTextsForElisionAndEmptyColumns) {
  PreviewDocument d;
  d.columnNumbers = {1, 2, 0, 0, 0, 9, 0, 0, 0};
  d.statistics.push_back(ColumnStatistics{{"Default", "Single"}, 805, {}});
  d.statistics[0].columns.resize(9);
  d.statistics[0].columns[1] = ColumnAgreement{0, false, 0, 0, 0};
  struct Case {
    const char* what;
    std::size_t column;
    const char* expected;
  };
  const Case cases[] = {
      {"a column shown as it was", 1, "Column 2: nothing reached 80.5%, no residues counted"},
      {"a stand-in names what it replaced", 3,
       "Columns 3 to 8 (elided): nothing reached 80.5%, no residues counted"},
      {"a stand-in at the end", 7,
       "Columns from 10 (elided): nothing reached 80.5%, no residues counted"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(columnStatusText(d, 0, c.column, true), c.expected);
  }
}

TEST(PreviewModel, PaintListDrawsOnlyWhatShowsAndMergesLookAlikes) {
  const PreviewModel model = hoverModel();
  // Line 0 reads ">one/101-108" padded to 16, then LI (Hydrophobic), V
  // (Single), " K" (Default) and DE (Acid, which looks like Default in text).
  const PaintList whole = model.paintList(0, 0, 230, 20);
  EXPECT_EQ(whole.page, kWhite);
  ASSERT_EQ(whole.backgrounds.size(), 2u);
  EXPECT_EQ(whole.backgrounds[0].x, 160);
  EXPECT_EQ(whole.backgrounds[0].width, 20);
  EXPECT_EQ(whole.backgrounds[0].colour, kBlue);
  EXPECT_EQ(whole.backgrounds[1].x, 210);
  EXPECT_EQ(whole.backgrounds[1].colour, kYellow);
  std::vector<std::string> texts;
  for (const PaintText& t : whole.texts) texts.emplace_back(t.text);
  EXPECT_EQ(texts, (std::vector<std::string>{">one/101-108    ", "LI", "V", " KDE"}));

  // A narrow window over the first group: only its cells, cut at the edge.
  const PaintList part = model.paintList(165, 0, 30, 20);
  texts.clear();
  for (const PaintText& t : part.texts) texts.emplace_back(t.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"LI", "V", " "}));
  EXPECT_EQ(part.texts.front().x, 160);
  ASSERT_EQ(part.backgrounds.size(), 1u);
  EXPECT_EQ(part.backgrounds[0].x, 160);

  // Lines outside the rectangle are not visited at all.
  const PaintList second = model.paintList(0, 145, 230, 10);
  ASSERT_FALSE(second.texts.empty());
  for (const PaintText& t : second.texts) EXPECT_EQ(t.y, 140);
}

TEST(MessageBar, ShowsTheWeightiestMessageWithItsLine) {
  using Kind = PreviewMessage::Kind;
  struct Case {
    const char* what;
    std::vector<PreviewMessage> messages;
    std::optional<MessageBar> expected;
  };
  const Case cases[] = {
      {"nothing to say", {}, std::nullopt},
      {"a question with its line, on one line",
       {{Kind::Question, "Blank inside a line.\r\nDo you wish to proceed regardless?", 40}},
       MessageBar{Kind::Question,
                  "Line 40: Blank inside a line. Do you wish to proceed regardless?", 40}},
      {"an error wins over an earlier note, and the rest are counted",
       {{Kind::Note, "sets", 0}, {Kind::Question, "q", 3}, {Kind::Error, "Bad.", 0}},
       MessageBar{Kind::Error, "Bad. (2 more)", 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(messageBar(c.messages), c.expected);
  }
}

}  // namespace
}  // namespace hueset
