#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "output/writer_factory.h"

namespace hueset {

// The "To File" command: which writer the chosen file type asks for, how the
// chosen name is cleaned, and what a failed save says.

struct AnnotationFileFilter {
  std::string_view label;
  std::string_view pattern;
};

// The types offered by the save dialog, in order; the first is preselected.
// The figures come after the two text forms, so those keep their places.
inline constexpr std::array<AnnotationFileFilter, 5> kAnnotationFileFilters = {{
    {"Rich Text Format File", "*.rtf"},
    {"HTML Web Page File", "*.html"},
    {"PDF Document", "*.pdf"},
    {"SVG Image", "*.svg"},
    {"PNG Image", "*.png"},
}};
inline constexpr std::string_view kAnnotationDefaultExtension = "rtf";

// The writer follows the chosen filter (0-based), never the typed extension.
OutputKind annotationFileTypeForFilter(int filterIndex);

// Drops a leading quotation mark and everything from the last one on, so a
// name typed in quotes is taken without them.
std::string cleanChosenFileName(std::string_view name);

// What the save dialog says, staying open, when the chosen file cannot be
// written where it is: its folder does not exist. None when it may be.
std::optional<std::string> chosenFileProblem(const std::string& path);

// Whether a new file can be made in `folder` (tried with a probe file,
// which is removed again).
bool folderTakesNewFiles(const std::string& folder);

// Why a save failed, as far as the folder and the file tell.
enum class SaveFailure { None, InvalidName, BadPath, AccessDenied, Other };

// Looks at `path` (after a failed write) to name the cause.
SaveFailure classifySaveFailure(const std::string& path);

// The message for a failed save of `path`: the cause's own text, else
// "Failed to save document.".
std::string saveErrorMessage(SaveFailure cause, const std::string& path);

}  // namespace hueset
