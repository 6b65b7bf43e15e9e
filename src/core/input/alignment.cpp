#include "input/alignment.h"

#include <algorithm>
#include <array>
#include <optional>

#include "input/format_table.h"
#include "util/parallel.h"

namespace hueset {

int Alignment::duplicateNameCount() const {
  std::vector<std::string> sorted = names;
  std::sort(sorted.begin(), sorted.end());
  auto end = std::unique(sorted.begin(), sorted.end());
  return static_cast<int>(sorted.end() - end);
}

bool Alignment::hasEqualLengths() const {
  if (residues.empty()) return true;
  const std::size_t expected = residues.front().size();
  auto sameLength = [expected](const std::string& s) { return s.size() == expected; };
  return std::all_of(residues.begin(), residues.end(), sameLength) &&
         std::all_of(tracks.begin(), tracks.end(), sameLength);
}

int Alignment::labelWidth() const {
  std::size_t width = 14;
  for (const auto& n : names) width = std::max(width, n.size());
  for (const auto& l : trackLabels) width = std::max(width, l.size());
  return static_cast<int>(width);
}

int Alignment::lastNonEmptySequence() const {
  for (std::size_t i = residues.size(); i-- > 0;) {
    if (!residues[i].empty()) return static_cast<int>(i);
  }
  return -1;
}

void Alignment::removeEmptySequences() {
  // One stable pass over each list: removing one at a time is quadratic
  // when many sequences are empty.
  std::vector<char> drop(residues.size());
  for (std::size_t i = 0; i < residues.size(); ++i) drop[i] = residues[i].empty();
  auto compact = [&drop](std::vector<std::string>& list) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (i < drop.size() && drop[i]) continue;
      if (kept != i) list[kept] = std::move(list[i]);
      ++kept;
    }
    list.resize(kept);
  };
  compact(residues);
  compact(names);
  if (!ownNumbers.empty()) {
    ownNumbers.resize(drop.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < drop.size(); ++i) {
      if (drop[i]) continue;
      if (kept != i) ownNumbers[kept] = std::move(ownNumbers[i]);
      ++kept;
    }
    ownNumbers.resize(kept);
  }
}

void Alignment::removeSequence(int index) {
  if (index < 0) return;
  auto i = static_cast<std::size_t>(index);
  if (i < names.size()) names.erase(names.begin() + static_cast<std::ptrdiff_t>(i));
  if (i < residues.size()) residues.erase(residues.begin() + static_cast<std::ptrdiff_t>(i));
  if (i < ownNumbers.size()) ownNumbers.erase(ownNumbers.begin() + static_cast<std::ptrdiff_t>(i));
}

void Alignment::eraseColumns(int first, int last) {
  auto eraseFrom = [first, last](std::string& s) {
    auto size = static_cast<int>(s.size());
    int from = std::clamp(first, 0, size);
    int to = std::clamp(last, from, size);
    s.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  };
  std::for_each(residues.begin(), residues.end(), eraseFrom);
  std::for_each(tracks.begin(), tracks.end(), eraseFrom);
  length = residues.empty() ? 0 : static_cast<std::int32_t>(residues.front().size());
}

bool checkCharacters(const Alignment& alignment, std::vector<CharacterProblem>& problems,
                     bool allowLowerCase, bool allowStrangeGaps,
                     const std::string& invalidResidues) {
  const std::size_t before = problems.size();
  allowLowerCase = allowLowerCase || hasInsertLetters(alignment.format);
  // Sequences are looked at on every core; the problems are kept in order.
  std::vector<std::optional<CharacterProblem>> found(alignment.residues.size());
  parallelFor(found.size(), 256, [&](std::size_t first, std::size_t end) {
    for (std::size_t s = first; s < end; ++s) {
      std::array<std::size_t, 256> counts{};
      for (unsigned char c : alignment.residues[s]) ++counts[c];

      CharacterProblem p;
      const std::size_t blanks = counts['\t'] + counts['\n'] + counts['\r'] + counts[' '];
      p.whiteSpace = blanks != 0;
      std::size_t controls = 0;
      for (int c = 1; c <= 32; ++c) controls += counts[static_cast<std::size_t>(c)];
      p.nonPrintable = controls > blanks;

      for (char c : invalidResidues) {
        if (counts[static_cast<unsigned char>(c)] != 0) p.invalidLetters += c;
      }
      if (allowLowerCase) {
        for (char c : invalidResidues) {
          const auto lower = static_cast<unsigned char>(static_cast<unsigned char>(c) + 32);
          if (counts[lower] != 0) p.invalidLetters += c;
        }
      } else {
        for (char c = 'a'; c <= 'z'; ++c) {
          if (counts[static_cast<unsigned char>(c)] != 0) p.lowerCaseLetters += c;
        }
      }
      if (!allowStrangeGaps) {
        for (int c = 33; c <= 255; ++c) {
          const bool symbol = c <= 64 || (c >= 91 && c <= 96) || c >= 123;
          if (!symbol || counts[static_cast<std::size_t>(c)] == 0) continue;
          if (c == '~' || c == '-' || c == '.') continue;
          p.otherSymbols += static_cast<char>(c);
        }
      }

      if (p.whiteSpace || p.nonPrintable || !p.invalidLetters.empty() ||
          !p.lowerCaseLetters.empty() || !p.otherSymbols.empty()) {
        p.name = s < alignment.names.size() ? alignment.names[s] : std::string{};
        found[s] = std::move(p);
      }
    }
  });
  for (std::optional<CharacterProblem>& p : found) {
    if (p) problems.push_back(std::move(*p));
  }
  return problems.size() == before;
}

}  // namespace hueset
