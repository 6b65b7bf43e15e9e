#include "figure/figure_mark_rows.h"

#include <gtest/gtest.h>

#include <vector>

#include "annotate/layout.h"

namespace hueset {
namespace {

// One set of two sequences, 12 columns, a consensus row and under it the
// conservation row; a frame over columns 3 to 12 (from 1).
AnnotatedAlignment framedAlignment() {
  AnnotatedAlignment annotated;
  Alignment set;
  set.names = {"a", "b"};
  set.residues = {std::string(12, 'L'), std::string(12, 'L')};
  set.length = 12;
  annotated.sets.push_back(set);
  ConsensusRows consensus;
  consensus.row = std::string(12, 'L');
  consensus.label = "Consensus";
  annotated.results.push_back(consensus);
  annotated.rows.conservationLabel = "Conservation";
  annotated.rows.conservationCells = {std::string(12, ' ')};
  annotated.rows.conservation = {std::vector<ColumnConservation>(12, {3, 4, true, true})};
  annotated.rows.conservation[0][1] = {1, 4, false, true};
  annotated.rows.frames = std::vector<std::uint16_t>(12, 0);
  for (std::size_t p = 2; p < 12; ++p) annotated.rows.frames[p] = 1;
  return annotated;
}

TEST(FigureMarkRows, FramesAndBarsSitOnTheirColumnsCells) {
  const AnnotatedAlignment annotated = framedAlignment();
  FigureMarkRows rows;
  rows.start(annotated, 0);
  const FigureMetrics metrics{10, 6, 8, 12};
  struct Case {
    const char* what;
    LineContent content;  // kind, set, row, firstColumn, columns, firstCell, groupWidth
    std::vector<FigureFrameSpan> frames;
    std::size_t bars;
  };
  const Case cases[] = {
      {"the frame's ten columns cross both blanks between groups of 5: cells 7 to 19",
       {LineContent::Kind::Sequence, 0, 0, 0, 12, 5, 5},
       {{7, 19}},
       0},
      {"a block starting inside the frame starts the span at its first cell",
       {LineContent::Kind::Sequence, 0, 1, 6, 6, 5, 5},
       {{5, 12}},
       0},
      {"the conservation row (after the consensus) is framed and has a bar a column",
       {LineContent::Kind::ExtraRow, 0, 1, 0, 12, 5, 100},
       {{7, 17}},
       12},
      {"the consensus row has no bars",
       {LineContent::Kind::ExtraRow, 0, 0, 0, 12, 5, 100},
       {{7, 17}},
       0},
      {"the ruler is never framed", {LineContent::Kind::Ruler, 0, 0, 0, 12, 5, 100}, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FigureLineMarks marks;
    rows.addTo(marks, c.content, metrics);
    EXPECT_EQ(marks.frames, c.frames);
    EXPECT_EQ(marks.shapes.size(), c.bars);
  }
  // The bar of 3 of 4 is three quarters as tall as a whole column's.
  FigureLineMarks bars;
  rows.addTo(bars, {LineContent::Kind::ExtraRow, 0, 1, 0, 12, 5, 100}, metrics);
  const std::vector<double>& c = bars.shapes[0].corners;
  ASSERT_EQ(c.size(), 8u);
  EXPECT_DOUBLE_EQ(c[0], (5 + 0.1) * 6);           // the first cell, inset
  EXPECT_DOUBLE_EQ(c[5] - c[1], 0.75 * 0.8 * 12);  // of the line's 0.1 to 0.9
  EXPECT_NE(bars.shapes[1].colour, bars.shapes[0].colour) << "no consensus: paler";
}

TEST(FigureMarkRows, AFrameIsClosedOverItsFirstLineAndUnderItsLast) {
  const FigureMetrics metrics{10, 6, 8, 12};
  std::vector<FigureLine> block(3);
  block[1].marks.frames = {{7, 18}};
  block[2].marks.frames = {{7, 18}};
  closeFrames(block, {0, 6, 0}, metrics, 0);
  // Two sides each, the top on the first framed line, the bottom on the last.
  EXPECT_EQ(block[0].marks.shapes.size(), 0u);
  ASSERT_EQ(block[1].marks.shapes.size(), 3u);
  ASSERT_EQ(block[2].marks.shapes.size(), 3u);
  // A side runs on through the half line between two sets.
  EXPECT_DOUBLE_EQ(block[1].marks.shapes[0].corners[5], 12 + 6);
  EXPECT_DOUBLE_EQ(block[2].marks.shapes[0].corners[5], 12);
}

}  // namespace
}  // namespace hueset
