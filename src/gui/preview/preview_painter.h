#pragma once

#include <QColor>
#include <QFont>
#include <QRawFont>
#include <QRectF>
#include <array>
#include <optional>
#include <string>

#include "preview/preview_model.h"

class QPainter;

namespace hueset::gui {

// The groupings' font at a zoom, in its four looks, and the cell one
// character fills. A face that is not fixed-pitch cannot keep the columns
// in line, so the system's fixed font stands in for it.
class PreviewFonts {
 public:
  PreviewFonts(const std::string& fontName, int fontSize, int zoomPercent);

  const QFont& font(bool bold, bool italic) const { return m_looks[index(bold, italic)].font; }
  const QRawFont& rawFont(bool bold, bool italic) const { return m_looks[index(bold, italic)].raw; }
  // The glyph of a byte in a look; 0 for a byte that draws nothing.
  quint32 glyph(bool bold, bool italic, unsigned char byte) const {
    return m_looks[index(bold, italic)].glyphs[byte];
  }
  CellSize cellSize() const { return m_cell; }
  double ascent() const { return m_ascent; }
  QString family() const { return m_looks[0].raw.familyName(); }

 private:
  struct Look {
    QFont font;
    QRawFont raw;
    std::array<quint32, 256> glyphs{};
  };
  static int index(bool bold, bool italic) { return (bold ? 1 : 0) + (italic ? 2 : 0); }

  std::array<Look, 4> m_looks;
  CellSize m_cell;
  double m_ascent = 0;
};

// Draws the part of the preview inside `visible`, in the model's pixels
// (the painter is translated to match): the page and the backgrounds, then
// every glyph in its cell. `wash`, when given, is laid over everything, to
// grey out a preview the text no longer matches.
void paintPreview(QPainter& painter, const PreviewModel& model, const PreviewFonts& fonts,
                  const QRectF& visible, std::optional<QColor> wash = std::nullopt);

}  // namespace hueset::gui
