#include "preview/preview_overview.h"

#include <algorithm>
#include <cmath>

namespace hueset {
namespace {

// The strip's ends: a column nobody agrees on, and one everybody does.
constexpr Colour kReachedLow = rgb(0x9E, 0xCA, 0xE1);
constexpr Colour kReachedHigh = rgb(0x08, 0x30, 0x6B);
constexpr Colour kUnreachedLow = rgb(0xF4, 0xF4, 0xF4);
constexpr Colour kUnreachedHigh = rgb(0x8C, 0x8C, 0x8C);
constexpr Colour kStandIn = rgb(0xFF, 0xFF, 0xFF);

unsigned blend(unsigned low, unsigned high, double share) {
  return static_cast<unsigned>(std::lround(low + (static_cast<double>(high) - low) * share));
}

Colour between(Colour low, Colour high, double share) {
  share = std::clamp(share, 0.0, 1.0);
  return rgb(blend(redOf(low), redOf(high), share), blend(greenOf(low), greenOf(high), share),
             blend(blueOf(low), blueOf(high), share));
}

}  // namespace

PreviewOverview previewOverview(const PreviewDocument& document) {
  PreviewOverview overview;
  std::size_t length = 0;
  for (const ColumnStatistics& set : document.statistics) {
    length = std::max(length, set.columns.size());
  }
  overview.columns.resize(length);
  if (!document.statistics.empty())
    overview.threshold = document.statistics.front().threshold / 1000.0;
  for (std::size_t c = 0; c < length; ++c) {
    OverviewColumn& column = overview.columns[c];
    column.conservation.reached = true;
    column.alignmentColumn = document.columnNumber(c);
    column.conservation.shown = column.alignmentColumn != 0;
  }
  for (const ColumnStatistics& set : document.statistics) {
    const std::vector<ColumnConservation> shares = columnConservation(set, document.columnNumbers);
    for (std::size_t c = 0; c < shares.size(); ++c) {
      ColumnConservation& sum = overview.columns[c].conservation;
      sum.agreeing += shares[c].agreeing;
      sum.counted += shares[c].counted;
      // Reached only where every set reached it.
      sum.reached = sum.reached && shares[c].reached;
    }
  }
  // A stand-in goes to the first column it stands for.
  std::int32_t shownBefore = 0;
  for (OverviewColumn& column : overview.columns) {
    if (column.alignmentColumn == 0) {
      column.alignmentColumn = shownBefore + 1;
    } else {
      shownBefore = column.alignmentColumn;
    }
  }
  return overview;
}

Colour overviewColour(const ColumnConservation& column, double threshold) {
  if (!column.shown) return kStandIn;
  const double share = column.share();
  if (column.reached) {
    return between(kReachedLow, kReachedHigh,
                   threshold < 1 ? (share - threshold) / (1 - threshold) : 1.0);
  }
  return between(kUnreachedLow, kUnreachedHigh, threshold > 0 ? share / threshold : 0.0);
}

std::vector<Colour> overviewPixels(const PreviewOverview& overview, std::size_t width) {
  std::vector<Colour> pixels;
  const std::size_t count = overview.columns.size();
  if (count == 0 || width == 0) return pixels;
  pixels.reserve(width);
  for (std::size_t x = 0; x < width; ++x) {
    // Columns [first, end) fall on pixel x; at least the one under it.
    const std::size_t first = x * count / width;
    const std::size_t end = std::max(first + 1, (x + 1) * count / width);
    ColumnConservation together;
    std::size_t reached = 0;
    std::size_t shown = 0;
    for (std::size_t c = first; c < end; ++c) {
      const ColumnConservation& one = overview.columns[c].conservation;
      if (!one.shown) continue;
      ++shown;
      together.agreeing += one.agreeing;
      together.counted += one.counted;
      reached += one.reached ? 1 : 0;
    }
    together.shown = shown > 0;
    together.reached = 2 * reached >= shown;
    pixels.push_back(overviewColour(together, overview.threshold));
  }
  return pixels;
}

std::size_t overviewColumnAt(double x, double width, std::size_t count) {
  if (count == 0 || width <= 0) return 0;
  const double at = std::floor(x / width * static_cast<double>(count));
  return static_cast<std::size_t>(std::clamp(at, 0.0, static_cast<double>(count - 1)));
}

namespace {

// The column of cell `offset` after a line's first cell, where a blank
// follows every `group` columns; a blank counts with the column after it.
std::size_t columnOfCell(std::size_t offset, std::size_t group) {
  return offset / (group + 1) * group + std::min(offset % (group + 1), group);
}

}  // namespace

ColumnSpan columnsInView(const PreviewModel& model, double left, double top, double width,
                         double height) {
  ColumnSpan span{static_cast<std::size_t>(-1), 0};
  const PreviewDocument* document = model.document().get();
  const CellSize cell = model.cellSize();
  if (!document || cell.width <= 0 || width <= 0) return {};
  const double firstCharacter = std::max(0.0, std::floor(left / cell.width));
  const double endCharacter = std::max(0.0, std::ceil((left + width) / cell.width));
  const auto [firstLine, endLine] = model.linesBetween(top, top + height);
  for (std::size_t line = firstLine; line < endLine; ++line) {
    const PreviewLine& l = document->lines[line];
    if (!l.hasContent || l.content.columns == 0) continue;
    const auto cells = static_cast<double>(l.content.firstCell);
    if (endCharacter <= cells) continue;
    const std::size_t group = std::max<std::uint32_t>(l.content.groupWidth, 1);
    const auto from = static_cast<std::size_t>(std::max(0.0, firstCharacter - cells));
    const auto to = static_cast<std::size_t>(endCharacter - cells);
    const std::size_t firstColumn =
        std::min<std::size_t>(columnOfCell(from, group), l.content.columns);
    const std::size_t endColumn = std::min<std::size_t>(columnOfCell(to, group), l.content.columns);
    if (endColumn <= firstColumn) continue;
    span.first = std::min<std::size_t>(span.first, l.content.firstColumn + firstColumn);
    span.end = std::max<std::size_t>(span.end, l.content.firstColumn + endColumn);
  }
  return span.empty() ? ColumnSpan{} : span;
}

}  // namespace hueset
