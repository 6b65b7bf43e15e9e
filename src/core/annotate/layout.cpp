#include "annotate/layout.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "annotate/structure_glyphs.h"
#include "input/residue_number_start.h"
#include "util/parallel.h"

namespace hueset {
namespace {

const std::string kNoText;

// Cells beyond the end of a short string are drawn as blanks, so a malformed
// set can never read past its strings.
// Columns [from, to) of `row` in the formats of `formats` (none: "Default"),
// handed over a run of one style at a time.
void appendCellRange(AnnotationWriter& writer, const std::string& row, const std::string* formats,
                     std::size_t from, std::size_t to) {
  const std::string_view allFormats =
      formats != nullptr ? std::string_view(*formats) : std::string_view();
  auto formatsOf = [&allFormats](std::size_t first, std::size_t end) {
    if (first >= allFormats.size()) return std::string_view();
    return allFormats.substr(first, end - first);
  };
  const std::size_t inRow = std::min(to, std::max(from, row.size()));
  if (from < inRow)
    writer.appendCells(std::string_view(row).substr(from, inRow - from), formatsOf(from, inRow));
  if (inRow < to) writer.appendCells(std::string(to - inRow, ' '), formatsOf(inRow, to));
}

bool isResidueLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::size_t decimalWidth(long long value) { return std::to_string(value).size(); }

// The residues an elided region's stand-in stands for: the letters it shows
// and the number in brackets it gives for the rest.
long long standInResidues(const std::string& row, std::size_t first, std::size_t end) {
  long long count = 0;
  for (std::size_t k = first; k < end && k < row.size(); ++k) {
    if (isResidueLetter(row[k])) {
      ++count;
    } else if (row[k] == '(') {
      long long hidden = 0;
      while (k + 1 < end && k + 1 < row.size() && row[k + 1] >= '0' && row[k + 1] <= '9') {
        hidden = hidden * 10 + (row[++k] - '0');
      }
      count += hidden;
    }
  }
  return count;
}

// Residue numbers and ruler text for one annotation.
class Marks {
 public:
  Marks(const AnnotatedAlignment& annotated, const LayoutMarks& marks, std::size_t length)
      : m_annotated(annotated), m_marks(marks) {
    if (!marks.residueNumbers) return;
    long long widest = 1;
    std::size_t ownWidest = 0;
    for (const Alignment& set : annotated.sets) {
      std::vector<long long> before;
      std::vector<int> starts;
      for (std::size_t i = 0; i < set.residues.size(); ++i) {
        const int start = residueNumberStart(i < set.names.size() ? set.names[i] : std::string());
        starts.push_back(start);
        before.push_back(0);
        widest = std::max(widest, start + residuesIn(set.residues[i], 0, length) +
                                      hiddenIn(m_starts.size(), i, 0, length + 1) - 1);
        widest = std::max<long long>(widest, start);
      }
      for (const std::vector<std::string>& own : set.ownNumbers) {
        for (const std::string& number : own) ownWidest = std::max(ownWidest, number.size());
      }
      m_starts.push_back(std::move(starts));
      m_before.push_back(std::move(before));
    }
    m_numberWidth = std::max(decimalWidth(widest), ownWidest);
  }

  bool numbers() const { return m_marks.residueNumbers; }
  // Characters the number before the residues takes (0 without numbers).
  std::size_t numberWidth() const { return m_numberWidth; }

  // The first and last residue numbers of sequence i of set k in the block,
  // as text; both empty when the block holds none of its residues. Called
  // once per sequence and block, blocks in order.
  std::pair<std::string, std::string> lineNumbers(std::size_t k, std::size_t i, std::size_t from,
                                                  std::size_t to) {
    long long& before = m_before[k][i];
    // Residues left out before the block's first column come before it.
    before += hiddenIn(k, i, from, from + 1);
    const long long inBlock =
        residuesIn(m_annotated.sets[k].residues[i], from, to) + hiddenIn(k, i, from + 1, to);
    const long long first = m_starts[k][i] + before;
    before += inBlock;
    if (inBlock == 0) return {std::string(m_numberWidth, ' '), std::string()};
    std::string firstText = numberText(k, i, before - inBlock, first);
    firstText.insert(0, m_numberWidth - std::min(m_numberWidth, firstText.size()), ' ');
    return {firstText, numberText(k, i, before - 1, first + inBlock - 1)};
  }

