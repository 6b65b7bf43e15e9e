#include "preview/preview_document.h"

#include <algorithm>

#include "input/residue_number_start.h"

namespace hueset {
namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool showsSequence(const PreviewLine& line, std::uint32_t set, std::uint32_t row) {
  return line.hasContent && line.content.kind == LineContent::Kind::Sequence &&
         line.content.set == set && line.content.row == row;
}

// The cells of `line` from its first column up to (not including) `end`.
void appendCells(const PreviewDocument& document, std::size_t line, std::size_t end,
                 std::string& out) {
  const LineContent& c = document.lines[line].content;
  const std::string_view text = document.lineText(line);
  const std::size_t group = std::max<std::uint32_t>(c.groupWidth, 1);
  for (std::size_t k = 0; k < c.columns && c.firstColumn + k < end; ++k) {
    const std::size_t at = c.firstCell + k + k / group;
    out.push_back(at < text.size() ? text[at] : ' ');
  }
}

}  // namespace

std::vector<PreviewRun> PreviewDocument::lineRuns(std::size_t line) const {
  std::vector<PreviewRun> runs;
  const std::span<const std::uint8_t> styles = lineStyles(line);
  for (std::size_t i = 0; i < styles.size(); ++i) {
    if (i == 0 || styles[i] != styles[i - 1]) {
      runs.push_back(PreviewRun{static_cast<std::uint32_t>(i), styles[i]});
    }
  }
  return runs;
}

std::optional<std::int64_t> residueNumberAt(const PreviewDocument& document, std::size_t line,
                                            std::size_t column) {
  if (line >= document.lines.size()) return std::nullopt;
  const PreviewLine& shown = document.lines[line];
  const LineContent& c = shown.content;
  if (!showsSequence(shown, c.set, c.row) || column < c.firstColumn ||
      column >= c.firstColumn + c.columns || c.set >= document.names.size() ||
      c.row >= document.names[c.set].size()) {
    return std::nullopt;
  }
  // The sequence's earlier lines, one per block, found from the last; every
  // block has as many lines, so the step from one to the next is tried first.
  std::vector<std::size_t> earlier;
  std::size_t at = line;
  std::size_t step = 0;
  while (document.lines[at].content.firstColumn > 0) {
    std::size_t previous = at;
    const std::uint32_t firstColumn = document.lines[at].content.firstColumn;
    const auto endsAt = [&](std::size_t k) {
      const LineContent& before = document.lines[k].content;
      return showsSequence(document.lines[k], c.set, c.row) &&
             before.firstColumn + before.columns == firstColumn;
    };
    if (step > 0 && step <= at && endsAt(at - step)) {
      previous = at - step;
    } else {
      for (std::size_t k = at; k-- > 0;) {
        if (endsAt(k)) {
          previous = k;
          break;
        }
      }
    }
    if (previous == at) break;
    step = at - previous;
    at = previous;
    earlier.push_back(at);
  }
  std::string cells;
  for (auto k = earlier.rbegin(); k != earlier.rend(); ++k)
    appendCells(document, *k, column, cells);
  appendCells(document, line, column + 1, cells);
  const std::size_t first =
      document.lines[earlier.empty() ? line : earlier.back()].content.firstColumn;
  const std::size_t offset = column - first;
  if (offset >= cells.size() || !isLetter(cells[offset])) return std::nullopt;
  return residueNumberStart(document.names[c.set][c.row]) +
         residuesInCells(cells, 0, offset, first, document.columnNumbers);
}

std::int64_t residuesInCells(std::string_view cells, std::size_t from, std::size_t to,
                             std::size_t firstColumn, const ColumnNumbers& columnNumbers) {
  std::int64_t count = 0;
  for (std::size_t i = from; i < to && i < cells.size(); ++i) {
    if (isLetter(cells[i])) {
      ++count;
      continue;
    }
    // Only elision writes a count, and only into the columns it stands in
    // for; a bracket elsewhere is a gap symbol.
    const std::size_t column = firstColumn + i;
    if (cells[i] != '(' || column >= columnNumbers.size() || columnNumbers[column] != 0) continue;
    std::int64_t hidden = 0;
    for (std::size_t k = i + 1; k < cells.size() && cells[k] >= '0' && cells[k] <= '9'; ++k) {
      hidden = hidden * 10 + (cells[k] - '0');
    }
    count += hidden;
  }
  return count;
}

}  // namespace hueset
