#include <gtest/gtest.h>

#include "desktop/groupings/grouping_editor_model.h"
#include "desktop/options/field_validation.h"
#include "grouping_editor_fixture.h"
#include "groupings/builtin_defaults.h"
#include "util/string_table.h"

namespace hueset::test {
namespace {

using Kind = EditorOutcome::Kind;

TEST(GroupingEditorModelTest, ColourDefaultOpensWith33Rows) {
  GroupingEditorModel model(builtinDefault(BuiltinDefault::Colour), "", false);
  ASSERT_EQ(model.rowCount(), 33);
  EXPECT_EQ(model.rows()[0].name, "Single Residues");
  EXPECT_EQ(model.rows()[0].marker, ' ');
  expectAminoAcidsFirst(model, "Negative");
  EXPECT_EQ(model.rows()[31].name, "Hydrophobic");
  const ResidueGrouping& last = model.rows()[32];
  EXPECT_EQ(last.name, "Default");
  EXPECT_EQ(last.residues, "SAMPLE");
  EXPECT_TRUE(last.active);
  EXPECT_EQ(last.format.textColour, rgb(0, 0, 0));
  EXPECT_EQ(last.format.backColour, rgb(255, 255, 255));
  EXPECT_EQ(model.previewText(32), "SAMPLE");
  EXPECT_EQ(model.previewText(0), "SAMPLE");
  EXPECT_EQ(model.previewText(1), "A");
  // Row 0 starts selected and focused.
  EXPECT_EQ(model.selection(), std::vector<int>{0});
  EXPECT_EQ(model.focused(), 0);
  EXPECT_FALSE(model.changed());
}

TEST(GroupingEditorModelTest, BlackAndWhiteDefaultOpensInPrecedenceOrder) {
  GroupingEditorModel model(builtinDefault(BuiltinDefault::BlackAndWhite), "", false);
  EXPECT_EQ(names(model),
            (std::vector<std::string>{"Single Residues", "Negative", "Aliphatic", "Positive",
                                      "Tiny", "Aromatic", "Charged", "Small", "Polar",
                                      "Hydrophobic", "Big", "Default"}));
}

TEST(GroupingEditorModelTest, CellsOfTheList) {
  GroupingEditorModel model(smallSet(), "", false);
  EXPECT_EQ(model.cellText(1, EditorColumn::Description), "Tiny");
  EXPECT_EQ(model.cellText(1, EditorColumn::Residues), "AGS");
  EXPECT_EQ(model.cellText(1, EditorColumn::Marker), "t");
  EXPECT_EQ(model.cellText(1, EditorColumn::Bold), "");
  EXPECT_EQ(model.cellText(1, EditorColumn::Italic), "i");
  model.setSelection({1}, 1);
  model.setBold(true);
  EXPECT_EQ(model.cellText(1, EditorColumn::Bold), "b");
  EXPECT_EQ(model.cellText(0, EditorColumn::Marker), " ");
}

TEST(GroupingEditorModelTest, WriteBackRestoresStoredOrder) {
  const GroupingSet original = smallSet();
  GroupingEditorModel model(original, "", false);
  GroupingSet back = original;
  back.lastError = "kept";
  model.writeBack(back);
  GroupingSet expected = original;
  expected.groupings[1].marker = ' ';  // the editor gives "Single" a blank marker
  expected.lastError = "kept";
  EXPECT_EQ(back, expected);
}

TEST(GroupingEditorModelTest, SavedSingleHasBlankMarkerWhateverItHad) {
  GroupingEditorModel model = editingRow(1);
  ASSERT_TRUE(model.setBold(true));
  // The marker edit is disabled for "Single".
  model.setSelection({0}, 0);
  EXPECT_FALSE(model.detailControls().markerEnabled);
  EXPECT_FALSE(model.setMarker("#"));
  GroupingSet back;
  model.writeBack(back);
  EXPECT_EQ(back.groupings[1].name, "Single");
  EXPECT_EQ(back.groupings[1].marker, ' ');
  EXPECT_EQ(back.groupings[1].residues, "X");
  EXPECT_EQ(back.groupings[0].name, "Default");
  EXPECT_EQ(back.groupings[0].residues, "X");
  EXPECT_TRUE(back.groupings[0].active);
  EXPECT_EQ(back.groupings[0].marker, '.');
}

TEST(GroupingEditorModelTest, DetailControlsPerRow) {
  GroupingEditorModel model = editingRow(0);
  EXPECT_EQ(model.detailControls(), (DetailControls{true, true, false, false, false, true}));
  model.setSelection({3}, 3);
  EXPECT_EQ(model.detailControls(), (DetailControls{true, true, true, true, true, true}));
  model.setSelection({6}, 6);
  EXPECT_EQ(model.detailControls(), (DetailControls{true, false, false, false, true, true}));
  model.setSelection({2, 3}, 3);
  EXPECT_EQ(model.detailControls(), DetailControls{});
  EXPECT_FALSE(model.setBold(true));
  model.setSelection({}, -1);
  EXPECT_EQ(model.detailControls(), DetailControls{});
}

TEST(GroupingEditorModelTest, NameIsTrimmedAndRefusesSeparators) {
  GroupingEditorModel model = editingRow(1);
  EXPECT_TRUE(model.setName("  Very; Tiny,\t"));
  EXPECT_EQ(model.rows()[1].name, "Very Tiny");
  // Only blanks changed: the stored name is the same.
  EXPECT_FALSE(model.setName("Very Tiny  "));
  EXPECT_EQ(model.history().size(), 1u);
}

TEST(GroupingEditorModelTest, TypingHydroRecordsOneEntry) {
  GroupingEditorModel model = editingRow(3);
  std::string typed;
  for (char c : std::string("Hydro")) {
    typed += c;
    model.setName(typed);
  }
  EXPECT_EQ(model.history().size(), 1u);
  EXPECT_EQ(model.undoText(), "Undo Change Grouping Name\tCtrl+Z");
  model.undo();
  EXPECT_EQ(model.rows()[3].name, "Ser/Thr");
}

TEST(GroupingEditorModelTest, NamesOfTwoRowsRecordTwoEntries) {
  GroupingEditorModel model = editingRow(3);
  model.setName("Three");
  model.setSelection({4}, 4);
  model.setName("Four");
  EXPECT_EQ(model.history().size(), 2u);
}

TEST(GroupingEditorModelTest, MarkerIsFirstCharacterOrBlank) {
  GroupingEditorModel model = editingRow(2);
  EXPECT_TRUE(model.setMarker("x"));
  EXPECT_EQ(model.rows()[2].marker, 'x');
  EXPECT_TRUE(model.setMarker(""));
  EXPECT_EQ(model.rows()[2].marker, ' ');
  EXPECT_FALSE(model.setMarker(" "));
  EXPECT_EQ(model.history().size(), 1u);  // one coalesced run
}

TEST(GroupingEditorModelTest, ColourEditsOnlyWhenTheColourDiffers) {
  GroupingEditorModel model = editingRow(1);
  EXPECT_FALSE(model.setTextColour(rgb(1, 1, 1)));
  EXPECT_FALSE(model.changed());
  EXPECT_TRUE(model.setTextColour(rgb(9, 9, 9)));
  EXPECT_TRUE(model.setTextColour(rgb(8, 8, 8)));
  EXPECT_TRUE(model.setBackColour(rgb(7, 7, 7)));
  EXPECT_EQ(model.history().size(), 2u);
  EXPECT_EQ(model.undoText(), "Undo Back Colour\tCtrl+Z");
}

TEST(GroupingEditorModelTest, ActiveCheckBoxRecordsActivateOrInactivate) {
  GroupingEditorModel model = editingRow(2);
  EXPECT_TRUE(model.setActive(false));
  EXPECT_EQ(model.undoText(), "Undo Inactivate\tCtrl+Z");
  EXPECT_TRUE(model.setActive(true));
  EXPECT_EQ(model.undoText(), "Undo Activate\tCtrl+Z");
  // "Default" is always active.
  model.setSelection({6}, 6);
  EXPECT_FALSE(model.setActive(false));
  EXPECT_TRUE(model.rows()[6].active);
}

TEST(GroupingEditorModelTest, ValidationMessagesAndFocus) {
  GroupingEditorModel model = editingRow(2);
  EXPECT_EQ(model.validateCurrentRow(), std::nullopt);
  model.setName("  ");
  EXPECT_EQ(model.validateCurrentRow(), (EditorProblem{2069, EditorControl::Name}));
  model.setName("Tiny");
  EXPECT_EQ(model.validateCurrentRow(), (EditorProblem{2077, EditorControl::Name}));
  model.setName("tiny");  // names are compared exactly
  EXPECT_EQ(model.validateCurrentRow(), std::nullopt);
  model.setResidues("");
  EXPECT_EQ(model.validateCurrentRow(), (EditorProblem{2070, EditorControl::Residues}));
  // Every command that validates refuses to run.
  const auto invalid = EditorOutcome::invalid({2070, EditorControl::Residues});
  EXPECT_EQ(model.add(), invalid);
  EXPECT_EQ(model.moveUp(), invalid);
  EXPECT_EQ(model.moveDown(), invalid);
  EXPECT_EQ(model.next(), invalid);
  EXPECT_EQ(model.previous(), invalid);
  EXPECT_EQ(model.extendDown(), invalid);
  EXPECT_EQ(model.sort(), invalid);
  EXPECT_EQ(model.addStandardAminoAcids([] { return true; }), invalid);
  EXPECT_EQ(model.rowCount(), 7);
  // Delete and Inactivate do not validate.
  EXPECT_EQ(model.inactivate().kind, Kind::Done);
  EXPECT_EQ(model.remove().kind, Kind::Done);

  EXPECT_EQ(loadString(2069), "Please enter a name for the currently selected residues grouping.");
  EXPECT_EQ(loadString(2070),
            "Please enter the amino acids contained in the currently selected residues grouping.");
  EXPECT_EQ(
      loadString(2077),
      "A residues grouping with this name already exists.\r\nPlease enter another unique name.");
  EXPECT_EQ(loadString(2078), "Please choose a font for the annotation.");
}

TEST(GroupingEditorModelTest, SeveralSelectedRowsAreNotValidated) {
  GroupingEditorModel model = editingRow(2);
  model.setResidues("");
  model.setSelection({2, 3}, 3);
  EXPECT_EQ(model.validateCurrentRow(), std::nullopt);
}

TEST(GroupingEditorModelTest, ResidueFieldRules) {
  // The residues edit is a letter-set field of upper-case letters that
  // excludes the invalid letters.
  GroupingEditorModel model(smallSet(), "", false);
  std::string text;
  for (char c : std::string("aAb")) {
    if (auto accepted =
            acceptLetterSetCharacter(kLetterSetUpperCase, text, model.invalidLetters(), c)) {
      text += *accepted;
    }
  }
  EXPECT_EQ(text, "AB");
  EXPECT_EQ(
      pasteIntoLetterSet(kLetterSetUpperCase, "A", 1, 1, model.invalidLetters(), "zyx z").text,
      "AXYZ");
  GroupingEditorModel restricted(smallSet(), "BJOUZ", false);
  EXPECT_EQ(acceptLetterSetCharacter(kLetterSetUpperCase, "", restricted.invalidLetters(), 'b'),
            std::nullopt);
}

TEST(GroupingEditorModelTest, FontListSelectsTheFirstFaceBeginningWithTheSetFace) {
  GroupingSet set = smallSet();
  set.fontName = "courier";
  GroupingEditorModel model(set, "", false);
  model.setFontFaces({"Arial", "Courier 10 Pitch", "Courier New"});
  EXPECT_EQ(model.faceIndex(), 1u);
  EXPECT_EQ(model.fontFace(), "Courier 10 Pitch");
  EXPECT_FALSE(model.changed());
}

TEST(GroupingEditorModelTest, FaceThatIsNotInstalledStays) {
  GroupingEditorModel model(smallSet(), "", false);
  model.setFontFaces({"Arial", "DejaVu Sans", "Liberation Mono"});
  EXPECT_EQ(model.fontFaces(),
            (std::vector<std::string>{"Arial", "Courier New", "DejaVu Sans", "Liberation Mono"}));
  EXPECT_EQ(model.faceIndex(), 1u);
  GroupingSet back;
  model.writeBack(back);
  EXPECT_EQ(back.fontName, "Courier New");
  EXPECT_EQ(back.fontSize, 90);
}

TEST(GroupingEditorModelTest, ThreeFaceChangesUndoneAtOnce) {
  GroupingEditorModel model(smallSet(), "", false);
  model.setFontFaces({"Arial", "Courier New", "DejaVu Sans", "Liberation Mono"});
  model.chooseFace(0);
  model.chooseFace(2);
  model.chooseFace(3);
  EXPECT_EQ(model.history().size(), 1u);
  EXPECT_EQ(model.undoText(), "Undo Font Change\tCtrl+Z");
  model.undo();
  EXPECT_EQ(model.fontFace(), "Courier New");
  EXPECT_EQ(model.faceIndex(), 1u);
  // Choosing the face already in use is no change.
  EXPECT_FALSE(model.chooseFace(1));
}

TEST(GroupingEditorModelTest, TypedFaceMustNameAFaceBeforeSaving) {
  GroupingEditorModel model(smallSet(), "", false);
  model.setFontFaces({"Arial", "Courier New"});
  model.typeFace("Arial Blak");
  EXPECT_EQ(model.faceIndex(), std::nullopt);
  EXPECT_EQ(model.checkFontForSave(), (EditorProblem{2078, EditorControl::FontList}));
  model.typeFace("arial");
  EXPECT_EQ(model.faceIndex(), 0u);
  EXPECT_EQ(model.checkFontForSave(), std::nullopt);
  EXPECT_EQ(model.fontFace(), "Arial");
}

TEST(GroupingEditorModelTest, NoFaceSelectedWritesTheFirstFace) {
  GroupingEditorModel model(smallSet(), "", false);
  model.setFontFaces({"Arial", "Courier New"});
  model.typeFace("Zz");
  GroupingSet back;
  model.writeBack(back);
  EXPECT_EQ(back.fontName, "Arial");
}

TEST(GroupingEditorModelTest, FontSizeChangesCoalesce) {
  GroupingEditorModel model(smallSet(), "", false);
  EXPECT_FALSE(model.setFontSize(90));
  EXPECT_TRUE(model.setFontSize(10));
  EXPECT_TRUE(model.setFontSize(100));
  EXPECT_EQ(model.history().size(), 1u);
  model.undo();
  EXPECT_EQ(model.fontSize(), 90);
}

TEST(GroupingEditorModelTest, FinishingButtonFollowsTheHistory) {
  GroupingEditorModel normal(smallSet(), "", false);
  EXPECT_EQ(normal.finishButton(), (FinishButton{"Save", false, false}));
  normal.setSelection({1}, 1);
  normal.setBold(true);
  EXPECT_EQ(normal.finishButton(), (FinishButton{"Save", true, false}));
  normal.undo();
  EXPECT_EQ(normal.finishButton(), (FinishButton{"Save", false, false}));

  GroupingEditorModel confirming(smallSet(), "", true);
  EXPECT_EQ(confirming.finishButton(), (FinishButton{"OK", true, true}));
  confirming.setSelection({1}, 1);
  confirming.setItalic(false);
  confirming.setBold(true);
  EXPECT_EQ(confirming.finishButton(), (FinishButton{"Save", true, false}));
  confirming.undo();
  EXPECT_EQ(confirming.finishButton(), (FinishButton{"Save", true, false}));
  confirming.undo();
  EXPECT_EQ(confirming.finishButton(), (FinishButton{"OK", true, true}));
  confirming.redo();
  EXPECT_EQ(confirming.finishButton(), (FinishButton{"Save", true, false}));
}

TEST(GroupingEditorModelTest, UndoUndoRedoRedoThenNothingToRedo) {
  GroupingEditorModel model = editingRow(1);
  model.setBold(true);
  model.setSelection({3, 4}, 4);
  model.moveUp();
  const auto after = model.rows();
  EXPECT_TRUE(model.undo());
  EXPECT_EQ(model.redoText(), "Redo Move Up\tCtrl+Y");
  EXPECT_TRUE(model.undo());
  EXPECT_EQ(model.undoText(), "Nothing to Undo");
  EXPECT_EQ(model.redoText(), "Redo Bold\tCtrl+Y");
  EXPECT_TRUE(model.redo());
  EXPECT_TRUE(model.redo());
  EXPECT_EQ(model.rows(), after);
  EXPECT_FALSE(model.enabled(EditorCommand::Redo));
  EXPECT_EQ(model.redoText(), "Nothing to Redo");
  EXPECT_FALSE(model.redo());
}

TEST(GroupingEditorModelTest, MenuTextsAndPrompts) {
  const struct {
    EditorCommand command;
    const char* text;
    const char* prompt;
  } table[] = {
      {EditorCommand::Delete, "&Delete\tCtrl+Minus", "Deletes selected residue groupings"},
      {EditorCommand::Insert, "&Insert\tCtrl+Plus", "Adds a new residue grouping"},
      {EditorCommand::Next, "&Next\tCtrl+Down Arrow", "Select the next residue grouping"},
      {EditorCommand::Previous, "&Previous\tCtrl+Up Arrow", "Select the previous residue grouping"},
      {EditorCommand::MoveUp, "Move &Up\tCtrl+Atl+Up Arrow",
       "Increases the precedence of selected residue groupings"},
      {EditorCommand::MoveDown, "Move &Down\tCtrl+Atl+Down Arrow",
       "Decreases the precedence of selected residue groupings"},
      {EditorCommand::Activate, "&Activate\tCtrl+A",
       "Activates & includes all selected groupings in consensus calculations."},
      {EditorCommand::Inactivate, "&Inactivate\tCtrl+I",
       "Inactivates & removes selected groupings from consensus calculations"},
      {EditorCommand::Sort, "&Sort by Grouping size",
       "More discriminating groupings with fewer residues will have precedence"},
      {EditorCommand::AddStandard, "Add &20 standard amino acids each as its own residue grouping",
       "Each amino acid (e.g. ALA, LEU) will have its own separate grouping"},
      {EditorCommand::Undo, "", "Undoes the last action"},
      {EditorCommand::Redo, "", "Redoes the previously undone action"},
  };
  for (const auto& row : table) {
    EXPECT_EQ(editorMenuText(row.command), row.text);
    EXPECT_EQ(editorCommandPrompt(row.command), row.prompt);
  }
}

TEST(GroupingEditorModelTest, RowColoursFromLastToFirst) {
  GroupingEditorModel model(builtinDefault(BuiltinDefault::BlackAndWhite), "", false);
  const auto colours = model.rowColours();
  ASSERT_EQ(colours.size(), 24u);
  EXPECT_EQ(colours[0], rgb(0, 0, 0));        // "Default" text
  EXPECT_EQ(colours[1], rgb(255, 255, 255));  // "Default" background
  EXPECT_EQ(colours[23], rgb(51, 51, 51));    // "Single" background
}

TEST(GroupingEditorModelTest, SetWithoutSpecialGroupingsStillOpens) {
  GroupingSet set;
  GroupingEditorModel model(set, "", false);
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.rows()[0].name, "Single Residues");
  EXPECT_EQ(model.rows()[1].name, "Default");
  GroupingSet back;
  model.writeBack(back);
  ASSERT_EQ(back.groupings.size(), 2u);
  EXPECT_EQ(back.groupings[1].name, "Single");
}

}  // namespace
}  // namespace hueset::test
