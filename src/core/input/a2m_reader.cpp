#include "input/a2m_reader.h"

#include <algorithm>
#include <array>
#include <string>

#include "input/line_words.h"
#include "util/text_format.h"

namespace hueset {

namespace {

bool isInsert(char c) { return (c >= 'a' && c <= 'z') || c == '.'; }

constexpr std::array<std::string_view, 3> kStructureRows = {"ss_pred", "ss_dssp", "ss_conf"};
constexpr std::string_view kConfidenceRow = "ss_conf";

bool isStructureRow(std::string_view name) {
  return std::find(kStructureRows.begin(), kStructureRows.end(), name) != kStructureRows.end();
}

// The insert columns before each match column, and after the last one: the
// widest run of insert states any sequence has there.
struct InsertWidths {
  std::vector<std::size_t> widths;  // one more than the match columns

  // Adds one sequence; false when its match columns are not as many as the
  // earlier sequences had.
  bool add(std::string_view row) {
    std::size_t slot = 0;
    std::size_t run = 0;
    const bool first = widths.empty();
    for (char c : row) {
      if (isInsert(c)) {
        ++run;
        continue;
      }
      if (first) {
        widths.push_back(run);
      } else if (slot + 1 >= widths.size()) {
        return false;
      } else {
        widths[slot] = std::max(widths[slot], run);
      }
      ++slot;
      run = 0;
    }
    if (first) {
      widths.push_back(run);
      return true;
    }
    if (slot + 1 != widths.size()) return false;
    widths[slot] = std::max(widths[slot], run);
    return true;
  }

  std::size_t matchColumns() const { return widths.empty() ? 0 : widths.size() - 1; }

  std::size_t total() const {
    std::size_t sum = widths.size() - 1;
    for (std::size_t w : widths) sum += w;
    return sum;
  }
};

// The row with every insert run padded with "." to the width of its columns.
// An A2M row already has them all, and so stays as it is.
void padInserts(std::string& row, const InsertWidths& inserts, std::size_t length) {
  if (row.size() == length) return;
  std::string full;
  full.reserve(length);
  std::size_t slot = 0;
  std::size_t run = 0;
  for (char c : row) {
    if (isInsert(c)) {
      full += c;
      ++run;
      continue;
    }
    full.append(inserts.widths[slot] - run, '.');
    full += c;
    ++slot;
    run = 0;
  }
  full.append(inserts.widths[slot] - run, '.');
  row = std::move(full);
}

void keepMatchStates(std::string& row) { std::erase_if(row, isInsert); }

std::size_t countMatchStates(std::string_view row) {
  return static_cast<std::size_t>(std::count_if(row.begin(), row.end(), [](char c) { return !isInsert(c); }));
}

}  // namespace

A2mReader::A2mReader(ParseMessageSink& sink, bool matchStatesOnly, bool ignoreConfidences)
    : AlignmentReader(sink, 2210, 2211),
      m_matchStatesOnly(matchStatesOnly),
      m_ignoreConfidences(ignoreConfidences) {}

bool A2mReader::parse(Alignment& alignment) {
  if (alignment.format == AlignmentFormat::A3m) {
    setHeadings(2212, 2213);
  } else {
    setHeadings(2210, 2211);
  }
  alignment.names.clear();
  alignment.residues.clear();
  alignment.trackLabels.clear();
  alignment.tracks.clear();
  alignment.length = 0;

  std::vector<int> firstLines;  // the header line of each sequence
  if (!readLines(alignment, firstLines)) return false;

  if (const int duplicates = alignment.duplicateNameCount(); duplicates != 0) {
    return fail(2019, -duplicates);
  }
  if (alignment.lastNonEmptySequence() < 0) return fail(2030, lineCount());
  for (std::size_t i = alignment.residues.size(); i-- > 0;) {
    if (!alignment.residues[i].empty()) continue;
    if (askToAbort(2029, -lineCount(), alignment.names[i])) return false;
    for (std::size_t k = alignment.residues.size(); k-- > 0;) {
      if (alignment.residues[k].empty()) firstLines.erase(firstLines.begin() + static_cast<std::ptrdiff_t>(k));
    }
    alignment.removeEmptySequences();
    break;
  }
  if (!expand(alignment, firstLines)) return false;
  if (!alignment.hasEqualLengths()) return reportUnequalLengths(alignment);
  alignment.length = static_cast<std::int32_t>(alignment.residues.front().size());
  return true;
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
      if (isStructureRow(name) && alignment.names.empty()) {
        alignment.trackLabels.emplace_back(name);
        alignment.tracks.emplace_back();
        target = &alignment.tracks.back();
        continue;
      }
      alignment.names.emplace_back(name);
      alignment.residues.emplace_back();
      firstLines.push_back(lineCount());
      target = &alignment.residues.back();
      continue;
    }
    if (!started) {
      if (line.empty() || line.front() == '#' || trimLeft(line).empty()) continue;
      return fail(2031, lineCount());
    }
    const auto [data, after] = splitFirstWord(trimLeft(line));
    if (data.empty()) continue;
    target->append(data);
    std::string_view extra = trimLeft(after);
    if (extra.empty()) continue;
    if (extra.back() == '\r') extra.remove_suffix(1);
    if (!extra.empty() && askToAbort(2028, lineCount(), extra)) return false;
  }
  if (!started) return fail(2030, lineCount());
  return true;
}

// Every row gets the insert columns of all rows, or none of them.
bool A2mReader::expand(Alignment& alignment, const std::vector<int>& firstLines) {
  InsertWidths inserts;
  for (std::size_t i = 0; i < alignment.residues.size(); ++i) {
    if (!inserts.add(alignment.residues[i])) return fail(2214, firstLines[i], alignment.names[i]);
  }
  for (std::size_t i = alignment.tracks.size(); i-- > 0;) {
    const bool dropped = m_ignoreConfidences && alignment.trackLabels[i] == kConfidenceRow;
    if (dropped || countMatchStates(alignment.tracks[i]) != inserts.matchColumns()) {
      // A prediction row that does not fit the sequences is left out rather
      // than failing the alignment it annotates.
      alignment.trackLabels.erase(alignment.trackLabels.begin() + static_cast<std::ptrdiff_t>(i));
      alignment.tracks.erase(alignment.tracks.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    inserts.add(alignment.tracks[i]);
  }
  if (m_matchStatesOnly) {
    for (std::string& row : alignment.residues) keepMatchStates(row);
    for (std::string& row : alignment.tracks) keepMatchStates(row);
    return true;
  }
  const std::size_t length = inserts.total();
  for (std::string& row : alignment.residues) padInserts(row, inserts, length);
  for (std::string& row : alignment.tracks) padInserts(row, inserts, length);
  return true;
}

}  // namespace hueset
