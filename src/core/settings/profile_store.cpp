#include "settings/profile_store.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <system_error>
#include <utility>

#include "util/text_format.h"

namespace hueset {
namespace fs = std::filesystem;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isControl(char c) {
  auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F;
}

enum class Part { sectionName, key, value };

std::string escape(std::string_view text, Part part) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool atEnd = (i == 0 || i + 1 == text.size());
    switch (c) {
      case '\\': out += "\\\\"; continue;
      case '\n': out += "\\n"; continue;
      case '\r': out += "\\r"; continue;
      case '\t': out += "\\t"; continue;
      default: break;
    }
    if (isControl(c)) {
      auto u = static_cast<unsigned char>(c);
      out += "\\x";
      out += kHex[u >> 4];
      out += kHex[u & 0xF];
      continue;
    }
    const bool special = (c == ' ' && atEnd) ||
                         (part == Part::key && i == 0 && (c == ';' || c == '#' || c == '[')) ||
                         (part == Part::key && c == '=') || (part == Part::sectionName && c == ']');
    if (special) out += '\\';
    out += c;
  }
  return out;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = toUpperAscii(c);
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct Decoded {
  std::string text;
  std::size_t end = 0;      // position of the terminator, or the line's length
  bool terminated = false;  // the terminator was found
};

// Reads escaped text from `pos` up to an unescaped `terminator` (none when 0).
// Blanks at either end are dropped unless they were escaped.
Decoded decode(std::string_view line, std::size_t pos, char terminator) {
  Decoded result;
  std::string& out = result.text;
  std::size_t keep = 0;  // length of `out` up to its last character that stays
  while (pos < line.size()) {
    char c = line[pos];
    if (terminator != 0 && c == terminator) {
      result.terminated = true;
      break;
    }
    if (c == '\\' && pos + 1 < line.size()) {
      char next = line[pos + 1];
      pos += 2;
      switch (next) {
        case 'n': c = '\n'; break;
        case 'r': c = '\r'; break;
        case 't': c = '\t'; break;
        case 'x':
          if (pos + 1 < line.size() && hexValue(line[pos]) >= 0 && hexValue(line[pos + 1]) >= 0) {
            c = static_cast<char>(hexValue(line[pos]) * 16 + hexValue(line[pos + 1]));
            pos += 2;
          } else {
            c = 'x';
          }
          break;
        default: c = next; break;
      }
      out += c;
      keep = out.size();
      continue;
    }
    ++pos;
    if (out.empty() && isBlank(c)) continue;
    out += c;
    if (!isBlank(c)) keep = out.size();
  }
  out.resize(keep);
  result.end = pos;
  return result;
}

// A whole decimal number with an optional sign, taken as the store's 32-bit
// value: anything beyond 32 bits saturates, and numbers from 2^31 to 2^32 - 1
// wrap to the negative values they stand for.
std::optional<int> parseStoredInteger(std::string_view text) {
  text = trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  constexpr std::int64_t kCap = std::int64_t{1} << 40;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    if (value < kCap) value = value * 10 + (c - '0');
  }
  if (negative) {
    value = -value;
    return static_cast<int>(
        std::max<std::int64_t>(value, std::numeric_limits<std::int32_t>::min()));
  }
  value = std::min<std::int64_t>(value, std::numeric_limits<std::uint32_t>::max());
  return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

}  // namespace

IniProfileStore::IniProfileStore(std::string path) : m_path(std::move(path)) {
  if (m_path.empty()) return;
  std::error_code ec;
  auto status = fs::status(m_path, ec);
  if (ec || !fs::exists(status)) return;  // a first run: no file yet
  if (fs::is_directory(status)) {
    m_unreadable = true;
    return;
  }
  std::ifstream in(m_path, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  if (!in || in.bad()) {
    m_unreadable = true;
    return;
  }
  loadFromText(bytes.str());
}

void IniProfileStore::loadFromText(std::string_view text) {
  m_sections.clear();
  m_sectionIndex.clear();
  m_damagedLines = 0;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Section* current = nullptr;  // no section yet, or a damaged header
  while (!text.empty()) {
    std::size_t lineEnd = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);

    std::size_t pos = 0;
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    if (pos == line.size() || line[pos] == ';' || line[pos] == '#') continue;
    if (line[pos] == '[') {
      Decoded name = decode(line, pos + 1, ']');
      current = nullptr;
      if (!name.terminated) {
        ++m_damagedLines;
        continue;
      }
      current = &sectionForWriting(name.text);
      continue;
    }
    Decoded key = decode(line, pos, '=');
    if (current == nullptr || !key.terminated) {
      ++m_damagedLines;
      continue;
    }
    Decoded value = decode(line, key.end + 1, 0);
    writeString(current->name, key.text, value.text);
  }
}

std::string IniProfileStore::problem() const {
  if (m_unreadable) {
    return "The settings file \"" + m_path +
           "\" could not be read: the default settings are used, and the file is left unchanged.";
  }
  if (m_damagedLines > 0) {
    return "The settings file \"" + m_path + "\" has " + std::to_string(m_damagedLines) +
           (m_damagedLines == 1 ? " damaged line, which is" : " damaged lines, which are") +
           " ignored.";
  }
  return {};
}

