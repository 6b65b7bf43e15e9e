#include "pipeline/column_rows.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "annotate/column_statistics.h"
#include "groupings/grouping_set.h"
#include "input/residue_number_start.h"
#include "pipeline/annotation_driver.h"
#include "settings/options.h"

namespace hueset {

std::size_t columnRowLabelWidth(const Options& options) {
  const std::size_t conservation =
      options.columnMarks.conservationBar ? kConservationLabel.size() : 0;
  return std::max(conservation, options.columnMarks.sequenceLogo ? kLogoLabel.size() : 0);
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

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

ColumnMark inColumns(ColumnMark mark, const std::vector<std::int32_t>& numbers) {
  const std::vector<ColumnRange> columns = alignmentColumnsOf({{mark.first, mark.last}}, numbers);
  mark.first = columns.empty() ? 0 : columns.front().first;
  mark.last = columns.empty() ? 0 : columns.front().last;
  return mark;
}

// Each layout column's number in the reference; 0 at its gaps and stand-ins.
void placeReference(AnnotatedAlignment& annotated, const ReferenceSequence& reference,
                    std::size_t length) {
  ColumnRows& rows = annotated.rows;
  rows.rulerNumbers.assign(length, 0);
  for (std::size_t p = 0; p < length; ++p) {
    const std::int64_t column =
        annotated.columnNumbers.empty()
            ? static_cast<std::int64_t>(p) + 1
            : (p < annotated.columnNumbers.size() ? annotated.columnNumbers[p] : 0);
    if (column > 0 && static_cast<std::size_t>(column) <= reference.numbers.size())
      rows.rulerNumbers[p] = reference.numbers[static_cast<std::size_t>(column) - 1];
  }
  for (std::size_t k = 0; k < annotated.sets.size(); ++k) {
    const auto& names = annotated.sets[k].names;
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i] != reference.name) continue;
      rows.referenceSet = static_cast<std::int32_t>(k);
      rows.referenceRow = static_cast<std::uint32_t>(i);
      rows.nameFirst = static_cast<std::uint32_t>(names[i].find_first_not_of(' '));
      rows.nameEnd = static_cast<std::uint32_t>(names[i].find_last_not_of(' ') + 1);
      return;
    }
  }
}

// A figure's logo of every set; the text forms have none.
void addLogo(AnnotatedAlignment& annotated, const Options& options, const GroupingSet& groupings,
             const std::string& invalidResidues, std::size_t labelWidth, int nameJustification) {
  ColumnRows& rows = annotated.rows;
  const ConsensusSettings settings = consensusSettings(options);
  for (const Alignment& set : annotated.sets) {
    std::vector<LogoColumn>& logo = rows.logo.emplace_back();
    if (!set.residues.empty())
      logo = sequenceLogo(set, settings, invalidResidues, annotated.columnNumbers);
  }
  rows.logoLabels.assign(kLogoLines, std::string());
  rows.logoLabels.back() = std::string(kLogoLabel);
  for (std::string& label : rows.logoLabels) justify(label, labelWidth, nameJustification);
  rows.logoCells.assign(static_cast<std::size_t>(std::max(annotated.sets.front().length, 0)), ' ');
  rows.letterColours = logoLetterColours(groupings);
}

}  // namespace

ReferenceSequence findReference(const Alignment& alignment, const Options& options,
                                std::string& problem) {
  ReferenceSequence reference;
  const std::string_view wanted = trimmed(options.columnMarks.reference);
  if (wanted.empty()) return reference;
  std::size_t found = alignment.names.size();
  for (std::size_t i = 0; i < alignment.names.size() && found == alignment.names.size(); ++i) {
    if (trimmed(alignment.names[i]) == wanted) found = i;
  }
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
  if (found == alignment.names.size() && error == std::errc() &&
      end == wanted.data() + wanted.size() && number >= 1 && number <= alignment.names.size())
    found = number - 1;
  if (found == alignment.names.size() || found >= alignment.residues.size()) {
    problem = "no sequence is named " + std::string(wanted) + " to be the reference";
    return reference;
  }
  reference.name = alignment.names[found];
  const bool ownNumbered =
      found < alignment.ownNumbers.size() && !alignment.ownNumbers[found].empty();
  reference.numbers =
      ownNumbered ? residueNumbersOf(alignment.residues[found], alignment.ownNumbers[found])
                  : residueNumbersOf(alignment.residues[found], residueNumberStart(reference.name));
  return reference;
}

