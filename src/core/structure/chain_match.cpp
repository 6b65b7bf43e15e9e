#include "structure/chain_match.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace hueset {
namespace {

constexpr std::string_view kOrder = "ARNDCQEGHILKMFPSTWYVBZX";
// BLOSUM62 in kOrder's order.
constexpr std::array<std::array<std::int8_t, 23>, 23> kBlosum62 = {{
    {4, -1, -2, -2, 0, -1, -1, 0, -2, -1, -1, -1, -1, -2, -1, 1, 0, -3, -2, 0, -2, -1, 0},
    {-1, 5, 0, -2, -3, 1, 0, -2, 0, -3, -2, 2, -1, -3, -2, -1, -1, -3, -2, -3, -1, 0, -1},
    {-2, 0, 6, 1, -3, 0, 0, 0, 1, -3, -3, 0, -2, -3, -2, 1, 0, -4, -2, -3, 3, 0, -1},
    {-2, -2, 1, 6, -3, 0, 2, -1, -1, -3, -4, -1, -3, -3, -1, 0, -1, -4, -3, -3, 4, 1, -1},
    {0, -3, -3, -3, 9, -3, -4, -3, -3, -1, -1, -3, -1, -2, -3, -1, -1, -2, -2, -1, -3, -3, -2},
    {-1, 1, 0, 0, -3, 5, 2, -2, 0, -3, -2, 1, 0, -3, -1, 0, -1, -2, -1, -2, 0, 3, -1},
    {-1, 0, 0, 2, -4, 2, 5, -2, 0, -3, -3, 1, -2, -3, -1, 0, -1, -3, -2, -2, 1, 4, -1},
    {0, -2, 0, -1, -3, -2, -2, 6, -2, -4, -4, -2, -3, -3, -2, 0, -2, -2, -3, -3, -1, -2, -1},
    {-2, 0, 1, -1, -3, 0, 0, -2, 8, -3, -3, -1, -2, -1, -2, -1, -2, -2, 2, -3, 0, 0, -1},
    {-1, -3, -3, -3, -1, -3, -3, -4, -3, 4, 2, -3, 1, 0, -3, -2, -1, -3, -1, 3, -3, -3, -1},
    {-1, -2, -3, -4, -1, -2, -3, -4, -3, 2, 4, -2, 2, 0, -3, -2, -1, -2, -1, 1, -4, -3, -1},
    {-1, 2, 0, -1, -3, 1, 1, -2, -1, -3, -2, 5, -1, -3, -1, 0, -1, -3, -2, -2, 0, 1, -1},
    {-1, -1, -2, -3, -1, 0, -2, -3, -2, 1, 2, -1, 5, 0, -2, -1, -1, -1, -1, 1, -3, -1, -1},
    {-2, -3, -3, -3, -2, -3, -3, -3, -1, 0, 0, -3, 0, 6, -4, -2, -2, 1, 3, -1, -3, -3, -1},
    {-1, -2, -2, -1, -3, -1, -1, -2, -2, -3, -3, -1, -2, -4, 7, -1, -1, -4, -3, -2, -2, -1, -2},
    {1, -1, 1, 0, -1, 0, 0, 0, -1, -2, -2, 0, -1, -2, -1, 4, 1, -3, -2, -2, 0, 0, 0},
    {0, -1, 0, -1, -1, -1, -1, -2, -2, -1, -1, -1, -1, -2, -1, 1, 5, -2, -2, 0, -1, -1, 0},
    {-3, -3, -4, -4, -2, -2, -3, -2, -2, -3, -2, -3, -1, 1, -4, -3, -2, 11, 2, -3, -4, -3, -2},
    {-2, -2, -2, -3, -2, -1, -2, -3, 2, -1, -1, -2, -1, 3, -3, -2, -2, 2, 7, -1, -3, -2, -1},
    {0, -3, -3, -3, -1, -2, -2, -3, -3, 3, 1, -2, 1, -1, -2, -2, 0, -3, -1, 4, -3, -2, -1},
    {-2, -1, 3, 4, -3, 0, 1, -1, 0, -3, -4, 0, -3, -3, -2, 0, -1, -4, -3, -3, 4, 1, -1},
    {-1, 0, 0, 1, -3, 3, 4, -2, 0, -3, -3, 1, -1, -3, -1, 0, -1, -3, -2, -2, 1, 4, -1},
    {0, -1, -1, -1, -2, -1, -1, -1, -1, -1, -1, -1, -1, -1, -2, 0, 0, -2, -1, -1, -1, -1, -1},
}};

constexpr int kGapOpen = 11;
constexpr int kGapExtend = 1;
constexpr int kShownMismatches = 5;
constexpr int kNone = std::numeric_limits<int>::min() / 4;

std::size_t indexOf(char c) {
  const auto at = kOrder.find(c);
  return at == std::string_view::npos ? kOrder.size() - 1 : at;
}

int score(char a, char b) { return kBlosum62[indexOf(a)][indexOf(b)]; }

// Three matrices: ending in a pair (m), a gap in the chain (x: sequence
// residue unpaired) or in the sequence (y).
struct Matrices {
  std::size_t columns;
  std::vector<int> m, x, y;
  Matrices(std::size_t rows, std::size_t cols)
      : columns(cols), m(rows * cols, kNone), x(rows * cols, kNone), y(rows * cols, kNone) {}
  std::size_t at(std::size_t i, std::size_t j) const { return i * columns + j; }
};

}  // namespace

