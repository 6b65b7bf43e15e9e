#include "desktop/annotation/annotation_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "desktop/frame/frame_messages.h"
#include "figure/output_kinds.h"
#include "util/string_table.h"
#include "util/text_format.h"

namespace hueset {
namespace fs = std::filesystem;

namespace {

// The causes of a failed save that have a text of their own; "%1" in a
// text stands for the file. Any other cause says "Failed to save document.".
constexpr std::pair<SaveFailure, FrameMessage> kFailureTexts[] = {
    {SaveFailure::InvalidName, FrameMessage::InvalidFileName},
    {SaveFailure::BadPath, FrameMessage::InvalidPath},
    {SaveFailure::AccessDenied, FrameMessage::AccessDenied},
};

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

std::vector<AnnotationFileFilter> annotationFileFilters() {
  std::vector<AnnotationFileFilter> filters;
  for (const OutputKindInfo& info : outputKinds()) {
    if (!info.filterLabel.empty())
      filters.push_back({info.filterLabel, info.filterPattern, info.kind});
  }
  return filters;
}

OutputKind annotationFileTypeForFilter(int filterIndex) {
  const std::vector<AnnotationFileFilter> filters = annotationFileFilters();
  if (filterIndex < 0 || static_cast<std::size_t>(filterIndex) >= filters.size())
    return filters.front().kind;
  return filters[static_cast<std::size_t>(filterIndex)].kind;
}

namespace {

// `stem` with the filter's extension after it.
std::string withFilterExtension(std::string_view stem, int filterIndex) {
  const OutputKind kind = annotationFileTypeForFilter(filterIndex);
  return std::string(stem) + "." + std::string(outputKindInfo(kind).extensions.front());
}

// The kind of a typed extension, among the kinds the dialog offers.
std::optional<OutputKind> offeredKindOf(std::string_view name) {
  const auto typed = outputKindForExtension(name);
  if (!typed || outputKindInfo(*typed).filterLabel.empty()) return std::nullopt;
  return typed;
}

}  // namespace

AnnotationFileTarget annotationFileTarget(std::string_view chosenPath, int filterIndex) {
  if (const auto typed = offeredKindOf(chosenPath)) return {std::string(chosenPath), *typed};
  return {withFilterExtension(chosenPath, filterIndex), annotationFileTypeForFilter(filterIndex)};
}

std::string proposedAnnotationFileName(std::string_view documentPath, int filterIndex) {
  const fs::path name = fs::path(documentPath).filename();
  if (name.empty()) return {};
  return withFilterExtension(name.stem().string(), filterIndex);
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
  FrameMessage text = FrameMessage::FailedToSave;
  for (const auto& [failure, id] : kFailureTexts) {
    if (failure == cause) text = id;
  }
  return fillPlaceholder(loadString(text), path);
}

}  // namespace hueset
