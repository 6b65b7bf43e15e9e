#pragma once

#include <string>
#include <vector>

#include "annotate/annotation_writer.h"
#include "annotate/column_marks.h"
#include "figure/figure_font.h"
#include "figure/figure_page.h"

#ifndef HUESET_FIGURE_FONT_TABLE
#include "figure/cairo_handles.h"
#endif

namespace hueset {

struct AnnotatedAlignment;

// What a figure draws for the rows beside the alignment: the bars of the
// conservation rows, the shapes of the marks and the frames, found from the
// columns each line shows.
class FigureMarkRows {
 public:
  // Kept from the layout, which lives no longer than its call.
  void start(const AnnotatedAlignment& annotated, Colour ink);
  // The shapes and frame spans of a line about to be filled.
  void addTo(FigureLineMarks& marks, const LineContent& content,
             const FigureMetrics& metrics) const;
  bool any() const {
    return !m_rows.frames.empty() || !m_rows.markSymbols.empty() || m_bars ||
           m_rows.referenceSet >= 0 || !m_logoRow.empty();
  }

 private:
  void addLogo(FigureLineMarks& marks, const LineContent& content, const FigureMetrics& metrics,
               double x, std::size_t column) const;

  ColumnRows m_rows;
  std::vector<std::size_t> m_conservationRow;  // per set, the extra row of its bars
  std::vector<std::size_t> m_logoRow;          // per set, the first extra row of its logo
  Colour m_ink = 0;
  bool m_bars = false;
};

// Draws the frames of a complete block: a side down each framed line (and
// through the gap after it, up to the last), the top over the first and
// the bottom under the last.
void closeFrames(std::vector<FigureLine>& block, const std::vector<double>& gapsAfter,
                 const FigureMetrics& metrics, Colour ink);

#ifndef HUESET_FIGURE_FONT_TABLE
// The shapes of a page's lines, drawn over their text, and the glyphs in
// `face`.
void drawLineShapes(cairo_t* cr, const FigurePage& page, cairo_font_face_t* face);
#endif
// The same shapes of one line as SVG paths, the line's top at `top`, and
// its glyphs as text in `font`'s bold face (the family the SVG names).
std::string svgLineShapes(const FigureLine& line, double margin, double top,
                          const FigureFont& font);

}  // namespace hueset
