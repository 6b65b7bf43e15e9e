#include "gui/preview/preview_painter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

#include "gui/common/qt_text.h"

namespace hueset::gui {
namespace {

QFont baseFont(const std::string& fontName, double points) {
  QFont font(toQString(fontName));
  font.setStyleHint(QFont::TypeWriter);
  if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(points);
  return font;
}

// Below this width (pixels) a glyph is a smudge: the text is shown as a
// shade of its colour, as a map of the alignment rather than its letters.
constexpr double kSmallestLegibleCell = 3;

QRgb rgbOf(Colour colour) { return qRgb(redOf(colour), greenOf(colour), blueOf(colour)); }

// The page and every background, one pixel per cell and half line, drawn
// scaled in one go: a screen of small cells is a great many rectangles, but
// never more pixels than the screen.
class Ground {
 public:
  Ground(const PaintList& list, CellSize cell, const QRectF& visible)
      : m_cell(cell),
        m_half(cell.height / 2),
        m_firstColumn(static_cast<long long>(std::floor(visible.left() / cell.width))),
        m_firstRow(static_cast<long long>(std::floor(visible.top() / m_half))) {
    const auto endColumn = static_cast<long long>(std::ceil(visible.right() / cell.width));
    const auto endRow = static_cast<long long>(std::ceil(visible.bottom() / m_half));
    m_image = QImage(static_cast<int>(std::max(1LL, endColumn - m_firstColumn)),
                     static_cast<int>(std::max(1LL, endRow - m_firstRow)), QImage::Format_RGB32);
    m_image.fill(rgbOf(list.page));
    for (const PaintBackground& b : list.backgrounds) {
      const long long from = column(b.x);
      const long long to = column(b.x + b.width);
      const QRgb colour = rgbOf(b.colour);
      for (long long r = row(b.y); r < row(b.y + b.height); ++r) {
        QRgb* pixels = line(r);
        std::fill(pixels + from, pixels + to, colour);
      }
    }
  }

  // Text too small to read, as a shade of its colour over each drawn cell.
  void shade(const PaintText& text, Colour colour, const PreviewFonts& fonts, bool bold,
             bool italic) {
    const long long first = column(text.x);
    for (long long r = row(text.y); r < row(text.y + m_cell.height); ++r) {
      QRgb* pixels = line(r);
      for (std::size_t c = 0; c < text.text.size(); ++c) {
        const long long at = first + static_cast<long long>(c);
        if (at >= m_image.width()) break;
        if (fonts.glyph(bold, italic, static_cast<unsigned char>(text.text[c])) == 0) continue;
        const QRgb under = pixels[at];
        pixels[at] = qRgb((qRed(under) + redOf(colour)) / 2, (qGreen(under) + greenOf(colour)) / 2,
                          (qBlue(under) + blueOf(colour)) / 2);
      }
    }
  }

  void draw(QPainter& painter) const {
    painter.drawImage(QRectF(static_cast<double>(m_firstColumn) * m_cell.width,
                             static_cast<double>(m_firstRow) * m_half,
                             m_image.width() * m_cell.width, m_image.height() * m_half),
                      m_image);
  }

 private:
  long long column(double x) const {
    return std::clamp<long long>(std::llround(x / m_cell.width) - m_firstColumn, 0,
                                 m_image.width());
  }
  long long row(double y) const {
    return std::clamp<long long>(std::llround(y / m_half) - m_firstRow, 0, m_image.height());
  }
  QRgb* line(long long r) { return reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(r))); }

  CellSize m_cell;
  double m_half;
  long long m_firstColumn;
  long long m_firstRow;
  QImage m_image;
};

// The text looks (colour, bold, italic) of the styles: styles that differ
// only in their background share one.
class Looks {
 public:
  explicit Looks(const std::vector<ResidueFormat>& styles) {
    for (const ResidueFormat& style : styles) {
      const ResidueFormat look{style.textColour, 0, style.italic, style.bold};
      const auto found = std::find(m_looks.begin(), m_looks.end(), look);
      m_lookOfStyle.push_back(static_cast<std::size_t>(found - m_looks.begin()));
      if (found == m_looks.end()) m_looks.push_back(look);
    }
    if (m_looks.empty()) m_looks.push_back(ResidueFormat{});
  }

