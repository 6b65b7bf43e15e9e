#include "settings/option_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <tuple>
#include <variant>

#include "settings/options.h"
#include "settings/profile_store.h"

namespace hueset {
namespace {

using Clean = std::string (*)(std::string_view);

// A row of a group's table. The row order is the order of the options file;
// `saveRank` orders the writing of the profile, which keeps the key order
// that profiles written so far have.
template <typename Group>
struct Row {
  std::string_view name;
  std::string_view key;
  std::variant<bool Group::*, int Group::*, char Group::*, std::string Group::*> member;
  int defaultNumber = 0;
  std::string_view defaultText;
  std::uint32_t low = 0;
  std::uint32_t high = 0;
  int saveRank = 0;
  Clean clean = nullptr;

  OptionKind kind() const {
    switch (member.index()) {
      case 0: return OptionKind::Flag;
      case 1: return OptionKind::Number;
      case 2: return OptionKind::Character;
      default: return OptionKind::Text;
    }
  }
};

template <typename Group>
struct Table {
  std::string_view section;
  std::span<const Row<Group>> rows;
  bool inSummary;      // written to the options file
  bool onCommandLine;  // settable with --option
};

template <typename G>
Row<G> flag(std::string_view name, std::string_view key, bool G::*member, bool defaultValue,
            int saveRank) {
  return {name, key, member, defaultValue ? 1 : 0, {}, 0, 1, saveRank, nullptr};
}
template <typename G>
Row<G> number(std::string_view name, std::string_view key, int G::*member, int defaultValue,
              std::uint32_t low, std::uint32_t high, int saveRank) {
  return {name, key, member, defaultValue, {}, low, high, saveRank, nullptr};
}
template <typename G>
Row<G> character(std::string_view name, std::string_view key, char G::*member, char defaultValue,
                 int saveRank) {
  return {name, key,      member, static_cast<unsigned char>(defaultValue), {}, 0,
          255,  saveRank, nullptr};
}
template <typename G>
Row<G> text(std::string_view name, std::string_view key, std::string G::*member,
            std::string_view defaultValue, Clean clean, int saveRank) {
  return {name, key, member, 0, defaultValue, 0, 0, saveRank, clean};
}

using H = HtmlOptions;
using A = AnnotationOptions;
using P = ParseOptions;
using O = OutputOptions;
using G = GeneralOptions;
using I = InputOptions;
using F = FigureOptions;
using L = FigureLayoutOptions;
using M = ColumnMarkOptions;

const std::array<Row<H>, 5> kHtmlRows = {
    flag<H>("useSampleFont", "Use \"SAMPLE\" font", &H::useSampleFont, true, 0),
    flag<H>("useBrowserFontSize", "Use Browser Font Size Settings", &H::useBrowserFontSize, true,
            1),
    flag<H>("checkWebSafe", "Check for web-safe colours", &H::checkWebSafe, true, 2),
    number<H>("styleMode", "Use style Sheets", &H::styleMode, 0, 0, 1, 3),
    number<H>("colourPalette", "Colour Palette", &H::colourPalette, 0, 0, 1, 4),
};

const std::array<Row<A>, 6> kAnnotationRows = {
    flag<A>("xIsUnknown", "X is for Unknown", &A::xIsUnknown, true, 0),
    number<A>("consensusThreshold", "Consensus Threshold", &A::consensusThreshold, 800, 500, 1000,
              3),
    flag<A>("includeBlanks", "Include Blanks", &A::includeBlanks, true, 1),
    flag<A>("useElision", "Use Elision", &A::useElision, true, 2),
    number<A>("minimumElisionLength", "Minimum Elision Length", &A::minimumElisionLength, 4, 4,
              9999, 4),
    number<A>("elisionThreshold", "Elision Threshold", &A::elisionThreshold, 800, 0, 1000, 5),
};

const std::array<Row<P>, 8> kParseRows = {
    flag<P>("dscIgnoreCoil", "DSC Ignore Coil", &P::dscIgnoreCoil, true, 3),
    flag<P>("mergePhdPredictions", "Merge PHD predictions", &P::mergePhdPredictions, true, 1),
    number<P>("restrictResidues", "Restrict to Valid AAs", &P::restrictResidues, 0, 0, 2, 6),
    text<P>("invalidResidues", "Invalid Residues", &P::invalidResidues, kNonStandardResidues,
            cleanInvalidResidues, 7),
    flag<P>("confirmFormats", "Confirm Data Formats", &P::confirmFormats, true, 0),
    flag<P>("allowLowerCase", "Allow lower case", &P::allowLowerCase, false, 4),
    flag<P>("allowStrangeLinkers", "Allow strange linkers", &P::allowStrangeGaps, false, 5),
    flag<P>("ignoreConfidences", "Ignore 2ndary struct confidences", &P::ignoreConfidences, true,
            2),
};

const std::array<Row<O>, 12> kOutputRows = {
    number<O>("columnWidth", "Column width", &O::columnWidth, 10, 2, 9999, 0),
    number<O>("wrapLength", "Wrap Output Length", &O::wrapLength, 60, 0, 9999, 1),
    text<O>("substitutedLinkers", "Substituted Linkers", &O::substitutedGaps, "-_~.",
            cleanSubstitutedGaps, 2),
    flag<O>("wrapOutput", "Wrap Output", &O::wrapOutput, true, 3),
    flag<O>("showThreshold", "Output Consensus Threshold", &O::showThreshold, true, 4),
    flag<O>("enforceUpper", "Enforce Upper", &O::enforceUpper, true, 5),
    flag<O>("enforceLinker", "Enforce Linker Character", &O::enforceGap, true, 6),
    flag<O>("separateColumns", "Separate columns with spaces", &O::separateColumns, false, 7),
    flag<O>("duplicateInSets", "Duplicate sequences in sets", &O::duplicateInSets, false, 8),
    flag<O>("multipleSets", "Multiple alignment sets", &O::multipleSets, false, 9),
    character<O>("linkerCharacter", "Substituting Linker Character", &O::gapCharacter, '-', 10),
    number<O>("nameJustification", "Name Justification", &O::nameJustification, 0, 0, 2, 11),
};

const std::array<Row<G>, 4> kGeneralRows = {
    number<G>("mruDocuments", "MRU Documents Count", &G::mruDocuments, 9, 0, 16, 0),
    number<G>("mruConfigurations", "MRU Configurations Count", &G::mruConfigurations, 9, 0, 16, 1),
    flag<G>("largeToolbarButtons", "Large toolbar buttons", &G::largeToolbarButtons, true, 2),
    flag<G>("verboseDialogues", "Verbose dialogues", &G::verboseDialogues, true, 3),
};

const std::array<Row<I>, 3> kInputRows = {
    flag<I>("matchStatesOnly", "Match states only", &I::matchStatesOnly, false, 0),
    number<I>("maxInflatedMegabytes", "Max Inflated MB", &I::maxInflatedMegabytes, 1024, 1, 1048576,
              1),
    flag<I>("fastaNameFirstWord", "FASTA Name First Word", &I::fastaNameFirstWord, false, 2),
};

const std::array<Row<F>, 9> kFigureRows = {
    flag<F>("residueNumbers", "Residue Numbers", &F::residueNumbers, false, 0),
    flag<F>("ruler", "Ruler", &F::ruler, false, 1),
    number<F>("rulerInterval", "Ruler Interval", &F::rulerInterval, 10, 1, 9999, 2),
    number<F>("paperSize", "Paper Size", &F::paperSize, 0, 0, 3, 3),
    flag<F>("landscape", "Landscape", &F::landscape, false, 4),
    flag<F>("fitWrapToPage", "Fit Wrap To Page", &F::fitWrapToPage, false, 5),
    number<F>("pngResolution", "PNG Resolution", &F::pngResolution, 300, 30, 2400, 6),
    flag<F>("transparentBackground", "Transparent Background", &F::transparentBackground, false, 7),
    flag<F>("keepBlocksTogether", "Keep Blocks Together", &F::keepBlocksTogether, false, 8),
};

const std::array<Row<L>, 10> kFigureLayoutRows = {
    text<L>("figureWidth", "Width", &L::width, "", cleanFigureWidth, 0),
    number<L>("figureFontSize", "Font Size", &L::fontSize, 0, 0, 144, 1),
    number<L>("minimumFontSize", "Minimum Font Size", &L::minimumFontSize, 6, 1, 144, 2),
    flag<L>("figureLegend", "Legend", &L::legend, true, 3),
    text<L>("figureTitle", "Title", &L::title, "", cleanFigureTitle, 4),
    flag<L>("tiffCmyk", "TIFF CMYK", &L::tiffCmyk, false, 5),
    number<L>("structureShapes", "Structure Shapes", &L::structureShapes, 1, 0, 2, 6),
    flag<L>("structureLabels", "Structure Labels", &L::structureLabels, true, 7),
    flag<L>("structureAccessibility", "Structure Accessibility", &L::structureAccessibility, false,
            8),
    flag<L>("structureNumbering", "Structure Numbering", &L::structureNumbering, false, 9),
};

const std::array<Row<M>, 7> kColumnMarkRows = {
    flag<M>("conservationBar", "Conservation Bar", &M::conservationBar, false, 0),
    text<M>("columnMarks", "Marks", &M::marks, "", cleanColumnMarks, 1),
    text<M>("columnFrames", "Frames", &M::frames, "", cleanColumnRanges, 2),
    text<M>("referenceSequence", "Reference Sequence", &M::reference, "", cleanFigureTitle, 3),
    text<M>("shownColumns", "Columns", &M::columns, "", cleanColumnRanges, 4),
    flag<M>("sequenceLogo", "Sequence Logo", &M::sequenceLogo, false, 5),
    flag<M>("shadeIdentical", "Shade Identical To Reference", &M::shadeIdentical, false, 6),
};

// Every group's table: its section, its rows, whether the options file
// holds it and whether --option may set it.
const std::tuple<Table<H>, Table<A>, Table<P>, Table<O>, Table<G>, Table<I>, Table<F>, Table<L>,
                 Table<M>>
    kTables{
        Table<H>{kHtmlSection, kHtmlRows, true, true},
        Table<A>{kAnnotationSection, kAnnotationRows, true, true},
        Table<P>{kParseSection, kParseRows, true, true},
        Table<O>{kOutputSection, kOutputRows, true, true},
        Table<G>{kGeneralSection, kGeneralRows, false, false},
        Table<I>{kInputSection, kInputRows, false, true},
        Table<F>{kFigureSection, kFigureRows, true, true},
        Table<L>{kFigureLayoutSection, kFigureLayoutRows, false, true},
        Table<M>{kColumnMarkSection, kColumnMarkRows, false, true},
    };

template <typename Group>
const Table<Group>& tableOf() {
  return std::get<Table<Group>>(kTables);
}

// Calls `visit(group, table)` for each group of `options`.
template <typename Options_, typename Visit>
void forEachGroup(Options_& options, Visit visit) {
  visit(options.html, tableOf<H>());
  visit(options.annotation, tableOf<A>());
  visit(options.parse, tableOf<P>());
  visit(options.output, tableOf<O>());
  visit(options.general, tableOf<G>());
  visit(options.input, tableOf<I>());
  visit(options.figure, tableOf<F>());
  visit(options.figureLayout, tableOf<L>());
  visit(options.columnMarks, tableOf<M>());
}

int clampStored(int stored, const auto& row) {
  return static_cast<int>(std::clamp(static_cast<std::uint32_t>(stored), row.low, row.high));
}

// The value as the profile would give it back: clamped or cleaned.
template <typename Group>
void setFromStored(Group& group, const Row<Group>& row, int stored, std::string_view text) {
  switch (row.member.index()) {
    case 0: group.*std::get<0>(row.member) = stored != 0; break;
    case 1: group.*std::get<1>(row.member) = clampStored(stored, row); break;
    case 2:
      group.*std::get<2>(row.member) =
          static_cast<char>(static_cast<unsigned char>(clampStored(stored, row)));
      break;
    default: group.*std::get<3>(row.member) = row.clean(text); break;
  }
}

template <typename Group>
void resetGroup(Group& group) {
  for (const Row<Group>& row : tableOf<Group>().rows) {
    setFromStored(group, row, row.defaultNumber, row.defaultText);
  }
}

template <typename Group>
void loadGroup(Group& group, const ProfileStore& profile) {
  const Table<Group>& table = tableOf<Group>();
  for (const Row<Group>& row : table.rows) {
    if (row.kind() == OptionKind::Text) {
      setFromStored(group, row, 0, profile.readString(table.section, row.key, row.defaultText));
    } else {
      setFromStored(group, row, profile.readInt(table.section, row.key, row.defaultNumber), {});
    }
  }
}

template <typename Group>
void saveGroup(const Group& group, ProfileStore& profile) {
  const Table<Group>& table = tableOf<Group>();
  std::vector<const Row<Group>*> rows;
  for (const Row<Group>& row : table.rows) rows.push_back(&row);
  std::sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->saveRank < b->saveRank; });
  for (const Row<Group>* row : rows) {
    switch (row->member.index()) {
      case 0:
        profile.writeInt(table.section, row->key, group.*std::get<0>(row->member) ? 1 : 0);
        break;
      case 1: profile.writeInt(table.section, row->key, group.*std::get<1>(row->member)); break;
      case 2:
        profile.writeInt(table.section, row->key,
                         static_cast<unsigned char>(group.*std::get<2>(row->member)));
        break;
      default: profile.writeString(table.section, row->key, group.*std::get<3>(row->member)); break;
    }
  }
}

