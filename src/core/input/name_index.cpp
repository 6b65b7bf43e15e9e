#include "input/name_index.h"

namespace hueset {

NameIndex::NameIndex(std::vector<std::string>& names) : m_names(names) {
  m_index.reserve(names.size());
  // The first of equal names wins, which is what a full scan from the
  // start would find.
  for (std::size_t i = 0; i < names.size(); ++i) m_index.emplace(names[i], static_cast<int>(i));
}

int NameIndex::find(std::string_view token, int& running) const {
  const int n = static_cast<int>(m_names.size());
  if (n == 0) return -1;
  const int next = (running + 1) % n;
  if (m_names[static_cast<std::size_t>(next)] == token) {
    running = next;
    return next;
  }
  auto it = m_index.find(token);
  if (it == m_index.end()) return -1;
  running = it->second;
  return it->second;
}

int NameIndex::add(std::string_view name) {
  const int index = static_cast<int>(m_names.size());
  m_names.emplace_back(name);
  m_index.emplace(m_names.back(), index);
  m_running = index;
  return index;
}

std::string& NameIndex::rowOf(std::string_view name, std::vector<std::string>& rows) {
  int i = find(name);
  if (i < 0) {
    i = add(name);
    rows.emplace_back();
  }
  return rows[static_cast<std::size_t>(i)];
}

}  // namespace hueset