  std::size_t size() const { return m_looks.size(); }
  std::size_t indexOf(std::uint32_t style) const {
    return style < m_lookOfStyle.size() ? m_lookOfStyle[style] : 0;
  }
  const ResidueFormat& operator[](std::size_t look) const { return m_looks[look]; }
  const ResidueFormat& of(std::uint32_t style) const { return m_looks[indexOf(style)]; }

 private:
  std::vector<ResidueFormat> m_looks;
  std::vector<std::size_t> m_lookOfStyle;
};

// Glyphs go out a line and a look at a time, each at its cell: no text
// shaping, and nothing can drift off the grid.
void drawGlyphs(QPainter& painter, const std::vector<PaintText>& texts, const Looks& looks,
                const PreviewFonts& fonts, CellSize cell) {
  std::vector<QList<quint32>> glyphs(looks.size());
  std::vector<QList<QPointF>> positions(looks.size());
  auto flush = [&]() {
    for (std::size_t l = 0; l < looks.size(); ++l) {
      if (glyphs[l].isEmpty()) continue;
      QGlyphRun run;
      run.setRawFont(fonts.rawFont(looks[l].bold, looks[l].italic));
      run.setGlyphIndexes(std::exchange(glyphs[l], {}));
      run.setPositions(std::exchange(positions[l], {}));
      painter.setPen(toQColor(looks[l].textColour));
      painter.drawGlyphRun(QPointF(0, 0), run);
    }
  };
  double lineTop = texts.empty() ? 0 : texts.front().y;
  for (const PaintText& t : texts) {
    if (t.y != lineTop) {
      flush();
      lineTop = t.y;
    }
    const std::size_t l = looks.indexOf(t.style);
    for (std::size_t c = 0; c < t.text.size(); ++c) {
      const quint32 glyph =
          fonts.glyph(looks[l].bold, looks[l].italic, static_cast<unsigned char>(t.text[c]));
      if (glyph == 0) continue;
      glyphs[l].push_back(glyph);
      // Whole pixels: one cached image per glyph, not one per fraction.
      positions[l].push_back(QPointF(std::round(t.x + static_cast<double>(c) * cell.width),
                                     std::round(t.y + fonts.ascent())));
    }
  }
  flush();
}

