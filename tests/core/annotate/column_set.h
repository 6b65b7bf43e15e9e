#pragma once

#include <string>

#include "input/alignment.h"

namespace hueset::test {

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
