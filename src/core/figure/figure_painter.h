#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "figure/cairo_handles.h"
#include "figure/figure_cells.h"
#include "figure/figure_font.h"
#include "figure/figure_page.h"
#include "groupings/grouping_set.h"

namespace hueset {

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

}  // namespace hueset
