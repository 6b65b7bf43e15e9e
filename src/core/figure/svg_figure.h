#pragma once

#include <string>
#include <vector>

#include "figure/figure_font.h"
#include "figure/figure_page.h"
#include "groupings/grouping_set.h"

namespace hueset {

// The page as an SVG document in points. cairo's SVG output turns glyphs
// into outlines; this one keeps text as <text>, one element per line, with
// every character placed on the grid by its own x, so the columns line up
// whatever font a viewer substitutes. Backgrounds are <rect>s of whole cells.
std::string svgFigure(const FigurePage& page, const std::vector<ResidueFormat>& styles,
                      const FigureFont& font, const FigureMetrics& metrics);

}  // namespace hueset
