#include "desktop/grouping_editor_model.h"

#include <algorithm>

#include "util/text_format.h"

namespace hueset {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (toLowerAscii(text[i]) != toLowerAscii(prefix[i])) return false;
  }
  return true;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithIgnoringCase(a, b);
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(toLowerAscii(x)) <
           static_cast<unsigned char>(toLowerAscii(y));
  });
}

ResidueGrouping plainGrouping(std::string_view name) {
  ResidueGrouping g;
  g.name = std::string(name);
  g.format.textColour = rgb(0, 0, 0);
  g.format.backColour = rgb(255, 255, 255);
  g.active = true;
  g.marker = ' ';
  return g;
}

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

struct MenuEntry {
  EditorCommand command;
  std::string_view text;
};

constexpr MenuEntry kMenuTexts[] = {
    {EditorCommand::Delete, "&Delete\tCtrl+Minus"},
    {EditorCommand::Insert, "&Insert\tCtrl+Plus"},
    {EditorCommand::Next, "&Next\tCtrl+Down Arrow"},
    {EditorCommand::Previous, "&Previous\tCtrl+Up Arrow"},
    {EditorCommand::MoveUp, "Move &Up\tCtrl+Atl+Up Arrow"},
    {EditorCommand::MoveDown, "Move &Down\tCtrl+Atl+Down Arrow"},
    {EditorCommand::Activate, "&Activate\tCtrl+A"},
    {EditorCommand::Inactivate, "&Inactivate\tCtrl+I"},
    {EditorCommand::Sort, "&Sort by Grouping size"},
    {EditorCommand::AddStandard, "Add &20 standard amino acids each as its own residue grouping"},
};

}  // namespace

std::string_view editorMenuText(EditorCommand command) {
  for (const MenuEntry& e : kMenuTexts) {
    if (e.command == command) return e.text;
  }
  return {};
}

std::string editorCommandPrompt(EditorCommand command) {
  const std::string_view text = loadString(static_cast<StringId>(command));
  return std::string(text.substr(0, text.find_first_of("\r\n")));
}

GroupingEditorModel::GroupingEditorModel(const GroupingSet& set, std::string invalidLetters,
                                         bool confirmationMode)
    : m_invalidLetters(std::move(invalidLetters)), m_confirmationMode(confirmationMode) {
  const auto& stored = set.groupings;
  // Sets always hold both special groupings; a set that lacks one still
  // opens, with a plain stand-in.
  ResidueGrouping single = stored.size() > GroupingSet::kSingle ? stored[GroupingSet::kSingle]
                                                                : plainGrouping("Single");
  ResidueGrouping fallback = stored.empty() ? plainGrouping(kDefaultRowName) : stored.front();

  single.name = std::string(kSingleRowName);
  single.marker = ' ';
  m_state.rows.push_back(std::move(single));
  for (std::size_t i = GroupingSet::kFirstOrdinary; i < stored.size(); ++i) {
    m_state.rows.push_back(stored[i]);
  }
  fallback.name = std::string(kDefaultRowName);
  fallback.residues = std::string(kSampleResidues);
  fallback.active = true;
  m_state.rows.push_back(std::move(fallback));

  m_state.selection = {0};
  m_state.focused = 0;
  m_anchor = 0;
  m_state.fontFace = set.fontName;
  m_state.fontSize = set.fontSize;
  m_openedFace = set.fontName;
  m_typedFace = set.fontName;
}

bool GroupingEditorModel::isSelected(int row) const {
  return std::binary_search(m_state.selection.begin(), m_state.selection.end(), row);
}

std::optional<int> GroupingEditorModel::currentRow() const {
  if (m_state.selection.size() != 1) return std::nullopt;
  return m_state.selection.front();
}

std::string GroupingEditorModel::previewText(int row) const {
  if (row == 0 || row == lastRow()) return std::string(kSampleResidues);
  return m_state.rows[static_cast<std::size_t>(row)].residues;
}

std::string GroupingEditorModel::cellText(int row, EditorColumn column) const {
  const ResidueGrouping& g = m_state.rows[static_cast<std::size_t>(row)];
  switch (column) {
    case EditorColumn::Description: return g.name;
    case EditorColumn::Residues: return previewText(row);
    case EditorColumn::Marker: return std::string(1, g.marker);
    case EditorColumn::Bold: return g.format.bold ? "b" : "";
    case EditorColumn::Italic: return g.format.italic ? "i" : "";
  }
  return {};
}

void GroupingEditorModel::setSelection(std::vector<int> rows, int focused) {
  std::erase_if(rows, [this](int r) { return r < 0 || r > lastRow(); });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  m_state.selection = std::move(rows);
  m_state.focused = (focused >= 0 && focused <= lastRow()) ? focused : -1;
  if (m_state.selection.size() == 1) m_anchor = m_state.selection.front();
}

