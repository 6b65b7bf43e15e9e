#pragma once

#include <array>
#include <string>
#include <vector>

#include "figure/cairo_handles.h"
#include "figure/figure_font.h"
#include "figure/figure_page.h"
#include "groupings/grouping_set.h"

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
  FigurePainter(const FigureFont& font, const FigureMetrics& metrics,
                std::vector<ResidueFormat> styles);

  // `paintGround` fills the page with the "Default" background first;
  // without it, cells of that colour stay transparent.
  void drawPage(cairo_t* cr, const FigurePage& page, bool paintGround) const;

 private:
  struct Face {
    CairoScaledFont font;
    std::array<unsigned long, 256> glyphs{};  // glyph index of each byte
  };
  void drawText(cairo_t* cr, const FigurePage& page) const;

  FigureMetrics m_metrics;
  std::vector<ResidueFormat> m_styles;
  std::array<Face, 4> m_faces;
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

// The page as a PNG of whole pixels (the page is in pixels), recording
// `dpi` in the file so applications place it at its intended size. An error
// text when the picture would be too large or cairo fails.
std::string renderPng(const FigurePage& page, const FigurePainter& painter, bool paintGround,
                      int dpi, std::string& out);

// The largest PNG made, in pixels a side and in all.
inline constexpr double kLargestPngSide = 32767;
inline constexpr double kLargestPngArea = 250e6;

// Why a picture of `width` by `height` pixels made at `dpi` is no PNG, with
// what to do instead: a resolution at which it fits, when one down to
// `lowestDpi` does, else a PDF, SVG or paper pages. Empty when it fits.
std::string pngSizeProblem(double width, double height, int dpi, int lowestDpi);

// A byte (taken as Latin-1, as the layout's cells are) as UTF-8.
void appendLatin1AsUtf8(std::string& out, unsigned char byte);
// Control bytes and blanks draw nothing.
inline bool drawsNothing(unsigned char byte) {
  return byte <= 0x20 || byte == 0x7F || (byte >= 0x80 && byte < 0xA0);
}

}  // namespace hueset
