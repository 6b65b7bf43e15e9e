#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "annotate/structure_glyphs.h"
#include "figure/figure_line_marks.h"
#include "settings/options.h"

namespace hueset {

// One run of text in one style, starting at a cell of the line's grid.
struct FigureRun {
  int style = 0;
  std::size_t column = 0;
  std::string text;  // one byte per cell
};

struct FigureLine {
  std::vector<FigureRun> runs;
  std::size_t cells = 0;  // the line's width in cells
  double top = 0;         // from the top of the page's content area
  // Where columns were elided between two that the line shows, in cells
  // from the line's start: a break mark is drawn there across the line.
  std::vector<double> breaks;
  bool ruler = false;  // a ruler line, repeated where its block goes on a new page
  // Bars, marks and frames drawn over the text.
  FigureLineMarks marks;
  // A secondary-structure row's shapes, drawn in place of its cells.
  LineGlyphs glyphs;
};

// A break mark's width, in cells.
inline constexpr double kBreakWidth = 0.15;

// A finished page: its size and its lines, in the writer's units.
struct FigurePage {
  double width = 0;
  double height = 0;
  double margin = 0;
  std::vector<FigureLine> lines;
};

// Width and height in points (1/72 inch) of a paper, turned when landscape;
// none (0 x 0) for FigurePaper::Content.
struct PaperSize {
  double width = 0;
  double height = 0;
};
PaperSize paperSize(FigurePaper paper, bool landscape);

// Margins in points: a paper's printable area, or a thin frame around a
// figure that is just as large as its content.
inline constexpr double kPaperMargin = 36;   // half an inch
inline constexpr double kContentMargin = 6;  // a twelfth of an inch
// The tallest page PDF readers accept (200 inches); a figure as large as its
// content continues on a new page below that.
inline constexpr double kTallestPdfPage = 14400;

}  // namespace hueset
