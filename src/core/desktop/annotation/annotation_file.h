#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/output_kind.h"

namespace hueset {

// The "To File" command: which file and writer the chosen name and type ask
// for, how the chosen name is cleaned, and what a failed save says.

struct AnnotationFileFilter {
  std::string_view label;
  std::string_view pattern;
  OutputKind kind;
};

// The types offered by the save dialog, in order (the kinds' table's rows
// that have one); the first is preselected. The figures come after the two
// text forms, so those keep their places.
std::vector<AnnotationFileFilter> annotationFileFilters();
// The preselected type's extension.
inline constexpr std::string_view kAnnotationDefaultExtension = "rtf";

// The kind of the chosen filter (0-based); the first for any other index.
OutputKind annotationFileTypeForFilter(int filterIndex);

// The file "To File" writes and its kind.
struct AnnotationFileTarget {
  std::string path;
  OutputKind kind;
  bool operator==(const AnnotationFileTarget&) const = default;
};

// An extension the user typed decides the kind, whichever filter is chosen;
// a name without one (or with one of no kind the dialog offers) gets the
// chosen filter's extension and kind. So a file's extension always names
// what it holds.
AnnotationFileTarget annotationFileTarget(std::string_view chosenPath, int filterIndex);

// The name the save dialog proposes: the document's file name with the
// chosen filter's extension in place of its own. Empty for a document never
// saved.
std::string proposedAnnotationFileName(std::string_view documentPath, int filterIndex);

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
