#include "input/alignment_reader.h"

#include <cstdlib>
#include <iterator>

#include "input/format_table.h"
#include "util/text_format.h"

namespace hueset {

AlignmentReader::AlignmentReader(ParseMessageSink& sink, AlignmentFormat format) : m_sink(sink) {
  useHeadingsOf(format);
}

void AlignmentReader::useHeadingsOf(AlignmentFormat format) {
  // Undetermined speaks as MSF, the guess when nothing else fits.
  const FormatDescriptor* row = findFormat(format);
  if (!row) row = findFormat(AlignmentFormat::Msf);
  m_invalidFileMessage = row->invalidFileHeading;
  m_errorInFileMessage = row->errorInFileHeading;
}

bool AlignmentReader::read(AlignmentText text, Alignment& alignment) {
  // A read from the start begins with nothing; only the format stays.
  const AlignmentFormat format = alignment.format;
  alignment = Alignment();
  alignment.format = format;
  return readFrom(text, ScanPosition{}, alignment);
}

bool AlignmentReader::readFrom(AlignmentText text, ScanPosition start, Alignment& alignment) {
  m_text = text;
  m_position = start;
  if (m_position.cursor && *m_position.cursor > m_text.size()) m_position.cursor.reset();
  return parse(alignment);
}

std::optional<std::string_view> AlignmentReader::takeLine() {
  if (!m_position.cursor) return std::nullopt;
  const std::size_t begin = *m_position.cursor;
  const std::size_t feed = m_text.find('\n', begin);
  ++m_position.lineCount;
  if (feed == std::string_view::npos) {
    m_position.cursor.reset();
    return m_text.substr(begin);
  }
  // After a final line feed the cursor rests on the end of the text, which
  // is one more (empty) line, as with a NUL-terminated buffer.
  m_position.cursor = feed + 1;
  return m_text.substr(begin, feed - begin);
}

std::optional<std::string_view> AlignmentReader::takeNonBlankLine() {
  while (auto line = takeLine()) {
    std::string_view trimmed = trimLeft(*line);
    if (!trimmed.empty()) return trimmed;
  }
  return std::nullopt;
}

std::string_view AlignmentReader::rest() const {
  return m_position.cursor ? m_text.substr(*m_position.cursor) : std::string_view{};
}

void AlignmentReader::skipRest(std::size_t lineFeeds) {
  if (!m_position.cursor) return;
  m_position.lineCount += static_cast<int>(lineFeeds) + 1;
  m_position.cursor.reset();
}

std::string AlignmentReader::message(InputMessage templ, int number, std::string_view text) const {
  return fillTemplate(loadString(templ), number, text);
}

bool AlignmentReader::fail(InputMessage templ, int number, std::string_view text, int line) {
  std::string msg(loadString(m_invalidFileMessage));
  msg += message(templ, number, text);
  m_sink.error(msg, line);
  return false;
}

bool AlignmentReader::askToAbort(InputMessage templ, int number, std::string_view text, int line) {
  std::string msg(loadString(m_errorInFileMessage));
  msg += message(templ, number, text);
  msg += loadString(InputMessage::ProceedRegardless);
  return m_sink.ask(msg, line);
}

bool AlignmentReader::failAtLine(InputMessage templ, int line, std::string_view text) {
  return fail(templ, line, text, line >= 1 ? line : 0);
}

bool AlignmentReader::failWithoutLine(InputMessage templ, int number, std::string_view text) {
  return fail(templ, number, text, 0);
}

bool AlignmentReader::askToAbortAtLine(InputMessage templ, int line, std::string_view text) {
  return askToAbort(templ, line, text, line >= 1 ? line : 0);
}

bool AlignmentReader::askToAbortWithoutLine(InputMessage templ, int number, std::string_view text) {
  return askToAbort(templ, number, text, 0);
}

bool AlignmentReader::reportUnequalLengths(const Alignment& alignment) {
  m_sink.unequalLengths(std::string(loadString(m_invalidFileMessage)), alignment);
  return false;
}

bool AlignmentReader::dropEmptySequences(Alignment& alignment) {
  if (alignment.lastNonEmptySequence() < 0)
    return failAtLine(InputMessage::NoSequenceData, lineCount());
  for (std::size_t i = alignment.residues.size(); i-- > 0;) {
    if (!alignment.residues[i].empty()) continue;
    if (askToAbortWithoutLine(InputMessage::NamesWithoutData, lineCount(), alignment.names[i]))
      return false;
    alignment.removeEmptySequences();
    break;
  }
  return true;
}

bool AlignmentReader::takeCommonLength(Alignment& alignment) {
  if (!alignment.hasEqualLengths()) return reportUnequalLengths(alignment);
  alignment.length = static_cast<std::int32_t>(alignment.residues.front().size());
  return true;
}

int findName(const std::vector<std::string>& names, std::string_view token, int& runningIndex) {
  const int n = static_cast<int>(names.size());
  if (n == 0) return -1;
  // Normalise first: a running index from elsewhere must not break the modulo.
  int start = ((runningIndex % n) + n + 1) % n;
  runningIndex = start;
  int i = start;
  do {
    if (names[static_cast<std::size_t>(i)] == token) {
      runningIndex = i;
      return i;
    }
    i = (i + 1) % n;
  } while (i != start);
  runningIndex = start - 1;
  return -1;
}

std::vector<std::string_view> splitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isSpace(line[i])) ++i;
    std::size_t begin = i;
    while (i < line.size() && !isSpace(line[i])) ++i;
    if (i > begin) words.push_back(line.substr(begin, i - begin));
  }
  return words;
}

}  // namespace hueset
