#pragma once

// What the groupings editor tests share: a small set and the row names.

#include <string>
#include <vector>

#include "desktop/grouping_editor_model.h"

namespace hueset::testing {

inline std::vector<std::string> names(const GroupingEditorModel& model) {
  std::vector<std::string> result;
  for (const auto& g : model.rows()) result.push_back(g.name);
  return result;
}

inline GroupingSet smallSet() {
  GroupingSet set;
  set.fontName = "Courier New";
  set.fontSize = 90;
  auto add = [&set](const char* name, const char* residues, char marker) {
    ResidueGrouping g;
    g.name = name;
    g.residues = residues;
    g.marker = marker;
    g.format = {rgb(1, 1, 1), rgb(2, 2, 2), true, false};  // italic
    set.groupings.push_back(g);
  };
  add("Default", "X", '.');
  add("Single", "X", '!');
  add("Tiny", "AGS", 't');
  add("Negative", "DE", '-');
  add("Ser/Thr", "ST", '*');
  add("Aromatic", "FHWY", 'a');
  add("Big", "EFHIKLMQRWY", 'b');
  return set;
}

// Rows of smallSet(): 0 Single Residues, 1 Tiny, 2 Negative, 3 Ser/Thr,
// 4 Aromatic, 5 Big, 6 Default.
}  // namespace hueset::testing
