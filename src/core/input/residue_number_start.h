#pragma once

#include <string_view>

namespace hueset {

// The number of a sequence's first residue, as Pfam and Stockholm files write
// it after the name: "PF00001_HUMAN/23-310" starts at 23. Blanks around the
// name (the name column's padding) are ignored. A name without such a suffix,
// or with one that is not two numbers from 1 up with the first not above the
// second, starts at 1.
int residueNumberStart(std::string_view name);

}  // namespace hueset
