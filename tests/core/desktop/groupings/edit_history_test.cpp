#include "desktop/groupings/edit_history.h"

#include <gtest/gtest.h>

#include <random>

#include "desktop/groupings/grouping_editor_model.h"
#include "groupings/builtin_defaults.h"

namespace hueset {
namespace {

EditorState threeRows() {
  EditorState s;
  for (const char* name : {"Single Residues", "Tiny", "Big", "Default"}) {
    ResidueGrouping g;
    g.name = name;
    g.residues = "AG";
    s.rows.push_back(g);
  }
  s.selection = {1};
  s.focused = 1;
  s.fontFace = "Courier New";
  s.fontSize = 90;
  return s;
}

TEST(EditHistoryTest, KindsHaveTheirMenuNames) {
  const struct {
    EditKind kind;
    const char* name;
  } table[] = {
      {EditKind::FontChange, "Font Change"},
      {EditKind::FontSizeChange, "Font Size Change"},
      {EditKind::Activate, "Activate"},
      {EditKind::Inactivate, "Inactivate"},
      {EditKind::Bold, "Bold"},
      {EditKind::Italic, "Italic"},
      {EditKind::TextColour, "Text Colour"},
      {EditKind::BackColour, "Back Colour"},
      {EditKind::ChangeName, "Change Grouping Name"},
      {EditKind::ChangeMarker, "Change Grouping Marker"},
      {EditKind::ChangeResidues, "Change Grouping Residues"},
      {EditKind::AddGrouping, "Add Grouping"},
      {EditKind::Delete, "Delete"},
      {EditKind::MoveUp, "Move Up"},
      {EditKind::MoveDown, "Move Down"},
      {EditKind::Sort, "Sort"},
      {EditKind::InsertStandardResidues, "Insert Standard Residues"},
  };
  for (const auto& row : table) {
    EXPECT_EQ(editKindName(row.kind), row.name) << static_cast<int>(row.kind);
  }
  EXPECT_EQ(static_cast<int>(EditKind::InsertStandardResidues), 16);
}

TEST(EditHistoryTest, EmptyHistoryOffersNothing) {
  EditHistory h;
  EditorState s = threeRows();
  EXPECT_FALSE(h.canUndo());
  EXPECT_FALSE(h.canRedo());
  EXPECT_FALSE(h.changed());
  EXPECT_EQ(h.undoText(), "Nothing to Undo");
  EXPECT_EQ(h.redoText(), "Nothing to Redo");
  EXPECT_FALSE(h.undo(s));
  EXPECT_FALSE(h.redo(s));
  EXPECT_EQ(s, threeRows());
}

TEST(EditHistoryTest, CoalescedEditsOnOneRowMakeOneEntry) {
  EditHistory h;
  EditorState s = threeRows();
  for (const char* typed : {"H", "Hy", "Hyd", "Hydr", "Hydro"}) {
    h.record(EditKind::ChangeName, true, s);
    s.rows[1].name = typed;
  }
  EXPECT_EQ(h.size(), 1u);
  EXPECT_EQ(h.undoText(), "Undo Change Grouping Name\tCtrl+Z");
  h.undo(s);
  EXPECT_EQ(s.rows[1].name, "Tiny");
  EXPECT_FALSE(h.changed());
}

TEST(EditHistoryTest, SameKindOnAnotherRowMakesANewEntry) {
  EditHistory h;
  EditorState s = threeRows();
  h.record(EditKind::ChangeName, true, s);
  s.rows[1].name = "A";
  s.selection = {2};
  s.focused = 2;
  h.record(EditKind::ChangeName, true, s);
  s.rows[2].name = "B";
  EXPECT_EQ(h.size(), 2u);
}

TEST(EditHistoryTest, UncoalescedKindsAlwaysAddAnEntry) {
  EditHistory h;
  EditorState s = threeRows();
  h.record(EditKind::Bold, false, s);
  h.record(EditKind::Bold, false, s);
  EXPECT_EQ(h.size(), 2u);
}

TEST(EditHistoryTest, FirstUndoAppendsTheStateToRedo) {
  EditHistory h;
  EditorState s = threeRows();
  h.record(EditKind::Bold, false, s);
  s.rows[1].format.bold = true;
  EXPECT_EQ(h.size(), 1u);
  EXPECT_EQ(h.position(), 0);
  h.undo(s);
  EXPECT_EQ(h.size(), 2u);
  EXPECT_EQ(h.position(), -1);
  EXPECT_FALSE(s.rows[1].format.bold);
  ASSERT_TRUE(h.canRedo());
  EXPECT_EQ(h.redoText(), "Redo Bold\tCtrl+Y");
  h.redo(s);
  EXPECT_TRUE(s.rows[1].format.bold);
  EXPECT_FALSE(h.canRedo());
  EXPECT_EQ(h.redoText(), "Nothing to Redo");
  // Undoing again does not append a second copy.
  h.undo(s);
  EXPECT_EQ(h.size(), 2u);
}

TEST(EditHistoryTest, TwoEditsUndoUndoRedoRedo) {
  EditHistory h;
  EditorState s = threeRows();
  h.record(EditKind::ChangeName, true, s);
  s.rows[1].name = "First";
  h.record(EditKind::ChangeName, true, s);  // same row: coalesced
  s.rows[1].name = "Second";
  s.selection = {2};
  s.focused = 2;
  h.record(EditKind::ChangeName, true, s);
  s.rows[2].name = "Third";
  const EditorState after = s;

  h.undo(s);
  h.undo(s);
  EXPECT_EQ(s.rows[1].name, "Tiny");
  EXPECT_EQ(s.rows[2].name, "Big");
  h.redo(s);
  h.redo(s);
  EXPECT_EQ(s.rows, after.rows);
  EXPECT_FALSE(h.canRedo());
}

TEST(EditHistoryTest, RedoAcrossKindsThatCoverDifferentThings) {
  // A face change followed by a row edit: each redo must bring back its own
  // edit, whatever the entry after it covers.
  EditHistory h;
  EditorState s = threeRows();
  h.recordFont(s.fontFace);
  s.fontFace = "Liberation Mono";
  h.record(EditKind::Bold, false, s);
  s.rows[1].format.bold = true;
  h.recordFontSize(s.fontSize);
  s.fontSize = 120;
  const EditorState edited = s;

  h.undo(s);
  h.undo(s);
  h.undo(s);
  EXPECT_EQ(s, threeRows());
  h.redo(s);
  EXPECT_EQ(s.fontFace, "Liberation Mono");
  h.redo(s);
  EXPECT_TRUE(s.rows[1].format.bold);
  h.redo(s);
  EXPECT_EQ(s, edited);
}

TEST(EditHistoryTest, RedoOfOneRowEditsOnDifferentRows) {
  EditHistory h;
  EditorState s = threeRows();
  h.record(EditKind::Italic, false, s);
  s.rows[1].format.italic = true;
  s.selection = {2};
  s.focused = 2;
  h.record(EditKind::Italic, false, s);
  s.rows[2].format.italic = true;
  h.undo(s);
  h.undo(s);
  EXPECT_FALSE(s.rows[1].format.italic);
  EXPECT_FALSE(s.rows[2].format.italic);
  h.redo(s);
  EXPECT_TRUE(s.rows[1].format.italic);
  EXPECT_FALSE(s.rows[2].format.italic);
  h.redo(s);
  EXPECT_TRUE(s.rows[2].format.italic);
}

TEST(EditHistoryTest, UndoSelectsTheRestoredRow) {
  EditHistory h;
  EditorState s = threeRows();
  h.record(EditKind::TextColour, true, s);
  s.rows[1].format.textColour = rgb(1, 2, 3);
  s.selection = {0, 2};
  s.focused = 2;
  const auto applied = h.undo(s);
  ASSERT_TRUE(applied);
  EXPECT_EQ(applied->kind, EditKind::TextColour);
  EXPECT_EQ(applied->row, 1);
  EXPECT_EQ(s.selection, std::vector<int>{1});
  EXPECT_EQ(s.focused, 1);
}

TEST(EditHistoryTest, FontChangesCoalesceByKindOnly) {
  EditHistory h;
  EditorState s = threeRows();
  for (const char* face : {"A", "B", "C"}) {
    h.recordFont(s.fontFace);
    s.fontFace = face;
  }
  EXPECT_EQ(h.size(), 1u);
  h.undo(s);
  EXPECT_EQ(s.fontFace, "Courier New");

  EditHistory sizes;
  for (int size : {100, 110, 120}) {
    sizes.recordFontSize(s.fontSize);
    s.fontSize = size;
  }
  EXPECT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes.undoText(), "Undo Font Size Change\tCtrl+Z");
  sizes.undo(s);
  EXPECT_EQ(s.fontSize, 90);
}

TEST(EditHistoryTest, NewEditAfterUndoDropsTheRedoEntries) {
  EditHistory h;
  EditorState s = threeRows();
  h.record(EditKind::Bold, false, s);
  s.rows[1].format.bold = true;
  h.record(EditKind::Italic, false, s);
  s.rows[1].format.italic = true;
  h.undo(s);
  EXPECT_TRUE(h.canRedo());
  h.record(EditKind::Sort, false, s);
  EXPECT_FALSE(h.canRedo());
  EXPECT_EQ(h.size(), 2u);
  EXPECT_EQ(h.undoText(), "Undo Sort\tCtrl+Z");
}

TEST(EditHistoryTest, ChangedFollowsTheHistory) {
  EditHistory h;
  EditorState s = threeRows();
  h.record(EditKind::Bold, false, s);
  EXPECT_TRUE(h.changed());
  h.record(EditKind::Italic, false, s);
  h.undo(s);
  EXPECT_TRUE(h.changed());
  h.undo(s);
  EXPECT_FALSE(h.changed());
  h.redo(s);
  EXPECT_TRUE(h.changed());
}

// Any sequence of edits followed by as many undos gives back the rows the
// editor opened with, exactly; as many redos give back the edited rows.
TEST(EditHistoryTest, RandomEditsUndoneGiveBackTheOriginal) {
  const GroupingSet colour = builtinDefault(BuiltinDefault::Colour);
  std::mt19937 random(20240611);
  auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

  for (int round = 0; round < 200; ++round) {
    GroupingEditorModel model(colour, round % 3 == 0 ? "C" : "", false);
    model.setFontFaces({"Courier New", "DejaVu Sans", "Liberation Mono"});
    const EditorState original = model.state();
    const int wanted = 1 + pick(25);
    for (int attempt = 0; attempt < 200 && model.history().position() + 1 < wanted; ++attempt) {
      // A random selection first; selecting is not an edit.
      std::vector<int> rows;
      const int count = pick(3) == 0 ? 1 + pick(3) : 1;
      for (int i = 0; i < count; ++i) rows.push_back(pick(model.rowCount()));
      model.setSelection(rows, rows.front());
      if (model.validateCurrentRow()) continue;
      switch (pick(16)) {
        case 0: model.setBold(pick(2) == 1); break;
        case 1: model.setItalic(pick(2) == 1); break;
        case 2: model.setTextColour(rgb(static_cast<unsigned>(pick(256)), 0, 0)); break;
        case 3: model.setBackColour(rgb(0, static_cast<unsigned>(pick(256)), 0)); break;
        case 4: model.setName("Name " + std::to_string(pick(1000))); break;
        case 5: model.setMarker(std::string(1, static_cast<char>('a' + pick(26)))); break;
        case 6: model.setResidues(pick(2) ? "AG" : "WY"); break;
        case 7: model.setActive(pick(2) == 1); break;
        case 8: model.chooseFace(static_cast<std::size_t>(pick(3))); break;
        case 9: model.setFontSize(60 + pick(100)); break;
        case 10: model.add(); break;
        case 11: model.remove(); break;
        case 12: model.moveUp(); break;
        case 13: model.moveDown(); break;
        case 14: model.sort(); break;
        default: pick(2) ? model.activate() : model.inactivate(); break;
      }
    }
    // Coalesced edits share an entry: one undo per entry.
    const int edits = model.history().position() + 1;
    const EditorState edited = model.state();
    const std::string editedFace = model.fontFace();
    for (int i = 0; i < edits; ++i) ASSERT_TRUE(model.undo()) << "round " << round;
    EXPECT_FALSE(model.history().canUndo()) << "round " << round;
    EXPECT_EQ(model.rows(), original.rows) << "round " << round;
    EXPECT_EQ(model.fontFace(), original.fontFace) << "round " << round;
    EXPECT_EQ(model.fontSize(), original.fontSize) << "round " << round;
    EXPECT_FALSE(model.changed()) << "round " << round;
    for (int i = 0; i < edits; ++i) ASSERT_TRUE(model.redo()) << "round " << round;
    EXPECT_EQ(model.rows(), edited.rows) << "round " << round;
    EXPECT_EQ(model.fontFace(), editedFace) << "round " << round;
    EXPECT_EQ(model.fontSize(), edited.fontSize) << "round " << round;
  }
}

// Edits, undos and redos in any order: every undo and redo lands on the
// state the editor had at that point of its history.
TEST(EditHistoryTest, RandomUndoAndRedoFollowTheTimeline) {
  const GroupingSet colour = builtinDefault(BuiltinDefault::BlackAndWhite);
  std::mt19937 random(77);
  auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  struct Point {
    std::vector<ResidueGrouping> rows;
    std::string face;
    std::int32_t size;
  };
  auto pointOf = [](const GroupingEditorModel& m) {
    return Point{m.rows(), m.fontFace(), m.fontSize()};
  };

  int undos = 0;
  for (int round = 0; round < 100; ++round) {
    GroupingEditorModel model(colour, "", round % 2 == 0);
    model.setFontFaces({"Courier New", "DejaVu Sans", "Liberation Mono"});
    std::vector<Point> timeline{pointOf(model)};
    std::size_t at = 0;
    for (int step = 0; step < 60; ++step) {
      const int action = pick(10);
      if (action < 2 && model.history().canUndo()) {
        model.undo();
        --at;
        ++undos;
      } else if (action < 4 && model.history().canRedo()) {
        model.redo();
        ++at;
      } else {
        model.setSelection({pick(model.rowCount())}, -1);
        if (model.validateCurrentRow()) continue;
        const int position = model.history().position();
        bool edited = false;
        switch (pick(8)) {
          case 0: edited = model.setName("N" + std::to_string(pick(5))); break;
          case 1: edited = model.setBold(pick(2) == 1); break;
          case 2: edited = model.setTextColour(rgb(static_cast<unsigned>(pick(4)), 0, 0)); break;
          case 3: edited = model.chooseFace(static_cast<std::size_t>(pick(3))); break;
          case 4: edited = model.setFontSize(80 + pick(4)); break;
          case 5: edited = model.moveUp().kind == EditorOutcome::Kind::Done; break;
          case 6: edited = model.moveDown().kind == EditorOutcome::Kind::Done; break;
          default: edited = model.remove().kind == EditorOutcome::Kind::Done; break;
        }
        if (!edited) continue;
        // A new entry starts a new point in time; a coalesced edit moves
        // the latest point. Either way the undone future is gone.
        if (model.history().position() > position) ++at;
        timeline.resize(at + 1);
        timeline[at] = pointOf(model);
        continue;
      }
      ASSERT_EQ(static_cast<int>(at), model.history().position() + 1) << "round " << round;
      const Point& expected = timeline[at];
      ASSERT_EQ(model.rows(), expected.rows) << "round " << round << " step " << step;
      ASSERT_EQ(model.fontFace(), expected.face) << "round " << round << " step " << step;
      ASSERT_EQ(model.fontSize(), expected.size) << "round " << round << " step " << step;
      EXPECT_EQ(model.changed(), at > 0);
    }
  }
  EXPECT_GT(undos, 500);
}

}  // namespace
}  // namespace hueset
