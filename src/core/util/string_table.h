#pragma once

#include <string_view>
#include <type_traits>

namespace hueset {

// Numbered user-visible texts. Every message the program shows by number is
// kept here, word for word; line breaks inside are "\r\n".
using StringId = int;

// The text for `id`, or an empty view for an unknown id.
std::string_view loadString(StringId id);

// True when the table holds `id`.
bool hasString(StringId id);

// Each subsystem names its texts in an enum of its own whose values are the
// table's numbers.
template <typename Message>
requires std::is_enum_v<Message> std::string_view loadString(Message id) {
  return loadString(static_cast<StringId>(id));
}

}  // namespace hueset
