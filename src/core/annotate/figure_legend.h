#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "groupings/grouping_set.h"

namespace hueset {

// What a figure's legend says: the threshold, then each active grouping's
// swatch (its marker in its format) and name.
struct FigureLegendEntry {
  std::string name;
  int format = 0;  // the grouping's format index
  char marker = ' ';

  bool operator==(const FigureLegendEntry&) const = default;
};
struct FigureLegend {
  std::string heading;  // "Consensus (80%):"
  std::vector<FigureLegendEntry> entries;

  bool operator==(const FigureLegend&) const = default;
};

// The legend of the groupings' active ones at `consensusThreshold` (tenths
// of a percent).
FigureLegend figureLegend(const GroupingSet& groupings, int consensusThreshold);

// A line of a legend or title: its cells and the format index of each.
struct LegendLine {
  std::string cells;
  std::string formats;  // one byte per cell
};

// The legend flowed into lines at most `width` cells wide (a swatch and its
// name stay together; one wider than the line has a line of its own).
std::vector<LegendLine> legendLines(const FigureLegend& legend, std::size_t width);
// A title broken at blanks into lines at most `width` cells wide.
std::vector<LegendLine> titleLines(std::string_view title, std::size_t width);

}  // namespace hueset
