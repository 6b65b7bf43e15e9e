#include "util/text_format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace hueset {

std::string fillTemplate(std::string_view templ, long long number, std::string_view text) {
  std::string out;
  out.reserve(templ.size() + text.size() + 16);
  bool numberUsed = false;
  bool textUsed = false;
  for (std::size_t i = 0; i < templ.size(); ++i) {
    char c = templ[i];
    if (c == '%' && i + 1 < templ.size()) {
      char n = templ[i + 1];
      if (n == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (n == 'd' && !numberUsed) {
        out += std::to_string(number);
        numberUsed = true;
        ++i;
        continue;
      }
      if (n == 's' && !textUsed) {
        out.append(text);
        textUsed = true;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

std::string fillPlaceholder(std::string_view templ, std::string_view text) {
  std::string out(templ);
  const auto at = out.find("%1");
  if (at != std::string::npos) out.replace(at, 2, text);
  return out;
}

std::string printfString(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out;
  if (size > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    out.assign(buffer.data(), static_cast<std::size_t>(size));
  }
  va_end(args);
  return out;
}

std::size_t decimalDigits(std::size_t value) {
  std::size_t digits = 1;
  for (; value >= 10; value /= 10) ++digits;
  return digits;
}

std::string_view trimLeft(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && isSpace(s[i])) ++i;
  return s.substr(i);
}

std::string_view trim(std::string_view s) {
  s = trimLeft(s);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace hueset
