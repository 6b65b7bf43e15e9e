#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hueset {

// Colours are 32-bit values with red in the low byte, then green, then blue.
using Colour = std::uint32_t;

inline constexpr Colour rgb(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
inline constexpr unsigned redOf(Colour c) { return c & 0xFFu; }
inline constexpr unsigned greenOf(Colour c) { return (c >> 8) & 0xFFu; }
inline constexpr unsigned blueOf(Colour c) { return (c >> 16) & 0xFFu; }

// How a consensus on one grouping is drawn.
struct ResidueFormat {
  Colour textColour = 0;
  Colour backColour = 0;
  bool italic = false;
  bool bold = false;

  bool operator==(const ResidueFormat&) const = default;
};

// A named set of residue letters with its format and consensus marker.
struct ResidueGrouping {
  std::string name;
  std::string residues;  // upper-case letters, each at most once
  ResidueFormat format;
  bool active = true;
  char marker = ' ';

  bool operator==(const ResidueGrouping&) const = default;
};

// The whole configuration: output font and the groupings, stored as
// "Default" (entry 0), "Single" (entry 1), then the ordinary groupings in
// order of precedence.
struct GroupingSet {
  static constexpr std::size_t kDefault = 0;
  static constexpr std::size_t kSingle = 1;
  static constexpr std::size_t kFirstOrdinary = 2;
  // The font sizes the groupings editor allows, in tenths of a point (more
  // than 0, at most 144 points); files are held to the same range.
  static constexpr std::int32_t kSmallestFontSize = 1;
  static constexpr std::int32_t kLargestFontSize = 1440;

  std::vector<ResidueGrouping> groupings;
  std::string fontName;
  std::int32_t fontSize = 0;  // tenths of a point
  std::int32_t lineNumber = 0;
  std::string lastError;

  // Removes all groupings; font and error text stay.
  void clear() { groupings.clear(); }
  // True when an ordinary grouping holds any of `letters`.
  bool containsInvalidResidues(const std::string& letters) const;
  // Orders the ordinary groupings by size, then by name ignoring case.
  void sortBySize();
  // The formats in format-index order: Default, active ordinary groupings,
  // Single (the list the writers are given).
  std::vector<ResidueFormat> textFormats() const;

  bool operator==(const GroupingSet&) const = default;
};

}  // namespace hueset
