#pragma once

#include <optional>
#include <string_view>

#include "groupings/grouping_set.h"

namespace hueset {

// The configurations built into the program (the numbers of the first two
// are the ones they have always been known by). ColourBlindSafe has the
// colour default's groupings, residues and markers, so the analysis is the
// same; only the formats differ: black or white letters on backgrounds that
// stay apart under the common colour-vision deficiencies and print in CMYK.
enum class BuiltinDefault {
  Colour = 153,
  BlackAndWhite = 188,
  ColourBlindSafe = 189,
};

// The binary configuration image of a built-in default.
std::string_view builtinDefaultImage(BuiltinDefault which);

// "Hueset Defaults", "Hueset B & W Defaults" or "Hueset Colour-blind Safe
// Defaults": what the program shows as the configuration's title while a
// built-in default is in use.
std::string_view builtinDefaultTitle(BuiltinDefault which);

// Reads the built-in image into `set` with the binary reader; true on
// success (always, unless the image itself were damaged).
bool loadBuiltinDefault(GroupingSet& set, BuiltinDefault which);

// The built-in default a command line names: "colour", "bw" or "safe".
std::optional<BuiltinDefault> builtinDefaultNamed(std::string_view name);

// A fresh set holding the built-in default.
GroupingSet builtinDefault(BuiltinDefault which);

}  // namespace hueset
