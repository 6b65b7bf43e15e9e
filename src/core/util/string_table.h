#pragma once

#include <string_view>

namespace hueset {

// Numbered user-visible texts. Every message the program shows by number is
// kept here, word for word; line breaks inside are "\r\n".
using StringId = int;

// The text for `id`, or an empty view for an unknown id.
std::string_view loadString(StringId id);

// True when the table holds `id`.
bool hasString(StringId id);

}  // namespace hueset
