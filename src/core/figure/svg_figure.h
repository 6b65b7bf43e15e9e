#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "figure/figure_cells.h"
#include "figure/figure_font.h"
#include "figure/figure_page.h"
#include "groupings/grouping_set.h"

namespace hueset {

// A number as an SVG attribute takes it in any locale: two decimals, a
// hundredth of a point, without trailing zeros.
void appendSvgNumber(std::string& out, double value);

// The page as an SVG document in points. cairo's SVG output turns glyphs
// into outlines; this one keeps text as <text>, one element per line, each
// piece of characters in cells side by side placed on the grid by the x of
// its first, which every viewer honours (a list of x positions librsvg
// ignores). Backgrounds are <rect>s of whole cells.
std::string svgFigure(const FigurePage& page, const std::vector<ResidueFormat>& styles,
                      const FigureFont& font, const FigureMetrics& metrics);

// The same document made line by line, so a figure of any size is written
// in bounded memory. Its size comes first in the file but is known only at
// the end, and its backgrounds come ordered by colour before all text: what
// is made meanwhile waits in unnamed temporary files (in memory only when
// none can be made), and each line is dropped once added.
class SvgFigureStream {
 public:
  SvgFigureStream(std::vector<ResidueFormat> styles, const FigureFont& font,
                  const FigureMetrics& metrics, double margin);
  ~SvgFigureStream();
  SvgFigureStream(const SvgFigureStream&) = delete;
  SvgFigureStream& operator=(const SvgFigureStream&) = delete;

  // Lines in order down the page, each with its top set.
  void addLine(const FigureLine& line);
  // Appends the whole document to `out`, calling `drain` whenever a piece
  // has been added; an error text when a temporary file failed.
  std::string finish(double width, double height, std::string& out,
                     const std::function<void()>& drain);

  class Spool;

 private:
  struct Span : BackgroundSpan {
    std::size_t bucket = 0;  // the rectangle: its colour's spool and place there
    std::size_t index = 0;
    double height = 0;
  };
  struct Bucket;
  void closeSpan(const Span& span);

  std::vector<ResidueFormat> m_styles;
  const FigureFont& m_font;
  FigureMetrics m_metrics;
  double m_margin;
  std::vector<Bucket> m_buckets;  // by colour, ascending
  std::vector<Span> m_above;      // the spans of the last line added
  double m_aboveBottom = -1;
  std::unique_ptr<Spool> m_text;
};

}  // namespace hueset
