#include "figure/figure_mark_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "annotate/column_marks.h"
#include "annotate/layout.h"
#include "figure/font_metric_table.h"
#include "figure/svg_figure.h"

namespace hueset {
namespace {

// A fraction of a line's height.
constexpr double kUnderline = 0.88;  // the top of the reference's underline

FigureShape rectangle(Colour colour, double left, double top, double right, double bottom) {
  return {colour, {left, top, right, top, right, bottom, left, bottom}};
}

// A mark centred in its cell, in points from the cell's left and the line's top.
FigureShape markShape(MarkSymbol symbol, double x, const FigureMetrics& m, Colour ink) {
  const double half = m.cellWidth * 0.42;
  const double middle = m.lineHeight * 0.55;
  const double centre = x + m.cellWidth / 2;
  return FigureShape{ink, markCorners(symbol, centre, middle, half)};
}

}  // namespace

void FigureMarkRows::start(const AnnotatedAlignment& annotated, Colour ink) {
  m_rows = annotated.rows;
  m_ink = ink;
  m_conservationRow.clear();
  m_logoRow.clear();
  m_bars = false;
  bool logo = false;
  for (std::size_t k = 0; k < annotated.sets.size(); ++k) {
    m_conservationRow.push_back(conservationRowOf(annotated, k));
    m_logoRow.push_back(logoRowOf(annotated, k));
    logo = logo || m_rows.hasLogo(k);
    m_bars = m_bars || m_rows.hasConservation(k);
  }
  if (!logo) m_logoRow.clear();
}

// A logo spans its kLogoLines rows from the top of the first: the full
// height stands for kLogoMostBits.
void FigureMarkRows::addLogo(FigureLineMarks& marks, const LineContent& content,
                             const FigureMetrics& metrics, double x, std::size_t column) const {
  const auto& logo = m_rows.logo[content.set];
  if (column >= logo.size()) return;
  const double height = metrics.lineHeight * (kLogoLines - 2 * (1 - kBarBottom));
  double bottom = metrics.lineHeight * (kLogoLines - (1 - kBarBottom));
  for (const LogoLetter& letter : logo[column].letters) {
    const double tall = height * letter.bits / kLogoMostBits;
    if (letter.letter >= 'A' && letter.letter <= 'Z') {
      marks.glyphs.push_back({letter.letter,
                              m_rows.letterColours[static_cast<std::size_t>(letter.letter - 'A')],
                              x + kBarInset / 2 * metrics.cellWidth, bottom,
                              (1 - kBarInset) * metrics.cellWidth, tall});
    }
    bottom -= tall;
  }
}

void FigureMarkRows::addTo(FigureLineMarks& marks, const LineContent& content,
                           const FigureMetrics& metrics) const {
  marks = {};
  if (!any()) return;
  const std::size_t group = std::max<std::uint32_t>(content.groupWidth, 1);
  auto cellOf = [&](std::size_t k) {
    const std::size_t groupsBefore = k / group;  // each adds a blank cell
    return static_cast<double>(content.firstCell + k + groupsBefore);
  };
  const bool bars =
      content.kind == LineContent::Kind::ExtraRow && content.set < m_conservationRow.size() &&
      content.row == m_conservationRow[content.set] && m_rows.hasConservation(content.set);
  const bool logoLine = content.kind == LineContent::Kind::ExtraRow &&
                        content.set < m_logoRow.size() && content.row == m_logoRow[content.set] &&
                        m_rows.hasLogo(content.set);
  const bool markLine = content.kind == LineContent::Kind::Ruler && content.row == kMarkRulerRow;
  const bool framed = content.kind != LineContent::Kind::Ruler && !m_rows.frames.empty();
  // The reference's name is underlined.
  if (content.kind == LineContent::Kind::Sequence &&
      static_cast<std::int64_t>(content.set) == m_rows.referenceSet &&
      content.row == m_rows.referenceRow && m_rows.nameEnd > m_rows.nameFirst) {
    marks.shapes.push_back(rectangle(
        m_ink, m_rows.nameFirst * metrics.cellWidth, kUnderline * metrics.lineHeight,
        m_rows.nameEnd * metrics.cellWidth, (kUnderline + kFrameWeight / 2) * metrics.lineHeight));
  }
  for (std::size_t k = 0; k < content.columns; ++k) {
    const std::size_t p = content.firstColumn + k;
    const double x = cellOf(k) * metrics.cellWidth;
    if (logoLine) addLogo(marks, content, metrics, x, p);
    if (bars && p < m_rows.conservation[content.set].size()) {
      const ColumnConservation& column = m_rows.conservation[content.set][p];
      if (!column.shown) continue;
      const double share = column.share();
      const double top = kBarBottom - share * (kBarBottom - kBarTop);
      marks.shapes.push_back(rectangle(conservationShade(share, column.reached),
                                       x + kBarInset * metrics.cellWidth, top * metrics.lineHeight,
                                       x + (1 - kBarInset) * metrics.cellWidth,
                                       kBarBottom * metrics.lineHeight));
    } else if (markLine && p < m_rows.markSymbols.size() &&
               m_rows.markSymbols[p] != MarkSymbol::None &&
               m_rows.markSymbols[p] != MarkSymbol::Letter) {
      marks.shapes.push_back(markShape(m_rows.markSymbols[p], x, metrics, m_ink));
    }
    if (!framed || p >= m_rows.frames.size() || m_rows.frames[p] == 0) continue;
    // A frame's columns in one line make one span, across the blanks
    // between groups.
    const bool continues = k > 0 && m_rows.frames[p - 1] == m_rows.frames[p];
    if (continues) {
      marks.frames.back().right = cellOf(k) + 1;
    } else {
      marks.frames.push_back({cellOf(k), cellOf(k) + 1});
    }
  }
}

void closeFrames(std::vector<FigureLine>& block, const std::vector<double>& gapsAfter,
                 const FigureMetrics& metrics, Colour ink) {
  std::size_t first = block.size();
  std::size_t last = 0;
  for (std::size_t i = 0; i < block.size(); ++i) {
    if (block[i].marks.frames.empty()) continue;
    first = std::min(first, i);
    last = i;
  }
  const double weight = kFrameWeight * metrics.cellWidth;
  for (std::size_t i = first; i < block.size() && i <= last; ++i) {
    FigureLineMarks& marks = block[i].marks;
    const double below = metrics.lineHeight + (i < last && i < gapsAfter.size() ? gapsAfter[i] : 0);
    for (const FigureFrameSpan& span : marks.frames) {
      const double left = span.left * metrics.cellWidth;
      const double right = span.right * metrics.cellWidth;
      marks.shapes.push_back(rectangle(ink, left - weight / 2, 0, left + weight / 2, below));
      marks.shapes.push_back(rectangle(ink, right - weight / 2, 0, right + weight / 2, below));
      if (i == first)
        marks.shapes.push_back(rectangle(ink, left - weight / 2, 0, right + weight / 2, weight));
      if (i == last) {
        const double bottom = metrics.lineHeight;
        marks.shapes.push_back(
            rectangle(ink, left - weight / 2, bottom - weight, right + weight / 2, bottom));
      }
    }
    marks.frames.clear();
  }
}

namespace {

#ifndef HUESET_FIGURE_FONT_TABLE
// A letter's ink in `face` at 100 units: where it starts and rises from its
// origin, and how large it is.
cairo_text_extents_t letterInk(cairo_t* cr, cairo_font_face_t* face, char letter) {
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, 100);
  const char text[2] = {letter, 0};
  cairo_text_extents_t ink;
  cairo_text_extents(cr, text, &ink);
  return ink;
}

#endif

constexpr double kSmallestGlyph = 0.05;  // points: a letter lower than this is not drawn

}  // namespace

