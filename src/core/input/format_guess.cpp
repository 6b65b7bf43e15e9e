#include "input/format_guess.h"

#include <vector>

#include "input/format_readers.h"
#include "util/text_format.h"

namespace hueset {

namespace {

// Listens to a trial read: how many questions it asked (each answered "go
// on") and whether it failed.
class TrialSink : public ParseMessageSink {
 public:
  bool ask(const std::string&, int) override {
    ++m_questions;
    return false;
  }
  void error(const std::string&, int) override { m_failed = true; }
  void unequalLengths(const std::string&, const Alignment&) override { m_failed = true; }
  int questions() const { return m_questions; }
  bool failed() const { return m_failed; }

 private:
  int m_questions = 0;
  bool m_failed = false;
};

bool isAlnum(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// ">P1;" (or another two-character type) opening a sequence that a "*"
// closes before the next header.
bool looksLikePir(std::string_view from) {
  if (from.size() < 4 || !isAlnum(from[1]) || !isAlnum(from[2]) || from[3] != ';') return false;
  const std::size_t description = from.find('\n');
  if (description == std::string_view::npos) return false;
  const std::size_t data = from.find('\n', description + 1);
  if (data == std::string_view::npos) return false;
  const std::size_t next = from.find("\n>", data);
  const std::size_t star = from.find('*', data);
  return star != std::string_view::npos && star < next;
}

// What follows PIR comment lines ("C;") and blank lines, when anything does.
std::string_view afterPirComments(std::string_view from) {
  while (from.starts_with("C;")) {
    const std::size_t end = from.find('\n');
    if (end == std::string_view::npos) return {};
    from = trimLeft(from.substr(end + 1));
  }
  return from;
}

// The shape of a ">" text as A2M and A3M see it.
enum class InsertShape { None, A2m, A3m };

// A2M: every sequence as long as the first, lower-case letters and "." only
// in the columns where the first sequence has them, and at least one
// lower-case letter. A3M: lengths differ (so the FASTA reader could not read
// it), but every sequence has as many upper-case (match) columns as the
// first. Both need two sequences, an upper-case letter in the first, and
// data lines of one word each, as the FASTA reader would take them whole.
InsertShape insertShape(std::string_view text) {
  std::vector<bool> firstIsInsert;  // per column of the first sequence
  std::size_t sequences = 0;
  std::size_t firstMatches = 0;
  std::size_t matches = 0;
  std::size_t column = 0;
  bool sameLayout = true;  // every sequence so far has the first's columns
  bool sameLength = true;
  bool anyLowerCase = false;
  bool firstHasUpperCase = false;

  auto closeSequence = [&]() -> bool {
    if (sequences == 1) {
      firstMatches = matches;
      return firstMatches > 0 && firstHasUpperCase;
    }
    if (matches != firstMatches) return false;
    if (column != firstIsInsert.size()) sameLayout = sameLength = false;
    return true;
  };

  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.front() == '>') {
      if (sequences > 0 && !closeSequence()) return InsertShape::None;
      ++sequences;
      matches = 0;
      column = 0;
      continue;
    }
    const std::string_view data = trim(line);
    if (data.empty()) continue;
    if (sequences == 0) return InsertShape::None;
    for (char c : data) {
      if (isSpace(c)) return InsertShape::None;
      const bool lower = c >= 'a' && c <= 'z';
      const bool insert = lower || c == '.';
      anyLowerCase = anyLowerCase || lower;
      if (!insert) ++matches;
      if (sequences == 1) {
        firstIsInsert.push_back(insert);
        firstHasUpperCase = firstHasUpperCase || (c >= 'A' && c <= 'Z');
      } else if (sameLayout &&
                 (column >= firstIsInsert.size() || firstIsInsert[column] != insert)) {
        sameLayout = false;
      }
      ++column;
    }
  }
  if (sequences < 2 || !closeSequence() || !anyLowerCase) return InsertShape::None;
  if (sameLayout) return InsertShape::A2m;
  return sameLength ? InsertShape::None : InsertShape::A3m;
}

// A first line of two counts, and a trial read that finds exactly that many
// sequences and columns with no message but those that only tell what was
// done (the layout taken, further data sets skipped).
bool readsAsPhylip(AlignmentText from) {
  const std::string_view first = from.view().substr(0, from.view().find('\n'));
  const std::vector<std::string_view> words = splitWords(first);
  if (words.size() < 2) return false;
  for (std::size_t w = 0; w < 2; ++w) {
    for (char c : words[w]) {
      if (c < '0' || c > '9') return false;
    }
  }
  TrialSink sink;
  Alignment alignment;
  alignment.format = AlignmentFormat::Phylip;
  PhylipReader reader(sink);
  return reader.read(from, alignment) && !sink.failed() && sink.questions() == reader.notes();
}

// What follows "#" comment lines, when anything does.
std::string_view afterCommentLines(std::string_view from) {
  while (!from.empty() && from.front() == '#') {
    const std::size_t end = from.find('\n');
    if (end == std::string_view::npos) return {};
    from = trimLeft(from.substr(end + 1));
  }
  return from;
}

}  // namespace