void GroupingEditorModel::selectOnly(int row) {
  m_state.selection = {row};
  m_state.focused = row;
  m_anchor = row;
}

DetailControls GroupingEditorModel::detailControls() const {
  DetailControls c;
  const auto row = currentRow();
  if (!row) return c;
  const bool special = *row == 0 || *row == lastRow();
  c.shown = true;
  c.activeEnabled = *row != lastRow();
  c.nameEnabled = !special;
  c.residuesEnabled = !special;
  c.markerEnabled = *row != 0;
  c.formatEnabled = true;
  return c;
}

ResidueGrouping* GroupingEditorModel::current() {
  const auto row = currentRow();
  return row ? &m_state.rows[static_cast<std::size_t>(*row)] : nullptr;
}

bool GroupingEditorModel::editCurrent(EditKind kind, bool coalesce,
                                      const std::function<bool(ResidueGrouping&)>& change) {
  ResidueGrouping* row = current();
  if (!row) return false;
  ResidueGrouping edited = *row;
  if (!change(edited) || edited == *row) return false;
  record(kind, coalesce);
  *current() = std::move(edited);
  return true;
}

bool GroupingEditorModel::setActive(bool on) {
  if (!detailControls().activeEnabled) return false;
  return editCurrent(on ? EditKind::Activate : EditKind::Inactivate, false,
                     [on](ResidueGrouping& g) { g.active = on; return true; });
}

bool GroupingEditorModel::setBold(bool on) {
  return editCurrent(EditKind::Bold, false,
                     [on](ResidueGrouping& g) { g.format.bold = on; return true; });
}

bool GroupingEditorModel::setItalic(bool on) {
  return editCurrent(EditKind::Italic, false,
                     [on](ResidueGrouping& g) { g.format.italic = on; return true; });
}

bool GroupingEditorModel::setTextColour(Colour colour) {
  return editCurrent(EditKind::TextColour, true,
                     [colour](ResidueGrouping& g) { g.format.textColour = colour; return true; });
}

bool GroupingEditorModel::setBackColour(Colour colour) {
  return editCurrent(EditKind::BackColour, true,
                     [colour](ResidueGrouping& g) { g.format.backColour = colour; return true; });
}

bool GroupingEditorModel::setName(std::string_view text) {
  if (!detailControls().nameEnabled) return false;
  // The separators of the text configuration file cannot be part of a name.
  std::string kept;
  for (char c : text) {
    if (c != ';' && c != ',') kept += c;
  }
  std::string name;
  for (char c : trim(kept)) name += c;
  return editCurrent(EditKind::ChangeName, true,
                     [&name](ResidueGrouping& g) { g.name = name; return true; });
}

bool GroupingEditorModel::setMarker(std::string_view text) {
  if (!detailControls().markerEnabled) return false;
  const char marker = text.empty() ? ' ' : text.front();
  return editCurrent(EditKind::ChangeMarker, true,
                     [marker](ResidueGrouping& g) { g.marker = marker; return true; });
}

bool GroupingEditorModel::setResidues(std::string_view text) {
  if (!detailControls().residuesEnabled) return false;
  return editCurrent(EditKind::ChangeResidues, true,
                     [text](ResidueGrouping& g) { g.residues = std::string(text); return true; });
}

void GroupingEditorModel::setFontFaces(std::vector<std::string> installed) {
  m_faces = std::move(installed);
  m_faceIndex.reset();
  const std::string& wanted = m_openedFace;
  for (std::size_t i = 0; i < m_faces.size(); ++i) {
    if (startsWithIgnoringCase(m_faces[i], wanted)) {
      m_faceIndex = i;
      break;
    }
  }
  if (!m_faceIndex && !wanted.empty()) {
    // A face this computer lacks stays the configuration's face: the
    // annotation names it for the word processor, which substitutes.
    auto at = std::lower_bound(m_faces.begin(), m_faces.end(), wanted,
                               [](const std::string& a, const std::string& b) {
                                 return lessIgnoringCase(a, b);
                               });
    m_faceIndex = static_cast<std::size_t>(at - m_faces.begin());
    m_faces.insert(at, wanted);
  }
  if (!m_faceIndex && !m_faces.empty()) m_faceIndex = 0;
  m_state.fontFace = m_faceIndex ? m_faces[*m_faceIndex] : m_openedFace;
  m_typedFace = m_state.fontFace;
}

bool GroupingEditorModel::chooseFace(std::size_t index) {
  if (index >= m_faces.size()) return false;
  m_faceIndex = index;
  m_typedFace = m_faces[index];
  if (m_faces[index] == m_state.fontFace) return false;
  m_history.recordFont(m_state.fontFace);
  m_state.fontFace = m_faces[index];
  return true;
}

void GroupingEditorModel::typeFace(std::string_view text) {
  for (std::size_t i = 0; i < m_faces.size(); ++i) {
    if (equalsIgnoringCase(m_faces[i], text)) {
      chooseFace(i);
      m_typedFace = std::string(text);
      return;
    }
  }
  m_faceIndex.reset();
  m_typedFace = std::string(text);
}