#ifndef HUESET_FIGURE_FONT_TABLE
void drawLineShapes(cairo_t* cr, const FigurePage& page, cairo_font_face_t* face) {
  for (const FigureLine& line : page.lines) {
    for (const FigureGlyph& glyph : line.marks.glyphs) {
      if (glyph.height < kSmallestGlyph || face == nullptr) continue;
      const cairo_text_extents_t ink = letterInk(cr, face, glyph.letter);
      if (ink.width <= 0 || ink.height <= 0) continue;
      cairo_save(cr);
      cairo_translate(cr, page.margin + glyph.left, page.margin + line.top + glyph.bottom);
      cairo_scale(cr, glyph.width / ink.width, glyph.height / ink.height);
      cairo_move_to(cr, -ink.x_bearing, -(ink.y_bearing + ink.height));
      const char text[2] = {glyph.letter, 0};
      cairo_text_path(cr, text);
      cairo_restore(cr);
      cairo_set_source_rgb(cr, redOf(glyph.colour) / 255.0, greenOf(glyph.colour) / 255.0,
                           blueOf(glyph.colour) / 255.0);
      cairo_fill(cr);
    }
    for (const FigureShape& shape : line.marks.shapes) {
      if (shape.corners.size() < 6) continue;
      cairo_set_source_rgb(cr, redOf(shape.colour) / 255.0, greenOf(shape.colour) / 255.0,
                           blueOf(shape.colour) / 255.0);
      const double x = page.margin;
      const double y = page.margin + line.top;
      cairo_move_to(cr, x + shape.corners[0], y + shape.corners[1]);
      for (std::size_t c = 2; c + 1 < shape.corners.size(); c += 2)
        cairo_line_to(cr, x + shape.corners[c], y + shape.corners[c + 1]);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
  }
}

#endif

std::string svgLineShapes(const FigureLine& line, double margin, double top,
                          const FigureFont& font) {
  std::string out;
  // Measured for each line that has any: a logo's, once a block.
  const std::optional<std::array<LetterInk, 26>> inks =
      line.marks.glyphs.empty() ? std::nullopt : boldLetterInks(font);
  if (inks) {
    for (const FigureGlyph& glyph : line.marks.glyphs) {
      if (glyph.height < kSmallestGlyph || glyph.letter < 'A' || glyph.letter > 'Z') continue;
      const LetterInk& ink = (*inks)[static_cast<std::size_t>(glyph.letter - 'A')];
      if (ink.width <= 0 || ink.height <= 0) continue;
      const double sx = glyph.width / ink.width;
      const double sy = glyph.height / ink.height;
      out += "<text font-size=\"100\" font-weight=\"bold\" transform=\"matrix(";
      for (const double value : {sx, 0.0, 0.0, sy, margin + glyph.left - ink.xBearing * sx,
                                 top + glyph.bottom - (ink.yBearing + ink.height) * sy}) {
        appendSvgNumber(out, value);
        out += ' ';
      }
      out.back() = ')';
      char fill[48];
      std::snprintf(fill, sizeof fill, "\" fill=\"#%02x%02x%02x\">%c</text>\n", redOf(glyph.colour),
                    greenOf(glyph.colour), blueOf(glyph.colour), glyph.letter);
      out += fill;
    }
  }
  for (const FigureShape& shape : line.marks.shapes) {
    if (shape.corners.size() < 6) continue;
    out += "<path d=\"";
    for (std::size_t c = 0; c + 1 < shape.corners.size(); c += 2) {
      out += c == 0 ? "M" : " L";
      appendSvgNumber(out, margin + shape.corners[c]);
      out += ' ';
      appendSvgNumber(out, top + shape.corners[c + 1]);
    }
    char fill[32];
    std::snprintf(fill, sizeof fill, " Z\" fill=\"#%02x%02x%02x\"/>\n", redOf(shape.colour),
                  greenOf(shape.colour), blueOf(shape.colour));
    out += fill;
  }
  return out;
}

}  // namespace hueset
