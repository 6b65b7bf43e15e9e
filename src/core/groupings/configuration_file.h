#pragma once

#include <string>
#include <string_view>

#include "groupings/grouping_set.h"
#include "util/file_write.h"

namespace hueset {

// The two forms a configuration file takes.
enum class ConfigurationForm {
  Binary,  // ".cfb"
  Text,    // ".cft"
};

enum class ConfigurationProblem {
  None,
  CannotOpen,  // the file could not be opened or read
  Corrupt,     // a damaged binary file, or a set without both special groupings
  TextError,   // the text reader stopped on a line
};

// What loading a configuration file gave. The caller makes `set` current
// only when `ok`, so a failed load never touches the configuration in use;
// on failure `message` is the text to show the user, in an error box or on
// the terminal.
struct ConfigurationLoad {
  bool ok = false;
  GroupingSet set;
  ConfigurationForm form = ConfigurationForm::Binary;  // the form it was read in
  ConfigurationProblem problem = ConfigurationProblem::None;
  std::string message;
};

// Opens `path` and reads it: as a binary configuration when it begins with
// the binary magic, otherwise as text. `path` is named in messages as given.
ConfigurationLoad loadConfigurationFile(const std::string& path);

// How file-error reports name a configuration file: "the configuration
// file " and `path`.
std::string configurationFileNamed(const std::string& path);

// The same decisions over a file's bytes already in memory.
ConfigurationLoad readConfiguration(std::string_view bytes, const std::string& path);

// The bytes of `set` in the given form.
std::string configurationBytes(const GroupingSet& set, ConfigurationForm form);

// Writes `set` to `path` in the given form. The file is replaced only once
// the new one is complete, so a failed save leaves the old file as it was.
WriteResult saveConfigurationFile(const GroupingSet& set, const std::string& path,
                                  ConfigurationForm form);

}  // namespace hueset
