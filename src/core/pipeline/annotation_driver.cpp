#include "pipeline/annotation_driver.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string>

#include "annotate/annotation_writer.h"
#include "annotate/consensus.h"
#include "annotate/elision.h"
#include "annotate/layout.h"
#include "groupings/grouping_set.h"
#include "input/document_text.h"
#include "input/format_guess.h"
#include "input/read_alignment.h"
#include "input/text_check.h"
#include "pipeline/column_rows.h"
#include "settings/options.h"
#include "util/parallel.h"
#include "util/text_format.h"

namespace hueset {

namespace {

// Upper case and the user's gap symbols, on residues only (never on names or
// prediction rows).
void applySubstitutions(Alignment& alignment, const OutputOptions& output) {
  if (!output.enforceUpper && !output.enforceGap) return;
  std::array<unsigned char, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<unsigned char>(i);
  if (output.enforceUpper) {
    for (int c = 'a'; c <= 'z'; ++c)
      table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 32);
  }
  if (output.enforceGap) {
    for (char c : output.substitutedGaps) {
      table[static_cast<unsigned char>(c)] = static_cast<unsigned char>(output.gapCharacter);
    }
  }
  std::size_t longest = 1;
  for (const auto& row : alignment.residues) longest = std::max(longest, row.size());
  parallelFor(alignment.residues.size(), std::max<std::size_t>(1, (std::size_t{1} << 18) / longest),
              [&](std::size_t begin, std::size_t end) {
                for (std::size_t s = begin; s < end; ++s) {
                  for (auto& c : alignment.residues[s])
                    c = static_cast<char>(table[static_cast<unsigned char>(c)]);
                }
              });
}

std::vector<int> defaultSetList(std::size_t sequences) {
  std::vector<int> list{-1};
  for (std::size_t i = 0; i < sequences; ++i) list.push_back(static_cast<int>(i));
  return list;
}

// The sequences the set list uses, ascending. Values outside the alignment
// are never used, so they cannot reach the compaction map.
std::vector<int> usedSequences(const std::vector<int>& setList, int sequenceCount) {
  std::vector<int> used;
  for (int v : setList) {
    if (v >= 0 && v < sequenceCount) used.push_back(v);
  }
  std::sort(used.begin(), used.end());
  used.erase(std::unique(used.begin(), used.end()), used.end());
  return used;
}

// Drops the sequences no set uses and renumbers the set list to match.
void compact(Alignment& alignment, std::vector<int>& setList, const std::vector<int>& used) {
  const int n = static_cast<int>(alignment.residues.size());
  std::vector<int> map(static_cast<std::size_t>(n), -1);
  for (std::size_t k = 0; k < used.size(); ++k)
    map[static_cast<std::size_t>(used[k])] = static_cast<int>(k);
  if (!alignment.ownNumbers.empty()) alignment.ownNumbers.resize(static_cast<std::size_t>(n));
  // One pass, so dropping many of thousands of sequences stays linear.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
    if (map[i] == -1) continue;
    if (kept != i) {
      alignment.names[kept] = std::move(alignment.names[i]);
      alignment.residues[kept] = std::move(alignment.residues[i]);
      if (!alignment.ownNumbers.empty())
        alignment.ownNumbers[kept] = std::move(alignment.ownNumbers[i]);
    }
    ++kept;
  }
  alignment.names.resize(kept);
  alignment.residues.resize(kept);
  if (!alignment.ownNumbers.empty()) alignment.ownNumbers.resize(kept);
  for (int& v : setList) {
    if (v >= 0 && v < n) v = map[static_cast<std::size_t>(v)];
  }
}

