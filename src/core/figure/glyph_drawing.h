#pragma once

#include <string>

#include "figure/figure_font.h"
#include "figure/figure_page.h"
#include "groupings/grouping_set.h"

#ifndef HUESET_FIGURE_FONT_TABLE
#include "figure/cairo_handles.h"
#endif

namespace hueset {

#ifndef HUESET_FIGURE_FONT_TABLE
// The secondary-structure shapes of a page's lines (see LineGlyphs), in
// `colour`, their labels in `face`.
void drawLineGlyphs(cairo_t* cr, const FigurePage& page, const FigureMetrics& metrics,
                    Colour colour, cairo_font_face_t* face);
#endif

// The same shapes of one line as SVG elements, placed as the page's margin
// and the line's top put them.
void appendSvgGlyphs(std::string& out, const FigureLine& line, double margin,
                     const FigureMetrics& metrics, const std::string& colour);

}  // namespace hueset
