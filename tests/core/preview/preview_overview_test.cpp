#include "preview/preview_overview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/preview_run.h"
#include "support/writer_formats.h"

namespace hueset {
namespace {

using namespace test;

ColumnAgreement agreement(std::uint32_t agreeing, std::uint32_t counted, bool reached) {
  ColumnAgreement column;
  column.agreeing = agreeing;
  column.counted = counted;
  column.reached = reached;
  return column;
}

// Two sets over four layout columns, the third standing in for elided
// alignment columns 3-9.
PreviewDocument twoSetDocument() {
  PreviewDocument d;
  d.columnNumbers = {1, 2, 0, 10};
  d.statistics.resize(2);
  for (ColumnStatistics& set : d.statistics) set.threshold = 800;
  d.statistics[0].columns = {agreement(4, 4, true), agreement(3, 4, false), agreement(0, 4, false),
                             agreement(4, 4, true)};
  d.statistics[1].columns = {agreement(2, 2, true), agreement(2, 2, true), agreement(0, 2, false),
                             agreement(1, 2, false)};
  return d;
}

TEST(PreviewOverview, SumsTheSetsPerColumnAndGoesToTheFirstElidedColumn) {
  const PreviewOverview overview = previewOverview(twoSetDocument());
  const std::vector<OverviewColumn> expected = {
      {{6, 6, true, true}, 1},
      {{5, 6, false, true}, 2},  // reached in one set only
      {{0, 6, false, false}, 3},
      {{5, 6, false, true}, 10},
  };
  EXPECT_EQ(overview.columns, expected);
  EXPECT_DOUBLE_EQ(overview.threshold, 0.8);
}

TEST(PreviewOverview, PixelsTakeTheirColumnsTogether) {
  const PreviewOverview overview = previewOverview(twoSetDocument());
  const Colour whole = overviewColour({6, 6, true, true}, 0.8);
  const Colour standIn = overviewColour({0, 6, false, false}, 0.8);
  struct Case {
    const char* what;
    std::size_t width;
    std::vector<Colour> expected;
  };
  const Case cases[] = {
      {"two pixels a column",
       8,
       {whole, whole, overviewColour({5, 6, false, true}, 0.8),
        overviewColour({5, 6, false, true}, 0.8), standIn, standIn,
        overviewColour({5, 6, false, true}, 0.8), overviewColour({5, 6, false, true}, 0.8)}},
      // The stand-in has nothing to add; a tie of reached and not is reached.
      {"two columns a pixel",
       2,
       {overviewColour({11, 12, true, true}, 0.8), overviewColour({5, 6, false, true}, 0.8)}},
      {"no room", 0, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(overviewPixels(overview, c.width), c.expected) << c.what;
  }
  // The darker the more conserved, whether reached or not; just over the
  // threshold is not yet as dark as a whole column.
  EXPECT_LT(greenOf(whole), greenOf(overviewColour({5, 6, true, true}, 0.8)) - 40);
  EXPECT_LT(greenOf(overviewColour({5, 6, false, true}, 0.8)),
            greenOf(overviewColour({1, 6, false, true}, 0.8)));
  EXPECT_NE(overviewColour({5, 6, false, true}, 0.8), overviewColour({5, 6, true, true}, 0.8));
}

TEST(PreviewOverview, ColumnUnderAPointStaysWithinTheColumns) {
  struct Case {
    const char* what;
    double x;
    std::size_t expected;
  };
  const Case cases[] = {
      {"the left edge", 0, 0},
      {"just before the second column's pixels", 24.9, 0},
      {"the last column", 99.5, 3},
      {"a drag past the right end", 150, 3},
      {"a drag past the left end", -20, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(overviewColumnAt(c.x, 100, 4), c.expected) << c.what;
}

// Eight columns wrapped every six in groups of three: a cell of column c of
// a block stands at character 16 + c + c / 3; block 1 starts 140 pixels
// down with cells 10 by 20.
TEST(PreviewOverview, TheViewShowsTheColumnsOfTheCellsInIt) {
  PreviewInput input;
  input.text = ">one\nLIVKDE-A\n>two\nLIVKEE-A\n>three\nLLVRDD-G\n>four\nMIVKED-A\n";
  input.options.annotation.useElision = false;
  input.options.output.wrapLength = 6;
  input.options.output.separateColumns = true;
  input.options.output.columnWidth = 3;
  input.options.figureLayout.legend = false;
  input.groupings.fontName = "Courier New";
  input.groupings.fontSize = 100;
  input.groupings.groupings = {grouping("Default", "X", {kBlack, kWhite, false, false})};
  const PreviewOutcome outcome = runPreview(input);
  ASSERT_TRUE(outcome.document);
  ASSERT_TRUE(outcome.overview);
  EXPECT_EQ(outcome.overview->columns.size(), 8u);
  PreviewModel model;
  model.setDocument(outcome.document);
  model.setCellSize({10, 20});
  struct Case {
    const char* what;
    double left, top, width, height;
    ColumnSpan expected;
  };
  const Case cases[] = {
      {"everything", 0, 0, 1000, 1000, {0, 8}},
      {"block 0 alone", 0, 0, 1000, 100, {0, 6}},
      {"block 1 alone", 0, 140, 1000, 100, {6, 8}},
      {"the names alone", 0, 0, 150, 1000, {}},
      {"from the blank between groups of block 0", 190, 0, 1000, 100, {3, 6}},
      {"block 0 cut after column 1", 0, 0, 180, 100, {0, 2}},
      // Both blocks show: the span runs from the first to the last.
      {"column 0 of both blocks", 0, 0, 170, 1000, {0, 7}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(columnsInView(model, c.left, c.top, c.width, c.height), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace hueset
