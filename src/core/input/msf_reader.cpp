#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "input/dsc_rows.h"
#include "input/format_readers.h"
#include "input/line_words.h"
#include "input/name_index.h"
#include "util/parallel.h"
#include "util/text_format.h"

namespace hueset {

namespace {
constexpr int kMaxDeclaredLength = 32000;
constexpr std::size_t kMaxNameLength = 15;
constexpr std::size_t kMaxResiduesPerLine = 50;

// Appends the non-blank characters of `text` to `residues`; returns how many.
std::size_t appendNonBlank(std::string& residues, std::string_view text) {
  const std::size_t before = residues.size();
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isSpace(text[i])) ++i;
    const std::size_t begin = i;
    while (i < text.size() && !isSpace(text[i])) ++i;
    residues.append(text.substr(begin, i - begin));
  }
  return residues.size() - before;
}

// Calls `visit(line, sequence, rest)` for every line of `text` that starts
// with a sequence's name; `line` counts from 0 and `rest` is what follows
// the name. Returns the number of line feeds.
template <typename Visit>
std::size_t forEachDataLine(std::string_view text, const NameIndex& index, Visit visit) {
  int running = -1;
  std::size_t line = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const void* feed = std::memchr(text.data() + at, '\n', text.size() - at);
    const std::size_t end =
        feed != nullptr ? static_cast<std::size_t>(static_cast<const char*>(feed) - text.data())
                        : text.size();
    if (const std::string_view trimmed = trimLeft(text.substr(at, end - at)); !trimmed.empty()) {
      const auto [word, rest] = splitFirstWord(trimmed);
      if (const int i = index.find(word, running); i >= 0)
        visit(line, static_cast<std::size_t>(i), rest);
    }
    if (feed == nullptr) break;
    at = end + 1;
    ++line;
  }
  return line;
}

// isSpace without a branch, so that counting vectorises.
std::size_t nonBlankCount(std::string_view text) {
  std::size_t kept = 0;
  for (const char c : text) {
    kept +=
        static_cast<std::size_t>((c != ' ') & (static_cast<unsigned char>(c - '\t') > '\r' - '\t'));
  }
  return kept;
}

// One stretch of the data lines, read on a thread of its own.
struct DataPiece {
  // Small, as there is one a line: where what follows the name starts in
  // the piece, and whose it is.
  struct Line {
    std::uint32_t residues;
    std::uint32_t sequence;
  };
  std::string_view text;              // whole lines
  std::vector<Line> data;             // its data lines, in order
  std::vector<std::size_t> place;     // per sequence: residues, then where they go
  std::vector<std::size_t> overlong;  // lines (from 0 within the piece) of too many residues
  std::size_t lines = 0;              // line feeds
};

// Below this much data the lines are read in one go.
constexpr std::size_t kPiecedReadFrom = std::size_t{1} << 20;
}  // namespace

MsfReader::MsfReader(ParseMessageSink& sink, const ReadSettings& settings)
    : AlignmentReader(sink, AlignmentFormat::Msf), m_settings(settings) {}

bool MsfReader::parse(Alignment& alignment) {
  const bool flavour =
      alignment.format == AlignmentFormat::PhdMsf || alignment.format == AlignmentFormat::Dsc;
  useHeadingsOf(flavour ? alignment.format : AlignmentFormat::Msf);
  if (!readHeader(alignment) || !readNames(alignment) || !readData(alignment)) return false;
  if (alignment.format == AlignmentFormat::Dsc) return readDscRows(alignment);
  return true;
}