std::string IniProfileStore::toText() const {
  std::string out;
  for (const Section& section : m_sections) {
    if (!out.empty()) out += '\n';
    out += '[';
    out += escape(section.name, Part::sectionName);
    out += "]\n";
    for (const Entry& entry : section.entries) {
      out += escape(entry.key, Part::key);
      out += '=';
      out += escape(entry.value, Part::value);
      out += '\n';
    }
  }
  return out;
}

const IniProfileStore::Section* IniProfileStore::findSection(std::string_view name) const {
  auto it = m_sectionIndex.find(lowerAscii(name));
  return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

IniProfileStore::Section* IniProfileStore::findSection(std::string_view name) {
  return const_cast<Section*>(std::as_const(*this).findSection(name));
}

IniProfileStore::Section& IniProfileStore::sectionForWriting(std::string_view name) {
  if (Section* found = findSection(name)) return *found;
  m_sectionIndex.emplace(lowerAscii(name), m_sections.size());
  m_sections.push_back(Section{std::string(name), {}, {}});
  return m_sections.back();
}

const IniProfileStore::Entry* IniProfileStore::findEntry(std::string_view section,
                                                         std::string_view key) const {
  const Section* s = findSection(section);
  if (!s) return nullptr;
  auto it = s->index.find(lowerAscii(key));
  return it == s->index.end() ? nullptr : &s->entries[it->second];
}

void IniProfileStore::reindexSections() {
  m_sectionIndex.clear();
  for (std::size_t i = 0; i < m_sections.size(); ++i) {
    Section& section = m_sections[i];
    m_sectionIndex.emplace(lowerAscii(section.name), i);
    section.index.clear();
    for (std::size_t k = 0; k < section.entries.size(); ++k) {
      section.index.emplace(lowerAscii(section.entries[k].key), k);
    }
  }
}

int IniProfileStore::readInt(std::string_view section, std::string_view key,
                             int defaultValue) const {
  const Entry* entry = findEntry(section, key);
  if (!entry) return defaultValue;
  return parseStoredInteger(entry->value).value_or(defaultValue);
}

std::string IniProfileStore::readString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const {
  const Entry* entry = findEntry(section, key);
  return entry ? entry->value : std::string(defaultValue);
}

void IniProfileStore::writeInt(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniProfileStore::writeString(std::string_view section, std::string_view key,
                                  std::string_view value) {
  Section& s = sectionForWriting(section);
  // An existing value keeps the spelling of its name.
  auto [it, added] = s.index.emplace(lowerAscii(key), s.entries.size());
  if (!added) {
    s.entries[it->second].value = std::string(value);
    return;
  }
  s.entries.push_back(Entry{std::string(key), std::string(value)});
}

bool IniProfileStore::hasValue(std::string_view section, std::string_view key) const {
  return findEntry(section, key) != nullptr;
}

void IniProfileStore::removeValue(std::string_view section, std::string_view key) {
  Section* s = findSection(section);
  if (!s || !s->index.contains(lowerAscii(key))) return;
  const std::string lower = lowerAscii(key);
  std::erase_if(s->entries, [&](const Entry& e) { return lowerAscii(e.key) == lower; });
  reindexSections();
}

void IniProfileStore::removeSection(std::string_view section) {
  const std::string lower = lowerAscii(section);
  std::erase_if(m_sections, [&](const Section& s) { return lowerAscii(s.name) == lower; });
  reindexSections();
}

std::vector<std::string> IniProfileStore::sectionNames() const {
  std::vector<std::string> names;
  for (const Section& section : m_sections) names.push_back(section.name);
  return names;
}

std::vector<std::string> IniProfileStore::keyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* s = findSection(section)) {
    for (const Entry& entry : s->entries) names.push_back(entry.key);
  }
  return names;
}

WriteResult IniProfileStore::flush() {
  if (m_path.empty()) return WriteResult{false, "No settings file was given."};
  if (m_unreadable) {
    return WriteResult{
        false, "The settings file \"" + m_path + "\" could not be read, so it is left unchanged."};
  }
  fs::path parent = fs::path(m_path).parent_path();
  if (!parent.empty()) {
    std::error_code ec;
    fs::create_directories(parent, ec);  // a failure shows in the write below
  }
  return writeFileAtomically(m_path, toText());
}

std::string userSettingsFolderFrom(const char* xdgConfigHome, const char* home) {
  auto given = [](const char* s) { return s != nullptr && *s != '\0'; };
  fs::path base;
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the convention asks.
  if (given(xdgConfigHome) && fs::path(xdgConfigHome).is_absolute()) {
    base = xdgConfigHome;
  } else if (given(home)) {
    base = fs::path(home) / ".config";
  } else {
    return {};
  }
  return (base / "Vantor").string();
}

std::string userSettingsFolder() {
  return userSettingsFolderFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string profilePathFrom(const char* profileVariable, const char* xdgConfigHome,
                            const char* home) {
  if (profileVariable != nullptr && *profileVariable != '\0') return profileVariable;
  const std::string folder = userSettingsFolderFrom(xdgConfigHome, home);
  if (folder.empty()) return {};
  return (fs::path(folder) / "Hueset.ini").string();
}

std::string defaultProfilePath() {
  return profilePathFrom(std::getenv("HUESET_PROFILE"), std::getenv("XDG_CONFIG_HOME"),
                         std::getenv("HOME"));
}

}  // namespace hueset
