#include "input/format_readers.h"
#include "input/line_words.h"
#include "input/name_index.h"
#include "util/text_format.h"

namespace hueset {

namespace {
constexpr std::size_t kShortestTestedHeader = 7;
constexpr std::size_t kMaxSafResiduesPerLine = 60;
}  // namespace

ClustalReader::ClustalReader(ParseMessageSink& sink)
    : AlignmentReader(sink, AlignmentFormat::Clustal) {}

bool ClustalReader::findSafStart() {
  while (auto line = takeNonBlankLine()) {
    if (startsWithNoCase(*line, "# saf")) return true;
  }
  return failWithoutLine(InputMessage::SafKeywordMissing, lineCount());
}

bool ClustalReader::parse(Alignment& alignment) {
  const bool saf = alignment.format == AlignmentFormat::PhdSaf;
  useHeadingsOf(saf ? AlignmentFormat::PhdSaf : AlignmentFormat::Clustal);
  if (saf && !findSafStart()) return false;
  bool headerSeen = saf;
  NameIndex index(alignment.names);

  while (auto taken = takeLine()) {
    const std::string_view line = *taken;
    // Conservation lines and rulers start with blanks.
    if (line.empty() || isSpace(line.front())) continue;
    if (saf && isSectionRule(line)) break;
    if (!headerSeen) {
      headerSeen = true;
      if (line.size() >= kShortestTestedHeader && !atEnd() && !line.starts_with("CLUS")) {
        return failAtLine(InputMessage::ClustalKeywordMissing, lineCount());
      }
      continue;
    }
    if (saf && line.front() == '#') continue;

    const auto [name, afterName] = splitFirstWord(line);
    const std::string_view data = splitFirstWord(trimLeft(afterName)).word;
    if (data.empty()) {
      if (askToAbortAtLine(InputMessage::NameWithoutData, lineCount(), name)) return false;
      continue;
    }
    std::string& residues = index.rowOf(name, alignment.residues);
    if (!saf) {
      // A residue count may follow the residues; it is not data.
      residues.append(data);
      continue;
    }
    std::size_t added = 0;
    for (char c : afterName) {
      if (isSpace(c)) continue;
      residues += c;
      ++added;
    }
    if (added > kMaxSafResiduesPerLine &&
        askToAbortAtLine(InputMessage::TooManyResiduesOnLine, lineCount()))
      return false;
  }

  if (alignment.names.empty()) return failAtLine(InputMessage::ClustalNoSequenceData, lineCount());
  return takeCommonLength(alignment);
}

}  // namespace hueset
