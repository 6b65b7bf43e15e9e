#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "figure/cairo_handles.h"
#include "figure/figure_font.h"
#include "figure/figure_page.h"
#include "groupings/grouping_set.h"
#include "util/utf8_text.h"

namespace hueset {

// A background rectangle in whole cells: runs of one colour side by side are
// joined along the line, and equal spans on the lines below it down the
// page, so a coloured column is one unbroken band.
struct FigureRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  Colour colour = 0;
};

// A line's run of cells [first, end) on one background other than the
// ground; neighbouring runs of one colour are one span.
struct BackgroundSpan {
  std::size_t first = 0;
  std::size_t end = 0;
  Colour colour = 0;
};
std::vector<BackgroundSpan> backgroundSpans(const FigureLine& line,
                                            const std::vector<ResidueFormat>& styles);

// The page's backgrounds, leaving out the "Default" background (the
// ground), ordered by colour so each colour is filled once.
std::vector<FigureRect> backgroundRects(const FigurePage& page,
                                        const std::vector<ResidueFormat>& styles,
                                        const FigureMetrics& metrics);

// Draws finished pages with cairo: the ground, then every run's background
// as a rectangle of whole cells, then the text glyph by glyph on the grid,
// with the text kept beside the glyphs so a PDF reader can select and find it.
class FigurePainter {
 public:
  // The page is drawn in points; `deviceScale` is what a point is on the
  // surface (pixels a point for a PNG), so the glyphs are made for it.
  FigurePainter(const FigureFont& font, const FigureMetrics& metrics,
                std::vector<ResidueFormat> styles, double deviceScale = 1);

  // `paintGround` fills the page with the "Default" background first;
  // without it, cells of that colour stay transparent. On pixels, the
  // backgrounds' edges are put on whole pixels, so neighbours meet without
  // a seam.
  void drawPage(cairo_t* cr, const FigurePage& page, bool paintGround, bool onPixels = false) const;

 private:
  struct Face {
    CairoScaledFont font;
    std::array<unsigned long, 256> glyphs{};  // glyph index of each byte
  };
  static unsigned long glyphOf(const Face& face, std::string_view utf8);
  void drawText(cairo_t* cr, const FigurePage& page) const;
  void drawBreaks(cairo_t* cr, const FigurePage& page) const;

  FigureMetrics m_metrics;
  std::vector<ResidueFormat> m_styles;
  std::array<Face, 4> m_faces;
  cairo_font_face_t* m_labelFace =
      nullptr;  // the structure labels' (the font's, which outlives this)
};

// A PDF written page by page into `out` as cairo produces it.
class PdfDocument {
 public:
  // `subject` goes into the document's information (which font was embedded).
  PdfDocument(std::string& out, const std::string& subject);
  void addPage(const FigurePage& page, const FigurePainter& painter);
  // Writes the fonts and the trailer; an error text when cairo failed.
  std::string finish();

 private:
  CairoSurface m_surface;
  CairoContext m_context;
};

// The page (in points) as a PNG of whole pixels at `dpi`, recording `dpi` in
// the file so applications place it at its intended size: the picture is
// the page's size, rounded up to whole pixels. An error text when the
// picture would be too large or cairo fails.
std::string renderPng(const FigurePage& page, const FigurePainter& painter, bool paintGround,
                      int dpi, std::string& out);

// The same picture as renderPng's as a TIFF: LZW-compressed, its resolution
// tags set, in RGB (with alpha when the ground is not painted) or in CMYK
// for print.
std::string renderTiff(const FigurePage& page, const FigurePainter& painter, bool paintGround,
                       int dpi, bool cmyk, std::string& out);

// The page (in points) as an Encapsulated PostScript picture: its bounding
// box the page, its fonts embedded. An error text when cairo fails.
std::string renderEps(const FigurePage& page, const FigurePainter& painter, std::string& out);

// The largest PNG made, in pixels a side and in all.
inline constexpr double kLargestPngSide = 32767;
inline constexpr double kLargestPngArea = 250e6;

// Why a picture of `width` by `height` pixels made at `dpi` is no PNG, with
// what to do instead: a resolution at which it fits, when one down to
// `lowestDpi` does, else a PDF, SVG or paper pages. Empty when it fits.
std::string pngSizeProblem(double width, double height, int dpi, int lowestDpi,
                           std::string_view kind = "PNG");

// A byte (taken as Latin-1, as the layout's cells are) as UTF-8.
void appendLatin1AsUtf8(std::string& out, unsigned char byte);
// Control characters and blanks draw nothing.
inline bool drawsNothing(std::uint32_t code) {
  return code <= 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0);
}

// A character a run draws, in the run's `cell`.
struct DrawnCharacter {
  std::size_t cell;
  std::uint32_t code;
};
// The characters of a run's text, one byte a cell: a well-formed UTF-8
// sequence is one character, any other byte a Latin-1 one. A character
// after a UTF-8 one moves left by the bytes it took beyond its cell, until
// a blank, so that a name reads as written and what follows it keeps its
// column.
template <typename Take>
void forEachDrawn(std::string_view text, Take take) {
  std::size_t shift = 0;
  for (std::size_t k = 0; k < text.size();) {
    std::uint32_t code = static_cast<unsigned char>(text[k]);
    std::size_t n = code < 0x80 ? 1 : utf8SequenceLength(text, k, &code);
    if (n == 0) {
      code = static_cast<unsigned char>(text[k]);
      n = 1;
    }
    if (drawsNothing(code)) {
      shift = 0;
    } else {
      take(DrawnCharacter{k - shift, code});
    }
    shift += n - 1;
    k += n;
  }
}

}  // namespace hueset
