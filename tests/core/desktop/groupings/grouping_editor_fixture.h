#pragma once

// What the groupings editor tests share: a small set, the row names and
// where the standard amino acids stand.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "desktop/groupings/grouping_editor_model.h"

namespace hueset::test {

inline std::vector<std::string> names(const GroupingEditorModel& model) {
  std::vector<std::string> result;
  for (const auto& g : model.rows()) result.push_back(g.name);
  return result;
}

inline GroupingSet smallSet() {
  GroupingSet set;
  set.fontName = "Courier New";
  set.fontSize = 90;
  constexpr ResidueFormat kItalic{rgb(1, 1, 1), rgb(2, 2, 2), true, false};
  // Name, residues, format, active, marker.
  set.groupings = {
      {"Default", "X", kItalic, true, '.'},       {"Single", "X", kItalic, true, '!'},
      {"Tiny", "AGS", kItalic, true, 't'},        {"Negative", "DE", kItalic, true, '-'},
      {"Ser/Thr", "ST", kItalic, true, '*'},      {"Aromatic", "FHWY", kItalic, true, 'a'},
      {"Big", "EFHIKLMQRWY", kItalic, true, 'b'},
  };
  return set;
}

// Rows of smallSet(): 0 Single Residues, 1 Tiny, 2 Negative, 3 Ser/Thr,
// 4 Aromatic, 5 Big, 6 Default.

// The small set in the editor, `rows` selected and `focused` focused.
inline GroupingEditorModel editing(std::vector<int> rows, int focused) {
  GroupingEditorModel model(smallSet(), "", false);
  model.setSelection(std::move(rows), focused);
  return model;
}

inline GroupingEditorModel editingRow(int row) { return editing({row}, row); }

// The twenty standard amino acids fill rows 1 to 20, from Alanine to
// Tyrosine, and `next` follows them.
inline void expectAminoAcidsFirst(const GroupingEditorModel& model, const std::string& next) {
  ASSERT_GT(model.rowCount(), 21);
  EXPECT_EQ(model.rows()[1].name, "Alanine");
  EXPECT_EQ(model.rows()[20].name, "Tyrosine");
  EXPECT_EQ(model.rows()[21].name, next);
}
}  // namespace hueset::test