  // The ruler's two lines for the block, after `prefix` blanks, with the
  // residue lines' blank before every column group.
  std::pair<std::string, std::string> rulerLines(std::size_t prefix, std::size_t from,
                                                 std::size_t to, std::size_t group) const {
    const std::size_t columns = to - from;
    const std::size_t width = prefix + columns + (columns + group - 1) / group;
    std::string numbers(width, ' ');
    std::string ticks(width, ' ');
    const long long interval = std::max(m_marks.rulerInterval, 1);
    const long long tickEvery = m_marks.figureRuler ? interval : 10;
    for (std::size_t p = from; p < to; ++p) {
      const std::size_t at = prefix + (p - from) + (p - from) / group + 1;
      const long long column = rulerNumber(p);
      if (column > 0 && column % tickEvery == 0) ticks[at] = '|';
      if (column <= 0 || column % interval != 0) continue;
      // The number ends above its column, and never runs into the one before
      // or into the name column; in a figure, one with no room before its
      // column starts there instead.
      const std::string text = std::to_string(column);
      std::size_t begin = at + 1 - std::min(at + 1, text.size());
      if (begin < prefix) {
        if (!m_marks.figureRuler) continue;
        begin = at;
      }
      if (numbers.size() < begin + text.size()) numbers.resize(begin + text.size(), ' ');
      const bool clear = std::all_of(
          numbers.begin() + static_cast<std::ptrdiff_t>(begin > 0 ? begin - 1 : 0),
          numbers.begin() + static_cast<std::ptrdiff_t>(at + 1), [](char c) { return c == ' '; });
      if (clear) numbers.replace(begin, text.size(), text);
    }
    trimRight(numbers);
    trimRight(ticks);
    return {numbers, ticks};
  }

 private:
  // A reference sequence numbers the ruler with its residues.
  long long rulerNumber(std::size_t p) const {
    const auto& numbers = m_annotated.rows.rulerNumbers;
    if (numbers.empty()) return columnNumber(p);
    return p < numbers.size() ? numbers[p] : 0;
  }

  // The residue's own number, where the sequence has them, else `counted`.
  std::string numberText(std::size_t k, std::size_t i, long long residue, long long counted) const {
    const auto& own = m_annotated.sets[k].ownNumbers;
    if (i < own.size() && residue >= 0 && static_cast<std::size_t>(residue) < own[i].size())
      return own[i][static_cast<std::size_t>(residue)];
    return std::to_string(counted);
  }

  long long columnNumber(std::size_t p) const {
    const auto& columns = m_annotated.columnNumbers;
    if (columns.empty()) return static_cast<long long>(p) + 1;
    return p < columns.size() ? columns[p] : 0;
  }

  // Residues of sequence i of set k left out of a chosen range before
  // columns [from, to).
  long long hiddenIn(std::size_t k, std::size_t i, std::size_t from, std::size_t to) const {
    const auto& hidden = m_annotated.rows.hidden;
    if (k >= hidden.size() || i >= hidden[k].size()) return 0;
    long long count = 0;
    for (const auto& [column, residues] : hidden[k][i]) {
      if (column >= from && column < to) count += residues;
    }
    return count;
  }

  // Residues in columns [from, to) of `row`. A stand-in for an elided region
  // is counted whole in the block where it starts.
  long long residuesIn(const std::string& row, std::size_t from, std::size_t to) const {
    const auto& columns = m_annotated.columnNumbers;
    long long count = 0;
    std::size_t p = from;
    while (p < to) {
      if (p < columns.size() && columns[p] == 0) {
        std::size_t end = p;
        while (end < columns.size() && columns[end] == 0) ++end;
        if (p == 0 || columns[p - 1] != 0) count += standInResidues(row, p, end);
        p = end;
        continue;
      }
      if (p < row.size() && isResidueLetter(row[p])) ++count;
      ++p;
    }
    return count;
  }

  static void trimRight(std::string& s) {
    const auto end = s.find_last_not_of(' ');
    s.resize(end == std::string::npos ? 0 : end + 1);
  }

