#pragma once

#include <array>
#include <string>

#include "figure/cairo_handles.h"

namespace hueset {

// The faces of one font family in the four forms a residue format can ask
// for, found through fontconfig. Where the family asked for is not
// installed, fontconfig's metric-compatible alias stands in for it (Courier
// New -> Liberation Mono), and failing that the default monospaced font.
struct FigureFont {
  std::string requested;  // the groupings' font
  std::string family;     // the family actually drawn with (and embedded)
  // Indexed by faceIndex(bold, italic).
  std::array<CairoFontFace, 4> faces;

  bool substituted() const;
  cairo_font_face_t* face(bool bold, bool italic) const {
    return faces[faceIndex(bold, italic)].get();
  }
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

}  // namespace hueset
