#include "input/format_readers.h"
#include "input/line_words.h"
#include "util/text_format.h"

namespace hueset {

namespace {
// The header from its ">" up to the first control character (normally the
// carriage return of a CR LF line end). Bytes above ASCII are letters of
// UTF-8 or Latin-1 names, kept as written.
std::string_view headerName(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && static_cast<unsigned char>(line[end]) >= 32 && line[end] != 127) {
    ++end;
  }
  return line.substr(0, end);
}
}  // namespace

FastaReader::FastaReader(ParseMessageSink& sink, const ReadSettings& settings)
    : AlignmentReader(sink, AlignmentFormat::Fasta),
      m_firstWordNames(settings.fastaNameFirstWord) {}

bool FastaReader::parse(Alignment& alignment) {
  while (auto line = takeLine()) {
    if (!line->empty() && line->front() == '>') {
      const std::string_view header = headerName(*line);
      const std::string_view word = splitFirstWord(trimLeft(header.substr(1))).word;
      // A header without a word keeps its ">", so no name is empty.
      alignment.names.emplace_back(m_firstWordNames && !word.empty() ? word : header);
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
