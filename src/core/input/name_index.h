#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace hueset {

// Name lookup for interleaved blocks. It probes the name after the last one
// found first, as findName does, so a block that repeats the names in order
// costs one comparison per line; anything else (a ruler line, a name out of
// order) is settled by a hash lookup instead of a scan of every name. For
// unique names it finds exactly what findName finds, and a miss leaves the
// next probe where it was, as findName's does.
class NameIndex {
 public:
  // Indexes `names`, which must stay alive and change only through add().
  explicit NameIndex(std::vector<std::string>& names);

  // The index of `token`, or -1.
  int find(std::string_view token) { return find(token, m_running); }
  // The same with the last one found kept by the caller, so that threads
  // can share one index.
  int find(std::string_view token, int& running) const;
  // Appends a name and makes it the last one found; returns its index.
  int add(std::string_view name);
  // The entry of `name` in `rows`, which run parallel to the names; a name
  // not seen before is added, and so is an empty row for it at the end.
  std::string& rowOf(std::string_view name, std::vector<std::string>& rows);

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::vector<std::string>& m_names;
  std::unordered_map<std::string, int, Hash, std::equal_to<>> m_index;
  int m_running = 0;
};

}  // namespace hueset
