#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hueset {

// The document as the readers take it, and why some bytes are no alignment
// text at all.
struct CheckedText {
  std::string_view text;
  // Set when the bytes cannot be read as text (UTF-16, binary data, lines
  // ended by carriage returns alone): what the user can do about it.
  std::optional<std::string> problem;
};

// A UTF-8 byte-order mark at the start is skipped (and nothing else), and the
// text ends at its first NUL, as a NUL-terminated document does.
CheckedText checkDocumentText(std::string_view bytes);

}  // namespace hueset
