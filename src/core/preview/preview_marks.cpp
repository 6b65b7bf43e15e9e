#include "preview/preview_marks.h"

#include <algorithm>
#include <cmath>

#include "annotate/column_marks.h"
#include "annotate/sequence_logo.h"

namespace hueset {
namespace {

PaintShape box(Colour colour, double left, double top, double right, double bottom) {
  return {colour, {left, top, right, top, right, bottom, left, bottom}};
}

// A mark centred in the cell at `x`, the line's top at `y`.
PaintShape markShape(MarkSymbol symbol, double x, double y, CellSize cell, Colour ink) {
  const double half = cell.width * 0.42;
  const double middle = y + cell.height * 0.55;
  const double centre = x + cell.width / 2;
  return PaintShape{ink, markCorners(symbol, centre, middle, half)};
}

bool isFramed(const PreviewDocument& d, std::size_t line) {
  const PreviewLine& l = d.lines[line];
  return l.hasContent && l.content.kind != LineContent::Kind::Ruler && !d.columnRows.frames.empty();
}

// Whether line `other` belongs to the block of `line` and is framed at
// layout column `p` by the same frame.
bool framedAlike(const PreviewDocument& d, std::size_t line, std::size_t other, std::size_t p) {
  if (other >= d.lines.size() || !isFramed(d, other)) return false;
  const LineContent& a = d.lines[line].content;
  const LineContent& b = d.lines[other].content;
  return a.firstColumn == b.firstColumn && p >= b.firstColumn && p < b.firstColumn + b.columns;
}

struct LineCells {
  const LineContent& content;
  CellSize cell;
  double x(std::size_t k) const {
    const std::size_t group = std::max<std::uint32_t>(content.groupWidth, 1);
    const std::size_t groupsBefore = k / group;  // each adds a blank cell
    return static_cast<double>(content.firstCell + k + groupsBefore) * cell.width;
  }
};

void addLogoColumn(const PreviewDocument& d, const LineContent& content, std::size_t p, double x,
                   double top, CellSize cell, PaintList& list) {
  const auto& logo = d.columnRows.logo[content.set];
  if (p >= logo.size()) return;
  const double height = cell.height * (kLogoLines - 2 * (1 - kBarBottom));
  double bottom = top + cell.height * (kLogoLines - (1 - kBarBottom));
  for (const LogoLetter& letter : logo[p].letters) {
    const double tall = height * letter.bits / kLogoMostBits;
    if (letter.letter >= 'A' && letter.letter <= 'Z') {
      list.letters.push_back(
          {letter.letter, d.columnRows.letterColours[static_cast<std::size_t>(letter.letter - 'A')],
           x + kBarInset / 2 * cell.width, bottom, (1 - kBarInset) * cell.width, tall});
    }
    bottom -= tall;
  }
}

void addFrameSides(const PreviewDocument& d, std::size_t line, std::size_t k, double top,
                   double nextTop, const LineCells& cells, PaintList& list) {
  const ColumnRows& rows = d.columnRows;
  const LineContent& content = cells.content;
  const std::size_t p = content.firstColumn + k;
  const std::uint16_t frame = rows.frames[p];
  const Colour ink = d.styles.empty() ? 0 : d.styles.front().textColour;
  // At least a pixel: a screen's cells are smaller than a page's.
  const double weight = std::max(1.0, kFrameWeight * cells.cell.width);
  const bool above = line > 0 && framedAlike(d, line, line - 1, p);
  const bool below = framedAlike(d, line, line + 1, p);
  const double left = cells.x(k);
  // Across the blank between two groups of the same frame.
  const bool leftEdge = k == 0 || rows.frames[p - 1] != frame;
  const bool rightEdge = k + 1 >= content.columns || rows.frames[p + 1] != frame;
  const double right = rightEdge ? left + cells.cell.width : cells.x(k + 1);
  const double bottom = below ? nextTop : top + cells.cell.height;
  if (leftEdge) list.shapes.push_back(box(ink, left - weight / 2, top, left + weight / 2, bottom));
  if (rightEdge)
    list.shapes.push_back(box(ink, right - weight / 2, top, right + weight / 2, bottom));
  if (!above)
    list.shapes.push_back(box(ink, left - weight / 2, top, right + weight / 2, top + weight));
  if (!below) {
    const double end = top + cells.cell.height;
    list.shapes.push_back(box(ink, left - weight / 2, end - weight, right + weight / 2, end));
  }
}

}  // namespace

void addColumnRowShapes(const PreviewDocument& d, std::size_t line, double top, double nextTop,
                        CellSize cell, PaintList& list) {
  const PreviewLine& l = d.lines[line];
  const ColumnRows& rows = d.columnRows;
  if (!l.hasContent) return;
  const LineContent& content = l.content;
  const Colour ink = d.styles.empty() ? 0 : d.styles.front().textColour;
  const bool extra = content.kind == LineContent::Kind::ExtraRow;
  const bool bars = extra && content.set < d.conservationRows.size() &&
                    content.row == d.conservationRows[content.set] &&
                    rows.hasConservation(content.set);
  const bool logo = extra && content.set < d.logoRows.size() &&
                    content.row == d.logoRows[content.set] && rows.hasLogo(content.set);
  const bool marks = content.kind == LineContent::Kind::Ruler && content.row == kMarkRulerRow &&
                     !rows.markSymbols.empty();
  const bool framed = isFramed(d, line);
  if (!bars && !logo && !marks && !framed) return;
  const LineCells cells{content, cell};
  for (std::size_t k = 0; k < content.columns; ++k) {
    const std::size_t p = content.firstColumn + k;
    const double x = cells.x(k);
    if (logo) addLogoColumn(d, content, p, x, top, cell, list);
    if (bars && p < rows.conservation[content.set].size()) {
      const ColumnConservation& column = rows.conservation[content.set][p];
      if (column.shown) {
        const double share = column.share();
        const double barTop = kBarBottom - share * (kBarBottom - kBarTop);
        list.shapes.push_back(box(conservationShade(share, column.reached),
                                  x + kBarInset * cell.width, top + barTop * cell.height,
                                  x + (1 - kBarInset) * cell.width,
                                  top + kBarBottom * cell.height));
      }
    }
    if (marks && p < rows.markSymbols.size() && rows.markSymbols[p] != MarkSymbol::None &&
        rows.markSymbols[p] != MarkSymbol::Letter) {
      list.shapes.push_back(markShape(rows.markSymbols[p], x, top, cell, ink));
    }
    if (framed && p < rows.frames.size() && rows.frames[p] != 0)
      addFrameSides(d, line, k, top, nextTop, cells, list);
  }
}

}  // namespace hueset
