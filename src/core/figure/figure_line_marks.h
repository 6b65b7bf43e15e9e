#pragma once

#include <vector>

#include "groupings/grouping_set.h"

namespace hueset {

// A filled outline drawn over a line: a conservation bar, a mark, a side
// of a frame. Its corners in points, x from the line's first cell and y
// from the line's top, as x0, y0, x1, y1, ...
struct FigureShape {
  Colour colour = 0;
  std::vector<double> corners;

  bool operator==(const FigureShape&) const = default;
};

// A letter stretched to fill a box: a sequence logo's. In points, x from
// the line's first cell and y from its top.
struct FigureGlyph {
  char letter = 0;
  Colour colour = 0;
  double left = 0;
  double bottom = 0;
  double width = 0;
  double height = 0;

  bool operator==(const FigureGlyph&) const = default;
};

// A frame's stretch of a line, in cells from the line's start.
struct FigureFrameSpan {
  double left = 0;
  double right = 0;

  bool operator==(const FigureFrameSpan&) const = default;
};

// What a line draws beside its text.
struct FigureLineMarks {
  std::vector<FigureShape> shapes;
  std::vector<FigureGlyph> glyphs;
  // Turned into shapes when the block is complete (see closeFrames).
  std::vector<FigureFrameSpan> frames;
};

}  // namespace hueset
