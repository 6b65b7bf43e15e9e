#include "input/dsc_rows.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace hueset {

namespace {
using NameSet = std::array<std::string_view, 4>;
constexpr std::array<NameSet, 2> kDscNameSets = {{
    {"DSC", "P_H", "P_E", "P_C"},
    {"DSC_SEC", "PROB_H", "PROB_E", "PROB_C"},
}};
}  // namespace

bool hasDscRows(Alignment& alignment) {
  const auto& names = alignment.names;
  bool found = false;
  if (names.size() >= 5 && alignment.residues.size() == names.size()) {
    const std::size_t first = names.size() - 4;
    for (const auto& set : kDscNameSets) {
      if (std::equal(set.begin(), set.end(), names.begin() + static_cast<std::ptrdiff_t>(first))) {
        found = true;
      }
    }
  }
  if (!found) alignment.format = AlignmentFormat::Msf;
  return found;
}

void moveDscRows(Alignment& alignment, bool dscIgnoreCoil, bool ignoreConfidences) {
  if (alignment.names.size() < 4 || alignment.residues.size() != alignment.names.size()) return;
  const std::size_t first = alignment.names.size() - 4;
  std::size_t keep = ignoreConfidences ? 1 : 4;
  if (dscIgnoreCoil) {
    std::replace(alignment.residues[first].begin(), alignment.residues[first].end(), 'C', '.');
    alignment.removeSequence(static_cast<int>(alignment.names.size() - 1));
    if (keep == 4) keep = 3;
  }
  for (std::size_t i = first; i < first + keep; ++i) {
    alignment.trackLabels.push_back(alignment.names[i]);
    alignment.tracks.push_back(alignment.residues[i]);
  }
  const auto from = static_cast<std::ptrdiff_t>(first);
  alignment.names.erase(alignment.names.begin() + from, alignment.names.end());
  alignment.residues.erase(alignment.residues.begin() + from, alignment.residues.end());
}

}  // namespace hueset
