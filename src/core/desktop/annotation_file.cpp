#include "desktop/annotation_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "util/string_table.h"
#include "util/text_format.h"

namespace hueset {
namespace fs = std::filesystem;

namespace {

constexpr int kInvalidFileName = 61696;
constexpr int kFailedToSave = 61698;
constexpr int kBadPath = 61859;
constexpr int kAccessDenied = 61861;

// Opening for append changes nothing in an existing file.
bool fileWritable(const fs::path& p) { return static_cast<bool>(std::ofstream(p, std::ios::app)); }

bool folderWritable(const fs::path& folder) {
  fs::path probe = folder / ".hueset-write-probe";
  std::error_code ec;
  if (fs::exists(probe, ec)) return fileWritable(probe);
  bool ok = static_cast<bool>(std::ofstream(probe, std::ios::app));
  if (ok) fs::remove(probe, ec);
  return ok;
}

}  // namespace

OutputKind annotationFileTypeForFilter(int filterIndex) {
  switch (filterIndex) {
    case 1: return OutputKind::Html;
    case 2: return OutputKind::Pdf;
    case 3: return OutputKind::Svg;
    case 4: return OutputKind::Png;
    default: return OutputKind::Rtf;
  }
}

std::string cleanChosenFileName(std::string_view name) {
  if (!name.empty() && name.front() == '"') name.remove_prefix(1);
  auto last = name.rfind('"');
  if (last != std::string_view::npos) name = name.substr(0, last);
  return std::string(name);
}

bool folderTakesNewFiles(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && folderWritable(folder);
}

std::optional<std::string> chosenFileProblem(const std::string& path) {
  fs::path folder = fs::path(path).parent_path();
  if (folder.empty()) folder = ".";
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return std::nullopt;
  return saveErrorMessage(SaveFailure::BadPath, path);
}

SaveFailure classifySaveFailure(const std::string& path) {
  if (path.empty()) return SaveFailure::InvalidName;
  std::error_code ec;
  fs::path target(path);
  if (fs::is_directory(target, ec)) return SaveFailure::InvalidName;
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  if (!fs::is_directory(folder, ec)) return SaveFailure::BadPath;
  if (fs::exists(target, ec) && !fileWritable(target)) return SaveFailure::AccessDenied;
  if (!folderWritable(folder)) return SaveFailure::AccessDenied;
  return SaveFailure::Other;
}

std::string saveErrorMessage(SaveFailure cause, const std::string& path) {
  switch (cause) {
    case SaveFailure::InvalidName:
      return std::string(loadString(kInvalidFileName));
    case SaveFailure::BadPath:
      return fillPlaceholder(loadString(kBadPath), path);
    case SaveFailure::AccessDenied:
      return fillPlaceholder(loadString(kAccessDenied), path);
    case SaveFailure::None:
    case SaveFailure::Other:
      break;
  }
  return std::string(loadString(kFailedToSave));
}

}  // namespace hueset
