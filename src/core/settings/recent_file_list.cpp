#include "settings/recent_file_list.h"

#include <algorithm>
#include <filesystem>

#include "settings/profile_store.h"
#include "util/text_format.h"

namespace hueset {

namespace {

std::string entryKey(std::size_t index) {
  return printfString("File%d", static_cast<int>(index + 1));
}

}  // namespace

RecentFileList::RecentFileList(std::string section, std::size_t capacity, std::size_t shownWidth)
    : m_section(std::move(section)), m_capacity(capacity), m_shownWidth(shownWidth) {}

void RecentFileList::add(std::string_view path) {
  if (path.empty() || m_capacity == 0) return;
  std::erase(m_entries, path);
  m_entries.insert(m_entries.begin(), std::string(path));
  if (m_entries.size() > m_capacity) m_entries.resize(m_capacity);
}

void RecentFileList::remove(std::size_t index) {
  if (index < m_entries.size())
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecentFileList::load(const ProfileStore& profile) {
  m_entries.clear();
  for (std::size_t i = 0; i < m_capacity; ++i) {
    std::string path = profile.readString(m_section, entryKey(i), "");
    if (path.empty() || std::find(m_entries.begin(), m_entries.end(), path) != m_entries.end())
      continue;
    m_entries.push_back(std::move(path));
  }
}

void RecentFileList::save(ProfileStore& profile) const {
  // Clearing first keeps no stale "FileN" behind a list that has shrunk.
  profile.removeSection(m_section);
  for (std::size_t i = 0; i < m_entries.size(); ++i)
    profile.writeString(m_section, entryKey(i), m_entries[i]);
}

std::string RecentFileList::displayName(std::size_t index,
                                        std::string_view currentDirectory) const {
  if (index >= m_entries.size()) return {};
  const std::string& path = m_entries[index];
  if (!currentDirectory.empty()) {
    namespace fs = std::filesystem;
    while (currentDirectory.size() > 1 && currentDirectory.back() == '/')
      currentDirectory.remove_suffix(1);
    fs::path p(path);
    if (p.parent_path().lexically_normal() == fs::path(currentDirectory).lexically_normal()) {
      return p.filename().string();
    }
  }
  return abbreviatePath(path, m_shownWidth);
}

std::string abbreviatePath(std::string_view path, std::size_t width) {
  if (path.size() <= width) return std::string(path);
  const std::size_t lastSlash = path.rfind('/');
  if (lastSlash == std::string_view::npos) return std::string(path);  // a bare name is never cut
  const std::string_view name = path.substr(lastSlash + 1);
  const std::size_t headEnd = path.find('/', path.front() == '/' ? 1 : 0);
  if (headEnd != std::string_view::npos && headEnd < lastSlash) {
    const std::string_view head = path.substr(0, headEnd);
    for (std::size_t pos = path.find('/', headEnd + 1);
         pos != std::string_view::npos && pos <= lastSlash; pos = path.find('/', pos + 1)) {
      std::string candidate = std::string(head) + "/..." + std::string(path.substr(pos));
      if (candidate.size() <= width) return candidate;
    }
  }
  std::string shortest = ".../" + std::string(name);
  if (shortest.size() <= width) return shortest;
  return std::string(name);
}

}  // namespace hueset
