#include "annotate/column_marks.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

namespace hueset {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool numberOf(std::string_view text, std::int32_t& value) {
  text = trimmed(text);
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1;
}

// "120-122" or "45"; false with `problem` set otherwise.
bool rangeOf(std::string_view text, ColumnRange& range, std::string& problem) {
  const auto dash = text.find('-');
  const bool taken = dash == std::string_view::npos
                         ? numberOf(text, range.first)
                         : numberOf(text.substr(0, dash), range.first) &&
                               numberOf(text.substr(dash + 1), range.last);
  if (dash == std::string_view::npos) range.last = range.first;
  if (taken && range.first <= range.last) return true;
  problem = "'" + std::string(trimmed(text)) +
            "' is no column or range of columns (such as 45 or 120-122, from 1)";
  return false;
}

// Calls `take` with every piece of `text` between `separators`.
template <typename Take>
bool forEachPiece(std::string_view text, std::string_view separators, Take take) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = std::min(text.find_first_of(separators, start), text.size());
    if (!take(text.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

bool symbolOf(std::string_view text, ColumnMark& mark, std::string& problem) {
  text = trimmed(text);
  if (text == "triangle") {
    mark.symbol = MarkSymbol::Triangle;
  } else if (text == "star") {
    mark.symbol = MarkSymbol::Star;
  } else if (text == "dot") {
    mark.symbol = MarkSymbol::Dot;
  } else if (text.size() == 1 && std::isalnum(static_cast<unsigned char>(text[0]))) {
    mark.symbol = MarkSymbol::Letter;
    mark.letter = text[0];
  } else {
    problem =
        "'" + std::string(text) + "' is no mark: give triangle, star, dot, or one letter or digit";
    return false;
  }
  return true;
}

}  // namespace

ParsedMarks parseColumnMarks(std::string_view text) {
  ParsedMarks parsed;
  if (trimmed(text).empty()) return parsed;
  forEachPiece(text, ";", [&parsed](std::string_view list) {
    if (trimmed(list).empty()) return true;
    ColumnMark mark;
    const auto colon = list.find(':');
    if (colon != std::string_view::npos && !symbolOf(list.substr(colon + 1), mark, parsed.problem))
      return false;
    return forEachPiece(list.substr(0, std::min(colon, list.size())), ",",
                        [&](std::string_view piece) {
                          ColumnRange range;
                          if (!rangeOf(piece, range, parsed.problem)) return false;
                          mark.first = range.first;
                          mark.last = range.last;
                          parsed.marks.push_back(mark);
                          return true;
                        });
  });
  if (!parsed.problem.empty()) parsed.marks.clear();
  return parsed;
}

ParsedRanges parseColumnRanges(std::string_view text) {
  ParsedRanges parsed;
  if (trimmed(text).empty()) return parsed;
  forEachPiece(text, ",;", [&parsed](std::string_view piece) {
    ColumnRange range;
    if (!rangeOf(piece, range, parsed.problem)) return false;
    parsed.ranges.push_back(range);
    return true;
  });
  if (!parsed.problem.empty()) parsed.ranges.clear();
  return parsed;
}

std::vector<ColumnConservation> columnConservation(const ColumnStatistics& statistics,
                                                   const std::vector<std::int32_t>& columnNumbers) {
  std::vector<ColumnConservation> columns;
  columns.reserve(statistics.columns.size());
  for (std::size_t p = 0; p < statistics.columns.size(); ++p) {
    const ColumnAgreement& agreement = statistics.columns[p];
    const bool standIn = p < columnNumbers.size() && columnNumbers[p] == 0;
    columns.push_back({agreement.agreeing, agreement.counted, agreement.reached, !standIn});
  }
  return columns;
}

char conservationDigit(const ColumnConservation& column) {
  if (!column.shown) return ' ';
  if (column.counted == 0) return '0';
  const std::uint64_t tenths = std::uint64_t{column.agreeing} * 10 / column.counted;
  return static_cast<char>('0' + std::min<std::uint64_t>(tenths, 9));
}

Colour conservationShade(double share, bool reached) {
  const double clamped = std::clamp(share, 0.0, 1.0);
  const auto level =
      static_cast<unsigned>(std::lround(reached ? 190 - 150 * clamped : 225 - 75 * clamped));
  return rgb(level, level, level);
}

char markCharacter(MarkSymbol symbol, char letter) {
  switch (symbol) {
    case MarkSymbol::None: return ' ';
    case MarkSymbol::Triangle: return 'v';
    case MarkSymbol::Star: return '*';
    case MarkSymbol::Dot: return 'o';
    case MarkSymbol::Letter: return letter;
  }
  return ' ';
}

std::vector<double> markCorners(MarkSymbol symbol, double centre, double middle, double half) {
  std::vector<double> corners;
  switch (symbol) {
    case MarkSymbol::Triangle:
      // Pointing down at the residue.
      corners = {centre - half, middle - half, centre + half, middle - half, centre, middle + half};
      break;
    case MarkSymbol::Star:
      for (int k = 0; k < 10; ++k) {
        const double radius = k % 2 == 0 ? half * 1.1 : half * 0.45;
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        corners.push_back(centre + radius * std::cos(angle));
        corners.push_back(middle + radius * std::sin(angle));
      }
      break;
    case MarkSymbol::Dot:
      for (int k = 0; k < 16; ++k) {
        const double angle = k * std::numbers::pi / 8;
        corners.push_back(centre + half * 0.6 * std::cos(angle));
        corners.push_back(middle + half * 0.6 * std::sin(angle));
      }
      break;
    case MarkSymbol::None:
    case MarkSymbol::Letter: break;
  }
  return corners;
}

std::vector<std::int32_t> residueNumbersOf(const std::string& residues, int start) {
  std::vector<std::int32_t> numbers(residues.size(), 0);
  std::int32_t next = start;
  for (std::size_t c = 0; c < residues.size(); ++c) {
    if (std::isalpha(static_cast<unsigned char>(residues[c]))) numbers[c] = next++;
  }
  return numbers;
}

std::vector<std::int32_t> residueNumbersOf(const std::string& residues,
                                           const std::vector<std::string>& own) {
  std::vector<std::int32_t> numbers(residues.size(), 0);
  std::size_t next = 0;
  for (std::size_t c = 0; c < residues.size(); ++c) {
    if (!std::isalpha(static_cast<unsigned char>(residues[c]))) continue;
    if (next < own.size()) {
      const std::string& text = own[next];
      std::int32_t value = 0;
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
      if (error == std::errc() && end == text.data() + text.size()) numbers[c] = value;
    }
    ++next;
  }
  return numbers;
}

std::vector<ColumnRange> alignmentColumnsOf(const std::vector<ColumnRange>& ranges,
                                            const std::vector<std::int32_t>& numbers) {
  std::vector<ColumnRange> columns;
  for (const ColumnRange& range : ranges) {
    ColumnRange found{0, 0};
    for (std::size_t c = 0; c < numbers.size(); ++c) {
      if (numbers[c] < range.first || numbers[c] > range.last) continue;
      if (found.first == 0) found.first = static_cast<std::int32_t>(c) + 1;
      found.last = static_cast<std::int32_t>(c) + 1;
    }
    if (found.first != 0) columns.push_back(found);
  }
  return columns;
}

namespace {

std::string keptOf(const std::string& row, const std::vector<bool>& keep) {
  std::string kept;
  for (std::size_t c = 0; c < keep.size(); ++c) {
    if (keep[c]) kept += c < row.size() ? row[c] : ' ';
  }
  return kept;
}

}  // namespace

std::vector<ColumnRows::HiddenResidues> keepColumns(Alignment& set, const std::vector<bool>& keep) {
  std::vector<ColumnRows::HiddenResidues> hidden(set.residues.size());
  for (std::size_t i = 0; i < set.residues.size(); ++i) {
    const std::string& row = set.residues[i];
    std::uint32_t shown = 0;
    std::uint32_t left = 0;
    for (std::size_t c = 0; c < keep.size(); ++c) {
      if (!keep[c]) {
        left += c < row.size() && std::isalpha(static_cast<unsigned char>(row[c])) ? 1 : 0;
        continue;
      }
      if (left > 0) hidden[i].emplace_back(shown, left);
      left = 0;
      ++shown;
    }
    set.residues[i] = keptOf(row, keep);
  }
  for (std::string& track : set.tracks) track = keptOf(track, keep);
  set.length = static_cast<int>(std::count(keep.begin(), keep.end(), true));
  return hidden;
}

std::vector<std::size_t> layoutColumnsOf(const ColumnRange& range,
                                         const std::vector<std::int32_t>& columnNumbers,
                                         std::size_t length) {
  std::vector<std::size_t> shown;
  for (std::size_t p = 0; p < length; ++p) {
    const std::int64_t column = columnNumbers.empty()
                                    ? static_cast<std::int64_t>(p) + 1
                                    : (p < columnNumbers.size() ? columnNumbers[p] : 0);
    if (column >= range.first && column <= range.last) shown.push_back(p);
  }
  return shown;
}

void placeMarks(ColumnRows& rows, const std::vector<ColumnMark>& marks,
                const std::vector<ColumnRange>& frames,
                const std::vector<std::int32_t>& columnNumbers, std::size_t length, bool figure) {
  if (!marks.empty()) {
    rows.markCells.assign(length, ' ');
    rows.markSymbols.assign(length, MarkSymbol::None);
    for (const ColumnMark& mark : marks) {
      for (const std::size_t p : layoutColumnsOf({mark.first, mark.last}, columnNumbers, length)) {
        rows.markSymbols[p] = mark.symbol;
        const bool drawnAsText = !figure || mark.symbol == MarkSymbol::Letter;
        rows.markCells[p] = drawnAsText ? markCharacter(mark.symbol, mark.letter) : ' ';
      }
    }
  }
  if (!frames.empty()) {
    rows.frames.assign(length, 0);
    const std::size_t most = std::min<std::size_t>(frames.size(), 65535);
    for (std::size_t f = 0; f < most; ++f) {
      for (const std::size_t p : layoutColumnsOf(frames[f], columnNumbers, length))
        rows.frames[p] = static_cast<std::uint16_t>(f + 1);
    }
  }
}

}  // namespace hueset
