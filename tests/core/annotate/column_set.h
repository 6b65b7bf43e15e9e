#pragma once

#include <string>
#include <utility>

#include "groupings/grouping_set.h"
#include "input/alignment.h"

namespace hueset::test {

// A grouping of `residues` with nothing else set.
inline ResidueGrouping grouping(std::string name, std::string residues, bool active = true) {
  ResidueGrouping g;
  g.name = std::move(name);
  g.residues = std::move(residues);
  g.active = active;
  return g;
}

// One sequence per character of `column` (the first character is the first
// sequence), a single column each.
inline Alignment columnSet(const std::string& column) {
  Alignment a;
  for (char c : column) {
    a.names.push_back("s" + std::to_string(a.names.size()));
    a.residues.emplace_back(1, c);
  }
  a.length = 1;
  return a;
}

}  // namespace hueset::test
