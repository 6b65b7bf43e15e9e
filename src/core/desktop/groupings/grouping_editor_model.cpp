#include "desktop/groupings/grouping_editor_model.h"

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

ResidueGrouping plainGrouping(std::string_view name) {
  ResidueGrouping g;
  g.name = std::string(name);
  g.format.textColour = rgb(0, 0, 0);
  g.format.backColour = rgb(255, 255, 255);
  g.active = true;
  g.marker = ' ';
  return g;
}

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
  ResidueGrouping single =
      stored.size() > GroupingSet::kSingle ? stored[GroupingSet::kSingle] : plainGrouping("Single");
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
                                      const std::function<void(ResidueGrouping&)>& change) {
  ResidueGrouping* row = current();
  if (!row) return false;
  ResidueGrouping edited = *row;
  change(edited);
  if (edited == *row) return false;
  record(kind, coalesce);
  *current() = std::move(edited);
  return true;
}

template <typename Value>
bool GroupingEditorModel::setFormat(EditKind kind, bool coalesce, Value ResidueFormat::*field,
                                    Value value) {
  return editCurrent(kind, coalesce, [&](ResidueGrouping& g) { g.format.*field = value; });
}

bool GroupingEditorModel::setActive(bool on) {
  if (!detailControls().activeEnabled) return false;
  return editCurrent(on ? EditKind::Activate : EditKind::Inactivate, false,
                     [on](ResidueGrouping& g) { g.active = on; });
}

// The two toggles make an entry each; a run of colour choices makes one.
bool GroupingEditorModel::setBold(bool on) {
  return setFormat(EditKind::Bold, false, &ResidueFormat::bold, on);
}

bool GroupingEditorModel::setItalic(bool on) {
  return setFormat(EditKind::Italic, false, &ResidueFormat::italic, on);
}

bool GroupingEditorModel::setTextColour(Colour colour) {
  return setFormat(EditKind::TextColour, true, &ResidueFormat::textColour, colour);
}

bool GroupingEditorModel::setBackColour(Colour colour) {
  return setFormat(EditKind::BackColour, true, &ResidueFormat::backColour, colour);
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
  return editCurrent(EditKind::ChangeName, true, [&name](ResidueGrouping& g) { g.name = name; });
}

bool GroupingEditorModel::setMarker(std::string_view text) {
  if (!detailControls().markerEnabled) return false;
  const char marker = text.empty() ? ' ' : text.front();
  return editCurrent(EditKind::ChangeMarker, true,
                     [marker](ResidueGrouping& g) { g.marker = marker; });
}

bool GroupingEditorModel::setResidues(std::string_view text) {
  if (!detailControls().residuesEnabled) return false;
  return editCurrent(EditKind::ChangeResidues, true,
                     [text](ResidueGrouping& g) { g.residues = std::string(text); });
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
    auto at = std::lower_bound(
        m_faces.begin(), m_faces.end(), wanted,
        [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
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
