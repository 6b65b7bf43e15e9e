#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "groupings/builtin_defaults.h"
#include "groupings/configuration_file.h"
#include "groupings/grouping_set.h"

namespace hueset {

// The configuration in use: the grouping set with the file it came from.
// The application owns exactly one.
struct CurrentConfiguration {
  GroupingSet set;
  std::string path;   // absolute; empty while a built-in default is in use
  std::string title;  // the file name, or the built-in default's title
  // The set differs from its file. Only the groupings editor sets it, just
  // before it saves; loading and every successful save clear it.
  bool modified = false;
  // The set was last read from a binary file: the form a plain Save writes.
  bool readAsBinary = true;

  bool operator==(const CurrentConfiguration&) const = default;
};

// Makes a successfully read file's set current. Path and title are not
// touched: the caller decides whether the file becomes the current one.
void takeLoadedConfiguration(CurrentConfiguration& state, ConfigurationLoad&& load);

// Makes a built-in default current: its title, no path, not modified.
void takeBuiltinDefault(CurrentConfiguration& state, BuiltinDefault which);

// The configuration a run starts with: the last configuration file when it
// can be loaded, else the built-in colour default. The desktop program and the
// command-line tool both start this way.
struct StartupConfiguration {
  std::string path;        // the last file, absolute; empty when there was none
  ConfigurationLoad load;  // that file as read; not ok when there was none or it failed

  bool usesFile() const { return load.ok; }
  // A file was named but cannot be used: `load.message` says why, and the
  // built-in colour default takes its place.
  bool fileFailed() const { return !path.empty() && !load.ok; }
  // The set to use: the file's, or the built-in colour default.
  GroupingSet takeSet();
};
StartupConfiguration startupConfiguration(const std::string& lastConfigurationFile);

// Names `path` (absolute) as the configuration's file: path and title.
void setConfigurationPath(CurrentConfiguration& state, const std::string& path);

// The display name of a configuration file: its file name.
std::string configurationFileTitle(std::string_view path);

// The name Save As proposes: the current path, or else the title up to the
// first character a file name should not start a word with (blank, "#",
// "%", ";", "/", backslash) plus ".cfb", in `directory`.
std::string proposedConfigurationPath(const CurrentConfiguration& state,
                                      std::string_view directory);

// The form a plain Save writes: the one the set was last read in.
ConfigurationForm plainSaveForm(const CurrentConfiguration& state);

// A plain Save turns into Save As when there is no file, its attributes
// cannot be read (it has gone) or it is read-only (no write permission for
// anyone, the nearest thing to a read-only attribute).
bool saveNeedsNewName(const std::string& path);

// "Save changes to the Residues Group Configuration File "<name>"?", naming
// the file, or the title when there is none.
std::string saveChangesQuestion(const CurrentConfiguration& state);

// "Reload" needs a file to go back to and changes to discard.
bool reloadEnabled(const CurrentConfiguration& state);
// The plain Save command is there only for unsaved changes.
bool saveEnabled(const CurrentConfiguration& state);

// The types the configuration file dialogs offer, in order.
struct ConfigurationFileFilter {
  std::string_view label;
  std::string_view pattern;
};
inline constexpr std::array<ConfigurationFileFilter, 3> kConfigurationOpenFilters = {{
    {"Binary Configuration Files", "*.cfb"},
    {"Text Configuration Files", "*.cft"},
    {"All Files (*.*)", "*.*"},
}};
// Save As offers the first two; the binary one is preselected.
inline constexpr std::array<ConfigurationFileFilter, 2> kConfigurationSaveFilters = {{
    {"Binary Configuration Files", "*.cfb"},
    {"Text Configuration Files", "*.cft"},
}};
inline constexpr std::string_view kConfigurationDefaultExtension = "cfb";

// The form follows the filter chosen in the save dialog (0-based), never the
// typed extension.
ConfigurationForm configurationFormForFilter(int filterIndex);

// Taken before a command replaces the configuration. Unless committed, it
// puts everything back when it goes out of scope (set, error text, modified,
// read-as-binary, title, path; the recent list and the folder are not part
// of it) and calls `restored`, which refreshes the caption.
class ConfigurationSnapshot {
 public:
  explicit ConfigurationSnapshot(CurrentConfiguration& state, std::function<void()> restored = {});
  ~ConfigurationSnapshot();
  ConfigurationSnapshot(const ConfigurationSnapshot&) = delete;
  ConfigurationSnapshot& operator=(const ConfigurationSnapshot&) = delete;

  // Keeps the configuration as it is now.
  void commit() { m_commit = true; }
  bool committed() const { return m_commit; }
  const CurrentConfiguration& saved() const { return m_saved; }

 private:
  CurrentConfiguration& m_state;
  CurrentConfiguration m_saved;
  std::function<void()> m_restored;
  bool m_commit = false;
};

}  // namespace hueset
