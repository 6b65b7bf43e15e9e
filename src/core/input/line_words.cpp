#include "input/line_words.h"

#include <limits>

#include "util/text_format.h"

namespace hueset {

SplitWord splitFirstWord(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && !isSpace(line[end])) ++end;
  return {line.substr(0, end), line.substr(end)};
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (toUpperAscii(a[i]) != toUpperAscii(b[i])) return false;
  }
  return true;
}

bool isSectionRule(std::string_view line) {
  constexpr std::size_t kRuleLength = 70;
  if (line.size() < kRuleLength) return false;
  for (std::size_t i = 0; i < kRuleLength; ++i) {
    if (line[i] != '_') return false;
  }
  return true;
}

long long leadingInteger(std::string_view word) {
  constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 10;
  std::size_t i = 0;
  bool negative = false;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
  long long value = 0;
  for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
    if (value < kLimit) value = value * 10 + (word[i] - '0');
  }
  return negative ? -value : value;
}

std::size_t countNonBlank(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += isSpace(c) ? 0 : 1;
  return n;
}

}  // namespace hueset
