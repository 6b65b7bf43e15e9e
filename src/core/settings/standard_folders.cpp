#include "settings/standard_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace hueset {
namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& p) {
  std::error_code ec;
  return !p.empty() && fs::is_directory(p, ec);
}

}  // namespace

std::string documentsFolder() {
  if (const char* xdg = std::getenv("XDG_DOCUMENTS_DIR"); xdg && isFolder(xdg)) return xdg;
  if (const char* home = std::getenv("HOME"); home && *home) {
    fs::path documents = fs::path(home) / "Documents";
    if (isFolder(documents)) return documents.string();
  }
  std::error_code ec;
  fs::path current = fs::current_path(ec);
  if (!ec && !current.empty()) return current.string();
  return "/";
}

std::string programFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return {};
  return exe.parent_path().string();
}

std::string defaultConfigDirectory(std::string_view programFolder, std::string_view fallback) {
  if (programFolder.empty()) return std::string(fallback);
  fs::path configFiles = fs::path(programFolder) / "config files";
  if (isFolder(configFiles)) return configFiles.string();
  return std::string(programFolder);
}

PathDefaults systemPathDefaults() {
  PathDefaults defaults;
  defaults.documentsFolder = documentsFolder();
  defaults.configDirectory = defaultConfigDirectory(programFolder(), defaults.documentsFolder);
  return defaults;
}

}  // namespace hueset
