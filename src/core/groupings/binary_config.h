#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "groupings/grouping_set.h"

namespace hueset {

// The compact configuration form (".cfb"), also the form of the built-in
// defaults: "RGFX", font size, font name, grouping count, the grouping
// records, "RGFX" again. Integers are 32-bit little-endian; strings are a
// 32-bit length and that many bytes.

// The four bytes that open and close every binary configuration.
inline constexpr std::string_view kBinaryConfigMagic = "RGFX";
// Longest font name, grouping name or residue string a reader accepts.
inline constexpr std::int32_t kBinaryConfigMaxString = 1024;
// Most groupings a reader accepts.
inline constexpr std::uint32_t kBinaryConfigMaxGroupings = 256;

// Reads a binary configuration into `set` and reports success through the
// stream's failure state (also returned). Afterwards `lineNumber` is 1 when
// the leading magic matched and 0 when it did not. Without the magic only
// the groupings are removed; any later fault empties the set and sets
// `lastError` to the "corrupt" text.
bool readBinary(GroupingSet& set, std::istream& in);
// The same over bytes in memory (a file read whole, a built-in image).
bool readBinary(GroupingSet& set, std::string_view bytes);

// Writes the set as it is: the reader's limits are not checked here.
void writeBinary(const GroupingSet& set, std::ostream& out);
std::string writeBinary(const GroupingSet& set);

}  // namespace hueset
