#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "util/file_write.h"

namespace hueset {

// The desktop program's window settings live in a section of their own,
// apart from the options (and so out of the options file).
inline constexpr std::string_view kWindowSection = "Window";

// The per-user store of the program's settings: named sections holding named
// integer and text values. Section and key names are matched without regard
// to the case of ASCII letters, so "Last Document directory" and
// "Last Document Directory" name the same value.
class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // Integers are 32-bit values, as the store has always kept them; callers
  // that want an unsigned reading convert the result. A missing value, or one
  // that is not a number, gives `defaultValue`.
  virtual int readInt(std::string_view section, std::string_view key, int defaultValue) const = 0;
  virtual std::string readString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const = 0;
  virtual void writeInt(std::string_view section, std::string_view key, int value) = 0;
  virtual void writeString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;

  virtual bool hasValue(std::string_view section, std::string_view key) const = 0;
  virtual void removeValue(std::string_view section, std::string_view key) = 0;
  virtual void removeSection(std::string_view section) = 0;
  virtual std::vector<std::string> sectionNames() const = 0;
  virtual std::vector<std::string> keyNames(std::string_view section) const = 0;

  // Makes the values written so far permanent.
  virtual WriteResult flush() = 0;
};

// The profile store kept in an INI file.
//
// One "[Section]" line per section, then one "key=value" line per value.
// Integers are written as decimal numbers; texts as they are, except that a
// backslash escapes what the format would otherwise lose or misread:
//   \\  backslash          \n \r \t  line feed, carriage return, tab
//   \xHH  any other control byte
//   \=  an equals sign in a key      \]  a closing bracket in a section name
//   \   (backslash, blank) a blank at either end of a key or value
//   \; \# \[  one of these at the start of a line
// Any other escaped character stands for itself. Bytes above 127 and the
// characters " ; = [ inside a value are stored unchanged. Lines starting
// with ";" or "#" are comments. A damaged file never fails: lines that make
// no sense are skipped.
class IniProfileStore final : public ProfileStore {
 public:
  // A store with no file behind it (flush then fails).
  IniProfileStore() = default;
  // Reads `path`; a missing, empty or damaged file gives an empty store.
  explicit IniProfileStore(std::string path);

  const std::string& path() const { return m_path; }

  // What is wrong with the file, for a warning shown once; empty when it was
  // read whole (or there is none yet).
  std::string problem() const;

  // Replaces the contents with those of an INI text.
  void loadFromText(std::string_view text);
  // The contents as an INI text, as `flush` writes it.
  std::string toText() const;

  int readInt(std::string_view section, std::string_view key, int defaultValue) const override;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const override;
  void writeInt(std::string_view section, std::string_view key, int value) override;
  void writeString(std::string_view section, std::string_view key, std::string_view value) override;
  bool hasValue(std::string_view section, std::string_view key) const override;
  void removeValue(std::string_view section, std::string_view key) override;
  void removeSection(std::string_view section) override;
  std::vector<std::string> sectionNames() const override;
  std::vector<std::string> keyNames(std::string_view section) const override;

  // Writes the file, creating its folder when missing. The file is replaced
  // whole, so a failed write keeps the old one. A file that exists but could
  // not be read when the store was opened is never overwritten: the user's
  // settings in it would be lost.
  WriteResult flush() override;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  // Names match without regard to case, so the indexes are keyed by the
  // lower-case name; the vectors keep the order of the file.
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> index;
  };

  const Section* findSection(std::string_view name) const;
  Section* findSection(std::string_view name);
  Section& sectionForWriting(std::string_view name);
  const Entry* findEntry(std::string_view section, std::string_view key) const;
  void reindexSections();

  std::string m_path;
  std::vector<Section> m_sections;
  std::unordered_map<std::string, std::size_t> m_sectionIndex;
  bool m_unreadable = false;
  int m_damagedLines = 0;
};

// Where the profile lives: the file named by HUESET_PROFILE when that is set,
// else $XDG_CONFIG_HOME/Vantor/Hueset.ini, else ~/.config/Vantor/Hueset.ini.
// Empty when none of these can be formed (no home folder).
std::string defaultProfilePath();

// The same choice from given values of HUESET_PROFILE, XDG_CONFIG_HOME and
// HOME (null for an unset variable).
std::string profilePathFrom(const char* profileVariable, const char* xdgConfigHome,
                            const char* home);

// The user's own folder of the program's settings, where the profile lives
// unless HUESET_PROFILE names another file: $XDG_CONFIG_HOME/Vantor, else
// ~/.config/Vantor; empty without a home folder.
std::string userSettingsFolder();
std::string userSettingsFolderFrom(const char* xdgConfigHome, const char* home);

}  // namespace hueset
