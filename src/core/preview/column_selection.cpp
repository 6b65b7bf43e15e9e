#include "preview/column_selection.h"

#include <algorithm>
#include <limits>

#include "settings/options.h"

namespace hueset {
namespace {

constexpr std::int32_t kOpenEnd = std::numeric_limits<std::int32_t>::max();

}  // namespace

bool ColumnSelection::contains(std::int32_t column) const { return touches({column, column}); }

bool ColumnSelection::touches(ColumnRange range) const {
  // The first range that does not end before `range` begins.
  const auto at = std::partition_point(m_ranges.begin(), m_ranges.end(),
                                       [&](const ColumnRange& r) { return r.last < range.first; });
  return at != m_ranges.end() && at->first <= range.last;
}

void ColumnSelection::add(ColumnRange range) {
  if (range.first > range.last) std::swap(range.first, range.last);
  std::vector<ColumnRange> merged;
  merged.reserve(m_ranges.size() + 1);
  bool placed = false;
  for (const ColumnRange& r : m_ranges) {
    if (std::int64_t{r.last} + 1 < range.first) {
      merged.push_back(r);
    } else if (std::int64_t{range.last} + 1 < r.first) {
      if (!placed) merged.push_back(range);
      placed = true;
      merged.push_back(r);
    } else {
      // Overlapping or touching: one range.
      range = {std::min(range.first, r.first), std::max(range.last, r.last)};
    }
  }
  if (!placed) merged.push_back(range);
  m_ranges = std::move(merged);
}

std::string ColumnSelection::text() const {
  std::string out;
  for (const ColumnRange& r : m_ranges) {
    if (!out.empty()) out += ',';
    out += std::to_string(r.first);
    if (r.last != r.first) out += '-' + std::to_string(r.last);
  }
  return out;
}

std::optional<ColumnRange> alignmentColumnsAt(const PreviewDocument& document, std::size_t column) {
  const std::int32_t number = document.columnNumber(column);
  if (number > 0) return ColumnRange{number, number};
  // A stand-in: the columns between those shown on either side of it.
  const ColumnNumbers& numbers = document.columnNumbers;
  std::int32_t before = 0;
  for (std::size_t p = std::min(column, numbers.size()); p-- > 0;) {
    if (numbers[p] > 0) {
      before = numbers[p];
      break;
    }
  }
  for (std::size_t p = column + 1; p < numbers.size(); ++p) {
    if (numbers[p] > 0) {
      if (numbers[p] - 1 < before + 1) return std::nullopt;
      return ColumnRange{before + 1, numbers[p] - 1};
    }
  }
  // Elided to the end: the document does not know how far the alignment
  // went, and the options stop a range at its last column anyway.
  return ColumnRange{before + 1, kOpenEnd};
}

void ColumnSelector::press(const PreviewDocument& document, std::size_t column, Press how) {
  if (how == Press::Extend && m_anchor) {
    dragTo(document, column);
    return;
  }
  m_before = how == Press::Add ? m_selection : ColumnSelection();
  m_anchor = column;
  dragTo(document, column);
}

void ColumnSelector::dragTo(const PreviewDocument& document, std::size_t column) {
  if (!m_anchor) return;
  const std::size_t from = std::min(*m_anchor, column);
  const std::size_t to = std::max(*m_anchor, column);
  m_selection = m_before;
  // The stretch holds every alignment column from its first cell's first
  // to its last cell's last, elided ones too.
  std::optional<ColumnRange> first;
  for (std::size_t c = from; c <= to && !first; ++c) first = alignmentColumnsAt(document, c);
  std::optional<ColumnRange> last;
  for (std::size_t c = to + 1; c-- > from && !last;) last = alignmentColumnsAt(document, c);
  if (first && last) m_selection.add({first->first, last->last});
}

void ColumnSelector::clear() {
  m_selection.clear();
  m_before.clear();
  m_anchor.reset();
}

std::vector<bool> chosenLayoutColumns(const PreviewDocument& document,
                                      const ColumnSelection& selection) {
  std::size_t length = document.columnNumbers.size();
  for (const ColumnStatistics& s : document.statistics) length = std::max(length, s.columns.size());
  std::vector<bool> chosen(length, false);
  if (selection.empty()) return chosen;
  for (std::size_t c = 0; c < length; ++c) {
    const std::optional<ColumnRange> shown = alignmentColumnsAt(document, c);
    chosen[c] = shown && selection.touches(*shown);
  }
  return chosen;
}

std::string selectionOptionText(const PreviewDocument& document, const ColumnSelection& selection) {
  const std::vector<std::int32_t>& residues = document.columnRows.rulerNumbers;
  if (residues.empty()) return selection.text();
  // The reference's residue numbers of the layout columns chosen.
  ColumnSelection numbered;
  for (const ColumnRange& range : selection.ranges()) {
    std::int32_t first = 0;
    std::int32_t last = 0;
    for (std::size_t c = 0; c < residues.size(); ++c) {
      const std::int32_t column = document.columnNumber(c);
      if (column < range.first || column > range.last || residues[c] <= 0) continue;
      if (first == 0) first = residues[c];
      last = residues[c];
    }
    if (first > 0) numbered.add({first, last});
  }
  return numbered.text();
}

namespace {

std::string symbolName(MarkSymbol symbol, char letter) {
  switch (symbol) {
    case MarkSymbol::Star: return "star";
    case MarkSymbol::Dot: return "dot";
    case MarkSymbol::Letter: return std::string(1, letter);
    case MarkSymbol::None:
    case MarkSymbol::Triangle: break;
  }
  return "triangle";
}

}  // namespace

std::string marksWithSelection(std::string_view marks, std::string_view columns, MarkSymbol symbol,
                               char letter) {
  std::string before = cleanColumnMarks(marks);
  if (columns.empty()) return before;
  return cleanColumnMarks((before.empty() ? std::string() : before + ";") + std::string(columns) +
                          ":" + symbolName(symbol, letter));
}

std::string framesWithSelection(std::string_view frames, std::string_view columns) {
  std::string before = cleanColumnRanges(frames);
  if (columns.empty()) return before;
  return cleanColumnRanges((before.empty() ? std::string() : before + ",") + std::string(columns));
}

}  // namespace hueset
