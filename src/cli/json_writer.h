#pragma once

#include <string>
#include <string_view>

namespace hueset {

// A JSON string literal for arbitrary bytes: control characters are escaped
// and bytes that are not valid UTF-8 become \u00XX (read as Latin-1), so the
// output always parses.
std::string jsonString(std::string_view bytes);

}  // namespace hueset
