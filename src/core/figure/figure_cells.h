#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "figure/figure_font.h"
#include "figure/figure_page.h"
#include "groupings/grouping_set.h"
#include "util/utf8_text.h"

namespace hueset {

// What every figure form takes from a page's grid of cells, without drawing
// anything: the backgrounds as rectangles of whole cells, the characters a
// run draws, and the limits of a picture.

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
