#pragma once

#include <string_view>

#include "groupings/grouping_set.h"

namespace hueset {

// The two configurations built into the program (the numbers are the ones
// they have always been known by).
enum class BuiltinDefault {
  Colour = 153,
  BlackAndWhite = 188,
};

// The binary configuration image of a built-in default.
std::string_view builtinDefaultImage(BuiltinDefault which);

// "Hueset Defaults" or "Hueset B & W Defaults": what the program shows as the
// configuration's title while a built-in default is in use.
std::string_view builtinDefaultTitle(BuiltinDefault which);

// Reads the built-in image into `set` with the binary reader; true on
// success (always, unless the image itself were damaged).
bool loadBuiltinDefault(GroupingSet& set, BuiltinDefault which);

// A fresh set holding the built-in default.
GroupingSet builtinDefault(BuiltinDefault which);

}  // namespace hueset
