#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "annotate/annotation_writer.h"
#include "annotate/figure_legend.h"
#include "annotate/output_kind.h"
#include "figure/figure_font.h"
#include "figure/figure_mark_rows.h"
#include "figure/figure_page.h"
#include "figure/structure_line.h"
#include "settings/options.h"

namespace hueset {

struct FigureSettings {
  FigurePaper paper = FigurePaper::Content;
  bool landscape = false;
  int dpi = 300;                       // PNG and TIFF only
  bool transparentBackground = false;  // PNG and TIFF only
  bool cmyk = false;                   // TIFF only
  // A figure of more cells than this is not made (a problem says so), and
  // its lines are not kept; 0 is no limit. For pictures made on the side.
  std::size_t cellLimit = 0;
  // In points. Without paper the figure is this wide, margins included; on
  // paper its lines are at most this wide. 0: as wide as the content (or
  // the paper's printable width).
  double width = 0;
  double minimumFontSize = 6;          // points: how far a set width may shrink the type
  std::string title;                   // above the figure; empty: none
  std::optional<FigureLegend> legend;  // under the figure; none: no legend
  // Secondary-structure rows as shapes; none: as letters.
  std::optional<StructureGlyphStyle> structure = StructureGlyphStyle{};
};

FigureSettings figureSettings(const FigureOptions& options);
// The same with the layout's width, type sizes, title, legend and colour
// model.
FigureSettings figureSettings(const Options& options, const GroupingSet& groupings);

class PdfDocument;
class SvgFigureStream;

// The writer of print-ready figures. The layout's lines become a grid of
// cells in the groupings' font: backgrounds are filled rectangles exactly on
// the grid, a whole number of cells wide and lines high, so coloured columns
// form unbroken bands; text stays text, each glyph placed in its cell.
//
// Lines are gathered block by block; a block goes on the current page when
// it fits, else on a new page (a block taller than a page is split between
// lines). A PDF page is written out as soon as it is full, and an SVG line
// as soon as it is placed, so any alignment is drawn in bounded memory. A
// PNG is a picture made when its page is full; one too large is refused
// before its layout. On paper, a figure has the paper's size and margins,
// and a PNG or SVG is a document a page (see writesPages); without, it is
// one page as large as its content plus a thin margin.
class FigureWriter : public AnnotationWriter {
 public:
  // `form` is one of the figure kinds: PDF, SVG or PNG.
  FigureWriter(OutputKind form, std::int32_t fontSize, const std::string& fontName,
               FigureSettings settings);
  ~FigureWriter() override;

  void newLine() override;
  void setSeparator() override;
  void blockEnd() override;
  OutputKind clipboardFormat(int) const override { return m_form; }
  bool drawsFigure() const override { return true; }
  bool writesPages() const override;
  void streamPagesTo(PageStreams open) override { m_pageStreams = std::move(open); }
  std::string fileText() const override;
  int pageLineCharacters() const override;
  std::string fitTypeToWidth(std::size_t wantedCells, std::size_t leastCells,
                             bool wrapFixed) override;
  std::string problem() const override { return m_problem; }
  // A figure over its cell limit, or a PNG too large, is refused whatever
  // follows.
  bool takesMore() const override { return !overLimit(); }
  void layoutStarting(const AnnotatedAlignment& annotated) override;

  void lineStarting(const LineContent& content) override;

  // The font drawn with, which may stand in for the groupings' font.
  const FigureFont& font() const { return m_font; }
  // The grid and the space around the content as drawn: in points, in
  // pixels for a PNG. Every kind lays out in points with the same metrics,
  // so a PNG is its PDF's size at its resolution.
  const FigureMetrics& metrics() const { return m_drawnMetrics; }
  double margin() const { return marginPoints() * m_pixelsPerPoint; }
  // The size of the type drawn with, in points.
  double fontPoints() const { return m_metrics.fontSize; }

 protected:
  void flushRun() override;
  void beginDocument() override;
  void endDocument() override;

 private:
  // Drawn on pixels (PNG, TIFF) rather than as vectors.
  bool isPicture() const { return m_form == OutputKind::Png || m_form == OutputKind::Tiff; }
  double marginPoints() const;
  // How wide a line may be, in points; 0 for any width.
  double lineWidthLimit() const;
  void setFontPoints(double size);
  // The title, then a blank line, above the first block.
  void placeTitle();
  void placeLegend();
  bool breaksBefore(std::size_t column) const;
  void endLine(double gapAfter);
  // Puts `line` on the page at the cursor, with `gapAfter` below it.
  void placeLine(FigureLine line, double gapAfter);
  // How many lines of the pending block go on each page, rulers repeated
  // on the pages after the first included.
  std::size_t linesPerPage(double height, std::size_t rulers) const;
  void placePending();
  void finishPage();
  void startPage();
  double pageContentLimit() const;
  bool overLimit() const;
  void fail(std::string why);

  OutputKind m_form;
  FigureSettings m_settings;
  FigureFont m_font;
  double m_pixelsPerPoint = 1;                // PNG only
  FigureMetrics m_metrics;                    // in points
  FigureMetrics m_drawnMetrics;               // in what the figure is drawn in
  std::vector<std::int32_t> m_columnNumbers;  // the layout's, see AnnotatedAlignment
  FigureMarkRows m_markRows;
  StructureLines m_structureLines{nullptr};

  FigureLine m_line;                  // the line being filled
  std::vector<FigureLine> m_pending;  // the block being gathered
  std::vector<double> m_pendingGaps;  // extra space after each pending line
  FigurePage m_page;                  // the page being filled
  double m_cursor = 0;                // used height of the page
  bool m_blockGap = false;            // a block ended: leave two lines before the next
  int m_pagesWritten = 0;
  std::size_t m_titleLines = 0;  // the title's lines at the top of the first page
  std::size_t m_cells = 0;
  std::size_t m_widest = 0;      // the widest line of the page, in cells
  std::size_t m_widestEver = 0;  // the widest line of the figure, in cells
  std::size_t m_pageLines = 0;   // lines placed on the page
  PageStreams m_pageStreams;
  std::string m_firstPage;  // without page streams, a paged writer's first page
#ifndef HUESET_FIGURE_FONT_TABLE
  std::unique_ptr<PdfDocument> m_pdf;  // without cairo, only SVG is made
#endif
  std::unique_ptr<SvgFigureStream> m_svg;
  std::string m_tooLarge;  // why the figure is refused before its layout
  std::string m_problem;
};

}  // namespace hueset