AlignmentFormat guessFormat(AlignmentText text) {
  std::size_t start = 0;
  while (start < text.view().size() && isSpace(text.view()[start])) ++start;
  const AlignmentText whole = text.from(start);
  const std::string_view from = whole;
  const auto startsWith = [&from](std::string_view word) {
    return from.size() > word.size() && from.starts_with(word);
  };

  if (!from.empty() && from.front() == '>') {
    if (looksLikePir(from)) return AlignmentFormat::Pir;
    switch (insertShape(from)) {
      case InsertShape::A2m: return AlignmentFormat::A2m;
      case InsertShape::A3m: return AlignmentFormat::A3m;
      case InsertShape::None: break;
    }
    return AlignmentFormat::Fasta;
  }
  if (from.starts_with("C;")) {
    const std::string_view entry = afterPirComments(from);
    if (entry.starts_with(">") && looksLikePir(entry)) return AlignmentFormat::Pir;
  }
  if (startsWith("CLUSTAL")) return AlignmentFormat::Clustal;
  if (startsWith("DSC")) return AlignmentFormat::Dsc;

  const std::string_view window = from.substr(0, 2000);
  std::size_t phd = window.find("PHDsec");
  if (phd != std::string_view::npos) {
    return window.find("# saf", phd + 6) != std::string_view::npos ? AlignmentFormat::PhdSaf
                                                                   : AlignmentFormat::PhdMsf;
  }

  if (from.starts_with("# STOCKHOLM")) return AlignmentFormat::Stockholm;
  if (!from.empty() && from.front() == '#') {
    const std::string_view fasta = afterCommentLines(from);
    if (!fasta.empty() && fasta.front() == '>' && insertShape(fasta) != InsertShape::None) {
      return AlignmentFormat::A3m;
    }
  }
  if (!from.empty() && from.front() >= '0' && from.front() <= '9' && readsAsPhylip(whole)) {
    return AlignmentFormat::Phylip;
  }
  return AlignmentFormat::Msf;
}

AlignmentFormat guessFormat(std::string_view text) {
  return guessFormat(AlignmentText::upToNul(text));
}

std::optional<AlignmentFormat> formatForExtension(std::string_view path) {
  auto endsWithNoCase = [](std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    text = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
      if (toLowerAscii(text[i]) != suffix[i]) return false;
    }
    return true;
  };
  if (endsWithNoCase(path, ".gz")) path.remove_suffix(3);
  for (const FormatDescriptor& row : formatTable()) {
    if (!row.guessedByExtension) continue;
    for (std::string_view extension : extensionsOf(row)) {
      if (path.size() > extension.size() && endsWithNoCase(path, extension) &&
          path[path.size() - extension.size() - 1] == '.') {
        return row.format;
      }
    }
  }
  return std::nullopt;
}

AlignmentFormat guessFormatForFile(AlignmentText text, std::string_view path) {
  const AlignmentFormat guess = guessFormat(text);
  if (path.empty()) return guess;
  if (guess == AlignmentFormat::Fasta) {
    // A2M, A3M and PIR texts are FASTA-like: one the guess did not take for
    // its own (a PIR entry missing its "*", say) would read as FASTA into a
    // wrong alignment. The file's name says what it is meant to be, so its
    // reader is tried and its problem reported.
    const std::optional<AlignmentFormat> named = formatForExtension(path);
    if (named == AlignmentFormat::A2m || named == AlignmentFormat::A3m ||
        named == AlignmentFormat::Pir) {
      return *named;
    }
    return guess;
  }
  if (guess != AlignmentFormat::Msf) return guess;
  if (text.view().find("MSF:") != std::string_view::npos) return guess;
  return formatForExtension(path).value_or(guess);
}

AlignmentFormat guessFormatForFile(std::string_view text, std::string_view path) {
  return guessFormatForFile(AlignmentText::upToNul(text), path);
}

AlignmentFormat settleFormat(AlignmentText text, const FormatRequest& request) {
  return request.given ? *request.given : guessFormatForFile(text, request.fileName);
}

std::string_view formatLabel(AlignmentFormat format) {
  const FormatDescriptor* row = findFormat(format);
  return row ? row->label : std::string_view{};
}

std::optional<AlignmentFormat> formatFromCliName(std::string_view name) {
  for (const FormatDescriptor& row : formatTable()) {
    if (row.cliName == name) return row.format;
  }
  return std::nullopt;
}

FormatChoice FormatChoice::forGuess(AlignmentFormat guess) {
  FormatChoice choice;
  const auto list = formatList();
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].format == guess) choice.selected = static_cast<int>(i);
  }
  return choice;
}

AlignmentFormat FormatChoice::chosen() const {
  const auto list = formatList();
  if (selected < 0 || selected >= static_cast<int>(list.size())) {
    return AlignmentFormat::Undetermined;
  }
  return list[static_cast<std::size_t>(selected)].format;
}

}  // namespace hueset
