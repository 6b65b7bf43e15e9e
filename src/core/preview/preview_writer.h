#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "annotate/annotation_writer.h"
#include "annotate/consensus.h"
#include "annotate/figure_legend.h"
#include "groupings/grouping_set.h"
#include "preview/preview_document.h"

namespace hueset {

// The writer of the preview: keeps the laid-out lines as runs of text in a
// style instead of markup, line and set ends as the Rich Text writer places
// them (a set gap of half a line, two blank lines after a block), and counts
// the columns for what hovering over one will show.
class PreviewWriter final : public AnnotationWriter {
 public:
  // The consensus is counted again for the hover texts, by the rules the
  // driver is given: the same groupings, settings and invalid residues.
  PreviewWriter(const GroupingSet& groupings, ConsensusSettings consensus,
                std::string invalidResidues);

  void newLine() override;
  void setSeparator() override;
  void blockEnd() override;
  // Nothing goes to the clipboard or a file from here.
  int clipboardFormatCount() const override { return 0; }
  std::string clipboardText(int) const override { return {}; }
  std::string fileText() const override { return {}; }
  OutputKind clipboardFormat(int) const override { return OutputKind::PlainText; }
  bool placesStructureUnderSequences() const override { return true; }
  bool drawsColumnRowShapes() const override { return true; }

  void layoutStarting(const AnnotatedAlignment& annotated) override;
  void lineStarting(const LineContent& content) override;

  // A title above the annotation and a legend under it, as the figures
  // have them; neither by default.
  void showTitleAndLegend(std::string title, std::optional<FigureLegend> legend) {
    m_title = std::move(title);
    m_legend = std::move(legend);
  }
  // Secondary-structure rows as shapes in `style`; none: as letters.
  void drawStructureAs(std::optional<StructureGlyphStyle> style) { m_structureStyle = style; }

  // The document recorded since begin; complete after end.
  const PreviewDocument& document() const { return *m_document; }
  std::shared_ptr<PreviewDocument> takeDocument();

 protected:
  void flushRun() override;
  void beginDocument() override;
  void endDocument() override;

 private:
  void endLine(std::uint32_t gapAfter);
  // A line of the title or legend, which shows no alignment cells.
  void addTextLine(const LegendLine& line);

  GroupingSet m_groupings;
  ConsensusSettings m_consensus;
  std::string m_invalidResidues;
  std::shared_ptr<PreviewDocument> m_document;
  PreviewLine m_line;              // the line being filled
  std::uint32_t m_top = 0;         // where it goes, in half lines
  std::size_t m_rowsPerBlock = 0;  // sequences and extra rows of all sets
  std::size_t m_length = 0;        // columns
  std::string m_title;
  std::optional<FigureLegend> m_legend;
  std::optional<StructureGlyphStyle> m_structureStyle = StructureGlyphStyle{};
};

}  // namespace hueset
