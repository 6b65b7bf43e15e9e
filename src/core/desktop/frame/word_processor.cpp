#include "desktop/frame/word_processor.h"

namespace hueset {

std::string findWriterProgram(const ExecutableFinder& find) {
  for (std::string_view name : kWriterPrograms) {
    std::string path = find(name);
    if (!path.empty()) return path;
  }
  return {};
}

WordProcessorLaunch writerLaunch(const std::string& program, const std::string& rtfPath) {
  // "-n" opens the file as a template: the user gets an untitled document and
  // a later save cannot overwrite the temporary file by accident.
  return WordProcessorLaunch{program, {"--writer", "-n", rtfPath}};
}

std::string wordProcessorMissingMessage() {
  return "No compatible version of Word for Windows could be found.\r\n"
         "Please copy and paste the annotation using the Windows Clipboard.";
}

std::string wordProcessorErrorMessage(std::string_view description) {
  std::string text =
      "Word for Windows reported the following error in receiving the annotated sequences.\r\n\"";
  text += description;
  text += "\"\r\nIt might be easier to paste in the results using the clipboard. ";
  return text;
}

}  // namespace hueset
