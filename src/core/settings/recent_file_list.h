#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hueset {

class ProfileStore;

// A list of recently used files, most recent first, kept in one section of
// the profile store as "File1", "File2", ... The desktop program's menus show
// it; opening or saving a file adds to it, a file that fails to open is
// removed from it.
class RecentFileList {
 public:
  static constexpr std::size_t kShownWidth = 30;

  RecentFileList(std::string section, std::size_t capacity, std::size_t shownWidth = kShownWidth);

  const std::string& section() const { return m_section; }
  std::size_t capacity() const { return m_capacity; }
  std::size_t shownWidth() const { return m_shownWidth; }
  const std::vector<std::string>& entries() const { return m_entries; }
  std::size_t size() const { return m_entries.size(); }
  bool empty() const { return m_entries.empty(); }

  // Puts `path` first. An equal entry further down moves up rather than
  // appearing twice; the oldest entry drops off a full list. An empty path
  // is ignored.
  void add(std::string_view path);
  // Removes the entry at `index`; an index past the end changes nothing.
  void remove(std::size_t index);

  // Reads "File1" to "File<capacity>"; empty and repeated entries are skipped.
  void load(const ProfileStore& profile);
  // Replaces the section's contents with the entries.
  void save(ProfileStore& profile) const;

  // The text a menu shows for entry `index`: the bare file name when the
  // file lies in `currentDirectory`, else the path shortened to the shown
  // width by leaving out folders in the middle.
  std::string displayName(std::size_t index, std::string_view currentDirectory = {}) const;

  bool operator==(const RecentFileList&) const = default;

 private:
  std::string m_section;
  std::size_t m_capacity;
  std::size_t m_shownWidth;
  std::vector<std::string> m_entries;
};

// Shortens `path` to at most `width` bytes where it can: the first folder is
// kept, folders after it are replaced by "...", and the file name is never
// cut ("/home/.../data/sample.msf", ".../sample.msf", or the name alone).
std::string abbreviatePath(std::string_view path, std::size_t width);

}  // namespace hueset
