#include "util/decimal_text.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace hueset {
namespace {

std::size_t digitsFrom(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  return end - at;
}

// The length of the longest decimal number at the start of `text`, in the
// form from_chars's general format takes (without infinity and NaN, which
// no caller accepts).
std::size_t decimalLength(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && text[at] == '-') ++at;
  const std::size_t whole = digitsFrom(text, at);
  at += whole;
  std::size_t fraction = 0;
  if (at < text.size() && text[at] == '.') {
    fraction = digitsFrom(text, at + 1);
    if (whole + fraction > 0) at += 1 + fraction;
  }
  if (whole + fraction == 0) return 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '-' || text[exponent] == '+')) ++exponent;
    const std::size_t digits = digitsFrom(text, exponent);
    if (digits > 0) at = exponent + digits;
  }
  return at;
}

}  // namespace

std::size_t readDecimalPortable(std::string_view text, double& value) {
  const std::size_t length = decimalLength(text);
  if (length == 0) return 0;
  // strtod over exactly the number found; the C locale's point is '.'.
  const std::string number(text.substr(0, length));
  errno = 0;
  const double read = std::strtod(number.c_str(), nullptr);
  if (errno == ERANGE) return 0;  // as from_chars, which leaves the value
  value = read;
  return length;
}

std::string fixedDecimalPortable(double value, int decimals) {
  char buffer[352];  // the widest double in fixed notation, and a few decimals
  const int size = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return size > 0 ? std::string(buffer, static_cast<std::size_t>(size)) : std::string();
}

std::string generalDecimalPortable(double value, int precision) {
  char buffer[352];
  const int size = std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
  return size > 0 ? std::string(buffer, static_cast<std::size_t>(size)) : std::string();
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
std::size_t readDecimal(std::string_view text, double& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} ? static_cast<std::size_t>(end - text.data()) : 0;
}

std::string fixedDecimal(double value, int decimals) {
  char buffer[352];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return ec == std::errc{} ? std::string(buffer, end) : std::string();
}

std::string generalDecimal(double value, int precision) {
  char buffer[352];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
  return ec == std::errc{} ? std::string(buffer, end) : std::string();
}
#else
std::size_t readDecimal(std::string_view text, double& value) {
  return readDecimalPortable(text, value);
}
std::string fixedDecimal(double value, int decimals) {
  return fixedDecimalPortable(value, decimals);
}
std::string generalDecimal(double value, int precision) {
  return generalDecimalPortable(value, precision);
}
#endif

}  // namespace hueset
