#include "settings/options.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "settings/options_file.h"
#include "settings/profile_store.h"
#include "util/decimal_text.h"
#include "util/text_format.h"

namespace hueset {
namespace {

// Drops what does not qualify, then reduces runs of one character.
template <typename Qualifies>
std::string cleanList(std::string_view text, Qualifies qualifies) {
  std::string out;
  for (char c : text) {
    if (!qualifies(c)) continue;
    if (!out.empty() && out.back() == c) continue;
    out += c;
  }
  return out;
}

// A stored folder that is empty is no folder at all: the default serves.
std::string readFolder(const ProfileStore& profile, std::string_view key,
                       const std::string& defaultValue) {
  std::string folder = profile.readString(kGeneralSection, key, defaultValue);
  return folder.empty() ? defaultValue : folder;
}

}  // namespace

// The whole record

void Options::load(const ProfileStore& profile, const PathDefaults& defaults) {
  html.load(profile);
  annotation.load(profile);
  parse.load(profile);
  output.load(profile);
  general.load(profile);
  input.load(profile);
  figure.load(profile);
  figureLayout.load(profile);
  columnMarks.load(profile);

  std::string documents =
      defaults.documentsFolder.empty() ? documentsFolder() : defaults.documentsFolder;
  // The key has always been read with a small "d" and written with a
  // capital one; names match without regard to case.
  paths.lastDocumentDirectory = readFolder(profile, "Last Document directory", documents);
  paths.lastAnnotateDirectory = readFolder(profile, "Last Annotate directory", documents);
  paths.lastConfigDirectory =
      readFolder(profile, "Last Config directory",
                 defaults.configDirectory.empty() ? documents : defaults.configDirectory);

  recentDocuments.reset();
  if (general.mruDocuments > 0) {
    recentDocuments.emplace(std::string(kRecentFileSection),
                            static_cast<std::size_t>(general.mruDocuments));
    recentDocuments->load(profile);
  }
  recentConfigurations.reset();
  if (general.mruConfigurations > 0) {
    recentConfigurations.emplace(std::string(kRecentConfigurationSection),
                                 static_cast<std::size_t>(general.mruConfigurations));
    recentConfigurations->load(profile);
  }
  paths.lastConfigurationFile = profile.readString(kGeneralSection, "Last Configuration File", "");
  paths.lastStructureDirectory =
      profile.readString(kGeneralSection, "Last Structure directory", "");
}

WriteResult Options::save(ProfileStore& profile, const std::string& currentDirectory) {
  if (recentConfigurations) recentConfigurations->save(profile);

  html.save(profile);
  output.save(profile);
  parse.save(profile);
  general.save(profile);
  annotation.save(profile);
  input.save(profile);
  figure.save(profile);
  figureLayout.save(profile);
  columnMarks.save(profile);

  if (!currentDirectory.empty()) paths.lastDocumentDirectory = currentDirectory;
  profile.writeString(kGeneralSection, "Last Document Directory", paths.lastDocumentDirectory);
  profile.writeString(kGeneralSection, "Last Config directory", paths.lastConfigDirectory);
  profile.writeString(kGeneralSection, "Last Annotate directory", paths.lastAnnotateDirectory);
  profile.writeString(kGeneralSection, "Last Configuration File", paths.lastConfigurationFile);
  // Only once a structure was added, so a profile of before stays as it was.
  if (!paths.lastStructureDirectory.empty())
    profile.writeString(kGeneralSection, "Last Structure directory", paths.lastStructureDirectory);

  if (recentDocuments) recentDocuments->save(profile);
  WriteResult result = profile.flush();

  // The summary is a courtesy: a folder that cannot take it is no error,
  // and without a known current directory there is nowhere to put it.
  if (!currentDirectory.empty()) (void)writeOptionsFile(*this, currentDirectory);
  return result;
}

WriteResult Options::save(ProfileStore& profile) {
  std::error_code ec;
  std::filesystem::path current = std::filesystem::current_path(ec);
  return save(profile, ec ? std::string() : current.string());
}

bool Options::enterDocumentDirectory() const {
  if (paths.lastDocumentDirectory.empty()) return false;
  std::error_code ec;
  std::filesystem::current_path(paths.lastDocumentDirectory, ec);
  return !ec;
}

std::string invalidResidueList(const ParseOptions& parse) {
  switch (parse.restrictResidues) {
    case 0: return {};
    case 1: return std::string(kNonStandardResidues);
    default: return parse.invalidResidues;
  }
}

std::string cleanInvalidResidues(std::string_view text) {
  std::string upper;
  for (char c : text) upper += toUpperAscii(c);
  return cleanList(upper, [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::string cleanSubstitutedGaps(std::string_view text) {
  return cleanList(text, [](char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
  });
}

namespace {

// The widest figure PDF readers take (200 inches), in points.
constexpr double kWidestFigurePoints = 14400;

std::string lowerWithoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

}  // namespace

std::optional<double> figureWidthPoints(std::string_view text) {
  const std::string word = lowerWithoutBlanks(text);
  if (word.empty()) return 0.0;
  constexpr double kPointsPerMillimetre = 72 / 25.4;
  if (word == "single") return kSingleColumnMillimetres * kPointsPerMillimetre;
  if (word == "double") return kDoubleColumnMillimetres * kPointsPerMillimetre;
  double value = 0;
  const std::size_t read = readDecimal(word, value);
  if (read == 0 || !(value >= 0)) return std::nullopt;
  const std::string_view unit = std::string_view(word).substr(read);
  double perUnit = 0;
  if (unit.empty() || unit == "mm") {
    perUnit = kPointsPerMillimetre;
  } else if (unit == "cm") {
    perUnit = 10 * kPointsPerMillimetre;
  } else if (unit == "in") {
    perUnit = 72;
  } else if (unit == "pt") {
    perUnit = 1;
  } else {
    return std::nullopt;
  }
  const double points = value * perUnit;
  if (points > kWidestFigurePoints) return std::nullopt;
  return points;
}

std::string cleanFigureWidth(std::string_view text) {
  return figureWidthPoints(text) ? lowerWithoutBlanks(text) : std::string();
}

std::string cleanFigureTitle(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= ' ' && c <= '~') out += c;
  }
  return out;
}

std::string cleanColumnMarks(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c > ' ' && c <= '~') out += c;
  }
  return out;
}

std::string cleanColumnRanges(std::string_view text) { return cleanColumnMarks(text); }

}  // namespace hueset