  const AnnotatedAlignment& m_annotated;
  const LayoutMarks& m_marks;
  std::size_t m_numberWidth = 0;
  std::vector<std::vector<int>> m_starts;        // per set, per sequence
  std::vector<std::vector<long long>> m_before;  // residues in earlier blocks
};

std::size_t nameColumnWidth(const AnnotatedAlignment& annotated) {
  std::size_t width = 0;
  for (const Alignment& set : annotated.sets) {
    for (const auto& name : set.names) width = std::max(width, name.size());
    for (const auto& label : set.trackLabels) width = std::max(width, label.size());
  }
  for (const ConsensusRows& result : annotated.results)
    width = std::max(width, result.label.size());
  width = std::max(width, annotated.rows.conservationLabel.size());
  for (const std::string& label : annotated.rows.logoLabels) width = std::max(width, label.size());
  return width;
}

}  // namespace

void justify(std::string& entry, std::size_t width, int nameJustification) {
  if (entry.size() >= width) return;
  const std::size_t padding = width - entry.size();
  switch (nameJustification) {
    case kJustifyLeft: entry.append(padding, ' '); break;
    case kJustifyCentre:
      entry.insert(0, (padding + 1) / 2, ' ');
      entry.append(padding / 2, ' ');
      break;
    default: entry.insert(0, padding, ' '); break;
  }
}

namespace {

bool hasConsensusRow(const AnnotatedAlignment& annotated, std::size_t k) {
  return k < annotated.results.size() && annotated.results[k].hasRow();
}

}  // namespace

std::size_t extraRowCount(const AnnotatedAlignment& annotated, std::size_t k) {
  return (hasConsensusRow(annotated, k) ? 1 : 0) + (annotated.rows.hasConservation(k) ? 1 : 0) +
         (annotated.rows.hasLogo(k) ? kLogoLines : 0) + annotated.sets[k].tracks.size();
}

std::size_t conservationRowOf(const AnnotatedAlignment& annotated, std::size_t k) {
  if (!annotated.rows.hasConservation(k)) return extraRowCount(annotated, k);
  return hasConsensusRow(annotated, k) ? 1 : 0;
}

std::size_t logoRowOf(const AnnotatedAlignment& annotated, std::size_t k) {
  if (!annotated.rows.hasLogo(k)) return extraRowCount(annotated, k);
  return (hasConsensusRow(annotated, k) ? 1 : 0) + (annotated.rows.hasConservation(k) ? 1 : 0);
}

const std::string& extraRowLabel(const AnnotatedAlignment& annotated, std::size_t k,
                                 std::size_t d) {
  if (hasConsensusRow(annotated, k)) {
    if (d == 0) return annotated.results[k].label;
    --d;
  }
  if (annotated.rows.hasConservation(k)) {
    if (d == 0) return annotated.rows.conservationLabel;
    --d;
  }
  if (annotated.rows.hasLogo(k)) {
    if (d < kLogoLines) return annotated.rows.logoLabels[d];
    d -= kLogoLines;
  }
  const auto& labels = annotated.sets[k].trackLabels;
  return d < labels.size() ? labels[d] : kNoText;
}

const std::string& extraRowCells(const AnnotatedAlignment& annotated, std::size_t k,
                                 std::size_t d) {
  if (hasConsensusRow(annotated, k)) {
    if (d == 0) return annotated.results[k].row;
    --d;
  }
  if (annotated.rows.hasConservation(k)) {
    if (d == 0) return annotated.rows.conservationCells[k];
    --d;
  }
  if (annotated.rows.hasLogo(k)) {
    if (d < kLogoLines) return annotated.rows.logoCells;
    d -= kLogoLines;
  }
  const auto& tracks = annotated.sets[k].tracks;
  return d < tracks.size() ? tracks[d] : kNoText;
}

void justifyNames(Alignment& alignment, int nameJustification) {
  const auto width = static_cast<std::size_t>(alignment.labelWidth());
  for (auto& name : alignment.names) justify(name, width, nameJustification);
  for (auto& label : alignment.trackLabels) justify(label, width, nameJustification);
}

namespace {

// The document is written a stretch at a time: some sequence lines of one set
// in one block, with what comes before the first of them (the ruler, the gap
// between sets) and after the last (the extra rows, the block's end). Every
// stretch starts with "Default" set, so stretches can be written apart and
// joined.
struct Stretch {
  std::size_t blockStart;
  std::size_t set;
  std::size_t first;  // sequence lines [first, end)
  std::size_t end;
};

// Stretches of about 32 K cells: every thread stays busy, and the text in hand
// stays small enough to be written out while still in the core's cache (an
// in-line-styled HTML page is some 40 bytes a cell).
constexpr std::size_t kCellsPerPiece = std::size_t{1} << 15;

class StretchWriter {
 public:
  StretchWriter(const AnnotatedAlignment& annotated, std::size_t wrap, std::size_t group,
                const LayoutMarks& marks)
      : m_annotated(annotated),
        m_length(static_cast<std::size_t>(annotated.sets.front().length)),
        m_wrap(wrap),
        m_group(group),
        m_marks(marks),
        m_extra(annotated, marks, m_length),
        m_nameWidth(nameColumnWidth(annotated)),
        // Where the residues start: after the name, its blank and any number.
        m_rulerPrefix(m_nameWidth + 1 + m_extra.numberWidth()) {
    if (marks.structureUnderSequence) findRowsUnderSequences();
  }

