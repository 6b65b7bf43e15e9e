// The figure font of a build without cairo: the family fontconfig would
// choose and its measurements, from the table (font_metric_table.h).
#include <string_view>

#include "figure/figure_font.h"
#include "figure/font_metric_table.h"
#include "util/text_format.h"

namespace hueset {

bool FigureFont::substituted() const { return lowerAscii(requested) != lowerAscii(family); }

FigureFont findFigureFont(const std::string& family) {
  FigureFont font;
  font.requested = family;
  font.metrics = fontMetricRow(tableFamilyFor(family));
  font.family = font.metrics ? std::string(font.metrics->family) : std::string("monospace");
  return font;
}

FigureMetrics measureFigureFont(const FigureFont& font, double size) {
  if (font.metrics) return tableMetrics(*font.metrics, size);
  FigureMetrics metrics;
  metrics.fontSize = size;
  metrics.cellWidth = size * 0.6;
  metrics.lineHeight = size * 1.2;
  metrics.ascent = size;
  return metrics;
}

std::optional<std::array<LetterInk, 26>> boldLetterInks(const FigureFont& font) {
  if (!font.metrics) return std::nullopt;
  return font.metrics->boldInks;
}

}  // namespace hueset
