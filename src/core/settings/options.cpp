#include "settings/options.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "settings/options_file.h"
#include "settings/profile_store.h"
#include "util/text_format.h"

namespace hueset {
namespace {

// The store keeps 32-bit values; bounds are checked on them as unsigned
// numbers, which sends a negative value to the upper bound.
std::uint32_t readUnsigned(const ProfileStore& profile, std::string_view section, std::string_view key,
                           int defaultValue) {
  return static_cast<std::uint32_t>(profile.readInt(section, key, defaultValue));
}

int readClamped(const ProfileStore& profile, std::string_view section, std::string_view key, int defaultValue,
                std::uint32_t low, std::uint32_t high) {
  return static_cast<int>(std::clamp(readUnsigned(profile, section, key, defaultValue), low, high));
}

bool readBool(const ProfileStore& profile, std::string_view section, std::string_view key, bool defaultValue) {
  return profile.readInt(section, key, defaultValue ? 1 : 0) != 0;
}

void writeBool(ProfileStore& profile, std::string_view section, std::string_view key, bool value) {
  profile.writeInt(section, key, value ? 1 : 0);
}

void summaryLine(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  out += '=';
  out += value;
  out += "\r\n";
}
void summaryLine(std::string& out, std::string_view key, int value) { summaryLine(out, key, std::to_string(value)); }
void summaryLine(std::string& out, std::string_view key, bool value) {
  summaryLine(out, key, std::string_view(value ? "1" : "0"));
}

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
std::string readFolder(const ProfileStore& profile, std::string_view key, const std::string& defaultValue) {
  std::string folder = profile.readString(kGeneralSection, key, defaultValue);
  return folder.empty() ? defaultValue : folder;
}

}  // namespace

// HTML

void HtmlOptions::load(const ProfileStore& p) {
  const auto s = kHtmlSection;
  useSampleFont = readBool(p, s, "Use \"SAMPLE\" font", true);
  useBrowserFontSize = readBool(p, s, "Use Browser Font Size Settings", true);
  checkWebSafe = readBool(p, s, "Check for web-safe colours", true);
  styleMode = readClamped(p, s, "Use style Sheets", 0, 0, 1);
  colourPalette = readClamped(p, s, "Colour Palette", 0, 0, 1);
}

void HtmlOptions::save(ProfileStore& p) const {
  const auto s = kHtmlSection;
  writeBool(p, s, "Use \"SAMPLE\" font", useSampleFont);
  writeBool(p, s, "Use Browser Font Size Settings", useBrowserFontSize);
  writeBool(p, s, "Check for web-safe colours", checkWebSafe);
  p.writeInt(s, "Use style Sheets", styleMode);
  p.writeInt(s, "Colour Palette", colourPalette);
}

void HtmlOptions::writeSummary(std::string& out) const {
  summaryLine(out, "Use \"SAMPLE\" font", useSampleFont);
  summaryLine(out, "Use Browser Font Size Settings", useBrowserFontSize);
  summaryLine(out, "Check for web-safe colours", checkWebSafe);
  summaryLine(out, "Use style Sheets", styleMode);
  summaryLine(out, "Colour Palette", colourPalette);
}

// Annotation

void AnnotationOptions::load(const ProfileStore& p) {
  const auto s = kAnnotationSection;
  includeBlanks = readBool(p, s, "Include Blanks", true);
  xIsUnknown = readBool(p, s, "X is for Unknown", true);
  consensusThreshold = readClamped(p, s, "Consensus Threshold", 800, 500, 1000);
  useElision = readBool(p, s, "Use Elision", true);
  minimumElisionLength = readClamped(p, s, "Minimum Elision Length", 4, 4, 9999);
  elisionThreshold = readClamped(p, s, "Elision Threshold", 800, 0, 1000);
}

void AnnotationOptions::save(ProfileStore& p) const {
  const auto s = kAnnotationSection;
  writeBool(p, s, "X is for Unknown", xIsUnknown);
  writeBool(p, s, "Include Blanks", includeBlanks);
  writeBool(p, s, "Use Elision", useElision);
  p.writeInt(s, "Consensus Threshold", consensusThreshold);
  p.writeInt(s, "Minimum Elision Length", minimumElisionLength);
  p.writeInt(s, "Elision Threshold", elisionThreshold);
}

void AnnotationOptions::writeSummary(std::string& out) const {
  summaryLine(out, "X is for Unknown", xIsUnknown);
  summaryLine(out, "Consensus Threshold", consensusThreshold);
  summaryLine(out, "Include Blanks", includeBlanks);
  summaryLine(out, "Use Elision", useElision);
  summaryLine(out, "Minimum Elision Length", minimumElisionLength);
  summaryLine(out, "Elision Threshold", elisionThreshold);
}

// Parse

void ParseOptions::load(const ProfileStore& p) {
  const auto s = kParseSection;
  confirmFormats = readBool(p, s, "Confirm Data Formats", true);
  mergePhdPredictions = readBool(p, s, "Merge PHD predictions", true);
  ignoreConfidences = readBool(p, s, "Ignore 2ndary struct confidences", true);
  dscIgnoreCoil = readBool(p, s, "DSC Ignore Coil", true);
  allowLowerCase = readBool(p, s, "Allow lower case", false);
  allowStrangeLinkers = readBool(p, s, "Allow strange linkers", false);
  restrictResidues = readClamped(p, s, "Restrict to Valid AAs", 0, 0, 2);
  invalidResidues = cleanInvalidResidues(p.readString(s, "Invalid Residues", kNonStandardResidues));
}

void ParseOptions::save(ProfileStore& p) const {
  const auto s = kParseSection;
  writeBool(p, s, "Confirm Data Formats", confirmFormats);
  writeBool(p, s, "Merge PHD predictions", mergePhdPredictions);
  writeBool(p, s, "Ignore 2ndary struct confidences", ignoreConfidences);
  writeBool(p, s, "DSC Ignore Coil", dscIgnoreCoil);
  writeBool(p, s, "Allow lower case", allowLowerCase);
  writeBool(p, s, "Allow strange linkers", allowStrangeLinkers);
  p.writeInt(s, "Restrict to Valid AAs", restrictResidues);
  p.writeString(s, "Invalid Residues", invalidResidues);
}

void ParseOptions::writeSummary(std::string& out) const {
  summaryLine(out, "DSC Ignore Coil", dscIgnoreCoil);
  summaryLine(out, "Merge PHD predictions", mergePhdPredictions);
  summaryLine(out, "Restrict to Valid AAs", restrictResidues);
  summaryLine(out, "Invalid Residues", std::string_view(invalidResidues));
  summaryLine(out, "Confirm Data Formats", confirmFormats);
  summaryLine(out, "Allow lower case", allowLowerCase);
  summaryLine(out, "Allow strange linkers", allowStrangeLinkers);
  summaryLine(out, "Ignore 2ndary struct confidences", ignoreConfidences);
}

// Output

void OutputOptions::load(const ProfileStore& p) {
  const auto s = kOutputSection;
  enforceUpper = readBool(p, s, "Enforce Upper", true);
  enforceLinker = readBool(p, s, "Enforce Linker Character", true);
  substitutedLinkers = cleanSubstitutedLinkers(p.readString(s, "Substituted Linkers", "-_~."));
  linkerCharacter = static_cast<char>(static_cast<unsigned char>(
      readClamped(p, s, "Substituting Linker Character", '-', 0, 255)));
  nameJustification = readClamped(p, s, "Name Justification", 0, 0, 2);
  wrapOutput = readBool(p, s, "Wrap Output", true);
  wrapLength = readClamped(p, s, "Wrap Output Length", 60, 0, 9999);
  showThreshold = readBool(p, s, "Output Consensus Threshold", true);
  separateColumns = readBool(p, s, "Separate columns with spaces", false);
  columnWidth = readClamped(p, s, "Column width", 10, 2, 9999);
  duplicateInSets = readBool(p, s, "Duplicate sequences in sets", false);
  multipleSets = readBool(p, s, "Multiple alignment sets", false);
}

void OutputOptions::save(ProfileStore& p) const {
  const auto s = kOutputSection;
  p.writeInt(s, "Column width", columnWidth);
  p.writeInt(s, "Wrap Output Length", wrapLength);
  p.writeString(s, "Substituted Linkers", substitutedLinkers);
  writeBool(p, s, "Wrap Output", wrapOutput);
  writeBool(p, s, "Output Consensus Threshold", showThreshold);
  writeBool(p, s, "Enforce Upper", enforceUpper);
  writeBool(p, s, "Enforce Linker Character", enforceLinker);
  writeBool(p, s, "Separate columns with spaces", separateColumns);
  writeBool(p, s, "Duplicate sequences in sets", duplicateInSets);
  writeBool(p, s, "Multiple alignment sets", multipleSets);
  p.writeInt(s, "Substituting Linker Character", static_cast<unsigned char>(linkerCharacter));
  p.writeInt(s, "Name Justification", nameJustification);
}

void OutputOptions::writeSummary(std::string& out) const {
  summaryLine(out, "Column width", columnWidth);
  summaryLine(out, "Wrap Output Length", wrapLength);
  summaryLine(out, "Substituted Linkers", std::string_view(substitutedLinkers));
  summaryLine(out, "Wrap Output", wrapOutput);
  summaryLine(out, "Output Consensus Threshold", showThreshold);
  summaryLine(out, "Enforce Upper", enforceUpper);
  summaryLine(out, "Enforce Linker Character", enforceLinker);
  summaryLine(out, "Separate columns with spaces", separateColumns);
  summaryLine(out, "Duplicate sequences in sets", duplicateInSets);
  summaryLine(out, "Multiple alignment sets", multipleSets);
  summaryLine(out, "Substituting Linker Character", std::string_view(&linkerCharacter, 1));
  summaryLine(out, "Name Justification", nameJustification);
}

// General

void GeneralOptions::load(const ProfileStore& p) {
  const auto s = kGeneralSection;
  largeToolbarButtons = readBool(p, s, "Large toolbar buttons", true);
  verboseDialogues = readBool(p, s, "Verbose dialogues", true);
  mruDocuments = readClamped(p, s, "MRU Documents Count", 9, 0, 16);
  mruConfigurations = readClamped(p, s, "MRU Configurations Count", 9, 0, 16);
}

void GeneralOptions::save(ProfileStore& p) const {
  const auto s = kGeneralSection;
  p.writeInt(s, "MRU Documents Count", mruDocuments);
  p.writeInt(s, "MRU Configurations Count", mruConfigurations);
  writeBool(p, s, "Large toolbar buttons", largeToolbarButtons);
  writeBool(p, s, "Verbose dialogues", verboseDialogues);
}

// The whole record

void Options::load(const ProfileStore& profile, const PathDefaults& defaults) {
  html.load(profile);
  annotation.load(profile);
  parse.load(profile);
  output.load(profile);
  general.load(profile);

  std::string documents = defaults.documentsFolder.empty() ? documentsFolder() : defaults.documentsFolder;
  // The key has always been read with a small "d" and written with a
  // capital one; names match without regard to case.
  paths.lastDocumentDirectory = readFolder(profile, "Last Document directory", documents);
  paths.lastAnnotateDirectory = readFolder(profile, "Last Annotate directory", documents);
  paths.lastConfigDirectory =
      readFolder(profile, "Last Config directory", defaults.configDirectory.empty() ? documents : defaults.configDirectory);

  recentDocuments.reset();
  if (general.mruDocuments > 0) {
    recentDocuments.emplace(std::string(kRecentFileSection), static_cast<std::size_t>(general.mruDocuments));
    recentDocuments->load(profile);
  }
  recentConfigurations.reset();
  if (general.mruConfigurations > 0) {
    recentConfigurations.emplace(std::string(kRecentConfigurationSection),
                                 static_cast<std::size_t>(general.mruConfigurations));
    recentConfigurations->load(profile);
  }
  paths.lastConfigurationFile = profile.readString(kGeneralSection, "Last Configuration File", "");
}

WriteResult Options::save(ProfileStore& profile, const std::string& currentDirectory) {
  if (recentConfigurations) recentConfigurations->save(profile);

  html.save(profile);
  output.save(profile);
  parse.save(profile);
  general.save(profile);
  annotation.save(profile);

  if (!currentDirectory.empty()) paths.lastDocumentDirectory = currentDirectory;
  profile.writeString(kGeneralSection, "Last Document Directory", paths.lastDocumentDirectory);
  profile.writeString(kGeneralSection, "Last Config directory", paths.lastConfigDirectory);
  profile.writeString(kGeneralSection, "Last Annotate directory", paths.lastAnnotateDirectory);
  profile.writeString(kGeneralSection, "Last Configuration File", paths.lastConfigurationFile);

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

std::string cleanSubstitutedLinkers(std::string_view text) {
  return cleanList(text, [](char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') || (c >= '{' && c <= '~');
  });
}

}  // namespace hueset