  void write(AnnotationWriter& target, const Stretch& stretch) {
    const Alignment& set = m_annotated.sets[stretch.set];
    if (set.residues.empty() && allUnderSequences(stretch.set)) {
      // A set of prediction rows all drawn under their sequences.
      if (stretch.set + 1 == m_annotated.sets.size()) {
        target.newLine();
        target.blockEnd();
      }
      return;
    }
    if (stretch.first == 0) {
      if (stretch.set == 0) writeRowsAbove(target, stretch);
      if (stretch.set == 0 && m_marks.ruler) writeRuler(target, stretch);
      if (stretch.set == 0 && !m_annotated.rows.markCells.empty()) writeMarkLine(target, stretch);
      if (stretch.set > 0) target.setSeparator();
    }
    for (std::size_t i = stretch.first; i < stretch.end; ++i) {
      writeSequence(target, stretch, i);
      for (const auto& [k, d] : rowsUnder(stretch.set, i)) {
        target.newLine();
        target.setFormat(0);
        Stretch owner = stretch;
        owner.set = k;
        writeExtraRow(target, owner, d);
      }
      // The line break belongs to the line's last run.
      if (i + 1 < set.residues.size()) target.newLine();
    }
    if (stretch.end < set.residues.size()) return;
    target.setFormat(0);
    if (!set.residues.empty()) target.newLine();
    writeExtraRows(target, stretch);
    if (stretch.set + 1 == m_annotated.sets.size()) {
      target.newLine();
      target.blockEnd();
    }
  }

 private:
  std::size_t blockEndOf(const Stretch& stretch) const {
    return std::min(stretch.blockStart + m_wrap, m_length);
  }

  // Every line's cells start after its label, a blank, any number and the
  // blank before the first column group.
  LineContent content(const Stretch& stretch, LineContent::Kind kind, std::size_t row,
                      std::size_t label) const {
    return LineContent{kind,
                       static_cast<std::uint32_t>(stretch.set),
                       static_cast<std::uint32_t>(row),
                       static_cast<std::uint32_t>(stretch.blockStart),
                       static_cast<std::uint32_t>(blockEndOf(stretch) - stretch.blockStart),
                       static_cast<std::uint32_t>(label + 1 + m_extra.numberWidth() + 1),
                       static_cast<std::uint32_t>(std::min<std::size_t>(m_group, UINT32_MAX))};
  }

  // Columns [blockStart, blockEnd) of `row`, a blank before every group.
  void writeGroups(AnnotationWriter& target, const Stretch& stretch, const std::string& row,
                   const std::string* formats, bool resetFormat) const {
    const std::size_t blockEnd = blockEndOf(stretch);
    for (std::size_t g = stretch.blockStart; g < blockEnd; g += m_group) {
      if (resetFormat) target.setFormat(0);
      target.appendChar(' ');
      appendCellRange(target, row, formats, g, std::min(g + m_group, blockEnd));
    }
  }

  void writeRuler(AnnotationWriter& target, const Stretch& stretch) const {
    auto [numbers, ticks] =
        m_extra.rulerLines(m_rulerPrefix, stretch.blockStart, blockEndOf(stretch), m_group);
    const LineContent ruler = content(stretch, LineContent::Kind::Ruler, 0, m_nameWidth);
    target.setFormat(0);
    target.lineStarting(ruler);
    target.appendText(numbers);
    target.newLine();
    target.lineStarting(ruler);
    target.appendText(ticks);
    target.newLine();
  }

