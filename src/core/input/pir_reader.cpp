#include "input/format_readers.h"
#include "input/line_words.h"
#include "util/text_format.h"

namespace hueset {

namespace {

bool isTypeCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// ">P1;" and its kin.
bool isHeader(std::string_view line) {
  return line.size() >= 4 && line[0] == '>' && isTypeCharacter(line[1]) &&
         isTypeCharacter(line[2]) && line[3] == ';';
}

}  // namespace

PirReader::PirReader(ParseMessageSink& sink) : AlignmentReader(sink, AlignmentFormat::Pir) {}

bool PirReader::parse(Alignment& alignment) {
  bool open = false;  // residues read since the header, no "*" yet
  bool expectDescription = false;
  bool extraReported = false;  // text after the "*" of this sequence
  while (auto taken = takeLine()) {
    const std::string_view line = trimLeft(*taken);
    if (line.starts_with(">")) {
      if (open && askToAbortAtLine(InputMessage::PirNotEnded, lineCount(), alignment.names.back()))
        return false;
      if (!isHeader(line)) return failAtLine(InputMessage::PirHeaderExpected, lineCount());
      alignment.names.emplace_back(splitFirstWord(trimLeft(line.substr(4))).word);
      alignment.residues.emplace_back();
      open = true;
      expectDescription = true;
      extraReported = false;
      continue;
    }
    if (expectDescription) {
      // Whatever it says, even nothing, this line describes the sequence.
      expectDescription = false;
      continue;
    }
    if (line.empty() || line.starts_with("C;")) continue;
    if (alignment.names.empty()) return failAtLine(InputMessage::PirHeaderExpected, lineCount());
    if (!open) {
      if (!extraReported &&
          askToAbortAtLine(InputMessage::PirTextAfterEnd, lineCount(), alignment.names.back()))
        return false;
      extraReported = true;
      continue;
    }
    const std::size_t star = line.find('*');
    appendWithoutBlanks(alignment.residues.back(), line.substr(0, star));
    if (star == std::string_view::npos) continue;
    open = false;
    if (!trim(line.substr(star + 1)).empty()) {
      extraReported = true;
      if (askToAbortAtLine(InputMessage::PirTextAfterEnd, lineCount(), alignment.names.back()))
        return false;
    }
  }

  if (open && askToAbortWithoutLine(InputMessage::PirNotEnded, lineCount(), alignment.names.back()))
    return false;
  return dropEmptySequences(alignment) && takeCommonLength(alignment);
}

}  // namespace hueset
