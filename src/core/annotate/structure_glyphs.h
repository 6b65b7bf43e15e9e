#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/annotation_writer.h"

namespace hueset {

struct AnnotatedAlignment;

// A secondary-structure row (a PHD or DSC prediction, Stockholm "SS_cons"
// or "#=GR name SS", A3M "ss_dssp" or "ss_pred") drawn as shapes in a figure
// and the preview: helices as coils or cylinders, strands as arrows, turns
// and bends as small marks, coil as a thin line and gaps as nothing.

enum class StructureKind : std::uint8_t {
  AlphaHelix,     // H
  ThreeTenHelix,  // G
  PiHelix,        // I
  Strand,         // E
  Bridge,         // B: a strand of one residue
  Turn,           // T
  Bend,           // S
  Coil,           // any other letter: C, L, "-", ...
  Accessibility,  // a digit of a row of accessibilities: a bar, number 0 to 9 tall
};

// A run of columns [first, end) of one kind. Helices and strands are
// numbered in order along the row, each kind on its own count (alpha and
// pi helices share one); the others have number 0.
struct StructureElement {
  StructureKind kind = StructureKind::Coil;
  std::size_t first = 0;
  std::size_t end = 0;
  int number = 0;

  bool operator==(const StructureElement&) const = default;
};

// True for the label of an extra row that holds a secondary structure
// (blanks around it ignored).
bool isStructureRowLabel(std::string_view label);

// True for the row of a reference structure, drawn above the block in a
// figure: A3M's "ss_dssp" (the query's) and a structure attached to the
// alignment ("DSSP ...").
bool isReferenceStructureLabel(std::string_view label);
// True for the row of an attached structure's relative solvent
// accessibilities ("DSSP ... acc"): a digit a residue, drawn as bars.
bool isAccessibilityRowLabel(std::string_view label);

// The sequence whose own structure a row labelled "name SS" holds: the
// name; empty for any other label.
std::string_view structureRowSequence(std::string_view label);

// The elements of a row of one state letter a column. Blanks and "." are
// gaps, and so is every column standing in for elided ones (a 0 in
// `columnNumbers`; empty: none).
std::vector<StructureElement> structureElements(std::string_view cells,
                                                const std::vector<std::int32_t>& columnNumbers);

// "α1", "η2", "β3"; empty for an unnumbered element.
std::string structureElementLabel(const StructureElement& element);

// The structure rows of an annotation, by set and extra row as the layout
// numbers them (see extraRowCount).
struct StructureRow {
  std::uint32_t set = 0;
  std::uint32_t row = 0;
  std::vector<StructureElement> elements;
};
std::vector<StructureRow> structureRowsOf(const AnnotatedAlignment& annotated);
// The structure row a line shows, or null.
const StructureRow* structureRowOf(const std::vector<StructureRow>& rows,
                                   const LineContent& content);

// The shapes of one line: x in cells from the line's start, y in line
// heights from its top. Paths are stroked `width` line heights wide, or
// filled when `filled`; labels are text of `size` line heights whose
// baseline starts at (x, y).
struct GlyphPoint {
  double x = 0;
  double y = 0;
};
struct GlyphPath {
  std::vector<GlyphPoint> points;
  bool filled = false;
  double width = 0;
};
struct GlyphLabel {
  double x = 0;
  double y = 0;
  double size = 0;
  std::string text;  // UTF-8
};
struct LineGlyphs {
  std::vector<GlyphPath> paths;
  std::vector<GlyphLabel> labels;
  bool empty() const { return paths.empty() && labels.empty(); }
};

struct StructureGlyphStyle {
  bool cylinders = false;  // helices as cylinders rather than coils
  bool labels = true;      // each helix and strand numbered above its start
};

// The shapes of `row` in the block that `content` lays out: cut where
// columns were elided, a strand's head only where it really ends.
LineGlyphs structureGlyphs(const StructureRow& row, const LineContent& content,
                           const std::vector<std::int32_t>& columnNumbers,
                           const StructureGlyphStyle& style);

}  // namespace hueset
