#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string>

#include "input/format_readers.h"
#include "input/line_words.h"
#include "util/text_format.h"

namespace hueset {

namespace {

constexpr std::array<bool, 256> kInsertStates = [] {
  std::array<bool, 256> table{};
  for (int c = 'a'; c <= 'z'; ++c) table[static_cast<std::size_t>(c)] = true;
  table['.'] = true;
  return table;
}();

// Lower-case letters and "." are insert states; everything else, gaps "-"
// included, is a match state (what is not a residue is the character
// check's business).
bool isInsert(char c) { return kInsertStates[static_cast<unsigned char>(c)]; }

// HH-suite's structure rows, which its tools write before the sequences or
// after them.
constexpr std::array<std::string_view, 4> kStructureRows = {"ss_pred", "ss_dssp", "ss_conf",
                                                            "sa_dssp"};
constexpr std::string_view kConfidenceRow = "ss_conf";

bool isStructureRow(std::string_view name) {
  return std::find(kStructureRows.begin(), kStructureRows.end(), name) != kStructureRows.end();
}

// The insert columns before each match column, and after the last one: the
// widest run of insert states any sequence has there.
struct InsertWidths {
  std::vector<std::size_t> widths;  // one more than the match columns
  std::vector<std::size_t> slots;   // where widths are not 0, ascending

  // Adds one row; false when its match states are not as many as the
  // earlier rows had.
  bool add(std::string_view row) {
    std::size_t run = 0;
    if (widths.empty()) {
      for (char c : row) {
        if (isInsert(c)) {
          ++run;
        } else {
          widths.push_back(run);
          run = 0;
        }
      }
      widths.push_back(run);
      return true;
    }
    std::size_t slot = 0;
    for (char c : row) {
      if (isInsert(c)) {
        ++run;
        continue;
      }
      if (run != 0) {
        if (slot >= widths.size()) return false;
        widths[slot] = std::max(widths[slot], run);
        run = 0;
      }
      ++slot;
    }
    if (slot + 1 != widths.size()) return false;
    widths[slot] = std::max(widths[slot], run);
    return true;
  }

  std::size_t matchColumns() const { return widths.empty() ? 0 : widths.size() - 1; }