  // The marks over the block's columns, in line with its residues.
  void writeMarkLine(AnnotationWriter& target, const Stretch& stretch) const {
    target.setFormat(0);
    target.lineStarting(content(stretch, LineContent::Kind::Ruler, kMarkRulerRow, m_nameWidth));
    target.appendText(std::string(m_nameWidth + 1 + m_extra.numberWidth(), ' '));
    writeGroups(target, stretch, m_annotated.rows.markCells, nullptr, false);
    target.newLine();
  }

  void writeSequence(AnnotationWriter& target, const Stretch& stretch, std::size_t i) {
    const std::size_t k = stretch.set;
    const Alignment& set = m_annotated.sets[k];
    const ConsensusRows* result =
        k < m_annotated.results.size() ? &m_annotated.results[k] : nullptr;
    const std::string* formats =
        result != nullptr && i < result->formats.size() ? &result->formats[i] : nullptr;
    target.setFormat(0);
    const std::string& name = i < set.names.size() ? set.names[i] : kNoText;
    target.lineStarting(content(stretch, LineContent::Kind::Sequence, i, name.size()));
    target.appendText(name);
    target.appendChar(' ');
    std::string lastNumber;
    if (m_extra.numbers()) {
      auto [first, last] = m_extra.lineNumbers(k, i, stretch.blockStart, blockEndOf(stretch));
      target.appendText(first);
      lastNumber = std::move(last);
    }
    writeGroups(target, stretch, set.residues[i], formats, true);
    if (!lastNumber.empty()) {
      target.setFormat(0);
      target.appendChar(' ');
      target.appendText(lastNumber);
    }
  }

  // Extra rows stay in "Default": the consensus and prediction rows are never
  // coloured.
  void writeExtraRows(AnnotationWriter& target, const Stretch& stretch) const {
    const std::size_t k = stretch.set;
    bool first = true;
    for (std::size_t d = 0; d < extraRowCount(m_annotated, k); ++d) {
      if (isUnderSequence(k, d)) continue;
      if (!first) target.newLine();
      first = false;
      writeExtraRow(target, stretch, d);
    }
  }

  void writeExtraRow(AnnotationWriter& target, const Stretch& stretch, std::size_t d) const {
    const std::size_t k = stretch.set;
    const std::string& label = extraRowLabel(m_annotated, k, d);
    target.lineStarting(content(stretch, LineContent::Kind::ExtraRow, d, label.size()));
    target.appendText(label);
    target.appendChar(' ');
    target.appendText(std::string(m_extra.numberWidth(), ' '));
    writeGroups(target, stretch, extraRowCells(m_annotated, k, d), nullptr, false);
  }

  // The reference structures' rows, each a line of its own above the block.
  void writeRowsAbove(AnnotationWriter& target, const Stretch& stretch) const {
    for (const auto& [k, d] : m_rowsAbove) {
      target.setFormat(0);
      Stretch owner = stretch;
      owner.set = k;
      writeExtraRow(target, owner, d);
      target.newLine();
    }
  }

