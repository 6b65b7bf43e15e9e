#include "preview/preview_writer.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "annotate/layout.h"

namespace hueset {
namespace {

// A set gap is half a line, as in Rich Text; lines are counted in halves.
constexpr std::uint32_t kLine = 2;
constexpr std::uint32_t kSetGap = 1;

std::string withoutPadding(const std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

}  // namespace

PreviewWriter::PreviewWriter(const GroupingSet& groupings, ConsensusSettings consensus,
                             std::string invalidResidues)
    : AnnotationWriter(groupings.fontSize, groupings.fontName),
      m_groupings(groupings),
      m_consensus(consensus),
      m_invalidResidues(std::move(invalidResidues)),
      m_document(std::make_shared<PreviewDocument>()) {}

std::shared_ptr<PreviewDocument> PreviewWriter::takeDocument() { return std::move(m_document); }

void PreviewWriter::beginDocument() {
  m_document = std::make_shared<PreviewDocument>();
  m_document->styles = styles();
  m_document->fontName = fontName();
  m_document->fontSize = fontSize();
  m_line = PreviewLine{};
  m_top = 0;
  if (!m_title.empty()) {
    for (const LegendLine& line : titleLines(m_title, std::numeric_limits<std::size_t>::max()))
      addTextLine(line);
    endLine(0);
  }
}

void PreviewWriter::addTextLine(const LegendLine& line) {
  PreviewDocument& d = *m_document;
  m_line.text = d.text.size();
  d.text += line.cells;
  for (const char format : line.formats) {
    const int style = styleOf(static_cast<unsigned char>(format));
    d.textStyles.push_back(static_cast<std::uint8_t>(style < 256 ? style : 0));
  }
  m_line.length = static_cast<std::uint32_t>(line.cells.size());
  endLine(0);
}

void PreviewWriter::flushRun() {
  if (lineBuffer().empty()) return;
  PreviewDocument& d = *m_document;
  // A format index is a byte, so no annotation has more styles than a byte
  // can number.
  const int style = styleOf(currentFormat());
  d.text += lineBuffer();
  d.textStyles.resize(d.textStyles.size() + lineBuffer().size(),
                      static_cast<std::uint8_t>(style < 256 ? style : 0));
  m_line.length += static_cast<std::uint32_t>(lineBuffer().size());
}

void PreviewWriter::endLine(std::uint32_t gapAfter) {
  flushRun();
  lineBuffer().clear();
  PreviewDocument& d = *m_document;
  m_line.top = m_top;
  d.widest = std::max<std::size_t>(d.widest, m_line.length);
  d.lines.push_back(m_line);
  m_top += kLine + gapAfter;
  m_line = PreviewLine{};
  m_line.text = d.text.size();
}

void PreviewWriter::newLine() { endLine(0); }

void PreviewWriter::setSeparator() { endLine(kSetGap); }

// Two empty paragraphs, as Rich Text has them.
void PreviewWriter::blockEnd() {
  endLine(0);
  endLine(0);
}

void PreviewWriter::endDocument() {
  // end() has flushed the last run already but not yet emptied the buffer.
  lineBuffer().clear();
  if (m_line.length > 0) endLine(0);
  PreviewDocument& d = *m_document;
  if (m_legend) {
    for (const LegendLine& line : legendLines(*m_legend, std::max<std::size_t>(d.widest, 1)))
      addTextLine(line);
  }
  d.height = d.lines.empty() ? 0 : d.lines.back().top + kLine;
}

void PreviewWriter::layoutStarting(const AnnotatedAlignment& annotated) {
  PreviewDocument& d = *m_document;
  d.columnNumbers = annotated.columnNumbers;
  d.structureStyle = m_structureStyle;
  if (m_structureStyle) d.structureRows = structureRowsOf(annotated);
  d.columnRows = annotated.rows;
  d.columnRows.hidden.clear();  // no shape is drawn from them
  d.conservationRows.clear();
  d.logoRows.clear();
  for (std::size_t k = 0; k < annotated.sets.size(); ++k) {
    d.conservationRows.push_back(conservationRowOf(annotated, k));
    d.logoRows.push_back(logoRowOf(annotated, k));
  }
  d.statistics.clear();
  d.names.clear();
  m_rowsPerBlock = 0;
  for (std::size_t k = 0; k < annotated.sets.size(); ++k) {
    const Alignment& set = annotated.sets[k];
    d.statistics.push_back(
        set.residues.empty() ? ColumnStatistics{}
                             : columnStatistics(set, m_groupings, m_consensus, m_invalidResidues));
    std::vector<std::string> names;
    for (std::size_t i = 0; i < set.residues.size(); ++i) {
      names.push_back(withoutPadding(i < set.names.size() ? set.names[i] : std::string()));
    }
    d.names.push_back(std::move(names));
    m_rowsPerBlock += set.residues.size() + extraRowCount(annotated, k);
  }
  m_length = annotated.sets.empty()
                 ? 0
                 : static_cast<std::size_t>(std::max(annotated.sets.front().length, 0));
}

void PreviewWriter::lineStarting(const LineContent& content) {
  m_line.hasContent = true;
  m_line.content = content;
  PreviewDocument& d = *m_document;
  if (!d.text.empty() || content.columns == 0) return;
  // The first line tells how wide every line of the document will be: room
  // for all of them at once spares copying the text as it grows.
  const std::size_t blocks = (m_length + content.columns - 1) / content.columns;
  const std::size_t group = std::max<std::uint32_t>(content.groupWidth, 1);
  const std::size_t line = content.firstCell + content.columns + content.columns / group + 8;
  const std::size_t estimate = (m_rowsPerBlock + 2) * blocks * line;
  d.text.reserve(estimate);
  d.textStyles.reserve(estimate);
}

}  // namespace hueset