// Secondary-structure shapes, smoothed: they are curves, not cells.
void drawStructureGlyphs(QPainter& painter, const std::vector<PaintGlyphs>& all, Colour colour,
                         const QFont& font, CellSize cell) {
  if (all.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QColor qColour = toQColor(colour);
  for (const PaintGlyphs& g : all) {
    auto at = [&](double x, double y) {
      return QPointF(g.x + x * cell.width, g.y + y * cell.height);
    };
    for (const GlyphPath& path : g.glyphs.paths) {
      if (path.points.empty()) continue;
      QPainterPath shape(at(path.points.front().x, path.points.front().y));
      for (const GlyphPoint& p : path.points) shape.lineTo(at(p.x, p.y));
      if (path.filled) {
        shape.closeSubpath();
        painter.fillPath(shape, qColour);
      } else {
        QPen pen(qColour, path.width * cell.height, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.strokePath(shape, pen);
      }
    }
    for (const GlyphLabel& label : g.glyphs.labels) {
      QFont small = font;
      small.setPixelSize(std::max(1, static_cast<int>(std::lround(label.size * cell.height))));
      painter.setFont(small);
      painter.setPen(qColour);
      painter.drawText(at(label.x, label.y), QString::fromStdString(label.text));
    }
  }
  painter.restore();
}

// The rows beside the alignment, smoothed as the structure shapes are.
void drawColumnRowShapes(QPainter& painter, const PaintList& list, const QFont& font) {
  if (list.shapes.empty() && list.letters.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  for (const PaintShape& shape : list.shapes) {
    QPolygonF outline;
    for (std::size_t c = 0; c + 1 < shape.corners.size(); c += 2)
      outline << QPointF(shape.corners[c], shape.corners[c + 1]);
    painter.setBrush(toQColor(shape.colour));
    painter.drawPolygon(outline);
  }
  QFont bold = font;
  bold.setBold(true);
  bold.setPointSize(48);  // scaled to each box: large for smooth outlines
  for (const PaintLetter& letter : list.letters) {
    if (letter.height < 0.5 || letter.width <= 0) continue;
    QPainterPath path;
    path.addText(0, 0, bold, QString(QLatin1Char(letter.letter)));
    const QRectF ink = path.boundingRect();
    if (ink.width() <= 0 || ink.height() <= 0) continue;
    QTransform place;
    place.translate(letter.left, letter.bottom);
    place.scale(letter.width / ink.width(), letter.height / ink.height());
    place.translate(-ink.left(), -ink.bottom());
    painter.fillPath(place.map(path), toQColor(letter.colour));
  }
  painter.restore();
}

// The chosen columns under a light wash of the selection's colour.
void drawChosen(QPainter& painter, const std::vector<PaintBackground>& chosen) {
  QColor wash(0x33, 0x88, 0xEE, 60);
  for (const PaintBackground& b : chosen)
    painter.fillRect(QRectF(b.x, b.y, b.width, b.height), wash);
}

}  // namespace

PreviewFonts::PreviewFonts(const std::string& fontName, int fontSize, int zoomPercent) {
  const double points = std::max(fontSize, 10) / 10.0 * std::max(zoomPercent, 1) / 100.0;
  const QFont font = baseFont(fontName, points);
  QString bytes;
  for (int byte = 0; byte < 256; ++byte) bytes += QChar(byte);
  for (int look = 0; look < 4; ++look) {
    Look& l = m_looks[static_cast<std::size_t>(look)];
    l.font = font;
    l.font.setBold((look & 1) != 0);
    l.font.setItalic((look & 2) != 0);
    l.raw = QRawFont::fromFont(l.font);
    const QList<quint32> glyphs = l.raw.glyphIndexesForString(bytes);
    for (int byte = 0; byte < 256 && byte < glyphs.size(); ++byte) {
      // Blanks and control characters leave their cell empty.
      const bool drawn =
          byte > 0x20 && byte != 0x7F && byte != 0xA0 && (byte < 0x80 || byte >= 0xA0);
      l.glyphs[static_cast<std::size_t>(byte)] = drawn ? glyphs[byte] : 0;
    }
  }
  const QFontMetricsF metrics(font);
  // Every glyph is placed in its cell, so the cell is the font's advance.
  m_cell.width = std::max(1.0, metrics.horizontalAdvance(QLatin1Char('M')));
  m_cell.height = std::max(1.0, std::ceil(metrics.lineSpacing()));
  m_ascent = metrics.ascent();
}

void paintPreview(QPainter& painter, const PreviewModel& model, const PreviewFonts& fonts,
                  const QRectF& visible, std::optional<QColor> wash) {
  const PaintList list =
      model.paintList(visible.x(), visible.y(), visible.width(), visible.height());
  const CellSize cell = model.cellSize();
  static const std::vector<ResidueFormat> kNoStyles;
  const Looks looks(model.document() ? model.document()->styles : kNoStyles);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  Ground ground(list, cell, visible);
  if (cell.width < kSmallestLegibleCell) {
    for (const PaintText& t : list.texts) {
      const ResidueFormat& look = looks.of(t.style);
      ground.shade(t, look.textColour, fonts, look.bold, look.italic);
    }
    ground.draw(painter);
  } else {
    ground.draw(painter);
    drawGlyphs(painter, list.texts, looks, fonts, cell);
  }
  drawStructureGlyphs(painter, list.glyphs, looks.of(0).textColour, fonts.font(false, false), cell);
  drawColumnRowShapes(painter, list, fonts.font(false, false));
  drawChosen(painter, list.chosen);
  if (wash) painter.fillRect(visible, *wash);
  painter.restore();
}

}  // namespace hueset::gui