  // Which extra rows are a reference structure's, and which a sequence's
  // own and whose: the first sequence of that name in any set.
  void findRowsUnderSequences() {
    for (const Alignment& set : m_annotated.sets) m_rowsUnder.emplace_back(set.residues.size());
    for (std::size_t k = 0; k < m_annotated.sets.size(); ++k) {
      for (std::size_t d = 0; d < extraRowCount(m_annotated, k); ++d) {
        const std::string& label = extraRowLabel(m_annotated, k, d);
        if (isReferenceStructureLabel(label)) {
          m_rowsAbove.emplace_back(k, d);
          m_placed.emplace_back(k, d);
          continue;
        }
        const std::string_view owner = structureRowSequence(label);
        if (owner.empty()) continue;
        if (const auto at = sequenceNamed(owner)) {
          m_rowsUnder[at->first][at->second].emplace_back(k, d);
          m_placed.emplace_back(k, d);
        }
      }
    }
  }
  std::optional<std::pair<std::size_t, std::size_t>> sequenceNamed(std::string_view wanted) const {
    for (std::size_t k = 0; k < m_annotated.sets.size(); ++k) {
      const Alignment& set = m_annotated.sets[k];
      for (std::size_t i = 0; i < set.residues.size() && i < set.names.size(); ++i) {
        const std::string_view name = set.names[i];
        const auto begin = name.find_first_not_of(' ');
        if (begin == std::string_view::npos) continue;
        if (name.substr(begin, name.find_last_not_of(' ') + 1 - begin) == wanted)
          return std::pair(k, i);
      }
    }
    return std::nullopt;
  }
  using RowRef = std::pair<std::size_t, std::size_t>;  // set, extra row
  const std::vector<RowRef>& rowsUnder(std::size_t k, std::size_t i) const {
    static const std::vector<RowRef> kNone;
    if (k >= m_rowsUnder.size() || i >= m_rowsUnder[k].size()) return kNone;
    return m_rowsUnder[k][i];
  }
  bool isUnderSequence(std::size_t k, std::size_t d) const {
    return std::find(m_placed.begin(), m_placed.end(), RowRef(k, d)) != m_placed.end();
  }
  bool allUnderSequences(std::size_t k) const {
    for (std::size_t d = 0; d < extraRowCount(m_annotated, k); ++d) {
      if (!isUnderSequence(k, d)) return false;
    }
    return true;
  }

  const AnnotatedAlignment& m_annotated;
  const std::size_t m_length;
  const std::size_t m_wrap;
  const std::size_t m_group;
  const LayoutMarks& m_marks;
  Marks m_extra;
  const std::size_t m_nameWidth;
  const std::size_t m_rulerPrefix;
  // Per set and sequence, the extra rows drawn under it; all of them.
  std::vector<std::vector<std::vector<RowRef>>> m_rowsUnder;
  std::vector<RowRef> m_rowsAbove;
  std::vector<RowRef> m_placed;
};

std::vector<Stretch> stretchesOf(const AnnotatedAlignment& annotated, std::size_t length,
                                 std::size_t wrap) {
  const std::size_t linesPerStretch = std::max<std::size_t>(1, kCellsPerPiece / wrap);
  std::vector<Stretch> stretches;
  for (std::size_t blockStart = 0; blockStart < length; blockStart += wrap) {
    for (std::size_t k = 0; k < annotated.sets.size(); ++k) {
      const std::size_t lines = annotated.sets[k].residues.size();
      std::size_t first = 0;
      do {
        const std::size_t end = std::min(lines, first + linesPerStretch);
        stretches.push_back({blockStart, k, first, end});
        first = end;
      } while (first < lines);
    }
  }
  return stretches;
}

// Where each piece of consecutive stretches, of about kCellsPerPiece cells,
// starts, and after the last the end.
std::vector<std::size_t> pieceStartsOf(const std::vector<Stretch>& stretches, std::size_t wrap) {
  std::vector<std::size_t> pieceStarts;
  std::size_t cells = kCellsPerPiece;
  for (std::size_t s = 0; s < stretches.size(); ++s) {
    if (cells >= kCellsPerPiece) {
      pieceStarts.push_back(s);
      cells = 0;
    }
    cells += (stretches[s].end - stretches[s].first + 1) * wrap;
  }
  pieceStarts.push_back(stretches.size());
  return pieceStarts;
}

// The pieces written on every core by forks of `writer` and joined in order.
bool writeOnEveryCore(StretchWriter& stretchWriter, const std::vector<Stretch>& stretches,
                      std::size_t wrap, AnnotationWriter& writer,
                      const std::function<bool(const Stretch&)>& reportBefore) {
  const std::vector<std::size_t> pieceStarts = pieceStartsOf(stretches, wrap);
  const std::size_t pieces = pieceStarts.size() - 1;
  // A piece starts only when the one `window` places before it has been
  // joined, so that many forks serve them all in turn, keeping their
  // memory. They are made here, on the calling thread, from the writer as it
  // is before any block.
  const std::size_t window = workerCount() + 1;
  std::vector<std::unique_ptr<AnnotationWriter>> forks(std::min(window, pieces));
  for (auto& fork : forks) fork = writer.forkForBlocks();
  const std::function<AnnotationWriter*(std::size_t)> write = [&](std::size_t piece) {
    AnnotationWriter& fork = *forks[piece % forks.size()];
    for (std::size_t s = pieceStarts[piece]; s < pieceStarts[piece + 1]; ++s)
      stretchWriter.write(fork, stretches[s]);
    return &fork;
  };
  const std::function<bool(std::size_t, AnnotationWriter*&)> join = [&](std::size_t piece,
                                                                        AnnotationWriter*& fork) {
    if (!reportBefore(stretches[pieceStarts[piece]])) return false;
    writer.joinBlocks(*fork);
    return true;
  };
  return parallelOrdered(pieces, window, write, join);
}

}  // namespace

bool layOut(const AnnotatedAlignment& annotated, int wrapWidth, int columnGroupWidth,
            AnnotationWriter& writer, const LayoutMarks& marks, const LayoutProgress& progress) {
  if (annotated.sets.empty() || annotated.sets.front().length <= 0) return true;
  const auto length = static_cast<std::size_t>(annotated.sets.front().length);
  // A width of 0 would never advance; it means no limit.
  const std::size_t wrap =
      wrapWidth > 0 ? std::min<std::size_t>(static_cast<std::size_t>(wrapWidth), length) : length;
  const std::size_t group =
      columnGroupWidth > 0 ? static_cast<std::size_t>(columnGroupWidth) : length;
  StretchWriter stretchWriter(annotated, wrap, group, marks);
  writer.layoutStarting(annotated);

  const std::vector<Stretch> stretches = stretchesOf(annotated, length, wrap);
  const std::function<bool(const Stretch&)> reportBefore = [&](const Stretch& stretch) {
    return !progress || progress(stretch.blockStart, length);
  };

  // Stretches go to every core when the writer can take them apart; residue
  // numbers count on from block to block, so they are written in order.
  const bool apart =
      !marks.residueNumbers && workerCount() > 1 && writer.forkForBlocks() != nullptr;
  if (apart) return writeOnEveryCore(stretchWriter, stretches, wrap, writer, reportBefore);
  for (const Stretch& stretch : stretches) {
    if (stretch.set == 0 && stretch.first == 0 && !reportBefore(stretch)) return false;
    stretchWriter.write(writer, stretch);
  }
  return true;
}

}  // namespace hueset

