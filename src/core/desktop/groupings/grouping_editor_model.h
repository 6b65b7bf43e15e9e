#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/groupings/edit_history.h"
#include "groupings/grouping_set.h"
#include "util/string_table.h"

namespace hueset {

// Texts of the groupings editor.
inline constexpr std::string_view kEditorTitle = "Edit Residue Group Formats";
inline constexpr std::string_view kSingleRowName = "Single Residues";
inline constexpr std::string_view kDefaultRowName = "Default";
inline constexpr std::string_view kSampleResidues = "SAMPLE";
inline constexpr std::string_view kNewGroupingName = "New Grouping";
inline constexpr std::string_view kSaveButtonText = "Save";
inline constexpr std::string_view kOkButtonText = "OK";
// Asked, Yes and No, when the editor is cancelled after changes.
inline constexpr std::string_view kDiscardChangesQuestion =
    "Discard the changes you have made to the residue groupings?";

// Messages of the editor (string table).
inline constexpr StringId kEmptyNameMessage = 2069;
inline constexpr StringId kEmptyResiduesMessage = 2070;
inline constexpr StringId kDuplicateNameMessage = 2077;
inline constexpr StringId kChooseFontMessage = 2078;
inline constexpr StringId kCannotDeleteMessage = 2079;
inline constexpr StringId kSingleOnTopMessage = 2080;
inline constexpr StringId kDefaultAtBottomMessage = 2081;
inline constexpr StringId kStandardNamesInUseMessage = 2083;
// The names of the standard amino acids, in the order of kStandardResidues.
inline constexpr StringId kFirstStandardResidueName = 2047;
inline constexpr std::string_view kStandardResidues = "ACDEFGHIKLMNPQRSTVWY";

// The commands of the editor's menu and keys. Their numbers also select
// their status-bar prompts in the string table.
enum class EditorCommand : int {
  Next = 32850,
  Previous = 32851,
  MoveUp = 32852,
  MoveDown = 32853,
  Delete = 32854,
  Insert = 32855,
  Sort = 32856,
  AddStandard = 32857,
  Activate = 32858,
  Inactivate = 32859,
  Undo = 32860,
  Redo = 32861,
  ExtendDown = 32862,
  ExtendUp = 32863,
};

// A new grouping: the name, black on white, active, no marker.
ResidueGrouping plainGrouping(std::string_view name);

// The menu text of a command; Undo and Redo name the edit and so come from
// the model.
std::string_view editorMenuText(EditorCommand command);
// The status-bar prompt: the command's text up to the first line break;
// empty for the commands without a menu item.
std::string editorCommandPrompt(EditorCommand command);

// The controls a message sends the focus to.
enum class EditorControl { None, FontList, FontSize, Name, Residues, Marker, List };

struct EditorProblem {
  StringId message = 0;
  EditorControl focus = EditorControl::None;

  bool operator==(const EditorProblem&) const = default;
};

// What a command did.
struct EditorOutcome {
  enum class Kind {
    Done,     // the rows or the selection changed (row edits are recorded)
    Nothing,  // nothing to do
    Beep,     // nothing selected, or nowhere to go
    Invalid,  // the current row is not valid: error box, focus to `focus`
    Refused,  // a message explains why the command does not apply
  };
  Kind kind = Kind::Nothing;
  StringId message = 0;
  EditorControl focus = EditorControl::None;

  static EditorOutcome done(EditorControl focus = EditorControl::None) {
    return {Kind::Done, 0, focus};
  }
  static EditorOutcome nothing() { return {}; }
  static EditorOutcome beep() { return {Kind::Beep, 0, EditorControl::None}; }
  static EditorOutcome invalid(const EditorProblem& p) {
    return {Kind::Invalid, p.message, p.focus};
  }
  static EditorOutcome refused(StringId message) {
    return {Kind::Refused, message, EditorControl::None};
  }

  bool operator==(const EditorOutcome&) const = default;
};

// The columns of the editor's list.
enum class EditorColumn { Description = 0, Residues = 1, Marker = 2, Bold = 3, Italic = 4 };
inline constexpr std::string_view kEditorColumnHeaders[] = {"Description", "Residues", "Marker",
                                                            "Bold", "Italic"};

// Which detail controls a shown row allows.
struct DetailControls {
  bool shown = false;  // exactly one row selected: the controls show it
  bool activeEnabled = false;
  bool nameEnabled = false;
  bool residuesEnabled = false;
  bool markerEnabled = false;
  bool formatEnabled = false;  // colour pickers, bold and italic

  bool operator==(const DetailControls&) const = default;
};

struct FinishButton {
  std::string_view text;
  bool enabled = false;
  bool confirms = false;  // OK: hands the groupings back unsaved

  bool operator==(const FinishButton&) const = default;
};

// Everything the groupings editor decides, over its own copy of a grouping
// set. The rows are in display order: "Single" first, the ordinary
// groupings in order of precedence, "Default" last. The dialog shows this
// model and forwards the user's actions to it.
class GroupingEditorModel {
 public:
  GroupingEditorModel(const GroupingSet& set, std::string invalidLetters, bool confirmationMode);

