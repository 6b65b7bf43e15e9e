#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "groupings/grouping_set.h"

namespace hueset {

// The edits of the groupings editor that can be undone. The numbers are the
// kinds' long-standing numbering.
enum class EditKind : int {
  FontChange = 0,
  FontSizeChange = 1,
  Activate = 2,
  Inactivate = 3,
  Bold = 4,
  Italic = 5,
  TextColour = 6,
  BackColour = 7,
  ChangeName = 8,
  ChangeMarker = 9,
  ChangeResidues = 10,
  AddGrouping = 11,
  Delete = 12,
  MoveUp = 13,
  MoveDown = 14,
  Sort = 15,
  InsertStandardResidues = 16,
};

// The name the Undo and Redo menu items give an edit ("Font Change", ...).
std::string_view editKindName(EditKind kind);

// What an entry of a kind keeps of the editor state.
enum class EditScope { FontFace, FontSize, AllRows, OneRow };
EditScope editScope(EditKind kind);

// The part of the groupings editor's state that edits change.
struct EditorState {
  std::vector<ResidueGrouping> rows;  // display order: "Single", ordinary, "Default"
  std::vector<int> selection;         // ascending row indices
  int focused = -1;                   // -1 when no row has the focus
  std::string fontFace;
  std::int32_t fontSize = 0;  // tenths of a point

  // The row a one-row edit changes: the first selected row, else the
  // focused one (-1 when there is neither).
  int editedRow() const { return selection.empty() ? focused : selection.front(); }

  bool operator==(const EditorState&) const = default;
};

// What undoing or redoing an entry put back, so the editor can show it.
struct AppliedEdit {
  EditKind kind;
  int row = -1;  // one-row kinds: the row that was overwritten
};

// The editor's linear, unlimited undo/redo history. Each entry holds what
// one edit is about to change, taken just before the change. The history
// also says whether the editor has changed since it opened.
class EditHistory {
 public:
  // Before an edit of `kind` changes `state`. With `coalesce`, an edit of
  // the same kind on the same row as the entry Undo would apply next adds
  // nothing: that entry already holds the state before the run of edits.
  void record(EditKind kind, bool coalesce, const EditorState& state);
  // Before the font face or size changes: consecutive changes of the same
  // kind make one entry.
  void recordFont(const std::string& oldFace);
  void recordFontSize(std::int32_t oldSize);

  bool canUndo() const { return m_position >= 0; }
  bool canRedo() const { return m_position < static_cast<int>(m_entries.size()) - 2; }
  // Puts back the state before the latest edit not yet undone.
  std::optional<AppliedEdit> undo(EditorState& state);
  // Repeats the earliest undone edit.
  std::optional<AppliedEdit> redo(EditorState& state);

  // "Undo <name>\tCtrl+Z" / "Nothing to Undo", and the same for Redo.
  std::string undoText() const;
  std::string redoText() const;

  // False until the first edit, and again once every edit has been undone.
  bool changed() const { return m_changed; }

  // The index of the entry Undo applies next (-1: none), and the number of
  // entries (undone ones included).
  int position() const { return m_position; }
  std::size_t size() const { return m_entries.size(); }
  EditKind kindAt(std::size_t index) const { return m_entries[index].kind; }

 private:
  // The state an entry covers, for its kind.
  struct Image {
    std::vector<ResidueGrouping> rows;
    std::vector<int> selection;
    int focused = -1;
    int row = -1;
    ResidueGrouping copy;
    std::string fontFace;
    std::int32_t fontSize = 0;
  };
  struct Entry {
    EditKind kind;
    Image before;
    // Taken when the entry is undone: what Redo puts back. Entries of
    // different kinds cover different parts of the state, so the next
    // entry's `before` cannot stand in for it.
    std::optional<Image> after;
  };

  static Image capture(EditKind kind, const EditorState& state, int row);
  static AppliedEdit apply(EditKind kind, const Image& image, EditorState& state);
  // Steps 1 and 2 of every record: changed, and the redo entries dropped.
  void startRecord();
  void append(EditKind kind, Image image);
  // A font entry, unless the entry Undo would apply next is of the same kind.
  void recordFontEntry(EditKind kind, Image image);

  std::vector<Entry> m_entries;
  int m_position = -1;
  bool m_changed = false;
};

}  // namespace hueset
