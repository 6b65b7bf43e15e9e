#include "desktop/groupings/web_safe_check.h"

namespace hueset {

bool isWebSafe(Colour colour) {
  return redOf(colour) % 51 == 0 && greenOf(colour) % 51 == 0 && blueOf(colour) % 51 == 0;
}

std::vector<std::string> webSafeProblems(const GroupingSet& groupings) {
  std::vector<std::string> lines;
  for (const ResidueGrouping& g : groupings.groupings) {
    if (!isWebSafe(g.format.textColour)) lines.push_back(g.name + ": Text Colour");
    if (!isWebSafe(g.format.backColour)) lines.push_back(g.name + ": Background Colour");
  }
  return lines;
}

}  // namespace hueset