void GroupingEditorModel::selectFace(std::string_view face) {
  for (std::size_t i = 0; i < m_faces.size(); ++i) {
    if (m_faces[i] == face) {
      m_faceIndex = i;
      m_typedFace = m_faces[i];
      return;
    }
  }
  if (m_faces.empty()) {
    m_faceIndex.reset();
    m_typedFace = std::string(face);
    return;
  }
  m_faceIndex = 0;
  m_state.fontFace = m_faces.front();
  m_typedFace = m_faces.front();
}

bool GroupingEditorModel::setFontSize(std::int32_t tenths) {
  if (tenths == m_state.fontSize) return false;
  m_history.recordFontSize(m_state.fontSize);
  m_state.fontSize = tenths;
  return true;
}

std::optional<EditorProblem> GroupingEditorModel::validateCurrentRow() const {
  const auto row = currentRow();
  if (!row) return std::nullopt;
  const ResidueGrouping& g = m_state.rows[static_cast<std::size_t>(*row)];
  if (g.name.empty()) return EditorProblem{kEmptyNameMessage, EditorControl::Name};
  if (g.residues.empty()) return EditorProblem{kEmptyResiduesMessage, EditorControl::Residues};
  for (int i = 0; i < rowCount(); ++i) {
    if (i != *row && m_state.rows[static_cast<std::size_t>(i)].name == g.name) {
      return EditorProblem{kDuplicateNameMessage, EditorControl::Name};
    }
  }
  return std::nullopt;
}

std::optional<EditorProblem> GroupingEditorModel::checkFontForSave() {
  if (m_faceIndex) return std::nullopt;
  for (std::size_t i = 0; i < m_faces.size(); ++i) {
    if (equalsIgnoringCase(m_faces[i], m_typedFace)) {
      chooseFace(i);
      return std::nullopt;
    }
  }
  if (m_faces.empty() && !m_typedFace.empty()) {
    // Without a list of faces the typed name is all there is.
    if (m_typedFace != m_state.fontFace) {
      m_history.recordFont(m_state.fontFace);
      m_state.fontFace = m_typedFace;
    }
    return std::nullopt;
  }
  return EditorProblem{kChooseFontMessage, EditorControl::FontList};
}

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
  const bool beforeDefault = m_state.selection.empty() || m_state.focused < 0 ||
                             m_state.focused == lastRow();
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
  if (m_anchor < 0 || m_anchor > lastRow()) m_anchor = m_state.focused >= 0 ? m_state.focused : target;
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
  for (int r = 1; r < last; ++r) middle.groupings.push_back(m_state.rows[static_cast<std::size_t>(r)]);
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

std::optional<AppliedEdit> GroupingEditorModel::undo() {
  const auto applied = m_history.undo(m_state);
  if (applied) afterApplied(*applied);
  return applied;
}

std::optional<AppliedEdit> GroupingEditorModel::redo() {
  const auto applied = m_history.redo(m_state);
  if (applied) afterApplied(*applied);
  return applied;
}

void GroupingEditorModel::afterApplied(const AppliedEdit& applied) {
  switch (editScope(applied.kind)) {
    case EditScope::FontFace: selectFace(m_state.fontFace); break;
    case EditScope::FontSize: break;
    case EditScope::AllRows:
    case EditScope::OneRow: m_anchor = m_state.focused; break;
  }
}

FinishButton GroupingEditorModel::finishButton() const {
  if (changed()) return {kSaveButtonText, true, false};
  if (m_confirmationMode) return {kOkButtonText, true, true};
  return {kSaveButtonText, false, false};
}

void GroupingEditorModel::writeBack(GroupingSet& target) const {
  std::vector<ResidueGrouping> stored;
  stored.reserve(m_state.rows.size());
  ResidueGrouping fallback = m_state.rows.back();
  fallback.residues = "X";
  fallback.active = true;
  stored.push_back(std::move(fallback));
  ResidueGrouping single = m_state.rows.front();
  single.residues = "X";
  single.name = "Single";
  stored.push_back(std::move(single));
  for (int r = 1; r < lastRow(); ++r) stored.push_back(m_state.rows[static_cast<std::size_t>(r)]);
  target.groupings = std::move(stored);
  if (m_faceIndex) {
    target.fontName = m_faces[*m_faceIndex];
  } else {
    target.fontName = m_faces.empty() ? m_state.fontFace : m_faces.front();
  }
  target.fontSize = m_state.fontSize;
}

std::vector<Colour> GroupingEditorModel::rowColours() const {
  std::vector<Colour> colours;
  for (auto it = m_state.rows.rbegin(); it != m_state.rows.rend(); ++it) {
    colours.push_back(it->format.textColour);
    colours.push_back(it->format.backColour);
  }
  return colours;
}

}  // namespace hueset
