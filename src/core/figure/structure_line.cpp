#include "figure/structure_line.h"

#include "annotate/layout.h"

namespace hueset {

void StructureLines::layoutStarting(const AnnotatedAlignment& annotated) {
  m_row = nullptr;
  m_rows.clear();
  if (m_style == nullptr) return;
  m_rows = structureRowsOf(annotated);
  m_columnNumbers = annotated.columnNumbers;
}

void StructureLines::lineStarting(const LineContent& content) {
  m_row = structureRowOf(m_rows, content);
  m_content = content;
}

void StructureLines::lineEnding(FigureLine& line) const {
  if (m_row == nullptr) return;
  line.glyphs = structureGlyphs(*m_row, m_content, m_columnNumbers, *m_style);
  // The cells from the first column's on are drawn as shapes.
  const std::size_t from = m_content.firstCell;
  std::erase_if(line.runs, [from](const FigureRun& run) { return run.column >= from; });
  for (FigureRun& run : line.runs) {
    if (run.column + run.text.size() > from) run.text.resize(from - run.column);
  }
}

}  // namespace hueset
