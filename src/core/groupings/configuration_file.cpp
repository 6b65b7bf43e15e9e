#include "groupings/configuration_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "groupings/binary_config.h"
#include "groupings/groupings_messages.h"
#include "groupings/text_config.h"
#include "util/file_reports.h"
#include "util/text_format.h"
#include "util/utf8_text.h"

namespace hueset {
namespace {

ConfigurationLoad failure(ConfigurationProblem problem, std::string message) {
  ConfigurationLoad load;
  load.problem = problem;
  load.message = std::move(message);
  return load;
}

// TextFileError takes the path, the line and the reader's message in that order.
std::string textErrorMessage(const std::string& path, std::int32_t line, std::string_view error) {
  std::string_view templ = loadString(GroupingsMessage::TextFileError);
  const std::size_t last = templ.rfind("%s");
  if (last == std::string_view::npos) return fillTemplate(templ, line, path);
  std::string message = fillTemplate(templ.substr(0, last), line, path);
  message.append(error);
  message.append(templ.substr(last + 2));
  return message;
}

std::string corruptMessage(const std::string& path) {
  return fillTemplate(loadString(GroupingsMessage::CorruptFile), 0, path);
}

// A font name goes into figures, which are UTF-8 and have no place for
// control characters: a name from an older system is taken as Latin-1, and
// control characters, which no font's name holds, are dropped.
std::string loadedFontName(std::string_view bytes) {
  const std::string utf8 = asUtf8(bytes);
  std::string name;
  for (std::size_t i = 0; i < utf8.size();) {
    std::uint32_t code = 0;
    const std::size_t n = utf8SequenceLength(utf8, i, &code);
    if (!(code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0))) name.append(utf8, i, n);
    i += n;
  }
  return name;
}

bool hasSpecialGroupings(const GroupingSet& set) {
  return set.groupings.size() >= GroupingSet::kFirstOrdinary;
}

ConfigurationLoad loaded(GroupingSet set, ConfigurationForm form) {
  ConfigurationLoad load;
  load.ok = true;
  load.set = std::move(set);
  load.set.fontName = loadedFontName(load.set.fontName);
  load.form = form;
  return load;
}

}  // namespace

std::string configurationFileNamed(const std::string& path) {
  return "the configuration file " + path;
}

ConfigurationLoad readConfiguration(std::string_view bytes, const std::string& path) {
  GroupingSet binary;
  if (readBinary(binary, bytes) && hasSpecialGroupings(binary)) {
    if (binary.fontSize < GroupingSet::kSmallestFontSize ||
        binary.fontSize > GroupingSet::kLargestFontSize) {
      return failure(
          ConfigurationProblem::Corrupt,
          fillTemplate(loadString(GroupingsMessage::BinaryFontSize), binary.fontSize, path));
    }
    return loaded(std::move(binary), ConfigurationForm::Binary);
  }
  if (binary.lineNumber == 1) {
    // The magic matched: a damaged or too short binary file, or one without
    // both special groupings.
    return failure(ConfigurationProblem::Corrupt, corruptMessage(path));
  }

  GroupingSet text;
  if (!readText(text, bytes)) {
    return failure(ConfigurationProblem::TextError,
                   textErrorMessage(path, text.lineNumber, text.lastError));
  }
  // The annotation, the editor and the writers all need "Default" and
  // "Single": a text file without them is refused like a binary one.
  if (!hasSpecialGroupings(text)) {
    ConfigurationLoad load = failure(ConfigurationProblem::Corrupt, corruptMessage(path));
    load.form = ConfigurationForm::Text;
    return load;
  }
  return loaded(std::move(text), ConfigurationForm::Text);
}

ConfigurationLoad loadConfigurationFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (path.empty() || status.type() == fs::file_type::not_found) {
    return failure(ConfigurationProblem::CannotOpen,
                   fillPlaceholder(kFileNotFoundReport, configurationFileNamed(path)));
  }
  if (fs::is_directory(status)) {
    return failure(ConfigurationProblem::CannotOpen, std::string(kOpenFailedReport));
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return failure(ConfigurationProblem::CannotOpen, std::string(kOpenFailedReport));
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return failure(ConfigurationProblem::CannotOpen, std::string(kOpenFailedReport));
  return readConfiguration(bytes, path);
}

std::string configurationBytes(const GroupingSet& set, ConfigurationForm form) {
  return form == ConfigurationForm::Text ? writeText(set) : writeBinary(set);
}

WriteResult saveConfigurationFile(const GroupingSet& set, const std::string& path,
                                  ConfigurationForm form) {
  return writeFileAtomically(path, configurationBytes(set, form));
}

}  // namespace hueset