void shadeIdenticalResidues(AnnotatedAlignment& annotated, std::size_t formatIndex) {
  ColumnRows& rows = annotated.rows;
  if (rows.referenceSet < 0 || formatIndex > 255) return;
  const auto& set = annotated.sets[static_cast<std::size_t>(rows.referenceSet)];
  if (rows.referenceRow >= set.residues.size()) return;
  const std::string reference = set.residues[rows.referenceRow];
  auto upper = [](char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  };
  for (std::size_t k = 0; k < annotated.sets.size() && k < annotated.results.size(); ++k) {
    const Alignment& shaded = annotated.sets[k];
    auto& formats = annotated.results[k].formats;
    for (std::size_t i = 0; i < shaded.residues.size() && i < formats.size(); ++i) {
      const std::string& row = shaded.residues[i];
      for (std::size_t c = 0; c < row.size() && c < reference.size() && c < formats[i].size();
           ++c) {
        if (c < annotated.columnNumbers.size() && annotated.columnNumbers[c] == 0) continue;
        if (std::isalpha(static_cast<unsigned char>(row[c])) &&
            upper(row[c]) == upper(reference[c]))
          formats[i][c] = static_cast<char>(formatIndex);
      }
    }
  }
  rows.identityFormat = static_cast<int>(formatIndex);
}

std::string keepChosenColumns(AnnotatedAlignment& annotated, Alignment& alignment,
                              const Options& options, const ReferenceSequence& reference) {
  ParsedRanges chosen = parseColumnRanges(options.columnMarks.columns);
  if (!chosen.problem.empty()) return "the columns cannot be read: " + chosen.problem;
  if (chosen.ranges.empty() || alignment.length <= 0) return {};
  if (!reference.name.empty()) chosen.ranges = alignmentColumnsOf(chosen.ranges, reference.numbers);
  const auto length = static_cast<std::size_t>(alignment.length);
  std::vector<bool> keep(length, false);
  for (const ColumnRange& range : chosen.ranges) {
    for (auto c = static_cast<std::size_t>(range.first);
         c <= static_cast<std::size_t>(range.last) && c <= length; ++c)
      keep[c - 1] = true;
  }
  if (std::find(keep.begin(), keep.end(), true) == keep.end())
    return "none of the columns chosen is in the alignment";
  annotated.columnNumbers.clear();
  for (std::size_t c = 0; c < length; ++c) {
    if (keep[c]) annotated.columnNumbers.push_back(static_cast<std::int32_t>(c) + 1);
  }
  for (Alignment& set : annotated.sets) annotated.rows.hidden.push_back(keepColumns(set, keep));
  keepColumns(alignment, keep);
  return {};
}

std::string addColumnRows(AnnotatedAlignment& annotated, const Options& options,
                          const GroupingSet& groupings, const std::string& invalidResidues,
                          bool figure, std::size_t labelWidth, int nameJustification,
                          const ReferenceSequence& reference) {
  const ColumnMarkOptions& wanted = options.columnMarks;
  ParsedMarks marks = parseColumnMarks(wanted.marks);
  if (!marks.problem.empty()) return "the marks cannot be read: " + marks.problem;
  ParsedRanges frames = parseColumnRanges(wanted.frames);
  if (!frames.problem.empty()) return "the frames cannot be read: " + frames.problem;
  if (annotated.sets.empty()) return {};
  const auto length = static_cast<std::size_t>(std::max(annotated.sets.front().length, 0));
  if (!reference.name.empty()) {
    for (ColumnMark& mark : marks.marks) mark = inColumns(mark, reference.numbers);
    frames.ranges = alignmentColumnsOf(frames.ranges, reference.numbers);
    placeReference(annotated, reference, length);
  }
  placeMarks(annotated.rows, marks.marks, frames.ranges, annotated.columnNumbers, length, figure);
  if (wanted.conservationBar) {
    annotated.rows.conservationLabel = std::string(kConservationLabel);
    justify(annotated.rows.conservationLabel, labelWidth, nameJustification);
    addConservation(annotated, options, groupings, invalidResidues, figure);
  }
  if (wanted.shadeIdentical && !reference.name.empty())
    shadeIdenticalResidues(annotated, groupings.textFormats().size());
  if (wanted.sequenceLogo && figure)
    addLogo(annotated, options, groupings, invalidResidues, labelWidth, nameJustification);
  return {};
}

}  // namespace hueset