template <typename Group>
void summarizeGroup(const Group& group, std::string& out) {
  for (const Row<Group>& row : tableOf<Group>().rows) {
    out += row.key;
    out += '=';
    switch (row.member.index()) {
      case 0: out += group.*std::get<0>(row.member) ? '1' : '0'; break;
      case 1: out += std::to_string(group.*std::get<1>(row.member)); break;
      case 2: out += group.*std::get<2>(row.member); break;
      default: out += group.*std::get<3>(row.member); break;
    }
    out += "\r\n";
  }
}

bool parseInt(std::string_view text, int& value) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && ptr == text.data() + text.size() && !text.empty();
}

// Reads `value` as the row's kind wants it and stores it as the profile
// would; says when the value was refused, or taken other than given.
template <typename Group>
OptionAssignment assignRow(Group& group, const Row<Group>& row, const std::string& value) {
  const std::string name(row.name);
  int number = 0;
  switch (row.kind()) {
    case OptionKind::Flag:
      if (value == "1" || value == "true" || value == "yes" || value == "on") {
        number = 1;
      } else if (!(value == "0" || value == "false" || value == "no" || value == "off")) {
        return {"option '" + name + "' takes 0 or 1, not '" + value + "'", {}};
      }
      break;
    case OptionKind::Number:
      if (!parseInt(value, number)) {
        return {"option '" + name + "' takes a whole number, not '" + value + "'", {}};
      }
      break;
    case OptionKind::Character:
      // One character stands for itself; anything longer is its code.
      if (value.size() == 1) {
        number = static_cast<unsigned char>(value[0]);
      } else if (!parseInt(value, number) || number < 0 || number > 255) {
        return {"option '" + name + "' takes one character or a code from 0 to 255", {}};
      }
      break;
    case OptionKind::Text: break;
  }
  setFromStored(group, row, number, value);

  OptionAssignment assigned;
  if (row.kind() == OptionKind::Number && clampStored(number, row) != number) {
    assigned.warning = "option '" + name + "' takes " + std::to_string(row.low) + " to " +
                       std::to_string(row.high) + "; " + value + " is taken as " +
                       std::to_string(group.*std::get<1>(row.member));
  } else if (row.kind() == OptionKind::Text && group.*std::get<3>(row.member) != value) {
    assigned.warning = "option '" + name + "' keeps only what it allows: '" + value +
                       "' is taken as '" + group.*std::get<3>(row.member) + "'";
  }
  return assigned;
}

}  // namespace

