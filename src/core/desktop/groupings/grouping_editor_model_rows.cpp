#include <algorithm>

#include "desktop/groupings/grouping_editor_model.h"

// The row commands of the groupings editor: add, delete, move, activate,
// step through, sort and insert the standard residues.

namespace hueset {

namespace {

// Reorders `rows` by `order` (old indices in their new order) and carries
// the selection and the focus along with the rows they mark.
void reorder(EditorState& state, const std::vector<int>& order) {
  std::vector<ResidueGrouping> rows;
  rows.reserve(order.size());
  std::vector<int> newIndex(order.size(), -1);
  for (std::size_t i = 0; i < order.size(); ++i) {
    rows.push_back(std::move(state.rows[static_cast<std::size_t>(order[i])]));
    newIndex[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
  }
  state.rows = std::move(rows);
  for (int& row : state.selection) row = newIndex[static_cast<std::size_t>(row)];
  std::sort(state.selection.begin(), state.selection.end());
  if (state.focused >= 0) state.focused = newIndex[static_cast<std::size_t>(state.focused)];
}

// The order that takes the rows `moved` (ascending) out of a list of
// `count` rows and puts them back as one block at position `insertAt` of
// the shortened list.
std::vector<int> blockOrder(int count, const std::vector<int>& moved, int insertAt) {
  std::vector<int> rest;
  for (int i = 0; i < count; ++i) {
    if (!std::binary_search(moved.begin(), moved.end(), i)) rest.push_back(i);
  }
  rest.insert(rest.begin() + insertAt, moved.begin(), moved.end());
  return rest;
}

}  // namespace

std::vector<int> GroupingEditorModel::selectedAfterFirst() const {
  std::vector<int> rows;
  for (int r : m_state.selection) {
    if (r > 0) rows.push_back(r);
  }
  return rows;
}

std::vector<int> GroupingEditorModel::rowsToMoveUp() const {
  const std::vector<int> selected = selectedAfterFirst();
  std::size_t i = 0;
  // A block directly under "Single" is as high as it can go.
  while (i < selected.size() && selected[i] == static_cast<int>(i) + 1) ++i;
  std::vector<int> rows;
  for (; i < selected.size(); ++i) {
    if (selected[i] != lastRow()) rows.push_back(selected[i]);
  }
  return rows;
}

std::vector<int> GroupingEditorModel::rowsToMoveDown() const {
  std::vector<int> rows = selectedAfterFirst();
  if (!rows.empty() && rows.back() == lastRow()) rows.pop_back();
  // A block directly above "Default" is as low as it can go.
  int expected = lastRow() - 1;
  while (!rows.empty() && rows.back() == expected) {
    rows.pop_back();
    --expected;
  }
  return rows;
}

bool GroupingEditorModel::anySelectedActive(bool active) const {
  return std::any_of(m_state.selection.begin(), m_state.selection.end(), [&](int r) {
    return r != lastRow() && m_state.rows[static_cast<std::size_t>(r)].active == active;
  });
}

bool GroupingEditorModel::enabled(EditorCommand command) const {
  switch (command) {
    case EditorCommand::Undo: return m_history.canUndo();
    case EditorCommand::Redo: return m_history.canRedo();
    case EditorCommand::Delete:
      return !m_state.selection.empty() && m_state.selection.front() != 0 &&
             m_state.selection.front() != lastRow();
    case EditorCommand::MoveUp: return !rowsToMoveUp().empty();
    case EditorCommand::MoveDown: return !rowsToMoveDown().empty();
    case EditorCommand::Activate: return anySelectedActive(false);
    case EditorCommand::Inactivate: return anySelectedActive(true);
    case EditorCommand::Insert:
    case EditorCommand::Next:
    case EditorCommand::Previous:
    case EditorCommand::Sort:
    case EditorCommand::AddStandard:
    case EditorCommand::ExtendDown:
    case EditorCommand::ExtendUp: break;
  }
  return true;
}

EditorOutcome GroupingEditorModel::add() {
  if (auto problem = validateCurrentRow()) return EditorOutcome::invalid(*problem);
  record(EditKind::AddGrouping);
  const bool beforeDefault =
      m_state.selection.empty() || m_state.focused < 0 || m_state.focused == lastRow();
  const int at = beforeDefault ? lastRow() : m_state.focused + 1;
  m_state.rows.insert(m_state.rows.begin() + at, plainGrouping(kNewGroupingName));
  selectOnly(at);
  return EditorOutcome::done(EditorControl::Name);
}

EditorOutcome GroupingEditorModel::remove() {
  if (m_state.selection.empty()) return EditorOutcome::beep();
  const int last = lastRow();
  std::vector<int> gone;
  std::vector<int> kept;
  for (int r : m_state.selection) (r == 0 || r == last ? kept : gone).push_back(r);
  if (gone.empty()) return EditorOutcome::refused(kCannotDeleteMessage);
  record(EditKind::Delete);

  for (auto it = gone.rbegin(); it != gone.rend(); ++it) {
    m_state.rows.erase(m_state.rows.begin() + *it);
  }
  auto shifted = [&gone](int r) {
    return r - static_cast<int>(std::lower_bound(gone.begin(), gone.end(), r) - gone.begin());
  };
  const int oldFocus = m_state.focused;
  const bool focusGone = std::binary_search(gone.begin(), gone.end(), oldFocus);
  for (int& r : kept) r = shifted(r);
  m_state.selection = kept;
  if (kept.empty()) {
    m_state.focused = 0;
  } else if (oldFocus >= 0 && !focusGone) {
    m_state.focused = shifted(oldFocus);
  } else {
    m_state.focused = kept.front();
  }
  m_anchor = m_state.focused;
  return EditorOutcome::done();
}

EditorOutcome GroupingEditorModel::moveUp() {
  if (m_state.selection.empty()) return EditorOutcome::beep();
  if (auto problem = validateCurrentRow()) return EditorOutcome::invalid(*problem);
  const std::vector<int> selected = selectedAfterFirst();
  if (selected.empty()) return EditorOutcome::refused(kSingleOnTopMessage);
  if (selected.front() == lastRow()) return EditorOutcome::refused(kDefaultAtBottomMessage);
  const std::vector<int> moved = rowsToMoveUp();
  if (moved.empty()) return EditorOutcome::nothing();
  record(EditKind::MoveUp);
  reorder(m_state, blockOrder(rowCount(), moved, moved.front() - 1));
  return EditorOutcome::done();
}

EditorOutcome GroupingEditorModel::moveDown() {
  if (m_state.selection.empty()) return EditorOutcome::beep();
  if (auto problem = validateCurrentRow()) return EditorOutcome::invalid(*problem);
  std::vector<int> selected = selectedAfterFirst();
  if (selected.empty()) return EditorOutcome::refused(kSingleOnTopMessage);
  if (selected.back() == lastRow()) selected.pop_back();
  if (selected.empty()) return EditorOutcome::refused(kDefaultAtBottomMessage);
  const std::vector<int> moved = rowsToMoveDown();
  if (moved.empty()) return EditorOutcome::nothing();
  record(EditKind::MoveDown);
  const int count = static_cast<int>(moved.size());
  reorder(m_state, blockOrder(rowCount(), moved, moved.back() + 2 - count));
  return EditorOutcome::done();
}

EditorOutcome GroupingEditorModel::setSelectedActive(bool on) {
  if (!anySelectedActive(!on)) return EditorOutcome::nothing();
  record(on ? EditKind::Activate : EditKind::Inactivate);
  for (int r : m_state.selection) {
    if (r != lastRow()) m_state.rows[static_cast<std::size_t>(r)].active = on;
  }
  return EditorOutcome::done();
}

EditorOutcome GroupingEditorModel::activate() { return setSelectedActive(true); }
EditorOutcome GroupingEditorModel::inactivate() { return setSelectedActive(false); }

EditorOutcome GroupingEditorModel::step(int direction, bool extend) {
  if (auto problem = validateCurrentRow()) return EditorOutcome::invalid(*problem);
  int target = 0;
  if (!m_state.selection.empty() && m_state.focused >= 0) {
    if (direction > 0 && m_state.focused == lastRow()) return EditorOutcome::beep();
    if (direction < 0 && m_state.focused == 0) return EditorOutcome::beep();
    target = m_state.focused + direction;
  }
  if (!extend) {
    selectOnly(target);
    return EditorOutcome::done();
  }
  if (m_anchor < 0 || m_anchor > lastRow())
    m_anchor = m_state.focused >= 0 ? m_state.focused : target;
  for (int r = std::min(m_anchor, target); r <= std::max(m_anchor, target); ++r) {
    if (!isSelected(r)) {
      m_state.selection.insert(
          std::lower_bound(m_state.selection.begin(), m_state.selection.end(), r), r);
    }
  }
  m_state.focused = target;
  return EditorOutcome::done();
}

EditorOutcome GroupingEditorModel::next() { return step(1, false); }
EditorOutcome GroupingEditorModel::previous() { return step(-1, false); }
EditorOutcome GroupingEditorModel::extendDown() { return step(1, true); }
EditorOutcome GroupingEditorModel::extendUp() { return step(-1, true); }

EditorOutcome GroupingEditorModel::sort() {
  if (auto problem = validateCurrentRow()) return EditorOutcome::invalid(*problem);
  record(EditKind::Sort);
  // The set's own ordering rule, applied to the rows between "Single" and
  // "Default" (stand-ins take the places of the set's special entries).
  GroupingSet middle;
  middle.groupings.resize(GroupingSet::kFirstOrdinary);
  const int last = lastRow();
  for (int r = 1; r < last; ++r)
    middle.groupings.push_back(m_state.rows[static_cast<std::size_t>(r)]);
  middle.sortBySize();

  // Rows that compare equal are interchangeable, so the first unused equal
  // row is the one that moved there.
  std::vector<int> order{0};
  std::vector<bool> used(static_cast<std::size_t>(rowCount()), false);
  for (std::size_t i = GroupingSet::kFirstOrdinary; i < middle.groupings.size(); ++i) {
    for (int r = 1; r < last; ++r) {
      if (!used[static_cast<std::size_t>(r)] &&
          m_state.rows[static_cast<std::size_t>(r)] == middle.groupings[i]) {
        used[static_cast<std::size_t>(r)] = true;
        order.push_back(r);
        break;
      }
    }
  }
  if (last > 0) order.push_back(last);
  reorder(m_state, order);
  return EditorOutcome::done();
}

std::vector<GroupingEditorModel::StandardResidue> GroupingEditorModel::standardResidues() const {
  std::vector<StandardResidue> residues;
  for (std::size_t i = 0; i < kStandardResidues.size(); ++i) {
    const char letter = kStandardResidues[i];
    if (m_invalidLetters.find(letter) != std::string::npos) continue;
    residues.push_back({letter, loadString(kFirstStandardResidueName + static_cast<StringId>(i))});
  }
  return residues;
}

EditorOutcome GroupingEditorModel::addStandardAminoAcids(
    const std::function<bool()>& confirmReplace) {
  if (auto problem = validateCurrentRow()) return EditorOutcome::invalid(*problem);
  const std::vector<StandardResidue> residues = standardResidues();
  if (residues.empty()) return EditorOutcome::nothing();
  auto isStandardName = [&residues](const std::string& name) {
    return std::any_of(residues.begin(), residues.end(),
                       [&name](const StandardResidue& s) { return s.name == name; });
  };
  std::vector<int> duplicates;
  for (int r = 1; r < lastRow(); ++r) {
    if (isStandardName(m_state.rows[static_cast<std::size_t>(r)].name)) duplicates.push_back(r);
  }
  if (!duplicates.empty() && !(confirmReplace && confirmReplace())) return EditorOutcome::nothing();

  record(EditKind::InsertStandardResidues);
  for (auto it = duplicates.rbegin(); it != duplicates.rend(); ++it) {
    m_state.rows.erase(m_state.rows.begin() + *it);
  }
  const ResidueFormat format = m_state.rows.front().format;
  std::vector<ResidueGrouping> added;
  for (const StandardResidue& s : residues) {
    ResidueGrouping g;
    g.name = std::string(s.name);
    g.residues = std::string(1, s.letter);
    g.format = format;
    g.active = true;
    g.marker = s.letter;
    added.push_back(std::move(g));
  }
  m_state.rows.insert(m_state.rows.begin() + 1, added.begin(), added.end());
  m_state.selection.clear();
  for (int r = 1; r <= static_cast<int>(added.size()); ++r) m_state.selection.push_back(r);
  m_state.focused = 1;
  m_anchor = 1;
  return EditorOutcome::done();
}

}  // namespace hueset
