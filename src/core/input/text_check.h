#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hueset {

// A document's text up to its first NUL, as a NUL-terminated document ends.
// The guess and the readers take it in this form, so the text is searched
// for its NUL once, where it is made, however often it is read.
class AlignmentText {
 public:
  AlignmentText() = default;
  // The one place the text's end is looked for.
  static AlignmentText upToNul(std::string_view bytes) {
    return AlignmentText(bytes.substr(0, bytes.find('\0')));
  }
  std::string_view view() const { return m_text; }
  // The text from `position` on, which has no NUL either.
  AlignmentText from(std::size_t position) const { return AlignmentText(m_text.substr(position)); }
  operator std::string_view() const { return m_text; }

 private:
  explicit AlignmentText(std::string_view text) : m_text(text) {}
  std::string_view m_text;
};

// The document as the readers take it, and why some bytes are no alignment
// text at all.
struct CheckedText {
  AlignmentText text;
  // Set when the bytes cannot be read as text (UTF-16, binary data, lines
  // ended by carriage returns alone): what the user can do about it.
  std::optional<std::string> problem;
  // The line the problem is on, to select; 0 for none.
  int line = 0;
};

// A UTF-8 byte-order mark at the start is skipped (and nothing else), and the
// text ends at its first NUL, as a NUL-terminated document does.
CheckedText checkDocumentText(std::string_view bytes);

}  // namespace hueset