namespace hueset {

namespace {

// The widest line is a residue line: the name, a blank, the numbers with a
// blank before the last, and a blank before every column group.
class LineWidths {
 public:
  LineWidths(const AnnotatedAlignment& annotated, int columnGroupWidth, const LayoutMarks& marks)
      : m_length(static_cast<std::size_t>(std::max(annotated.sets.front().length, 0))),
        m_group(columnGroupWidth > 0 ? static_cast<std::size_t>(columnGroupWidth) : m_length) {
    const Marks extra(annotated, marks, m_length);
    m_fixed = nameColumnWidth(annotated) + 1 + extra.numberWidth() +
              (marks.residueNumbers ? 1 + extra.numberWidth() : 0);
  }
  std::size_t cells(std::size_t wrap) const {
    const std::size_t columns = std::min(std::max<std::size_t>(wrap, 1), m_length);
    return m_fixed + columns + (columns + m_group - 1) / m_group;
  }

 private:
  std::size_t m_length;
  std::size_t m_group;
  std::size_t m_fixed = 0;
};

}  // namespace

std::size_t widestLineCells(const AnnotatedAlignment& annotated, int columnGroupWidth,
                            const LayoutMarks& marks, int wrap) {
  if (annotated.sets.empty() || annotated.sets.front().length <= 0) return 0;
  return LineWidths(annotated, columnGroupWidth, marks)
      .cells(static_cast<std::size_t>(std::max(wrap, 1)));
}

int widestWrapThatFits(const AnnotatedAlignment& annotated, int columnGroupWidth,
                       const LayoutMarks& marks, int lineCharacters) {
  if (annotated.sets.empty() || annotated.sets.front().length <= 0) return 1;
  const auto length = static_cast<std::size_t>(annotated.sets.front().length);
  const LineWidths widths(annotated, columnGroupWidth, marks);
  const auto limit = static_cast<std::size_t>(std::max(lineCharacters, 0));
  std::size_t wrap = 1;
  while (wrap < length && widths.cells(wrap + 1) <= limit) ++wrap;
  return static_cast<int>(wrap);
}

}  // namespace hueset
