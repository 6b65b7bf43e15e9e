#include "desktop/options/set_layout.h"

#include <algorithm>
#include <set>

namespace hueset {
namespace {

bool contains(const std::vector<int>& rows, int row) {
  return std::binary_search(rows.begin(), rows.end(), row);
}

std::vector<int> sortedUnique(std::vector<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

}  // namespace

std::vector<int> defaultSetLayout(int sequenceCount) {
  std::vector<int> layout{kSetHeader};
  for (int i = 0; i < sequenceCount; ++i) layout.push_back(i);
  return layout;
}

SetLayoutModel::SetLayoutModel(std::vector<std::string> names, bool allowDuplicates,
                               const std::vector<int>& layout)
    : m_names(std::move(names)), m_allowDuplicates(allowDuplicates) {
  const int count = static_cast<int>(m_names.size());
  const std::vector<int> start = layout.empty() ? defaultSetLayout(count) : layout;
  auto valid = [count](int v) { return v >= 0 && v < count; };

  if (!m_allowDuplicates) {
    std::set<int> seen;
    for (int v : start) {
      if (valid(v) && !seen.insert(v).second) {
        m_allowDuplicates = true;
        break;
      }
    }
  }

  if (start.front() != kSetHeader) m_output.push_back(newHeader());
  for (int v : start) {
    // A negative value other than the header mark is no sequence either.
    if (v == kSetHeader) {
      m_output.push_back(newHeader());
    } else if (valid(v)) {
      m_output.push_back(sequenceItem(v));
    }
  }
  fillSource();
}

std::string_view SetLayoutModel::duplicatesNote() const {
  return m_allowDuplicates ? "(Sequences can belong to more than one set)"
                           : "(Sequences can only belong to one set at a time)";
}

SetLayoutModel::Item SetLayoutModel::sequenceItem(int index) const {
  return {index, m_names[static_cast<std::size_t>(index)]};
}

SetLayoutModel::Item SetLayoutModel::newHeader() {
  return {kSetHeader, "Set #" + std::to_string(m_nextSetNumber++)};
}

void SetLayoutModel::fillSource() {
  m_source.clear();
  m_sourceSelection.clear();
  for (int i = 0; i < static_cast<int>(m_names.size()); ++i) {
    if (!m_allowDuplicates) {
      const bool used = std::any_of(m_output.begin(), m_output.end(),
                                    [i](const Item& item) { return item.value == i; });
      if (used) continue;
    }
    m_source.push_back(sequenceItem(i));
  }
}

void SetLayoutModel::selectSource(std::vector<int> rows) {
  rows = sortedUnique(std::move(rows));
  std::erase_if(rows, [this](int r) { return r < 0 || r >= static_cast<int>(m_source.size()); });
  m_sourceSelection = std::move(rows);
}

void SetLayoutModel::selectOutput(std::vector<int> rows) {
  rows = sortedUnique(std::move(rows));
  std::erase_if(rows, [this](int r) { return r < 0 || r >= static_cast<int>(m_output.size()); });
  m_outputSelection = std::move(rows);
}

bool SetLayoutModel::removeEnabled() const { return !selectedOutputRows(false).empty(); }

std::vector<int> SetLayoutModel::selectedOutputRows(bool withFirst) const {
  std::vector<int> rows = m_outputSelection;
  if (!withFirst && !rows.empty() && rows.front() == 0 && m_output.front().isHeader()) {
    rows.erase(rows.begin());
  }
  return rows;
}

void SetLayoutModel::insertIntoOutput(int position, const std::vector<Item>& items) {
  position = std::clamp(position, 0, static_cast<int>(m_output.size()));
  m_output.insert(m_output.begin() + position, items.begin(), items.end());
  const int shift = static_cast<int>(items.size());
  for (int& row : m_outputSelection) {
    if (row >= position) row += shift;
  }
}

int SetLayoutModel::newSet() {
  m_output.push_back(newHeader());
  m_outputSelection.clear();
  return static_cast<int>(m_output.size()) - 1;
}

void SetLayoutModel::add() {
  if (m_sourceSelection.empty()) return;
  std::vector<Item> items;
  for (int row : m_sourceSelection) items.push_back(m_source[static_cast<std::size_t>(row)]);
  const int position =
      m_outputSelection.empty() ? static_cast<int>(m_output.size()) : m_outputSelection.front() + 1;
  insertIntoOutput(position, items);
  if (!m_allowDuplicates) {
    for (auto it = m_sourceSelection.rbegin(); it != m_sourceSelection.rend(); ++it) {
      m_source.erase(m_source.begin() + *it);
    }
    m_sourceSelection.clear();
  }
}

void SetLayoutModel::addAll() {
  const int position =
      m_outputSelection.empty() ? static_cast<int>(m_output.size()) : m_outputSelection.front() + 1;
  insertIntoOutput(position, m_source);
  fillSource();
}

void SetLayoutModel::remove() {
  const std::vector<int> rows = selectedOutputRows(false);
  if (rows.empty()) return;
  std::vector<int> removed;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    const Item& item = m_output[static_cast<std::size_t>(*it)];
    if (!item.isHeader()) removed.push_back(item.value);
    m_output.erase(m_output.begin() + *it);
  }
  const bool firstSelected = contains(m_outputSelection, 0);
  m_outputSelection.clear();
  if (firstSelected) m_outputSelection.push_back(0);
  fillSource();
  std::vector<int> select;
  for (int row = 0; row < static_cast<int>(m_source.size()); ++row) {
    if (std::find(removed.begin(), removed.end(), m_source[static_cast<std::size_t>(row)].value) !=
        removed.end()) {
      select.push_back(row);
    }
  }
  m_sourceSelection = std::move(select);
}

void SetLayoutModel::removeAll() {
  if (m_output.size() > 1) m_output.erase(m_output.begin() + 1, m_output.end());
  const bool firstSelected = contains(m_outputSelection, 0);
  m_outputSelection.clear();
  if (firstSelected) m_outputSelection.push_back(0);
  fillSource();
}

void SetLayoutModel::moveSelectedSequences(int target) {
  std::vector<int> moving;
  for (int row : selectedOutputRows(false)) {
    if (!m_output[static_cast<std::size_t>(row)].isHeader()) moving.push_back(row);
  }
  if (moving.empty()) return;

  struct Placed {
    Item item;
    bool selected;
  };
  std::vector<Placed> placed;
  auto putMoving = [&] {
    for (int row : moving) placed.push_back({m_output[static_cast<std::size_t>(row)], true});
  };
  for (int row = 0; row < static_cast<int>(m_output.size()); ++row) {
    if (row == target) putMoving();
    if (contains(moving, row)) continue;
    placed.push_back({m_output[static_cast<std::size_t>(row)], contains(m_outputSelection, row)});
  }
  if (target >= static_cast<int>(m_output.size())) putMoving();

  m_output.clear();
  m_outputSelection.clear();
  for (int row = 0; row < static_cast<int>(placed.size()); ++row) {
    m_output.push_back(placed[static_cast<std::size_t>(row)].item);
    if (placed[static_cast<std::size_t>(row)].selected) m_outputSelection.push_back(row);
  }
}

void SetLayoutModel::moveUp() {
  const std::vector<int> rows = selectedOutputRows(false);
  if (rows.empty()) return;
  // Never above the first header.
  moveSelectedSequences(std::max(rows.front() - 1, 1));
}

void SetLayoutModel::moveDown() {
  const std::vector<int> rows = selectedOutputRows(false);
  if (rows.empty()) return;
  moveSelectedSequences(std::min(rows.back() + 2, static_cast<int>(m_output.size())));
}

void SetLayoutModel::setAllowDuplicates(bool allow) {
  m_allowDuplicates = allow;
  fillSource();
}

void SetLayoutModel::dropFromSource(int target) {
  if (m_sourceSelection.empty()) return;
  std::vector<Item> items;
  for (int row : m_sourceSelection) items.push_back(m_source[static_cast<std::size_t>(row)]);
  const int size = static_cast<int>(m_output.size());
  const int position = (target < 0 || target >= size) ? size : target + 1;
  m_outputSelection.clear();
  insertIntoOutput(position, items);
  for (int i = 0; i < static_cast<int>(items.size()); ++i)
    m_outputSelection.push_back(position + i);
  if (!m_allowDuplicates) {
    for (auto it = m_sourceSelection.rbegin(); it != m_sourceSelection.rend(); ++it) {
      m_source.erase(m_source.begin() + *it);
    }
  }
  m_sourceSelection.clear();
}

void SetLayoutModel::dropWithinOutput(int target) {
  // The first header stays first: the layout must open with a set.
  const std::vector<int> rows = selectedOutputRows(false);
  if (rows.empty()) return;
  const int size = static_cast<int>(m_output.size());
  const int before = (target < 0 || target >= size) ? size : target + 1;

  std::vector<Item> moved;
  for (int row : rows) moved.push_back(m_output[static_cast<std::size_t>(row)]);
  std::vector<Item> rest;
  int insertAt = 0;
  for (int row = 0; row < size; ++row) {
    if (row == before) insertAt = static_cast<int>(rest.size());
    if (!contains(rows, row)) rest.push_back(m_output[static_cast<std::size_t>(row)]);
  }
  if (before >= size) insertAt = static_cast<int>(rest.size());
  insertAt = std::max(insertAt, 1);
  rest.insert(rest.begin() + insertAt, moved.begin(), moved.end());
  m_output = std::move(rest);
  m_outputSelection.clear();
  for (int i = 0; i < static_cast<int>(moved.size()); ++i)
    m_outputSelection.push_back(insertAt + i);
}

std::string SetLayoutModel::dropHint(int target) const {
  if (target < 0 || target >= static_cast<int>(m_output.size())) return {};
  std::string text = m_output[static_cast<std::size_t>(target)].text;
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  return "Insert after " + text;
}

std::vector<int> SetLayoutModel::layout() const {
  std::vector<int> values;
  values.reserve(m_output.size());
  for (const Item& item : m_output) values.push_back(item.value);
  return values;
}

int dragScrollDirection(int cursorY, int viewTop, int viewBottom) {
  if (cursorY < viewTop) return -1;
  if (cursorY > viewBottom) return 1;
  return 0;
}

}  // namespace hueset
