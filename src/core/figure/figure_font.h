#pragma once

#include <array>
#include <optional>
#include <string>

#ifndef HUESET_FIGURE_FONT_TABLE
#include "figure/cairo_handles.h"
#endif

namespace hueset {

// The faces of one font family in the four forms a residue format can ask
// for, found through fontconfig. Where the family asked for is not
// installed, fontconfig's metric-compatible alias stands in for it (Courier
// New -> Liberation Mono), and failing that the default monospaced font.
// Built without cairo (HUESET_FIGURE_FONT_TABLE), the font is only
// measured, from the table in font_metric_table.h.
struct FontMetricRow;
struct LetterInk;

struct FigureFont {
  std::string requested;  // the groupings' font
  std::string family;     // the family actually drawn with (and embedded)
#ifdef HUESET_FIGURE_FONT_TABLE
  const FontMetricRow* metrics = nullptr;
#else
  // Indexed by faceIndex(bold, italic).
  std::array<CairoFontFace, 4> faces;
  cairo_font_face_t* face(bool bold, bool italic) const {
    return faces[faceIndex(bold, italic)].get();
  }
#endif

  bool substituted() const;
  static std::size_t faceIndex(bool bold, bool italic) {
    return (bold ? 1u : 0u) + (italic ? 2u : 0u);
  }
};

FigureFont findFigureFont(const std::string& family);

// The cell of a fixed-width grid for text of `size` user units in `font`:
// the widest advance of the letters, digits and brackets, and the line's
// ascent and descent. Lines touch, so backgrounds form unbroken bands.
struct FigureMetrics {
  double fontSize = 0;
  double cellWidth = 0;
  double ascent = 0;
  double lineHeight = 0;
};

FigureMetrics measureFigureFont(const FigureFont& font, double size);

// The ink boxes of the letters A to Z in the bold face at 100 units, which
// a sequence logo's letters are stretched by; none without a bold face.
std::optional<std::array<LetterInk, 26>> boldLetterInks(const FigureFont& font);

}  // namespace hueset
