// Secondary-structure rows: which rows they are, their elements, their
// shapes in a block, and a sequence's own row placed under it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "annotate/layout.h"
#include "annotate/structure_glyphs.h"
#include "recording_writer.h"

namespace hueset {
namespace {

TEST(StructureRows, LabelsThatHoldASecondaryStructure) {
  const struct {
    const char* what;
    const char* label;
    bool structure;
    const char* owner;
  } cases[] = {
      {"a Stockholm consensus, padded as justified", "SS_cons     ", true, ""},
      {"a Stockholm row of one sequence names it", "seq1/1-60 SS", true, "seq1/1-60"},
      {"a DSC prediction's state row", "DSC", true, ""},
      {"the DSC probabilities are numbers, not states", "P_H", false, ""},
      {"a merged PHD prediction", "PHD sec", true, ""},
      {"its reliability is a number", "Rel sec", false, ""},
      {"A3M's DSSP row", "ss_dssp", true, ""},
      {"A3M's confidence row is digits", "ss_conf", false, ""},
      {"a label of just SS belongs to no sequence", "SS", false, ""},
      {"an attached structure's row is a reference", "DSSP 1cbs A", true, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isStructureRowLabel(c.label), c.structure) << c.what;
    EXPECT_EQ(structureRowSequence(c.label), c.owner) << c.what;
  }
}

TEST(StructureRows, ElementsAreRunsNumberedInOrderPerKind) {
  using K = StructureKind;
  const struct {
    const char* what;
    std::string cells;
    std::vector<std::int32_t> columns;
    std::vector<StructureElement> elements;
  } cases[] = {
      {"helices and strands count apart; gaps are no element",
       "HHH..EE-HH",
       {},
       {{K::AlphaHelix, 0, 3, 1},
        {K::Strand, 5, 7, 1},
        {K::Coil, 7, 8, 0},
        {K::AlphaHelix, 8, 10, 2}}},
      {"a 3-10 helix has a count of its own, a pi helix shares the alpha's",
       "GGGIIIIHHHH",
       {},
       {{K::ThreeTenHelix, 0, 3, 1}, {K::PiHelix, 3, 7, 1}, {K::AlphaHelix, 7, 11, 2}}},
      {"each bridge is one residue; turns and bends are unnumbered",
       "BBTS",
       {},
       {{K::Bridge, 0, 1, 0}, {K::Bridge, 1, 2, 0}, {K::Turn, 2, 3, 0}, {K::Bend, 3, 4, 0}}},
      {"a stand-in for elided columns cuts a helix into two",
       "HHHHH",
       {1, 2, 0, 9, 10},
       {{K::AlphaHelix, 0, 2, 1}, {K::AlphaHelix, 3, 5, 2}}},
      {"lower case is the same state (PHD writes it so)",
       "hhe",
       {},
       {{K::AlphaHelix, 0, 2, 1}, {K::Strand, 2, 3, 1}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(structureElements(c.cells, c.columns), c.elements) << c.what;
}

// x extents of the shapes of a row laid out in blocks.
struct Extent {
  double left;
  double right;
};
Extent extentOf(const GlyphPath& path) {
  Extent e{1e9, -1e9};
  for (const GlyphPoint& p : path.points) {
    e.left = std::min(e.left, p.x);
    e.right = std::max(e.right, p.x);
  }
  return e;
}

TEST(StructureRows, AStrandCutByABlockEndHasItsHeadOnlyWhereItEnds) {
  StructureRow row{0, 0, structureElements("EEEEEE", {})};
  // Columns 0-3 in the first block, 4-5 in the second; a blank before every 2.
  const LineContent first{LineContent::Kind::ExtraRow, 0, 0, 0, 4, 5, 2};
  const LineContent second{LineContent::Kind::ExtraRow, 0, 0, 4, 2, 5, 2};
  const LineGlyphs a = structureGlyphs(row, first, {}, {});
  const LineGlyphs b = structureGlyphs(row, second, {}, {});
  ASSERT_EQ(a.paths.size(), 1u);
  ASSERT_EQ(b.paths.size(), 1u);
  // A body alone is a bar of four corners; with a head, seven points.
  EXPECT_EQ(a.paths[0].points.size(), 4u) << "no head where the strand goes on";
  EXPECT_EQ(b.paths[0].points.size(), 7u) << "the head where it ends";
  // Across the blank between groups: from column 0's cell to column 3's end.
  const Extent e = extentOf(a.paths[0]);
  EXPECT_DOUBLE_EQ(e.left, 5);
  EXPECT_DOUBLE_EQ(e.right, 5 + 4 + 1);
  EXPECT_EQ(a.labels.size(), 1u) << "numbered once, where it starts";
  EXPECT_TRUE(b.labels.empty());
}

std::vector<std::string> placedLines(const AnnotatedAlignment& annotated, bool underSequence) {
  test::TextWriter writer;
  writer.begin();
  LayoutMarks marks;
  marks.structureUnderSequence = underSequence;
  layOut(annotated, 0, 0, writer, marks);
  writer.end();
  std::vector<std::string> out;
  std::istringstream in(writer.text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(StructureRows, ASequencesOwnRowGoesUnderItOnlyWhereAsked) {
  AnnotatedAlignment annotated;
  Alignment set;
  set.length = 4;
  set.names = {"a     ", "b     "};
  set.residues = {"MKVL", "MRVL"};
  annotated.sets.push_back(set);
  annotated.results.emplace_back();
  Alignment predictions;
  predictions.length = 4;
  predictions.trackLabels = {"b SS  ", "SS_cons", "DSSP x A"};
  predictions.tracks = {"HHEE", "HHCC", "EEEE"};
  annotated.sets.push_back(predictions);
  annotated.results.emplace_back();

  // A blank line is the break before the set of prediction rows.
  const std::vector<std::string> text = {"a       MKVL",  "b       MRVL",   "", "b SS    HHEE",
                                         "SS_cons  HHCC", "DSSP x A  EEEE", ""};
  const std::vector<std::string> figure = {
      "DSSP x A  EEEE", "a       MKVL", "b       MRVL", "b SS    HHEE", "", "SS_cons  HHCC", ""};
  EXPECT_EQ(placedLines(annotated, false), text) << "the text forms keep the rows where they were";
  EXPECT_EQ(placedLines(annotated, true), figure)
      << "the reference above the block, the sequence's own row directly under it, the "
         "consensus row where it was";
}

}  // namespace
}  // namespace hueset