ChainMatch matchChain(std::string_view sequence, std::string_view chain) {
  const std::size_t n = sequence.size();
  const std::size_t k = chain.size();
  Matrices t(n + 1, k + 1);
  // Free end gaps: the first row and column cost nothing.
  for (std::size_t i = 0; i <= n; ++i) t.x[t.at(i, 0)] = 0;
  for (std::size_t j = 0; j <= k; ++j) t.y[t.at(0, j)] = 0;
  t.m[t.at(0, 0)] = 0;
  const bool lastRowFree = true;
  for (std::size_t i = 1; i <= n; ++i) {
    for (std::size_t j = 1; j <= k; ++j) {
      const std::size_t d = t.at(i - 1, j - 1);
      t.m[t.at(i, j)] = std::max({t.m[d], t.x[d], t.y[d]}) + score(sequence[i - 1], chain[j - 1]);
      // Along the chain's last column or the sequence's last row, gaps are end gaps.
      const int openX = j == k ? 0 : kGapOpen;
      const int extendX = j == k ? 0 : kGapExtend;
      const std::size_t up = t.at(i - 1, j);
      t.x[t.at(i, j)] = std::max(std::max(t.m[up], t.y[up]) - openX, t.x[up] - extendX);
      const int openY = (i == n && lastRowFree) ? 0 : kGapOpen;
      const int extendY = (i == n && lastRowFree) ? 0 : kGapExtend;
      const std::size_t left = t.at(i, j - 1);
      t.y[t.at(i, j)] = std::max(std::max(t.m[left], t.x[left]) - openY, t.y[left] - extendY);
    }
  }
  ChainMatch match;
  match.chainResidueOf.assign(n, -1);
  // Trace back from the corner.
  std::size_t i = n;
  std::size_t j = k;
  int state = 0;  // 0 m, 1 x, 2 y
  {
    const std::size_t c = t.at(n, k);
    const int best = std::max({t.m[c], t.x[c], t.y[c]});
    state = best == t.m[c] ? 0 : best == t.x[c] ? 1 : 2;
  }
  while (i > 0 && j > 0) {
    const std::size_t c = t.at(i, j);
    if (state == 0) {
      match.chainResidueOf[i - 1] = static_cast<int>(j - 1);
      const std::size_t d = t.at(i - 1, j - 1);
      const int before = t.m[c] - score(sequence[i - 1], chain[j - 1]);
      state = before == t.m[d] ? 0 : before == t.x[d] ? 1 : 2;
      --i;
      --j;
    } else if (state == 1) {
      const std::size_t up = t.at(i - 1, j);
      const int openX = j == k ? 0 : kGapOpen;
      const int extendX = j == k ? 0 : kGapExtend;
      if (t.x[c] == t.x[up] - extendX) {
        state = 1;
      } else {
        state = t.x[c] == t.m[up] - openX ? 0 : 2;
      }
      --i;
    } else {
      const std::size_t left = t.at(i, j - 1);
      const int openY = i == n ? 0 : kGapOpen;
      const int extendY = i == n ? 0 : kGapExtend;
      if (t.y[c] == t.y[left] - extendY) {
        state = 2;
      } else {
        state = t.y[c] == t.m[left] - openY ? 0 : 1;
      }
      --j;
    }
  }
  for (std::size_t s = 0; s < n; ++s) {
    const int c = match.chainResidueOf[s];
    if (c < 0) continue;
    ++match.pairs;
    if (sequence[s] == chain[static_cast<std::size_t>(c)]) {
      ++match.identical;
    } else if (match.mismatches.size() < kShownMismatches) {
      match.mismatches.push_back(std::string(1, sequence[s]) + std::to_string(s + 1) +
                                 chain[static_cast<std::size_t>(c)]);
    }
  }
  return match;
}

}  // namespace hueset
