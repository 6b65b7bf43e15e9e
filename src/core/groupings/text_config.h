#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "groupings/grouping_set.h"

namespace hueset {

// The commented, line-oriented configuration form (".cft") that users edit
// by hand: a header comment, a font line "size;name", then one line per
// grouping "name;residues;r,g,b;r,g,b;bold;italic;active;marker".

// Reads `text` (a whole file; a zero byte ends it) into `set`. On success
// the set holds the font and the groupings in file order, `lineNumber` is 0
// and `lastError` empty. On failure the set is emptied (no groupings, no
// font), `lineNumber` names the failing line and `lastError` says why.
// Every line counts, comments and blank lines included.
bool readText(GroupingSet& set, std::string_view text);

// Writes the header comment, the font line and one line per grouping, each
// ending in CR LF.
void writeText(const GroupingSet& set, std::ostream& out);
std::string writeText(const GroupingSet& set);

}  // namespace hueset
