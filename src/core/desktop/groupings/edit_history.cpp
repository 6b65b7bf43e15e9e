#include "desktop/groupings/edit_history.h"

#include <array>

namespace hueset {

namespace {

constexpr std::array<std::string_view, 17> kKindNames = {
    "Font Change",
    "Font Size Change",
    "Activate",
    "Inactivate",
    "Bold",
    "Italic",
    "Text Colour",
    "Back Colour",
    "Change Grouping Name",
    "Change Grouping Marker",
    "Change Grouping Residues",
    "Add Grouping",
    "Delete",
    "Move Up",
    "Move Down",
    "Sort",
    "Insert Standard Residues",
};

// Copies what an entry of a whole-state scope covers: from the state into an
// image when recording, and back when undoing or redoing. One-row entries
// keep a single row and are the callers' own.
template <typename From, typename To>
void copyScope(EditScope scope, const From& from, To& to) {
  switch (scope) {
    case EditScope::FontFace: to.fontFace = from.fontFace; break;
    case EditScope::FontSize: to.fontSize = from.fontSize; break;
    case EditScope::AllRows:
      to.rows = from.rows;
      to.selection = from.selection;
      to.focused = from.focused;
      break;
    case EditScope::OneRow: break;
  }
}

}  // namespace

std::string_view editKindName(EditKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < kKindNames.size() ? kKindNames[index] : std::string_view{};
}

EditScope editScope(EditKind kind) {
  switch (kind) {
    case EditKind::FontChange: return EditScope::FontFace;
    case EditKind::FontSizeChange: return EditScope::FontSize;
    case EditKind::Bold:
    case EditKind::Italic:
    case EditKind::TextColour:
    case EditKind::BackColour:
    case EditKind::ChangeName:
    case EditKind::ChangeMarker:
    case EditKind::ChangeResidues: return EditScope::OneRow;
    case EditKind::Activate:
    case EditKind::Inactivate:
    case EditKind::AddGrouping:
    case EditKind::Delete:
    case EditKind::MoveUp:
    case EditKind::MoveDown:
    case EditKind::Sort:
    case EditKind::InsertStandardResidues: break;
  }
  return EditScope::AllRows;
}

EditHistory::Image EditHistory::capture(EditKind kind, const EditorState& state, int row) {
  Image image;
  const EditScope scope = editScope(kind);
  if (scope != EditScope::OneRow) {
    copyScope(scope, state, image);
  } else if (row >= 0 && static_cast<std::size_t>(row) < state.rows.size()) {
    image.row = row;
    image.copy = state.rows[static_cast<std::size_t>(row)];
  }
  return image;
}

AppliedEdit EditHistory::apply(EditKind kind, const Image& image, EditorState& state) {
  AppliedEdit applied{kind, -1};
  const EditScope scope = editScope(kind);
  if (scope != EditScope::OneRow) {
    copyScope(scope, image, state);
  } else if (image.row >= 0 && static_cast<std::size_t>(image.row) < state.rows.size()) {
    state.rows[static_cast<std::size_t>(image.row)] = image.copy;
    state.selection = {image.row};
    state.focused = image.row;
    applied.row = image.row;
  }
  return applied;
}

void EditHistory::startRecord() {
  m_changed = true;
  m_entries.resize(static_cast<std::size_t>(m_position + 1));
}

void EditHistory::append(EditKind kind, Image image) {
  m_entries.push_back(Entry{kind, std::move(image), std::nullopt});
  ++m_position;
}

void EditHistory::record(EditKind kind, bool coalesce, const EditorState& state) {
  startRecord();
  const int row = state.editedRow();
  if (coalesce && m_position >= 0) {
    const Entry& last = m_entries[static_cast<std::size_t>(m_position)];
    if (last.kind == kind && last.before.row == row) return;
  }
  append(kind, capture(kind, state, row));
}

void EditHistory::recordFont(const std::string& oldFace) {
  Image image;
  image.fontFace = oldFace;
  recordFontEntry(EditKind::FontChange, std::move(image));
}

void EditHistory::recordFontSize(std::int32_t oldSize) {
  Image image;
  image.fontSize = oldSize;
  recordFontEntry(EditKind::FontSizeChange, std::move(image));
}

void EditHistory::recordFontEntry(EditKind kind, Image image) {
  startRecord();
  if (m_position >= 0 && m_entries[static_cast<std::size_t>(m_position)].kind == kind) return;
  append(kind, std::move(image));
}

std::optional<AppliedEdit> EditHistory::undo(EditorState& state) {
  if (!canUndo()) return std::nullopt;
  auto& entry = m_entries[static_cast<std::size_t>(m_position)];
  const EditKind kind = entry.kind;
  Image now = capture(kind, state, entry.before.row);
  entry.after = now;
  // With nothing to redo yet, the state now is kept as the last entry, so
  // that the edit can be redone.
  if (m_position == static_cast<int>(m_entries.size()) - 1) {
    m_entries.push_back(Entry{kind, std::move(now), std::nullopt});
  }
  const AppliedEdit applied =
      apply(kind, m_entries[static_cast<std::size_t>(m_position)].before, state);
  --m_position;
  if (!canUndo()) m_changed = false;
  return applied;
}

std::optional<AppliedEdit> EditHistory::redo(EditorState& state) {
  if (!canRedo()) return std::nullopt;
  m_changed = true;
  const Entry& entry = m_entries[static_cast<std::size_t>(m_position + 1)];
  // Every entry between the position and the kept last one has been undone
  // and so holds the state to put back.
  const Image& image =
      entry.after ? *entry.after : m_entries[static_cast<std::size_t>(m_position + 2)].before;
  const AppliedEdit applied = apply(entry.kind, image, state);
  ++m_position;
  return applied;
}

std::string EditHistory::undoText() const {
  if (!canUndo()) return "Nothing to Undo";
  return "Undo " + std::string(editKindName(m_entries[static_cast<std::size_t>(m_position)].kind)) +
         "\tCtrl+Z";
}

std::string EditHistory::redoText() const {
  if (!canRedo()) return "Nothing to Redo";
  return "Redo " +
         std::string(editKindName(m_entries[static_cast<std::size_t>(m_position + 1)].kind)) +
         "\tCtrl+Y";
}

}  // namespace hueset
