#pragma once

#include <string>
#include <string_view>

namespace hueset {

struct Options;

inline constexpr std::string_view kOptionsFileName = "hueset.opt";

// The options file: a summary of the annotation-related options written at
// exit and never read back. One "key=value" line per option, each ending in
// CR LF, in a fixed order: HTML, annotation, parse and output options, then
// the figure options.
std::string optionsFileText(const Options& options);

// Writes "hueset.opt" into `folder` (the current directory when empty).
// Returns false when the file could not be written; callers at exit ignore
// that, as the profile store already holds the options.
bool writeOptionsFile(const Options& options, const std::string& folder);

}  // namespace hueset
