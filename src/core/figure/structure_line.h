#pragma once

#include <cstdint>
#include <vector>

#include "annotate/structure_glyphs.h"
#include "figure/figure_page.h"

namespace hueset {

// Which structure rows a figure draws as shapes, and how: found when the
// layout starts, applied to each line as it ends.
class StructureLines {
 public:
  explicit StructureLines(const StructureGlyphStyle* style) : m_style(style) {}
  // `style` null: every row stays letters.
  void setStyle(const StructureGlyphStyle* style) { m_style = style; }
  void layoutStarting(const AnnotatedAlignment& annotated);
  void lineStarting(const LineContent& content);
  // A structure row's cells become its shapes; its label stays text.
  void lineEnding(FigureLine& line) const;

 private:
  const StructureGlyphStyle* m_style;
  std::vector<StructureRow> m_rows;
  std::vector<std::int32_t> m_columnNumbers;
  const StructureRow* m_row = nullptr;  // the row of the line being filled
  LineContent m_content;
};

}  // namespace hueset
