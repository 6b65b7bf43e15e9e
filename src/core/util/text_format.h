#pragma once

#include <string>
#include <string_view>

namespace hueset {

// Fills a message template from the string table: the first "%d" takes
// `number`, the first "%s" takes `text`, "%%" becomes "%". Anything else is
// copied as it stands, so user text is never read as a format.
std::string fillTemplate(std::string_view templ, long long number, std::string_view text = {});

// Puts `text` in place of the first "%1" of `templ`, the placeholder of the
// texts that name a file; a template without one comes back as it is.
std::string fillPlaceholder(std::string_view templ, std::string_view text);

// printf-style formatting for the program's own fixed templates.
std::string printfString(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The number of decimal digits of `value` (1 for 0).
std::size_t decimalDigits(std::size_t value);

// ASCII helpers used throughout the readers and the configuration files;
// inline, since the readers call them for every character.
// Space, tab, CR, LF, vertical tab, form feed.
inline bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
inline char toUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
inline char toLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
inline std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = toLowerAscii(c);
  return lower;
}
// A character as an index into a table of all 256 bytes.
inline std::size_t byteOf(char c) { return static_cast<unsigned char>(c); }
std::string_view trimLeft(std::string_view s);
std::string_view trim(std::string_view s);

}  // namespace hueset
