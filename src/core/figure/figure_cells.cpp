#include "figure/figure_cells.h"

#include <algorithm>
#include <cmath>

namespace hueset {

void appendLatin1AsUtf8(std::string& out, unsigned char byte) {
  if (byte < 0x80) {
    out.push_back(static_cast<char>(byte));
  } else {
    out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
    out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
  }
}

std::vector<BackgroundSpan> backgroundSpans(const FigureLine& line,
                                            const std::vector<ResidueFormat>& styles) {
  const Colour ground = styles.empty() ? 0xFFFFFFu : styles.front().backColour;
  std::vector<BackgroundSpan> spans;
  for (const FigureRun& run : line.runs) {
    const Colour colour = static_cast<std::size_t>(run.style) < styles.size()
                              ? styles[static_cast<std::size_t>(run.style)].backColour
                              : ground;
    if (colour == ground || run.text.empty()) continue;
    const std::size_t end = run.column + run.text.size();
    if (!spans.empty() && spans.back().end == run.column && spans.back().colour == colour) {
      spans.back().end = end;
    } else {
      spans.push_back({run.column, end, colour});
    }
  }
  return spans;
}

std::vector<FigureRect> backgroundRects(const FigurePage& page,
                                        const std::vector<ResidueFormat>& styles,
                                        const FigureMetrics& metrics) {
  struct Span : BackgroundSpan {
    std::size_t rect = 0;  // its rectangle in `rects`
  };
  std::vector<FigureRect> rects;
  std::vector<Span> above;  // the spans of the line above, when it touches this one
  double aboveBottom = -1;
  for (const FigureLine& line : page.lines) {
    std::vector<Span> spans;
    for (const BackgroundSpan& span : backgroundSpans(line, styles)) spans.push_back({span});
    const double top = page.margin + line.top;
    const bool touches = std::abs(top - aboveBottom) < 1e-6;
    std::size_t a = 0;
    for (Span& span : spans) {
      // Both lists run left to right: walk them together.
      while (touches && a < above.size() && above[a].first < span.first) ++a;
      if (touches && a < above.size() && above[a].first == span.first && above[a].end == span.end &&
          above[a].colour == span.colour) {
        span.rect = above[a].rect;
        rects[span.rect].height += metrics.lineHeight;
      } else {
        span.rect = rects.size();
        rects.push_back({page.margin + static_cast<double>(span.first) * metrics.cellWidth, top,
                         static_cast<double>(span.end - span.first) * metrics.cellWidth,
                         metrics.lineHeight, span.colour});
      }
    }
    above = std::move(spans);
    aboveBottom = top + metrics.lineHeight;
  }
  std::stable_sort(rects.begin(), rects.end(),
                   [](const FigureRect& l, const FigureRect& r) { return l.colour < r.colour; });
  return rects;
}

std::string pngSizeProblem(double width, double height, int dpi, int lowestDpi,
                           std::string_view kind) {
  if (width <= kLargestPngSide && height <= kLargestPngSide && width * height <= kLargestPngArea)
    return {};
  // The picture grows with the resolution in both directions.
  const double scale = std::min({kLargestPngSide / width, kLargestPngSide / height,
                                 std::sqrt(kLargestPngArea / (width * height))});
  // One dot less, for the margins and glyphs that round up.
  const int fitting = static_cast<int>(std::floor(dpi * scale)) - 1;
  std::string text = "The picture would be " + std::to_string(static_cast<long long>(width)) +
                     " x " + std::to_string(static_cast<long long>(height)) +
                     " pixels, more than a " + std::string(kind) + " is made for";
  if (fitting >= lowestDpi && fitting < dpi) {
    return text + ": lower the " + std::string(kind) + " resolution to " + std::to_string(fitting) +
           " dpi or less, or write a PDF or SVG instead";
  }
  return text +
         " at any resolution: write a PDF instead, which can lay it out on pages of a "
         "paper size, or an SVG";
}

}  // namespace hueset
