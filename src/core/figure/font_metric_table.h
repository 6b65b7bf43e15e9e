#pragma once

#include <array>
#include <string_view>

#include "figure/figure_font.h"

namespace hueset {

// The font measurements a figure needs, for the monospaced families of a
// Debian system with the fonts scripts/bootstrap installs, as cairo and
// FreeType give them there: for a build that has neither (the browser's),
// whose SVG then matches the cairo build's byte for byte.

// One face at a size of 1: its ascent, descent and the widest advance of
// the letters, digits and brackets the grid is measured by.
struct FaceMetrics {
  double ascent = 0;
  double descent = 0;
  double advance = 0;
};

// A letter's ink box in the bold face at 100 units, as cairo_text_extents
// gives it: where it starts and rises from its origin, and how large it is.
struct LetterInk {
  double xBearing = 0;
  double yBearing = 0;
  double width = 0;
  double height = 0;
};

struct FontMetricRow {
  std::string_view family;
  std::array<FaceMetrics, 4> faces;  // indexed by FigureFont::faceIndex
  std::array<LetterInk, 26> boldInks;
};

// The row of `family` (matched without regard to case), or none.
const FontMetricRow* fontMetricRow(std::string_view family);

// The family fontconfig draws `requested` with there: its metric-compatible
// alias (Courier New -> Liberation Mono), the family itself when it is in
// the table, and otherwise the default monospaced family.
std::string_view tableFamilyFor(std::string_view requested);

// The grid of `row` at `size`, computed as cairo computes it (its vertical
// scale is the matrix's determinant over its horizontal scale).
FigureMetrics tableMetrics(const FontMetricRow& row, double size);

}  // namespace hueset
