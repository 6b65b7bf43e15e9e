// Feeds arbitrary bytes to both configuration readers and the loader's
// decisions, and checks what a successful or failed read promises.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "groupings/binary_config.h"
#include "groupings/configuration_file.h"
#include "groupings/text_config.h"

namespace {

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

bool isEmptied(const hueset::GroupingSet& set) {
  return set.groupings.empty() && set.fontName.empty() && set.fontSize == 0 &&
         !set.lastError.empty();
}

void checkText(std::string_view bytes) {
  hueset::GroupingSet set;
  if (!hueset::readText(set, bytes)) {
    check(isEmptied(set), "a failed text read empties the set");
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
    check(set.lineNumber >= 0 && set.lineNumber <= lines, "the failing line exists");
    return;
  }
  check(set.lineNumber == 0 && set.lastError.empty(), "a text read succeeds cleanly");
  for (std::size_t i = 0; i < set.groupings.size(); ++i) {
    const auto& g = set.groupings[i];
    check(std::is_sorted(g.residues.begin(), g.residues.end()), "residues sorted");
    check(std::adjacent_find(g.residues.begin(), g.residues.end()) == g.residues.end(),
          "residues unique");
    check(std::all_of(g.residues.begin(), g.residues.end(),
                      [](char c) { return c >= 'A' && c <= 'Z'; }),
          "residues upper case");
    if (i < hueset::GroupingSet::kFirstOrdinary) check(g.residues == "X", "special residues");
  }
  if (!set.groupings.empty()) check(set.groupings[0].active, "Default active");
  // Writing and reading again gives the same set whenever no marker or name
  // collides with the separators or the comment mark.
  bool plain = true;
  for (const auto& g : set.groupings) {
    if (g.name.rfind("//", 0) == 0 ||
        std::string_view(";,\t\r\n").find(g.marker) != std::string_view::npos || g.marker == '\0' ||
        g.name.find_first_of(std::string_view("\0\n", 2)) != std::string::npos) {
      plain = false;
    }
  }
  if (set.fontName.find_first_of(std::string_view("\0\n\r", 3)) != std::string::npos) plain = false;
  if (plain) {
    hueset::GroupingSet back;
    check(hueset::readText(back, hueset::writeText(set)), "written text reads back");
    check(back == set, "text round trip");
  }
}

void checkBinary(std::string_view bytes) {
  hueset::GroupingSet set;
  const bool ok = hueset::readBinary(set, bytes);
  std::istringstream in{std::string(bytes)};
  hueset::GroupingSet fromStream;
  check(hueset::readBinary(fromStream, in) == ok && fromStream == set,
        "stream and memory readers agree");
  check(ok != in.fail(), "success is the stream state");
  if (!ok) {
    if (set.lineNumber == 1)
      check(isEmptied(set), "a corrupt binary empties the set");
    else
      check(set.lineNumber == 0 && set.groupings.empty(), "no magic, no groupings");
    return;
  }
  check(set.lineNumber == 1, "magic matched");
  check(set.groupings.size() <= hueset::kBinaryConfigMaxGroupings, "grouping limit");
  hueset::GroupingSet back;
  check(hueset::readBinary(back, hueset::writeBinary(set)), "written binary reads back");
  check(back == set, "binary round trip");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkText(bytes);
  checkBinary(bytes);
  const hueset::ConfigurationLoad load = hueset::readConfiguration(bytes, "fuzz.cfg");
  check(load.ok == load.message.empty(), "a message exactly when the load fails");
  if (load.ok) check(load.set.groupings.size() >= 2, "a loaded set has both special groupings");
  return 0;
}
