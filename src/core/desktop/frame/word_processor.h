#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hueset {

// The hand-off of an RTF annotation to a word processor. On this platform the
// annotation is written to a file that LibreOffice Writer opens as a new,
// untitled document; without Writer the desktop's default application for
// .rtf files opens it.

struct WordProcessorLaunch {
  std::string program;
  std::vector<std::string> arguments;
};

// Finds an executable by name on the search path; empty when there is none.
using ExecutableFinder = std::function<std::string(std::string_view name)>;

// The program names tried for LibreOffice, in order.
inline constexpr std::string_view kWriterPrograms[] = {"soffice", "libreoffice"};

// The full path of LibreOffice, or empty.
std::string findWriterProgram(const ExecutableFinder& find);

// How Writer is started on `rtfPath`: a new document made from the file.
WordProcessorLaunch writerLaunch(const std::string& program, const std::string& rtfPath);

// Shown when no word processor could take the annotation.
std::string wordProcessorMissingMessage();
inline constexpr std::string_view kWordProcessorMissingCaption = "Error";

// Shown when the word processor could not be given the annotation;
// `description` is the reason reported.
std::string wordProcessorErrorMessage(std::string_view description);
inline constexpr std::string_view kWordProcessorErrorCaption = "errorError";

}  // namespace hueset
