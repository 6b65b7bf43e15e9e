#include "input/format_readers.h"
#include "input/line_words.h"
#include "util/text_format.h"

namespace hueset {

namespace {
// The header from its ">" up to the first character that is not printable
// (normally the carriage return of a CR LF line end).
std::string_view headerName(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && line[end] >= 32 && line[end] <= 126) ++end;
  return line.substr(0, end);
}
}  // namespace

FastaReader::FastaReader(ParseMessageSink& sink) : AlignmentReader(sink, AlignmentFormat::Fasta) {}

bool FastaReader::parse(Alignment& alignment) {
  while (auto line = takeLine()) {
    if (!line->empty() && line->front() == '>') {
      alignment.names.emplace_back(headerName(*line));
      alignment.residues.emplace_back();
      continue;
    }
    if (alignment.names.empty()) return failAtLine(InputMessage::FirstLineNotName, lineCount());

    const auto [data, after] = splitFirstWord(trimLeft(*line));
    if (data.empty()) continue;
    alignment.residues.back().append(data);
    std::string_view extra = trimLeft(after);
    if (extra.empty()) continue;
    // Quote the extra text without the CR of a CR LF line end, so both line
    // ends give the same message.
    if (extra.back() == '\r') extra.remove_suffix(1);
    if (askToAbortAtLine(InputMessage::WhitespaceDiscarded, lineCount(), extra)) return false;
  }

  if (const int duplicates = alignment.duplicateNameCount(); duplicates != 0) {
    return failWithoutLine(InputMessage::DuplicateNames, duplicates);
  }
  return dropEmptySequences(alignment) && takeCommonLength(alignment);
}

}  // namespace hueset
