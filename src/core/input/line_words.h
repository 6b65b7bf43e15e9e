#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hueset {

// Small tests on the lines and words of an alignment text, shared by the
// readers.

// The first word of `line` (which must not start with white space) and
// whatever follows it.
struct SplitWord {
  std::string_view word;
  std::string_view rest;
};
SplitWord splitFirstWord(std::string_view line);

// True when `text` starts with `prefix`, letter case aside (ASCII).
bool startsWithNoCase(std::string_view text, std::string_view prefix);
// True when the two words are equal, letter case aside (ASCII).
bool equalsNoCase(std::string_view a, std::string_view b);

// The line of 70 underscores that ends the alignment part of a PHD file.
bool isSectionRule(std::string_view line);

// The decimal number at the start of `word` (optional sign, then digits),
// 0 when there are no digits. Saturates instead of overflowing.
long long leadingInteger(std::string_view word);

// Number of characters of `text` that are not white space.
std::size_t countNonBlank(std::string_view text);

// White space as isSpace() has it (space, tab, LF, VT, FF, CR), inline for
// the readers' inner loops.
inline bool isBlankChar(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Appends the characters of `text` that are not white space to `out`, a
// run at a time.
inline void appendWithoutBlanks(std::string& out, std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    while (i < n && isBlankChar(text[i])) ++i;
    std::size_t end = i;
    while (end < n && !isBlankChar(text[end])) ++end;
    out.append(text.data() + i, end - i);
    i = end;
  }
}

}  // namespace hueset