  // Once every row is added: the total length and the insert slots.
  std::size_t finish() {
    std::size_t length = matchColumns();
    for (std::size_t j = 0; j < widths.size(); ++j) {
      length += widths[j];
      if (widths[j] != 0) slots.push_back(j);
    }
    return length;
  }
};

// The rows are rewritten in place, a block of match states at a time: there
// are only match states between two insert slots. Only rows that were added
// to `inserts` may be given, so their runs fit the widths.

// Each insert run padded with "." to the width of its columns, working from
// the end so that nothing is overwritten before it has moved.
void padInserts(std::string& row, const InsertWidths& inserts, std::size_t length) {
  std::size_t from = row.size();
  row.resize(length);
  char* data = row.data();
  std::size_t to = length;
  std::size_t slot = inserts.widths.size() - 1;
  for (auto it = inserts.slots.rbegin(); it != inserts.slots.rend(); ++it) {
    const std::size_t matches = slot - *it;
    from -= matches;
    to -= matches;
    std::memmove(data + to, data + from, matches);
    slot = *it;
    const std::size_t runEnd = from;
    while (from > 0 && isInsert(data[from - 1])) --from;
    const std::size_t run = runEnd - from;
    to -= inserts.widths[slot];
    std::memmove(data + to, data + from, run);
    std::memset(data + to + run, '.', inserts.widths[slot] - run);
  }
}

// Every insert run dropped.
void keepMatchStates(std::string& row, const InsertWidths& inserts) {
  char* data = row.data();
  std::size_t from = 0;
  std::size_t to = 0;
  std::size_t slot = 0;
  for (std::size_t next : inserts.slots) {
    const std::size_t matches = next - slot;
    std::memmove(data + to, data + from, matches);
    from += matches;
    to += matches;
    slot = next;
    while (from < row.size() && isInsert(data[from])) ++from;
  }
  std::memmove(data + to, data + from, row.size() - from);
  row.resize(to + row.size() - from);
}

std::size_t countMatchStates(std::string_view row) {
  return static_cast<std::size_t>(
      std::count_if(row.begin(), row.end(), [](char c) { return !isInsert(c); }));
}

}  // namespace

A2mReader::A2mReader(ParseMessageSink& sink, const ReadSettings& settings)
    : AlignmentReader(sink, AlignmentFormat::A2m), m_settings(settings) {}

bool A2mReader::parse(Alignment& alignment) {
  const bool a3m = alignment.format == AlignmentFormat::A3m;
  useHeadingsOf(a3m ? AlignmentFormat::A3m : AlignmentFormat::A2m);
  std::vector<int> firstLines;  // the header line of each sequence
  if (!readLines(alignment, firstLines)) return false;

  // A2M and A3M names may repeat (two hits of one protein): the tools that
  // write them tell the rows apart by their place, and so does the figure.
  // The header lines of sequences about to be dropped go first; should the
  // user stop instead, they are not needed any more.
  for (std::size_t k = alignment.residues.size(); k-- > 0;) {
    if (!alignment.residues[k].empty()) continue;
    firstLines.erase(firstLines.begin() + static_cast<std::ptrdiff_t>(k));
  }
  return dropEmptySequences(alignment) && expand(alignment, firstLines) &&
         takeCommonLength(alignment);
}

// FASTA lines: "#" comment lines may come first (A3M), then each sequence
// is a ">" header and lines of residues.
bool A2mReader::readLines(Alignment& alignment, std::vector<int>& firstLines) {
  std::string* target = nullptr;
  bool started = false;
  while (auto taken = takeLine()) {
    const std::string_view line = *taken;
    if (!line.empty() && line.front() == '>') {
      started = true;
      const std::string_view name = splitFirstWord(line.substr(1)).word;
      if (isStructureRow(name)) {
        alignment.trackLabels.emplace_back(name);
        alignment.tracks.emplace_back();
        target = &alignment.tracks.back();
        continue;
      }
      // Rows are about as long as the one before: room for that, and a
      // little more for its inserts, saves growing a row line by line.
      const std::size_t expected =
          alignment.residues.empty() ? 0 : alignment.residues.back().size();
      alignment.names.emplace_back(name);
      alignment.residues.emplace_back().reserve(expected + expected / 8);
      firstLines.push_back(lineCount());
      target = &alignment.residues.back();
      continue;
    }
    if (!started) {
      if (line.empty() || line.front() == '#' || trimLeft(line).empty()) continue;
      return failAtLine(InputMessage::FirstLineNotName, lineCount());
    }
    // The first word is the data; a data line rarely holds anything else.
    std::size_t begin = 0;
    while (begin < line.size() && isBlankChar(line[begin])) ++begin;
    std::size_t end = begin;
    while (end < line.size() && !isBlankChar(line[end])) ++end;
    if (end == begin) continue;
    target->append(line.data() + begin, end - begin);
    const std::string_view extra = trim(line.substr(end));
    if (!extra.empty() && askToAbortAtLine(InputMessage::WhitespaceDiscarded, lineCount(), extra))
      return false;
  }
  if (!started) return failAtLine(InputMessage::NoSequenceData, lineCount());
  return true;
}

// Every row gets the insert columns of all rows, or none of them.
bool A2mReader::expand(Alignment& alignment, const std::vector<int>& firstLines) {
  InsertWidths inserts;
  for (std::size_t i = 0; i < alignment.residues.size(); ++i) {
    if (!inserts.add(alignment.residues[i]))
      return failAtLine(InputMessage::A2mMatchColumnsDiffer, firstLines[i], alignment.names[i]);
  }
  for (std::size_t i = alignment.tracks.size(); i-- > 0;) {
    const bool dropped = m_settings.ignoreConfidences && alignment.trackLabels[i] == kConfidenceRow;
    if (dropped || countMatchStates(alignment.tracks[i]) != inserts.matchColumns()) {
      // A prediction row that does not fit the sequences is left out rather
      // than failing the alignment it annotates.
      alignment.trackLabels.erase(alignment.trackLabels.begin() + static_cast<std::ptrdiff_t>(i));
      alignment.tracks.erase(alignment.tracks.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    inserts.add(alignment.tracks[i]);
  }
  const std::size_t length = inserts.finish();
  const bool keepInserts = !m_settings.matchStatesOnly;
  // Every letter an insert: with the match states alone nothing is left to
  // show, which an empty figure would not tell.
  if (!keepInserts && inserts.matchColumns() == 0) {
    return failWithoutLine(InputMessage::NoMatchStates, 0);
  }
  const std::size_t rows = alignment.residues.size() + alignment.tracks.size();
  if (keepInserts && length > m_settings.maxWidenedCells / std::max<std::size_t>(rows, 1)) {
    return failWithoutLine(InputMessage::InsertsTooWide,
                           static_cast<int>(std::min<std::size_t>(length, INT_MAX)));
  }
  for (std::vector<std::string>* rows : {&alignment.residues, &alignment.tracks}) {
    for (std::string& row : *rows) {
      if (!keepInserts) {
        keepMatchStates(row, inserts);
      } else if (row.size() != length) {  // an A2M row has every column already
        padInserts(row, inserts, length);
      }
    }
  }
  return true;
}

}  // namespace hueset
