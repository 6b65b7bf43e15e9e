#include "input/residue_number_start.h"

#include <charconv>
#include <climits>

namespace hueset {
namespace {

// A whole positive number that fits an int, and nothing else.
bool positiveNumber(std::string_view text, long long& value) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && ptr == text.data() + text.size() && value >= 1 && value <= INT_MAX;
}

}  // namespace

int residueNumberStart(std::string_view name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return 1;
  name = name.substr(first, name.find_last_not_of(' ') - first + 1);

  const auto slash = name.rfind('/');
  if (slash == std::string_view::npos || slash == 0) return 1;
  const std::string_view range = name.substr(slash + 1);
  const auto dash = range.find('-');
  if (dash == std::string_view::npos) return 1;
  long long start = 0;
  long long end = 0;
  if (!positiveNumber(range.substr(0, dash), start) ||
      !positiveNumber(range.substr(dash + 1), end) || start > end) {
    return 1;
  }
  return static_cast<int>(start);
}

}  // namespace hueset