bool MsfReader::readHeader(Alignment& alignment) {
  std::string_view header;
  int headerLine = 0;
  while (auto line = takeLine()) {
    const std::size_t keyword = line->find("MSF:");
    if (keyword == std::string_view::npos) continue;
    // A title may mention "MSF:" too; the header is the line that also
    // names the type, or the last one that says "MSF:".
    if (line->find("Type:") != std::string_view::npos || atEnd() ||
        rest().find("MSF:") == std::string_view::npos) {
      header = line->substr(keyword + 4);
      headerLine = lineCount();
      break;
    }
  }
  if (headerLine == 0) return failWithoutLine(InputMessage::MsfKeywordMissing, lineCount());

  const std::size_t dots = header.find("..");
  if (dots == std::string_view::npos || !trimLeft(header.substr(dots + 2)).empty()) {
    if (askToAbortAtLine(InputMessage::MsfHeaderNotDotted, headerLine)) return false;
  }

  const auto words = splitWords(header);
  auto word = [&words](std::size_t i) { return i < words.size() ? words[i] : std::string_view{}; };
  const long long declared = leadingInteger(word(0));
  if (declared < 0 || declared > kMaxDeclaredLength)
    return failAtLine(InputMessage::MsfLengthTooLarge, headerLine, word(0));
  alignment.length = static_cast<std::int32_t>(declared);
  if (!equalsNoCase(word(1), "Type:"))
    return failAtLine(InputMessage::MsfTypeKeywordMissing, headerLine);
  if (!equalsNoCase(word(2), "P"))
    return failAtLine(InputMessage::MsfTypeNotProtein, headerLine, word(2));
  return true;
}

bool MsfReader::readNames(Alignment& alignment) {
  int endLine = 0;
  while (auto line = takeNonBlankLine()) {
    if (line->starts_with("//")) {
      endLine = lineCount();
      break;
    }
    if (!startsWithNoCase(*line, "Name:")) continue;
    const std::string_view name = splitFirstWord(trimLeft(line->substr(5))).word;
    if (name.size() > kMaxNameLength &&
        askToAbortAtLine(InputMessage::MsfNameTooLong, lineCount(), name))
      return false;
    alignment.names.emplace_back(name);
  }
  if (endLine == 0) return failWithoutLine(InputMessage::MsfEndedEarly, lineCount());
  if (const int duplicates = alignment.duplicateNameCount(); duplicates != 0) {
    return failWithoutLine(InputMessage::DuplicateNames, duplicates);
  }
  // Without names no data line can be placed, and the checks that follow
  // need at least one sequence.
  if (alignment.names.empty()) return failAtLine(InputMessage::MsfNoNames, endLine);
  alignment.residues.assign(alignment.names.size(), std::string{});
  return true;
}

bool MsfReader::readData(Alignment& alignment) {
  const bool phd = alignment.format == AlignmentFormat::PhdMsf;
  // A prediction's alignment ends at a rule; only the plain blocks are cut.
  if (!phd && workerCount() > 1 && rest().size() >= kPiecedReadFrom &&
      rest().size() <= UINT32_MAX) {
    return readDataInPieces(alignment);
  }
  NameIndex index(alignment.names);
  // The header's length is a fair guess at each sequence's, as long as the
  // text left could hold them all.
  if (!alignment.residues.empty()) {
    const std::size_t guess = std::min(static_cast<std::size_t>(std::max(alignment.length, 0)),
                                       rest().size() / alignment.residues.size());
    for (std::string& residues : alignment.residues) residues.reserve(guess);
  }
  while (auto line = takeNonBlankLine()) {
    if (phd && isSectionRule(*line)) break;
    const auto [word, rest] = splitFirstWord(*line);
    const int i = index.find(word);
    if (i < 0) continue;  // column rulers and stray text
    const std::size_t added = appendNonBlank(alignment.residues[static_cast<std::size_t>(i)], rest);
    if (added > kMaxResiduesPerLine &&
        askToAbortAtLine(InputMessage::TooManyResiduesOnLine, lineCount()))
      return false;
  }
  return checkDataLengths(alignment);
}

