#include <string>

#include "input/format_readers.h"
#include "input/line_words.h"
#include "input/name_index.h"
#include "util/text_format.h"

namespace hueset {

namespace {

constexpr std::string_view kHeader = "# STOCKHOLM";
constexpr std::string_view kConsensusStructure = "SS_cons";
constexpr std::string_view kStructure = "SS";

// The next word of `text` (leading white space skipped) and what follows it.
SplitWord nextWord(std::string_view text) { return splitFirstWord(trimLeft(text)); }

}  // namespace

StockholmReader::StockholmReader(ParseMessageSink& sink)
    : AlignmentReader(sink, AlignmentFormat::Stockholm) {}

bool StockholmReader::parse(Alignment& alignment) {
  const auto header = takeNonBlankLine();
  if (!header || !header->starts_with(kHeader))
    return failAtLine(InputMessage::StockholmHeaderMissing, lineCount());

  NameIndex names(alignment.names);
  // Tracks are looked up as names are: a file of a structure row per
  // sequence must not scan every row for every line.
  NameIndex tracks(alignment.trackLabels);
  bool closed = false;
  while (auto taken = takeLine()) {
    const std::string_view line = trimLeft(*taken);
    if (line.empty()) continue;
    if (line.starts_with("//")) {
      closed = true;
      break;
    }
    if (line.front() == '#') {
      if (!readMarkup(line, alignment, tracks)) return false;
      continue;
    }
    const auto [name, afterName] = splitFirstWord(line);
    const auto [data, afterData] = nextWord(afterName);
    if (data.empty()) {
      if (askToAbortAtLine(InputMessage::NameWithoutData, lineCount(), name)) return false;
      continue;
    }
    names.rowOf(name, alignment.residues).append(data);
    std::string_view extra = trim(afterData);
    if (!extra.empty() && askToAbortAtLine(InputMessage::WhitespaceDiscarded, lineCount(), extra))
      return false;
  }

  if (!closed && askToAbortWithoutLine(InputMessage::StockholmNotClosed, lineCount())) return false;
  if (closed && !skipFurtherAlignments()) return false;
  if (alignment.lastNonEmptySequence() < 0)
    return failAtLine(InputMessage::NoSequenceData, lineCount());
  return takeCommonLength(alignment);
}

// "#=GR name feature data" and "#=GC feature data": only the secondary
// structure is kept, as a labelled row. Everything else that begins with
// "#" is mark-up or comment and never a sequence.
bool StockholmReader::readMarkup(std::string_view line, Alignment& alignment, NameIndex& tracks) {
  std::string label;
  std::string_view afterFeature;
  if (line.starts_with("#=GC")) {
    const auto [feature, rest] = nextWord(line.substr(4));
    if (feature != kConsensusStructure) return true;
    label = feature;
    afterFeature = rest;
  } else if (line.starts_with("#=GR")) {
    const auto [name, afterName] = nextWord(line.substr(4));
    const auto [feature, rest] = nextWord(afterName);
    if (feature != kStructure) return true;
    label = std::string(name) + " " + std::string(feature);
    afterFeature = rest;
  } else {
    return true;
  }
  const auto [data, afterData] = nextWord(afterFeature);
  if (data.empty()) return true;
  tracks.rowOf(label, alignment.tracks).append(data);
  const std::string_view extra = trim(afterData);
  return extra.empty() || !askToAbortAtLine(InputMessage::WhitespaceDiscarded, lineCount(), extra);
}

// After "//": further alignments are counted and left unread.
bool StockholmReader::skipFurtherAlignments() {
  int further = 0;
  int firstLine = 0;
  while (auto line = takeNonBlankLine()) {
    if (!line->starts_with(kHeader)) continue;
    if (further++ == 0) firstLine = lineCount();
  }
  return further == 0 || !askToAbortAtLine(InputMessage::StockholmMoreAlignments, firstLine,
                                           std::to_string(further));
}

}  // namespace hueset