// The groups start at their defaults.
HtmlOptions::HtmlOptions() { resetGroup(*this); }
AnnotationOptions::AnnotationOptions() { resetGroup(*this); }
ParseOptions::ParseOptions() { resetGroup(*this); }
OutputOptions::OutputOptions() { resetGroup(*this); }
GeneralOptions::GeneralOptions() { resetGroup(*this); }
InputOptions::InputOptions() { resetGroup(*this); }
FigureOptions::FigureOptions() { resetGroup(*this); }
FigureLayoutOptions::FigureLayoutOptions() { resetGroup(*this); }
ColumnMarkOptions::ColumnMarkOptions() { resetGroup(*this); }

template <typename Group>
void OptionGroup<Group>::load(const ProfileStore& profile) {
  loadGroup(static_cast<Group&>(*this), profile);
}

template <typename Group>
void OptionGroup<Group>::save(ProfileStore& profile) const {
  saveGroup(static_cast<const Group&>(*this), profile);
}

template struct OptionGroup<HtmlOptions>;
template struct OptionGroup<AnnotationOptions>;
template struct OptionGroup<ParseOptions>;
template struct OptionGroup<OutputOptions>;
template struct OptionGroup<GeneralOptions>;
template struct OptionGroup<InputOptions>;
template struct OptionGroup<FigureOptions>;
template struct OptionGroup<FigureLayoutOptions>;
template struct OptionGroup<ColumnMarkOptions>;

