#pragma once

#include <string>
#include <string_view>

namespace hueset {

// The defaults of the remembered folders, which depend on the machine.
struct PathDefaults {
  std::string documentsFolder;
  std::string configDirectory;
};

// The user's documents folder: $XDG_DOCUMENTS_DIR, else ~/Documents, when
// that is a folder; else the current directory; else the root folder.
std::string documentsFolder();

// The folder holding the running program, or empty when it cannot be found.
std::string programFolder();

// Where the configuration file dialogs open by default: the "config files"
// folder beside the program when there is one, else the program's folder;
// `fallback` when the program's folder is unknown.
std::string defaultConfigDirectory(std::string_view programFolder, std::string_view fallback);

// Both defaults for this process.
PathDefaults systemPathDefaults();

}  // namespace hueset
