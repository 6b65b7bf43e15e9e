#include "settings/options_file.h"

#include <filesystem>

#include "settings/options.h"
#include "util/file_write.h"

namespace hueset {

bool writeOptionsFile(const Options& options, const std::string& folder) {
  std::filesystem::path path = folder.empty() ? std::filesystem::path(kOptionsFileName)
                                              : std::filesystem::path(folder) / kOptionsFileName;
  return writeFileAtomically(path.string(), optionsFileText(options)).ok;
}

}  // namespace hueset