void InputOptions::save(ProfileStore& profile) const {
  // At the defaults the section goes, so a profile that never used these
  // options looks as it always did.
  if (*this == InputOptions()) {
    profile.removeSection(kInputSection);
    return;
  }
  saveGroup(*this, profile);
}

void FigureLayoutOptions::save(ProfileStore& profile) const {
  if (*this == FigureLayoutOptions()) {
    profile.removeSection(kFigureLayoutSection);
    return;
  }
  saveGroup(*this, profile);
}

void ColumnMarkOptions::save(ProfileStore& profile) const {
  if (*this == ColumnMarkOptions()) {
    profile.removeSection(kColumnMarkSection);
    return;
  }
  saveGroup(*this, profile);
}

std::string optionsFileText(const Options& options) {
  std::string out;
  forEachGroup(options, [&out](const auto& group, const auto& table) {
    if (table.inSummary) summarizeGroup(group, out);
  });
  return out;
}

std::vector<OptionInfo> optionList() {
  std::vector<OptionInfo> list;
  Options options;
  forEachGroup(options, [&list](const auto&, const auto& table) {
    for (const auto& row : table.rows) {
      list.push_back({row.name, table.section, row.key, row.kind(), row.defaultNumber,
                      row.defaultText, row.low, row.high, table.onCommandLine});
    }
  });
  return list;
}

std::string optionNameList() {
  std::string names;
  for (const OptionInfo& option : optionList()) {
    if (!option.onCommandLine) continue;
    if (!names.empty()) names += ", ";
    names += option.name;
  }
  return names;
}

OptionAssignment assignOption(Options& options, const std::string& name, const std::string& value) {
  OptionAssignment assigned;
  bool found = false;
  forEachGroup(options, [&](auto& group, const auto& table) {
    if (!table.onCommandLine) return;
    for (const auto& row : table.rows) {
      if (row.name != name) continue;
      found = true;
      assigned = assignRow(group, row, value);
    }
  });
  if (!found)
    assigned.error = "unknown option '" + name + "'; the options are: " + optionNameList();
  return assigned;
}

}  // namespace hueset