bool MsfReader::checkDataLengths(Alignment& alignment) {
  for (std::size_t i = alignment.names.size(); i-- > 0;) {
    if (alignment.residues[i].empty())
      return failWithoutLine(InputMessage::MsfNameWithoutData, lineCount(), alignment.names[i]);
  }
  if (!alignment.hasEqualLengths()) return reportUnequalLengths(alignment);
  const auto real = static_cast<std::int32_t>(alignment.residues.front().size());
  if (real != alignment.length && askToAbortWithoutLine(InputMessage::MsfLengthMismatch,
                                                        alignment.length, std::to_string(real))) {
    return false;
  }
  alignment.length = real;
  return true;
}

bool MsfReader::readDataInPieces(Alignment& alignment) {
  const int firstLine = lineCount();
  const std::string_view text = rest();
  const std::size_t sequences = alignment.names.size();

  // Pieces of about equal size, each from a line start to a line start;
  // several to a thread, so none waits long for the last.
  std::vector<DataPiece> pieces(4 * workerCount());
  std::size_t begin = 0;
  for (std::size_t p = 0; p < pieces.size(); ++p) {
    std::size_t end = text.size();
    if (p + 1 < pieces.size()) {
      end = std::max(begin, text.size() * (p + 1) / pieces.size());
      const std::size_t feed = text.find('\n', end);
      end = feed == std::string_view::npos ? text.size() : feed + 1;
    }
    pieces[p].text = text.substr(begin, end - begin);
    pieces[p].place.assign(sequences, 0);
    begin = end;
  }
  // Two passes, so the residues are copied once, straight into place: the
  // first finds the data lines and counts each sequence's residues in each
  // piece, the second copies them.
  const NameIndex index(alignment.names);
  parallelFor(pieces.size(), 1, [&](std::size_t first, std::size_t last) {
    for (std::size_t p = first; p < last; ++p) {
      DataPiece& piece = pieces[p];
      piece.lines = forEachDataLine(
          piece.text, index, [&](std::size_t line, std::size_t i, std::string_view rest) {
            const std::size_t count = nonBlankCount(rest);
            piece.place[i] += count;
            piece.data.push_back({static_cast<std::uint32_t>(rest.data() - piece.text.data()),
                                  static_cast<std::uint32_t>(i)});
            if (count > kMaxResiduesPerLine) piece.overlong.push_back(line);
          });
    }
  });
  parallelFor(sequences, 256, [&](std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
      std::size_t total = 0;
      for (DataPiece& piece : pieces) total += std::exchange(piece.place[i], total);
      alignment.residues[i].resize(total);
    }
  });
  parallelFor(pieces.size(), 1, [&](std::size_t first, std::size_t last) {
    for (std::size_t p = first; p < last; ++p) {
      DataPiece& piece = pieces[p];
      for (const DataPiece::Line& line : piece.data) {
        std::string_view residues = piece.text.substr(line.residues);
        residues = residues.substr(0, residues.find('\n'));
        char* out = alignment.residues[line.sequence].data() + piece.place[line.sequence];
        for (const char c : residues) {
          if (!isSpace(c)) *out++ = c;
        }
        piece.place[line.sequence] =
            static_cast<std::size_t>(out - alignment.residues[line.sequence].data());
      }
      piece.data = {};
    }
  });

  std::size_t lineFeeds = 0;
  for (const DataPiece& piece : pieces) lineFeeds += piece.lines;
  skipRest(lineFeeds);

  // The questions come in the order of the lines, as they would line by line.
  std::size_t before = 0;
  for (const DataPiece& piece : pieces) {
    for (const std::size_t line : piece.overlong) {
      if (askToAbortAtLine(InputMessage::TooManyResiduesOnLine,
                           firstLine + static_cast<int>(before + line) + 1))
        return false;
    }
    before += piece.lines;
  }
  return checkDataLengths(alignment);
}

bool MsfReader::readDscRows(Alignment& alignment) {
  if (hasDscRows(alignment)) {
    moveDscRows(alignment, m_settings.dscIgnoreCoil, m_settings.ignoreConfidences);
    return true;
  }
  return !askToAbortAtLine(InputMessage::DscDataMissing, lineCount());
}

}  // namespace hueset
