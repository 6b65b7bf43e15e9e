#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "groupings/grouping_set.h"

namespace hueset {

// A colour is web-safe when red, green and blue are each a multiple of 51.
bool isWebSafe(Colour colour);

// One line per colour that is not web-safe, in grouping order:
// "<name>: Text Colour" and "<name>: Background Colour".
std::vector<std::string> webSafeProblems(const GroupingSet& groupings);

// The texts around the list when the check finds something.
inline constexpr std::string_view kWebSafePrompt =
    "Some of the residue groups use colours which are not 'web safe' and may not be displayed "
    "properly on all computers.";
inline constexpr std::string_view kWebSafeQuestion = "Do you wish to proceed anyway?";

}  // namespace hueset