  // Rows and selection.
  const EditorState& state() const { return m_state; }
  const std::vector<ResidueGrouping>& rows() const { return m_state.rows; }
  int rowCount() const { return static_cast<int>(m_state.rows.size()); }
  int lastRow() const { return rowCount() - 1; }
  const std::vector<int>& selection() const { return m_state.selection; }
  int focused() const { return m_state.focused; }
  bool isSelected(int row) const;
  // The row the detail controls show: the only selected row.
  std::optional<int> currentRow() const;
  std::string cellText(int row, EditorColumn column) const;
  // What the "Residues" cell shows in the grouping's own format.
  std::string previewText(int row) const;
  // The user changed the selection in the list. Refuse the change instead
  // while validateCurrentRow() reports a problem.
  void setSelection(std::vector<int> rows, int focused);

  const std::string& invalidLetters() const { return m_invalidLetters; }
  bool confirmationMode() const { return m_confirmationMode; }

  // The detail controls of the current row.
  DetailControls detailControls() const;
  // Edits of the current row; each records itself first. False when
  // nothing changed (no current row, or the same value).
  bool setActive(bool on);
  bool setBold(bool on);
  bool setItalic(bool on);
  bool setTextColour(Colour colour);
  bool setBackColour(Colour colour);
  // Stored trimmed of blanks; ";" and "," are dropped.
  bool setName(std::string_view text);
  // The first character, a blank when the text is empty.
  bool setMarker(std::string_view text);
  bool setResidues(std::string_view text);

  // The font list: the installed faces. The face the set was opened with
  // selects the first face that begins with it (ignoring case); a face that
  // is not installed is added to the list, so the set keeps it.
  void setFontFaces(std::vector<std::string> installed);
  const std::vector<std::string>& fontFaces() const { return m_faces; }
  std::optional<std::size_t> faceIndex() const { return m_faceIndex; }
  const std::string& fontFace() const { return m_state.fontFace; }
  // The user picked a face from the list.
  bool chooseFace(std::size_t index);
  // The user typed into the font list: a face of that name (ignoring case)
  // is chosen, any other text leaves no face selected.
  void typeFace(std::string_view text);
  const std::string& typedFace() const { return m_typedFace; }
  std::int32_t fontSize() const { return m_state.fontSize; }  // tenths of a point
  bool setFontSize(std::int32_t tenths);

  // Commands.
  bool enabled(EditorCommand command) const;
  EditorOutcome add();
  EditorOutcome remove();
  EditorOutcome moveUp();
  EditorOutcome moveDown();
  EditorOutcome activate();
  EditorOutcome inactivate();
  EditorOutcome next();
  EditorOutcome previous();
  EditorOutcome extendDown();
  EditorOutcome extendUp();
  EditorOutcome sort();
  // `confirmReplace` is asked (text 2083) when standard names are in use;
  // false abandons the command.
  EditorOutcome addStandardAminoAcids(const std::function<bool()>& confirmReplace);
  std::optional<AppliedEdit> undo();
  std::optional<AppliedEdit> redo();

  // Checks run before the selection moves, most commands and saving.
  std::optional<EditorProblem> validateCurrentRow() const;
  // Before a save: with no face selected, the typed text must name one.
  std::optional<EditorProblem> checkFontForSave();

  // History.
  const EditHistory& history() const { return m_history; }
  bool changed() const { return m_history.changed(); }
  std::string undoText() const { return m_history.undoText(); }
  std::string redoText() const { return m_history.redoText(); }
  FinishButton finishButton() const;

  // Writes the editor's groupings and font into `target` in stored order
  // ("Default", "Single", ordinary groupings); its error text stays.
  void writeBack(GroupingSet& target) const;

  // The colours the rows use, from the last row to the first, text before
  // background: the colour pickers offer them as custom colours.
  std::vector<Colour> rowColours() const;

  // The standard amino acids without the invalid letters, in alphabetical
  // order, with the names the editor gives them.
  struct StandardResidue {
    char letter;
    std::string_view name;
  };
  std::vector<StandardResidue> standardResidues() const;

 private:
  ResidueGrouping* current();
  // Applies `change` to a copy of the current row; an edit only when it
  // changed the row.
  bool editCurrent(EditKind kind, bool coalesce,
                   const std::function<void(ResidueGrouping&)>& change);
  template <typename Value>
  bool setFormat(EditKind kind, bool coalesce, Value ResidueFormat::*field, Value value);
  void record(EditKind kind, bool coalesce = false) { m_history.record(kind, coalesce, m_state); }
  void selectOnly(int row);
  EditorOutcome step(int direction, bool extend);
  EditorOutcome setSelectedActive(bool on);
  // Selected rows after row 0, ascending.
  std::vector<int> selectedAfterFirst() const;
  std::vector<int> rowsToMoveUp() const;
  std::vector<int> rowsToMoveDown() const;
  bool anySelectedActive(bool active) const;
  void selectFace(std::string_view face);
  // Undo and Redo put the list and the face back in step.
  void afterApplied(const AppliedEdit& applied);

  EditorState m_state;
  EditHistory m_history;
  std::string m_invalidLetters;
  bool m_confirmationMode = false;
  int m_anchor = -1;  // the selection mark for extending the selection
  std::string m_openedFace;
  std::vector<std::string> m_faces;
  std::optional<std::size_t> m_faceIndex;
  std::string m_typedFace;
};

}  // namespace hueset
