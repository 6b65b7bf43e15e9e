#include "groupings/grouping_set.h"

#include <algorithm>

#include "util/text_format.h"

namespace hueset {

namespace {

// Byte comparison with letters compared as their lower-case forms.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(toLowerAscii(a[i]));
    auto y = static_cast<unsigned char>(toLowerAscii(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

}  // namespace

bool GroupingSet::containsInvalidResidues(const std::string& letters) const {
  if (letters.empty()) return false;
  for (std::size_t i = kFirstOrdinary; i < groupings.size(); ++i) {
    if (groupings[i].residues.find_first_of(letters) != std::string::npos) return true;
  }
  return false;
}

void GroupingSet::sortBySize() {
  if (groupings.size() <= kFirstOrdinary) return;
  std::stable_sort(groupings.begin() + kFirstOrdinary, groupings.end(),
                   [](const ResidueGrouping& a, const ResidueGrouping& b) {
                     if (a.residues.size() != b.residues.size()) {
                       return a.residues.size() < b.residues.size();
                     }
                     return lessIgnoringCase(a.name, b.name);
                   });
}

std::vector<ResidueFormat> GroupingSet::textFormats() const {
  std::vector<ResidueFormat> formats;
  if (groupings.size() < kFirstOrdinary) return formats;
  formats.push_back(groupings[kDefault].format);
  for (std::size_t i = kFirstOrdinary; i < groupings.size(); ++i) {
    if (groupings[i].active) formats.push_back(groupings[i].format);
  }
  formats.push_back(groupings[kSingle].format);
  return formats;
}

}  // namespace hueset