// The sets of the set list, each with its sequences once, in list order. The
// sequences are moved out of `alignment` where they are used for the last
// time, so one set of everything copies nothing.
std::vector<Alignment> splitIntoSets(Alignment& alignment, const std::vector<int>& setList) {
  std::vector<Alignment> sets;
  if (setList.size() < 2) return sets;
  const std::size_t n = alignment.residues.size();
  std::vector<std::vector<std::size_t>> members;
  std::vector<std::size_t> lastSet(
      n, static_cast<std::size_t>(-1));  // the set a sequence was last put in
  std::vector<std::size_t> usesLeft(n, 0);
  bool open = false;
  for (std::size_t k = 1; k < setList.size(); ++k) {
    const int v = setList[k];
    if (v < 0) {
      open = false;
      continue;
    }
    if (static_cast<std::size_t>(v) >= n) continue;
    if (!open) {
      members.emplace_back();
      open = true;
    }
    const auto sequence = static_cast<std::size_t>(v);
    if (lastSet[sequence] == members.size() - 1) continue;  // once a set
    lastSet[sequence] = members.size() - 1;
    members.back().push_back(sequence);
    ++usesLeft[sequence];
  }
  for (const std::vector<std::size_t>& list : members) {
    Alignment set;
    set.length = alignment.length;
    set.names.reserve(list.size());
    set.residues.reserve(list.size());
    const bool numbered = !alignment.ownNumbers.empty();
    for (const std::size_t i : list) {
      const bool last = --usesLeft[i] == 0;
      if (last) {
        set.names.push_back(std::move(alignment.names[i]));
        set.residues.push_back(std::move(alignment.residues[i]));
      } else {
        set.names.push_back(alignment.names[i]);
        set.residues.push_back(alignment.residues[i]);
      }
      if (!numbered) continue;
      set.ownNumbers.emplace_back();
      if (i < alignment.ownNumbers.size()) {
        set.ownNumbers.back() = last ? std::move(alignment.ownNumbers[i]) : alignment.ownNumbers[i];
      }
    }
    sets.push_back(std::move(set));
  }
  return sets;
}

// Capped at the alignment length as unsigned numbers, so "unlimited" becomes
// the length.
int cappedWidth(bool enabled, int width, int length) {
  unsigned value = enabled ? static_cast<unsigned>(width) : std::numeric_limits<unsigned>::max();
  return static_cast<int>(std::min(value, static_cast<unsigned>(std::max(length, 0))));
}

// The consensus row's name in the name column.
std::string consensusLabel(const Options& options) {
  std::string label = "Consensus";
  if (options.output.showThreshold) {
    label += "/" + std::to_string(options.annotation.consensusThreshold / 10) + "%";
  }
  return label;
}

// Every label of the name column padded, here and only here, to the widest of
// them: the names, the prediction rows' labels and the consensus row's, which
// is returned.
std::string justifyLabels(Alignment& alignment, const Options& options) {
  std::string label = consensusLabel(options);
  const int justification = options.output.nameJustification;
  const std::size_t width = std::max({static_cast<std::size_t>(alignment.labelWidth()),
                                      label.size(), columnRowLabelWidth(options)});
  for (auto& name : alignment.names) justify(name, width, justification);
  for (auto& trackLabel : alignment.trackLabels) justify(trackLabel, width, justification);
  justify(label, width, justification);
  return label;
}

// The document read and its characters checked; none when it cannot be, or
// the user stops it.
std::optional<Alignment> readDocument(std::string_view text, const FormatRequest& formatRequest,
                                      const Options& options, const std::string& invalidResidues,
                                      AnnotationInteraction& interaction) {
  const ParseOptions& parse = options.parse;
  // The document is a NUL-terminated text; bytes that are no text at all
  // get a message that says so rather than a reader's complaint.
  const CheckedText checked = checkDocumentText(text);
  if (checked.problem) {
    interaction.messageSink().error(*checked.problem, checked.line);
    return std::nullopt;
  }

  Alignment alignment;
  AlignmentFormat format = settleFormat(checked.text, formatRequest);
  if (!formatRequest.given && parse.confirmFormats) {
    auto chosen = interaction.confirmFormat(format);
    if (!chosen) return std::nullopt;
    format = *chosen;
  }
  if (!interaction.progress(AnnotationStage::Reading, 0)) return std::nullopt;
  if (!readAlignment(checked.text, format, interaction.messageSink(), alignment,
                     readSettings(options)))
    return std::nullopt;

  std::vector<CharacterProblem> problems;
  if (!checkCharacters(alignment, problems, parse.allowLowerCase, parse.allowStrangeGaps,
                       invalidResidues)) {
    if (!interaction.acceptInvalidCharacters(problems)) return std::nullopt;
  }
  return alignment;
}

// The user's set list, or every sequence in one set; none when cancelled.
std::optional<std::vector<int>> chooseSetList(const Alignment& alignment,
                                              const OutputOptions& output,
                                              AnnotationInteraction& interaction,
                                              RememberedSets& remembered) {
  if (!output.multipleSets) return defaultSetList(alignment.residues.size());
  const int sequenceCount = static_cast<int>(alignment.residues.size());
  const std::vector<int> starting =
      remembered.sequenceCount == sequenceCount ? remembered.setList : std::vector<int>{};
  auto chosen = interaction.chooseSets(alignment.names, output.duplicateInSets, starting);
  if (chosen) remembered = RememberedSets{*chosen, sequenceCount};
  return chosen;
}

