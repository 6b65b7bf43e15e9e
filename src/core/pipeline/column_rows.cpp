#include "pipeline/column_rows.h"

#include "annotate/column_statistics.h"
#include "groupings/grouping_set.h"
#include "pipeline/annotation_driver.h"
#include "settings/options.h"

namespace hueset {

std::size_t columnRowLabelWidth(const Options& options) {
  return options.columnMarks.conservationBar ? kConservationLabel.size() : 0;
}

namespace {

void addConservation(AnnotatedAlignment& annotated, const Options& options,
                     const GroupingSet& groupings, const std::string& invalidResidues,
                     bool figure) {
  ColumnRows& rows = annotated.rows;
  const ConsensusSettings settings = consensusSettings(options);
  for (const Alignment& set : annotated.sets) {
    std::vector<ColumnConservation>& columns = rows.conservation.emplace_back();
    std::string& cells = rows.conservationCells.emplace_back();
    // The trailing set of prediction rows has no sequences to count.
    if (set.residues.empty()) continue;
    columns = columnConservation(columnStatistics(set, groupings, settings, invalidResidues),
                                 annotated.columnNumbers);
    cells.reserve(columns.size());
    for (const ColumnConservation& column : columns)
      cells += figure ? ' ' : conservationDigit(column);
  }
}

}  // namespace

std::string addColumnRows(AnnotatedAlignment& annotated, const Options& options,
                          const GroupingSet& groupings, const std::string& invalidResidues,
                          bool figure, std::size_t labelWidth, int nameJustification) {
  const ColumnMarkOptions& wanted = options.columnMarks;
  const ParsedMarks marks = parseColumnMarks(wanted.marks);
  if (!marks.problem.empty()) return "the marks cannot be read: " + marks.problem;
  const ParsedRanges frames = parseColumnRanges(wanted.frames);
  if (!frames.problem.empty()) return "the frames cannot be read: " + frames.problem;
  if (annotated.sets.empty()) return {};
  const auto length = static_cast<std::size_t>(std::max(annotated.sets.front().length, 0));
  placeMarks(annotated.rows, marks.marks, frames.ranges, annotated.columnNumbers, length, figure);
  if (wanted.conservationBar) {
    annotated.rows.conservationLabel = std::string(kConservationLabel);
    justify(annotated.rows.conservationLabel, labelWidth, nameJustification);
    addConservation(annotated, options, groupings, invalidResidues, figure);
  }
  return {};
}

}  // namespace hueset
