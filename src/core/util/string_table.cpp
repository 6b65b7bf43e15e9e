#include "util/string_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace hueset {
namespace {

struct Entry {
  StringId id;
  std::string_view text;
};

// Each subsystem keeps its texts in a fragment of its own beside this file;
// together they form the one table.
constexpr Entry kEntries[] = {
#include "util/strings_app.inc"
#include "util/strings_groupings.inc"
#include "util/strings_input.inc"
#include "util/strings_settings.inc"
};

constexpr auto sortedEntries() {
  std::array<Entry, std::size(kEntries)> sorted{};
  std::copy(std::begin(kEntries), std::end(kEntries), sorted.begin());
  std::sort(sorted.begin(), sorted.end(),
            [](const Entry& a, const Entry& b) { return a.id < b.id; });
  return sorted;
}

constexpr auto kSorted = sortedEntries();

const Entry* find(StringId id) {
  auto it = std::lower_bound(kSorted.begin(), kSorted.end(), id,
                             [](const Entry& e, StringId key) { return e.id < key; });
  return (it != kSorted.end() && it->id == id) ? &*it : nullptr;
}

}  // namespace

std::string_view loadString(StringId id) {
  const Entry* e = find(id);
  return e ? e->text : std::string_view{};
}

bool hasString(StringId id) { return find(id) != nullptr; }

}  // namespace hueset