// Numbers count, the ruler and the preview name the columns of the alignment
// as read, so they need to know which columns elision cut.
ColumnNumbers elide(Alignment& alignment, const Options& options,
                    const std::string& invalidResidues, bool figure) {
  ColumnNumbers columnNumbers;
  const AnnotationOptions& annotation = options.annotation;
  if (!annotation.useElision) return columnNumbers;
  ElisionSettings elision;
  elision.minGaps =
      elisionMinGaps(static_cast<int>(alignment.residues.size()), annotation.elisionThreshold);
  elision.minimumElisionLength = annotation.minimumElisionLength;
  elision.allowLowerCase = options.parse.allowLowerCase;
  elision.tracksFollowResidues = figure;
  elideSparseRegions(alignment, elision, invalidResidues, &columnNumbers);
  return columnNumbers;
}

// Each set's consensus, its row named `label`. False, with the message given,
// when the groupings cannot be used.
bool addConsensus(AnnotatedAlignment& annotated, const Options& options,
                  const GroupingSet& groupings, const std::string& invalidResidues,
                  const std::string& label, AnnotationInteraction& interaction) {
  const ConsensusSettings consensus = consensusSettings(options);
  annotated.results.reserve(annotated.sets.size() + 1);
  for (const Alignment& set : annotated.sets) {
    ConsensusRows& result = annotated.results.emplace_back();
    const ConsensusStatus status =
        computeConsensus(set, result, groupings, consensus, invalidResidues);
    if (!status) {
      interaction.messageSink().error(status.message, 0);
      return false;
    }
    result.label = label;
  }
  return true;
}

// The prediction rows of the alignment as a last set of their own.
void addPredictions(AnnotatedAlignment& annotated, Alignment& alignment) {
  if (alignment.trackLabels.empty()) return;
  Alignment predictions;
  predictions.trackLabels = std::move(alignment.trackLabels);
  predictions.tracks = std::move(alignment.tracks);
  predictions.length = alignment.length;
  annotated.sets.push_back(std::move(predictions));
  annotated.results.emplace_back();
}

// On paper, the widest wrap that fits made as even as the blocks allow, so
// the last block is not a handful of columns alone: as many blocks, each as
// wide as the widest needs, in whole column groups where those still fit.
int balancedWrap(int length, int widest, int columnGroupWidth) {
  if (length <= 0 || widest <= 0) return widest;
  const int blocks = (length + widest - 1) / widest;
  const int even = (length + blocks - 1) / blocks;
  const int group = std::max(columnGroupWidth, 1);
  const int grouped = (even + group - 1) / group * group;
  return grouped <= widest ? grouped : even;
}

// The annotation laid out into `writer`, from its formats to its end.
bool writeAnnotation(AnnotatedAlignment& annotated, Alignment& alignment, const Options& options,
                     const GroupingSet& groupings, AnnotationWriter& writer,
                     AnnotationInteraction& interaction) {
  const OutputOptions& output = options.output;
  const FigureOptions& figure = options.figure;
  const LayoutMarks marks{figure.residueNumbers, figure.ruler, figure.rulerInterval,
                          writer.drawsFigure(), writer.placesStructureUnderSequences()};
  int wrapWidth = cappedWidth(output.wrapOutput, output.wrapLength, alignment.length);
  const int columnWidth = cappedWidth(output.separateColumns, output.columnWidth, alignment.length);

  for (const ResidueFormat& f : groupings.textFormats()) writer.addFormat(f);
  if (annotated.rows.identityFormat >= 0) writer.addFormat(kIdenticalFormat);
  addPredictions(annotated, alignment);
  // A figure of a set width is always filled.
  const bool setWidth = figureWidthPoints(options.figureLayout.width).value_or(0) > 0;
  const bool fitWrap = (figure.fitWrapToPage || setWidth) && output.wrapOutput;
  // A figure of a set width takes the type that lets a sensible line fit,
  // before it starts (its title is drawn in that type).
  constexpr int kFewColumns = 10;
  const int wanted = fitWrap ? std::min(kFewColumns, std::max(alignment.length, 1)) : wrapWidth;
  if (writer.drawsFigure()) {
    const std::string tooNarrow =
        writer.fitTypeToWidth(widestLineCells(annotated, columnWidth, marks, wanted),
                              widestLineCells(annotated, columnWidth, marks, 1), !fitWrap);
    if (!tooNarrow.empty()) {
      interaction.messageSink().error(tooNarrow, 0);
      return false;
    }
  }
  writer.begin();
  if (fitWrap && writer.pageLineCharacters() > 0) {
    wrapWidth = widestWrapThatFits(annotated, columnWidth, marks, writer.pageLineCharacters());
    if (figure.paperSize != 0) wrapWidth = balancedWrap(alignment.length, wrapWidth, columnWidth);
    // Long names can leave the residues a sliver of the page.
    if (wrapWidth < kFewColumns && wrapWidth < alignment.length) {
      interaction.warn("only " + std::to_string(wrapWidth) +
                       " residue(s) fit on a line of the page beside the names; shorten the "
                       "names, or lay the figure out on a larger or landscape page");
    }
  }
  const bool laidOut = layOut(annotated, wrapWidth, columnWidth, writer, marks,
                              [&interaction](std::size_t done, std::size_t total) {
                                return interaction.progress(AnnotationStage::Layout,
                                                            static_cast<int>(done * 100 / total));
                              });
  if (!laidOut) return false;
  writer.end();
  return true;
}

}  // namespace

