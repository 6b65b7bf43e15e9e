#include <gtest/gtest.h>

#include "desktop/groupings/grouping_editor_model.h"
#include "grouping_editor_fixture.h"
#include "groupings/builtin_defaults.h"
#include "util/string_table.h"

namespace hueset::test {
namespace {

using Kind = EditorOutcome::Kind;

TEST(GroupingEditorModelTest, AddInsertsAfterFocusedRow) {
  GroupingEditorModel model = editingRow(2);
  EXPECT_EQ(model.add(), EditorOutcome::done(EditorControl::Name));
  EXPECT_EQ(model.rows()[3].name, "New Grouping");
  EXPECT_EQ(model.selection(), std::vector<int>{3});
  EXPECT_EQ(model.focused(), 3);
  const ResidueGrouping& g = model.rows()[3];
  EXPECT_EQ(g.residues, "");
  EXPECT_EQ(g.format, (ResidueFormat{rgb(0, 0, 0), rgb(255, 255, 255), false, false}));
  EXPECT_TRUE(g.active);
  EXPECT_EQ(g.marker, ' ');
  EXPECT_EQ(model.undoText(), "Undo Add Grouping\tCtrl+Z");
  // The new row has no residues yet: the next Add is refused.
  EXPECT_EQ(model.add().kind, Kind::Invalid);
}

TEST(GroupingEditorModelTest, AddWithDefaultFocusedGoesJustAboveDefault) {
  GroupingEditorModel model = editingRow(6);
  model.add();
  EXPECT_EQ(model.rows()[6].name, "New Grouping");
  EXPECT_EQ(model.rows()[7].name, "Default");
  EXPECT_EQ(model.selection(), std::vector<int>{6});
}

TEST(GroupingEditorModelTest, AddWithNothingSelectedGoesJustAboveDefault) {
  GroupingEditorModel model = editing({}, 1);
  model.add();
  EXPECT_EQ(model.rows()[6].name, "New Grouping");
  EXPECT_EQ(model.rows()[7].name, "Default");
}

TEST(GroupingEditorModelTest, DeleteKeepsTheSpecialRows) {
  GroupingEditorModel model = editing({}, -1);
  EXPECT_EQ(model.remove(), EditorOutcome::beep());
  model.setSelection({0, 6}, 0);
  EXPECT_FALSE(model.enabled(EditorCommand::Delete));
  EXPECT_EQ(model.remove(), EditorOutcome::refused(2079));
  EXPECT_FALSE(model.changed());
  EXPECT_EQ(loadString(2079),
            "The \"Default\" and \"Single Residues\" groupings cannot be deleted.");

  model.setSelection({0, 2, 4, 6}, 4);
  EXPECT_EQ(model.remove().kind, Kind::Done);
  EXPECT_EQ(names(model),
            (std::vector<std::string>{"Single Residues", "Tiny", "Ser/Thr", "Big", "Default"}));
  EXPECT_EQ(model.selection(), (std::vector<int>{0, 4}));
  EXPECT_EQ(model.undoText(), "Undo Delete\tCtrl+Z");
  model.undo();
  EXPECT_EQ(model.rowCount(), 7);
  EXPECT_EQ(model.selection(), (std::vector<int>{0, 2, 4, 6}));
  EXPECT_EQ(model.focused(), 4);
}

TEST(GroupingEditorModelTest, DeletingEverySelectedRowFocusesTheFirst) {
  GroupingEditorModel model = editing({2, 3}, 3);
  ASSERT_TRUE(model.enabled(EditorCommand::Delete));
  model.remove();
  EXPECT_TRUE(model.selection().empty());
  EXPECT_EQ(model.focused(), 0);
  EXPECT_EQ(model.currentRow(), std::nullopt);
}

TEST(GroupingEditorModelTest, DeleteEnablingLooksAtTheFirstSelectedRow) {
  GroupingEditorModel model = editing({0, 3}, 3);
  EXPECT_FALSE(model.enabled(EditorCommand::Delete));
  model.setSelection({3, 6}, 3);
  EXPECT_TRUE(model.enabled(EditorCommand::Delete));
}

TEST(GroupingEditorModelTest, MoveUpRows3And6) {
  GroupingSet set = smallSet();
  ResidueGrouping extra = set.groupings[2];
  extra.name = "Extra";
  set.groupings.push_back(extra);  // row 6, "Default" is row 7
  GroupingEditorModel model(set, "", false);
  model.setSelection({3, 6}, 6);
  ASSERT_TRUE(model.enabled(EditorCommand::MoveUp));
  EXPECT_EQ(model.moveUp().kind, Kind::Done);
  EXPECT_EQ(names(model), (std::vector<std::string>{"Single Residues", "Tiny", "Ser/Thr", "Extra",
                                                    "Negative", "Aromatic", "Big", "Default"}));
  EXPECT_EQ(model.selection(), (std::vector<int>{2, 3}));
  EXPECT_EQ(model.focused(), 3);
  EXPECT_EQ(model.undoText(), "Undo Move Up\tCtrl+Z");
  model.undo();
  EXPECT_EQ(model.rows()[3].name, "Ser/Thr");
  EXPECT_EQ(model.rows()[6].name, "Extra");
  EXPECT_EQ(model.selection(), (std::vector<int>{3, 6}));
  EXPECT_EQ(model.focused(), 6);
}

TEST(GroupingEditorModelTest, MoveUpLeavesTheBlockUnderSingle) {
  GroupingEditorModel model = editing({1, 2, 4}, 4);
  model.moveUp();
  EXPECT_EQ(names(model), (std::vector<std::string>{"Single Residues", "Tiny", "Negative",
                                                    "Aromatic", "Ser/Thr", "Big", "Default"}));
  EXPECT_EQ(model.selection(), (std::vector<int>{1, 2, 3}));
  // Now the whole selection is the block: nothing to move.
  EXPECT_FALSE(model.enabled(EditorCommand::MoveUp));
  EXPECT_EQ(model.moveUp(), EditorOutcome::nothing());
  EXPECT_EQ(model.history().size(), 1u);
}

TEST(GroupingEditorModelTest, MoveUpMessages) {
  GroupingEditorModel model = editingRow(0);
  EXPECT_FALSE(model.enabled(EditorCommand::MoveUp));
  EXPECT_EQ(model.moveUp(), EditorOutcome::refused(2080));
  model.setSelection({6}, 6);
  EXPECT_EQ(model.moveUp(), EditorOutcome::refused(2081));
  model.setSelection({0, 6}, 6);
  EXPECT_EQ(model.moveUp(), EditorOutcome::refused(2081));
  model.setSelection({}, -1);
  EXPECT_EQ(model.moveUp(), EditorOutcome::beep());
  // "Default" selected with others stays where it is.
  model.setSelection({3, 6}, 3);
  EXPECT_EQ(model.moveUp().kind, Kind::Done);
  EXPECT_EQ(model.rows()[6].name, "Default");
  EXPECT_EQ(model.rows()[2].name, "Ser/Thr");
  EXPECT_EQ(model.selection(), (std::vector<int>{2, 6}));
}

TEST(GroupingEditorModelTest, MoveDownGathersBelowTheLastSelected) {
  GroupingEditorModel model = editing({1, 3}, 1);
  ASSERT_TRUE(model.enabled(EditorCommand::MoveDown));
  EXPECT_EQ(model.moveDown().kind, Kind::Done);
  EXPECT_EQ(names(model), (std::vector<std::string>{"Single Residues", "Negative", "Aromatic",
                                                    "Tiny", "Ser/Thr", "Big", "Default"}));
  EXPECT_EQ(model.selection(), (std::vector<int>{3, 4}));
  EXPECT_EQ(model.focused(), 3);
}

TEST(GroupingEditorModelTest, MoveDownLeavesTheBlockAboveDefault) {
  GroupingEditorModel model = editing({2, 4, 5}, 2);
  model.moveDown();
  EXPECT_EQ(names(model), (std::vector<std::string>{"Single Residues", "Tiny", "Ser/Thr",
                                                    "Negative", "Aromatic", "Big", "Default"}));
  EXPECT_FALSE(model.enabled(EditorCommand::MoveDown));
  model.setSelection({0}, 0);
  EXPECT_EQ(model.moveDown(), EditorOutcome::refused(2080));
  model.setSelection({0, 6}, 0);
  EXPECT_EQ(model.moveDown(), EditorOutcome::refused(2081));
  EXPECT_FALSE(model.enabled(EditorCommand::MoveDown));
}

TEST(GroupingEditorModelTest, ActivateAndInactivateSelectedRows) {
  GroupingEditorModel model = editingRow(6);
  EXPECT_FALSE(model.enabled(EditorCommand::Activate));
  EXPECT_FALSE(model.enabled(EditorCommand::Inactivate));
  model.setSelection({0, 2, 6}, 2);
  EXPECT_FALSE(model.enabled(EditorCommand::Activate));
  EXPECT_TRUE(model.enabled(EditorCommand::Inactivate));
  EXPECT_EQ(model.inactivate().kind, Kind::Done);
  EXPECT_FALSE(model.rows()[0].active);
  EXPECT_FALSE(model.rows()[2].active);
  EXPECT_TRUE(model.rows()[6].active);
  EXPECT_TRUE(model.enabled(EditorCommand::Activate));
  EXPECT_FALSE(model.enabled(EditorCommand::Inactivate));
  EXPECT_EQ(model.inactivate(), EditorOutcome::nothing());
  EXPECT_EQ(model.undoText(), "Undo Inactivate\tCtrl+Z");
}

TEST(GroupingEditorModelTest, NextAndPrevious) {
  GroupingEditorModel model = editing({}, -1);
  EXPECT_EQ(model.next().kind, Kind::Done);
  EXPECT_EQ(model.selection(), std::vector<int>{0});
  EXPECT_EQ(model.previous(), EditorOutcome::beep());
  model.next();
  model.next();
  EXPECT_EQ(model.selection(), std::vector<int>{2});
  EXPECT_EQ(model.focused(), 2);
  model.setSelection({6}, 6);
  EXPECT_EQ(model.next(), EditorOutcome::beep());
  model.previous();
  EXPECT_EQ(model.selection(), std::vector<int>{5});
  EXPECT_FALSE(model.changed());
}

TEST(GroupingEditorModelTest, ExtendSelectionFromTheMark) {
  GroupingEditorModel model = editingRow(3);
  model.extendDown();
  model.extendDown();
  EXPECT_EQ(model.selection(), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(model.focused(), 5);
  model.extendUp();
  EXPECT_EQ(model.selection(), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(model.focused(), 4);
  model.setSelection({3}, 3);
  model.extendUp();
  model.extendUp();
  EXPECT_EQ(model.selection(), (std::vector<int>{1, 2, 3}));
}

TEST(GroupingEditorModelTest, SortBySizeBetweenTheSpecialRows) {
  GroupingEditorModel model = editingRow(1);  // "Tiny" stays selected wherever it goes
  EXPECT_EQ(model.sort().kind, Kind::Done);
  EXPECT_EQ(names(model), (std::vector<std::string>{"Single Residues", "Negative", "Ser/Thr",
                                                    "Tiny", "Aromatic", "Big", "Default"}));
  EXPECT_EQ(model.selection(), std::vector<int>{3});
  EXPECT_EQ(model.focused(), 3);
  EXPECT_EQ(model.undoText(), "Undo Sort\tCtrl+Z");
}

TEST(GroupingEditorModelTest, AddStandardAminoAcids) {
  GroupingEditorModel model(smallSet(), "", false);
  int asked = 0;
  EXPECT_EQ(model.addStandardAminoAcids([&asked] { return ++asked, true; }).kind, Kind::Done);
  EXPECT_EQ(asked, 0);  // no standard name in use
  ASSERT_EQ(model.rowCount(), 27);
  expectAminoAcidsFirst(model, "Tiny");
  const ResidueGrouping& cys = model.rows()[2];
  EXPECT_EQ(cys.name, "Cysteine");
  EXPECT_EQ(cys.residues, "C");
  EXPECT_EQ(cys.marker, 'C');
  EXPECT_TRUE(cys.active);
  EXPECT_EQ(cys.format, model.rows()[0].format);
  EXPECT_EQ(model.selection().size(), 20u);
  EXPECT_EQ(model.selection().front(), 1);
  EXPECT_EQ(model.focused(), 1);
  EXPECT_EQ(model.undoText(), "Undo Insert Standard Residues\tCtrl+Z");
}

TEST(GroupingEditorModelTest, AddStandardSkipsInvalidLetters) {
  GroupingEditorModel model(smallSet(), "C", false);
  model.addStandardAminoAcids([] { return true; });
  EXPECT_EQ(model.rowCount(), 7 + 19);
  EXPECT_EQ(model.rows()[2].name, "Aspartic Acid");
}

TEST(GroupingEditorModelTest, AddStandardAsksBeforeReplacingDuplicates) {
  GroupingEditorModel model(builtinDefault(BuiltinDefault::Colour), "", false);
  model.setSelection({5}, 5);
  model.setBold(false);
  const std::size_t entries = model.history().size();
  int asked = 0;
  EXPECT_EQ(model.addStandardAminoAcids([&asked] { return ++asked, false; }),
            EditorOutcome::nothing());
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(model.history().size(), entries);
  EXPECT_FALSE(model.rows()[5].format.bold);

  EXPECT_EQ(model.addStandardAminoAcids([] { return true; }).kind, Kind::Done);
  EXPECT_EQ(model.rowCount(), 33);           // the old 20 went, 20 new came
  EXPECT_TRUE(model.rows()[5].format.bold);  // the format of row 0
  EXPECT_EQ(
      loadString(2083),
      "Some of the standard residue names are already in use. If you proceed, these duplicate "
      "groupings will be removed.");
}

}  // namespace
}  // namespace hueset::test
