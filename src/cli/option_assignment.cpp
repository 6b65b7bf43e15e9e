#include "cli/option_assignment.h"

#include <charconv>
#include <string_view>

#include "settings/options.h"
#include "settings/profile_store.h"

namespace hueset {

namespace {

enum class Kind { Flag, Number, Text, Character };

struct OptionField {
  std::string_view name;
  std::string_view section;
  std::string_view key;
  Kind kind;
};

// Field names and the profile keys they are stored under. Going through the
// store means a value set here is clamped and cleaned exactly as one read
// from the profile.
constexpr OptionField kFields[] = {
    {"useSampleFont", kHtmlSection, "Use \"SAMPLE\" font", Kind::Flag},
    {"useBrowserFontSize", kHtmlSection, "Use Browser Font Size Settings", Kind::Flag},
    {"checkWebSafe", kHtmlSection, "Check for web-safe colours", Kind::Flag},
    {"styleMode", kHtmlSection, "Use style Sheets", Kind::Number},
    {"colourPalette", kHtmlSection, "Colour Palette", Kind::Number},
    {"xIsUnknown", kAnnotationSection, "X is for Unknown", Kind::Flag},
    {"includeBlanks", kAnnotationSection, "Include Blanks", Kind::Flag},
    {"useElision", kAnnotationSection, "Use Elision", Kind::Flag},
    {"consensusThreshold", kAnnotationSection, "Consensus Threshold", Kind::Number},
    {"minimumElisionLength", kAnnotationSection, "Minimum Elision Length", Kind::Number},
    {"elisionThreshold", kAnnotationSection, "Elision Threshold", Kind::Number},
    {"confirmFormats", kParseSection, "Confirm Data Formats", Kind::Flag},
    {"mergePhdPredictions", kParseSection, "Merge PHD predictions", Kind::Flag},
    {"ignoreConfidences", kParseSection, "Ignore 2ndary struct confidences", Kind::Flag},
    {"dscIgnoreCoil", kParseSection, "DSC Ignore Coil", Kind::Flag},
    {"allowLowerCase", kParseSection, "Allow lower case", Kind::Flag},
    {"allowStrangeLinkers", kParseSection, "Allow strange linkers", Kind::Flag},
    {"restrictResidues", kParseSection, "Restrict to Valid AAs", Kind::Number},
    {"invalidResidues", kParseSection, "Invalid Residues", Kind::Text},
    {"enforceUpper", kOutputSection, "Enforce Upper", Kind::Flag},
    {"enforceLinker", kOutputSection, "Enforce Linker Character", Kind::Flag},
    {"substitutedLinkers", kOutputSection, "Substituted Linkers", Kind::Text},
    {"linkerCharacter", kOutputSection, "Substituting Linker Character", Kind::Character},
    {"nameJustification", kOutputSection, "Name Justification", Kind::Number},
    {"wrapOutput", kOutputSection, "Wrap Output", Kind::Flag},
    {"wrapLength", kOutputSection, "Wrap Output Length", Kind::Number},
    {"showThreshold", kOutputSection, "Output Consensus Threshold", Kind::Flag},
    {"separateColumns", kOutputSection, "Separate columns with spaces", Kind::Flag},
    {"columnWidth", kOutputSection, "Column width", Kind::Number},
    {"duplicateInSets", kOutputSection, "Duplicate sequences in sets", Kind::Flag},
    {"multipleSets", kOutputSection, "Multiple alignment sets", Kind::Flag},
};

bool parseInt(std::string_view text, int& value) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && ptr == text.data() + text.size() && !text.empty();
}

}  // namespace

std::string optionNameList() {
  std::string list;
  for (const auto& f : kFields) {
    if (!list.empty()) list += ", ";
    list += f.name;
  }
  return list;
}

std::string assignOption(Options& options, const std::string& name, const std::string& value) {
  const OptionField* field = nullptr;
  for (const auto& f : kFields) {
    if (f.name == name) field = &f;
  }
  if (!field) return "unknown option '" + name + "'; the options are: " + optionNameList();

  IniProfileStore scratch;
  options.html.save(scratch);
  options.annotation.save(scratch);
  options.parse.save(scratch);
  options.output.save(scratch);

  int number = 0;
  switch (field->kind) {
    case Kind::Flag:
      if (value == "1" || value == "true" || value == "yes" || value == "on") {
        number = 1;
      } else if (value == "0" || value == "false" || value == "no" || value == "off") {
        number = 0;
      } else {
        return "option '" + name + "' takes 0 or 1, not '" + value + "'";
      }
      scratch.writeInt(field->section, field->key, number);
      break;
    case Kind::Number:
      if (!parseInt(value, number)) return "option '" + name + "' takes a whole number, not '" + value + "'";
      scratch.writeInt(field->section, field->key, number);
      break;
    case Kind::Character:
      // One character stands for itself; anything longer is its code.
      if (value.size() == 1) {
        number = static_cast<unsigned char>(value[0]);
      } else if (!parseInt(value, number) || number < 0 || number > 255) {
        return "option '" + name + "' takes one character or a code from 0 to 255";
      }
      scratch.writeInt(field->section, field->key, number);
      break;
    case Kind::Text:
      scratch.writeString(field->section, field->key, value);
      break;
  }

  options.html.load(scratch);
  options.annotation.load(scratch);
  options.parse.load(scratch);
  options.output.load(scratch);
  return {};
}

}  // namespace hueset