ReadSettings readSettings(const Options& options) {
  const ParseOptions& parse = options.parse;
  return ReadSettings{parse.dscIgnoreCoil,
                      parse.mergePhdPredictions,
                      parse.ignoreConfidences,
                      options.input.matchStatesOnly,
                      inflateLimitOf(options.input.maxInflatedMegabytes),
                      options.input.fastaNameFirstWord};
}

ConsensusSettings consensusSettings(const Options& options) {
  ConsensusSettings consensus;
  consensus.consensusThreshold = options.annotation.consensusThreshold;
  consensus.includeBlanks = options.annotation.includeBlanks;
  consensus.xIsUnknown = options.annotation.xIsUnknown;
  consensus.allowLowerCase = options.parse.allowLowerCase;
  return consensus;
}

bool annotate(std::string_view text, const Options& options, const GroupingSet& groupings,
              AnnotationWriter& writer, AnnotationInteraction& interaction,
              RememberedSets& remembered, const FormatRequest& formatRequest,
              const AfterReading& afterReading) {
  const std::string invalidResidues = invalidResidueList(options.parse);
  std::optional<Alignment> read =
      readDocument(text, formatRequest, options, invalidResidues, interaction);
  if (!read) return false;
  Alignment& alignment = *read;
  applySubstitutions(alignment, options.output);
  if (afterReading && !afterReading(alignment, interaction)) return false;
  const std::string label = justifyLabels(alignment, options);

  std::optional<std::vector<int>> setList =
      chooseSetList(alignment, options.output, interaction, remembered);
  if (!setList) return false;
  // A single sequence has no consensus worth drawing; none at all cannot be laid out.
  const std::vector<int> used =
      usedSequences(*setList, static_cast<int>(alignment.residues.size()));
  if (used.size() < 2) return false;
  compact(alignment, *setList, used);

  std::string referenceProblem;
  const ReferenceSequence reference = findReference(alignment, options, referenceProblem);
  if (!referenceProblem.empty()) {
    interaction.messageSink().error(referenceProblem, 0);
    return false;
  }
  // A chosen range shows just its columns: nothing is elided.
  const bool chosen = !options.columnMarks.columns.empty();
  ColumnNumbers columnNumbers =
      chosen ? ColumnNumbers() : elide(alignment, options, invalidResidues, writer.drawsFigure());
  AnnotatedAlignment annotated;
  annotated.sets = splitIntoSets(alignment, *setList);
  annotated.columnNumbers = std::move(columnNumbers);
  if (const std::string why = keepChosenColumns(annotated, alignment, options, reference);
      !why.empty()) {
    interaction.messageSink().error(why, 0);
    return false;
  }

  if (!interaction.progress(AnnotationStage::Consensus, 0)) return false;
  if (!addConsensus(annotated, options, groupings, invalidResidues, label, interaction))
    return false;
  const std::string rowsProblem =
      addColumnRows(annotated, options, groupings, invalidResidues, writer.drawsColumnRowShapes(),
                    label.size(), options.output.nameJustification, reference);
  if (!rowsProblem.empty()) {
    interaction.messageSink().error(rowsProblem, 0);
    return false;
  }
  return writeAnnotation(annotated, alignment, options, groupings, writer, interaction);
}

}  // namespace hueset
