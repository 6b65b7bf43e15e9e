// Feeds arbitrary bytes to the profile store as an INI file, and checks that
// whatever it keeps is written so that it reads back the same, and that the
// options loaded from it stay in their ranges.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/options.h"
#include "settings/profile_store.h"

namespace {

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

// Every section, key and value, in order.
std::string contents(const hueset::IniProfileStore& store) {
  std::string all;
  for (const std::string& section : store.sectionNames()) {
    all += "[" + section + "]";
    for (const std::string& key : store.keyNames(section)) {
      all += "{" + key + "=" + store.readString(section, key, "") + "}";
    }
  }
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  hueset::IniProfileStore store;
  store.loadFromText(text);

  const std::string written = store.toText();
  hueset::IniProfileStore back;
  back.loadFromText(written);
  check(contents(back) == contents(store), "what is written reads back the same");
  check(back.toText() == written, "writing again gives the same text");
  check(back.problem().empty(), "written text has no damaged lines");

  hueset::Options options;
  options.load(store);
  const auto& a = options.annotation;
  check(a.consensusThreshold >= 500 && a.consensusThreshold <= 1000, "threshold in range");
  check(a.minimumElisionLength >= 4 && a.minimumElisionLength <= 9999, "elision length in range");
  check(options.output.nameJustification >= 0 && options.output.nameJustification <= 2,
        "justification");
  check(options.general.mruDocuments >= 0 && options.general.mruDocuments <= 16,
        "recent list size");
  return 0;
}
