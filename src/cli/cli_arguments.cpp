#include "cli/cli_arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "annotate/column_marks.h"
#include "figure/output_kinds.h"
#include "groupings/builtin_defaults.h"
#include "input/format_guess.h"
#include "input/format_table.h"
#include "util/text_format.h"

namespace hueset {

namespace {

// The usage's paragraphs that name the formats are filled from the format
// table, wrapped at this width.
constexpr std::size_t kUsageWidth = 86;

// `text` after `first` and then lines indented as deep, broken at blanks
// and after a "|" so no line is wider than kUsageWidth.
std::string wrapped(std::string_view first, std::string_view text) {
  const std::string indent(first.size(), ' ');
  std::string out(first);
  std::size_t lineStart = 0;
  bool lineEmpty = true;
  while (!text.empty()) {
    const std::size_t cut = text.find_first_of(" |");
    const bool bar = cut != std::string_view::npos && text[cut] == '|';
    const std::string_view word =
        text.substr(0, cut == std::string_view::npos ? text.size() : cut + (bar ? 1 : 0));
    const bool blankBefore = !lineEmpty && out.back() != '|';
    if (!lineEmpty && out.size() - lineStart + (blankBefore ? 1 : 0) + word.size() > kUsageWidth) {
      out += "\n";
      lineStart = out.size();
      out += indent;
    } else if (blankBefore) {
      out += ' ';
    }
    out += word;
    lineEmpty = false;
    text.remove_prefix(std::min(text.size(), word.size() + (bar ? 0 : 1)));
  }
  return out + "\n";
}

std::string formatNames(std::string_view separator) {
  std::string names = "auto";
  for (const FormatDescriptor& row : formatList()) names += std::string(separator) += row.cliName;
  return names;
}

std::string guessedExtensions() {
  std::string extensions;
  for (const FormatDescriptor& row : formatTable()) {
    if (!row.guessedByExtension) continue;
    for (std::string_view extension : extensionsOf(row)) {
      extensions += " .";
      extensions += extension;
    }
  }
  return extensions;
}

}  // namespace

std::optional<std::pair<int, bool>> parsePaper(const std::string& text) {
  std::string_view name = text;
  bool landscape = false;
  if (const auto comma = name.find(','); comma != std::string_view::npos) {
    if (name.substr(comma + 1) != "landscape") return std::nullopt;
    landscape = true;
    name = name.substr(0, comma);
  }
  static constexpr std::pair<std::string_view, FigurePaper> kPapers[] = {
      {"content", FigurePaper::Content},
      {"a4", FigurePaper::A4},
      {"letter", FigurePaper::Letter},
      {"a3", FigurePaper::A3}};
  for (const auto& [paperName, paper] : kPapers) {
    if (name == paperName) return std::pair<int, bool>{static_cast<int>(paper), landscape};
  }
  return std::nullopt;
}

std::optional<std::vector<int>> parseSetLayout(const std::string& text) {
  std::vector<int> layout{-1};
  bool setHasMember = false;
  std::size_t i = 0;
  while (i <= text.size()) {
    std::size_t end = text.find_first_of(",;", i);
    if (end == std::string::npos) end = text.size();
    std::string_view word = trim(std::string_view(text).substr(i, end - i));
    if (!word.empty()) {
      int value = 0;
      auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
      if (ec != std::errc{} || ptr != word.data() + word.size() || value < 0) return std::nullopt;
      layout.push_back(value);
      setHasMember = true;
    } else if (end < text.size() && text[end] == ',') {
      return std::nullopt;  // "1,,2"
    }
    if (end < text.size() && text[end] == ';') {
      if (!setHasMember) return std::nullopt;  // empty set
      layout.push_back(-1);
      setHasMember = false;
    }
    i = end + 1;
  }
  if (layout.size() < 2 || layout.back() == -1) return std::nullopt;
  return layout;
}

namespace {

bool isFormatName(const std::string& f) { return f == "auto" || formatFromCliName(f).has_value(); }

// Why the output file cannot take the kind asked for: one kind is never
// written into a file whose extension names another. Empty when it can; an
// extension of no kind known takes any.
std::string outputFileProblem(const CliArguments& a) {
  if (a.output.empty() || a.output == "-") return {};
  const std::string extension = pathExtension(a.output);
  if (const std::string_view foreign = foreignKindNamed(extension); !foreign.empty()) {
    return "'" + a.output + "': Hueset does not write " + std::string(foreign) + "; it writes " +
           outputKindNames();
  }
  const std::optional<OutputKind> named = outputKindForExtension(a.output);
  if (a.to && named && *named != *a.to) {
    return "'--to " + std::string(outputKindInfo(*a.to).name) + "' contradicts '" + a.output +
           "', whose extension asks for " + std::string(outputKindInfo(*named).name);
  }
  return {};
}

// The commands an option belongs to, as bits of CliOption::commands.
constexpr unsigned kAnnotateBit = 1;
constexpr unsigned kReadBit = 2;
constexpr unsigned kDumpBit = 4;

unsigned commandBit(CliCommand command) {
  switch (command) {
    case CliCommand::Annotate: return kAnnotateBit;
    case CliCommand::Read: return kReadBit;
    case CliCommand::ConfigDump: return kDumpBit;
    case CliCommand::Help:
    case CliCommand::Version: break;
  }
  return 0;
}

// One option of the command line. The parser and the usage both read the
// table of them, so an option is declared once and its help cannot drift
// from what it does.
struct CliOption {
  std::string_view shortName;  // empty: none
  std::string_view longName;
  std::string_view valueName;  // empty: a switch, which takes no value
  bool emptyValueAllowed;
  unsigned commands;
  std::string (*help)();
  // Puts the value into the arguments; the usage error, or empty.
  std::string (*apply)(CliArguments& a, const std::string& value);
};

std::string kindHelp() {
  std::string names;
  std::string extensions;
  for (const OutputKindInfo& info : outputKinds()) {
    if (info.name.empty()) continue;
    names += (names.empty() ? "" : "|") + std::string(info.name);
    extensions += extensions.empty() ? "" : ", ";
    for (std::size_t e = 0; e < info.extensions.size(); ++e) {
      extensions += (e ? "/." : ".") + std::string(info.extensions[e]);
    }
  }
  return names + "; default: from the output file's extension (" + extensions + "), else rtf";
}

std::string formatHelp() {
  return formatNames("|") +
         " (default auto: guessed from the text; a text without any keyword goes by the file's "
         "extension:" +
         guessedExtensions() + ", also under .gz)";
}

std::string outputKindOf(CliArguments& a, const std::string& value) {
  a.to = outputKindNamed(value);
  return a.to ? "" : "'" + value + "' is not one of " + outputKindNames();
}

std::string paperOf(CliArguments& a, const std::string& value) {
  const auto paper = parsePaper(value);
  if (!paper) {
    return "--page takes a4, letter, a3 or content, with ',landscape' if wanted, not '" + value +
           "'";
  }
  a.optionAssignments.emplace_back("paperSize", std::to_string(paper->first));
  a.optionAssignments.emplace_back("landscape", paper->second ? "1" : "0");
  return {};
}

std::string formatOf(CliArguments& a, const std::string& value) {
  if (!isFormatName(value)) return "'" + value + "' is not one of " + formatNames(", ");
  a.format = value;
  return {};
}

std::string assignmentOf(CliArguments& a, const std::string& value) {
  const auto eq = value.find('=');
  if (eq == std::string::npos || eq == 0) return "--option wants NAME=VALUE, not '" + value + "'";
  a.optionAssignments.emplace_back(value.substr(0, eq), value.substr(eq + 1));
  return {};
}

std::string setsOf(CliArguments& a, const std::string& value) {
  a.sets = parseSetLayout(value);
  return a.sets ? "" : "--sets wants indexes like \"0,1;2,3\", not '" + value + "'";
}

std::string dumpFormOf(CliArguments& a, const std::string& value) {
  if (value != "cft" && value != "cfb") return "--as takes cft or cfb";
  a.dumpAs = value;
  return {};
}

std::string widthOf(CliArguments& a, const std::string& value) {
  const std::optional<double> points = figureWidthPoints(value);
  if (!points) {
    return "--width takes single, double or a width such as 85mm, 8.5cm, 3.5in or 240pt, not '" +
           value + "'";
  }
  a.optionAssignments.emplace_back("figureWidth", cleanFigureWidth(value));
  return {};
}

// Each --mark or --frame adds to what the ones before gave: option `name`
// collects them, parted by `separator`.
std::string addTo(CliArguments& a, std::string_view name, char separator, const std::string& v) {
  for (auto& [option, value] : a.optionAssignments) {
    if (option != name) continue;
    value += separator + v;
    return {};
  }
  a.optionAssignments.emplace_back(std::string(name), v);
  return {};
}

std::string marksOf(CliArguments& a, const std::string& v) {
  const ParsedMarks parsed = parseColumnMarks(v);
  if (!parsed.problem.empty()) return "--mark: " + parsed.problem;
  return addTo(a, "columnMarks", ';', v);
}

std::string framesOf(CliArguments& a, const std::string& v) {
  const ParsedRanges parsed = parseColumnRanges(v);
  if (!parsed.problem.empty()) return "--frame: " + parsed.problem;
  return addTo(a, "columnFrames", ',', v);
}

// A whole number of points for option `name`; the option table checks its range.
std::string pointsOf(CliArguments& a, std::string_view name, std::string_view flag,
                     const std::string& value) {
  int points = 0;
  auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), points);
  if (ec != std::errc{} || ptr != value.data() + value.size() || value.empty() || points < 0) {
    return std::string(flag) + " takes a whole number of points, not '" + value + "'";
  }
  a.optionAssignments.emplace_back(std::string(name), value);
  return {};
}

const CliOption kCliOptions[] = {
    {"-o", "--output", "FILE", false, kAnnotateBit | kReadBit | kDumpBit,
     [] { return std::string("write here instead of standard output"); },
     [](CliArguments& a, const std::string& v) {
       a.output = v;
       return std::string();
     }},
    {"-t", "--to", "KIND", true, kAnnotateBit, kindHelp, outputKindOf},
    {"", "--page", "PAPER", true, kAnnotateBit,
     [] {
       return std::string(
           "lay a figure out on a4, letter or a3 paper (add ',landscape' to turn it), or on "
           "content (default: as large as the figure)");
     },
     paperOf},
    {"", "--dpi", "N", true, kAnnotateBit,
     [] { return std::string("the resolution of a PNG (default 300)"); },
     [](CliArguments& a, const std::string& v) {
       a.optionAssignments.emplace_back("pngResolution", v);
       return std::string();
     }},
    {"", "--width", "WIDTH", true, kAnnotateBit,
     [] {
       return std::string(
           "make a figure this wide and fill it: single (85mm), double (180mm), or a number "
           "with mm, cm, in or pt; the wrap length fills the width, and the type shrinks to "
           "fit down to --min-font-size");
     },
     widthOf},
    {"", "--font-size", "POINTS", true, kAnnotateBit,
     [] {
       return std::string(
           "the type size of a figure, whatever the groupings' font size (default: theirs)");
     },
     [](CliArguments& a, const std::string& v) {
       return pointsOf(a, "figureFontSize", "--font-size", v);
     }},
    {"", "--min-font-size", "POINTS", true, kAnnotateBit,
     [] { return std::string("how small --width may make a figure's type (default 6)"); },
     [](CliArguments& a, const std::string& v) {
       return pointsOf(a, "minimumFontSize", "--min-font-size", v);
     }},
    {"", "--title", "TEXT", true, kAnnotateBit,
     [] { return std::string("a title above a figure (never in Rich Text or HTML)"); },
     [](CliArguments& a, const std::string& v) {
       a.optionAssignments.emplace_back("figureTitle", v);
       return std::string();
     }},
    {"", "--no-legend", "", true, kAnnotateBit,
     [] {
       return std::string(
           "leave out the legend under a figure (the threshold and each grouping's swatch and "
           "name; never in Rich Text or HTML)");
     },
     [](CliArguments& a, const std::string&) {
       a.optionAssignments.emplace_back("figureLegend", "0");
       return std::string();
     }},
    {"", "--cmyk", "", true, kAnnotateBit,
     [] { return std::string("write a TIFF in CMYK rather than RGB"); },
     [](CliArguments& a, const std::string&) {
       a.optionAssignments.emplace_back("tiffCmyk", "1");
       return std::string();
     }},
    {"", "--conservation", "", true, kAnnotateBit,
     [] {
       return std::string(
           "a bar under each set's consensus row: per column, the share of the counted "
           "sequences in what the consensus chose (paler where it reached no consensus); in "
           "Rich Text and HTML a row of digits, tenths from 0 to 9");
     },
     [](CliArguments& a, const std::string&) {
       a.optionAssignments.emplace_back("conservationBar", "1");
       return std::string();
     }},
    {"", "--logo", "", true, kAnnotateBit,
     [] {
       return std::string(
           "a sequence logo under each set's consensus: per column the letters stacked by "
           "frequency, the column as high as its information in bits; figures only");
     },
     [](CliArguments& a, const std::string&) {
       a.optionAssignments.emplace_back("sequenceLogo", "1");
       return std::string();
     }},
    {"", "--mark", "COLUMNS[:SYMBOL]", true, kAnnotateBit,
     [] {
       return std::string(
           "mark alignment columns above each block, such as 45,67,120-122:star; the symbol is "
           "triangle (the default), star, dot, or a letter or digit; in Rich Text and HTML a row "
           "of characters (v, *, o or the letter); repeatable");
     },
     marksOf},
    {"", "--frame", "COLUMNS", true, kAnnotateBit,
     [] {
       return std::string(
           "draw a box around alignment columns through all rows of the block, such as 30-52; "
           "figures only (Rich Text and HTML show nothing); repeatable");
     },
     framesOf},
    {"", "--shade-identical", "", true, kAnnotateBit,
     [] {
       return std::string(
           "with --reference, shade every residue identical to the reference's in its column "
           "(before the groupings colour the rest)");
     },
     [](CliArguments& a, const std::string&) {
       a.optionAssignments.emplace_back("shadeIdentical", "1");
       return std::string();
     }},
    {"", "--columns", "COLUMNS", true, kAnnotateBit,
     [] {
       return std::string(
           "show only these columns, such as 30-120,200-260 (in --reference's numbering when "
           "given); a figure marks the gaps between them as it marks elided columns, and "
           "nothing is elided");
     },
     [](CliArguments& a, const std::string& v) {
       const ParsedRanges parsed = parseColumnRanges(v);
       if (!parsed.problem.empty()) return "--columns: " + parsed.problem;
       a.optionAssignments.emplace_back("shownColumns", v);
       return std::string();
     }},
    {"", "--reference", "NAME", true, kAnnotateBit,
     [] {
       return std::string(
           "a sequence (by name, or by number from 1) whose residues number the ruler, "
           "--mark and --frame, counted from its /start-end; a figure underlines its name");
     },
     [](CliArguments& a, const std::string& v) {
       a.optionAssignments.emplace_back("referenceSequence", v);
       return std::string();
     }},
    {"", "--structure", "FILE[:CHAIN][=SEQUENCE]", false, kAnnotateBit,
     [] {
       return std::string(
           "attach the secondary structure of a 3D structure (PDB or mmCIF, also gzipped, or a "
           "DSSP file) to a sequence, computed with DSSP; default: the first chain, the first "
           "sequence it matches at 90% identity or more; repeatable");
     },
     [](CliArguments& a, const std::string& v) {
       a.structures.push_back(v);
       return std::string();
     }},
    {"", "--structure-numbering", "", true, kAnnotateBit,
     [] {
       return std::string(
           "number a sequence with a structure attached, and the ruler when it is the "
           "--reference, as the structure's author numbers them (52A with an insertion code)");
     },
     [](CliArguments& a, const std::string&) {
       a.optionAssignments.emplace_back("structureNumbering", "1");
       return std::string();
     }},
    {"-f", "--format", "FORMAT", true, kAnnotateBit | kReadBit, formatHelp, formatOf},
    {"-c", "--config", "CONFIG", false, kAnnotateBit | kReadBit,
     [] {
       return std::string(
           "the residue groupings: colour, bw or safe (the built-in ones; safe is colour-blind "
           "safe), or a configuration file (.cft text or .cfb binary); default: the profile's "
           "last configuration file, else colour");
     },
     [](CliArguments& a, const std::string& v) {
       a.config = v;
       return std::string();
     }},
    {"", "--option", "NAME=VALUE", true, kAnnotateBit | kReadBit,
     [] {
       return std::string(
           "set any option by its field name, e.g. consensusThreshold=700 (tenths of a percent), "
           "useElision=0, wrapLength=80, styleMode=1, residueNumbers=1, ruler=1, "
           "fitWrapToPage=1, matchStatesOnly=1 (A2M/A3M without their insert columns); "
           "repeatable");
     },
     assignmentOf},
    {"", "--no-profile", "", true, kAnnotateBit | kReadBit,
     [] { return std::string("ignore the per-user profile; start from the built-in defaults"); },
     [](CliArguments& a, const std::string&) {
       a.noProfile = true;
       return std::string();
     }},
    {"", "--sets", "\"0,1;2,3\"", true, kAnnotateBit,
     [] {
       return std::string(
           "sort the sequences into sets: 0-based indexes separated by ',', sets separated by "
           "';'");
     },
     setsOf},
    {"", "--strict", "", true, kAnnotateBit | kReadBit,
     [] {
       return std::string(
           "answer No to every question of a reader and refuse invalid characters (default: "
           "answer Yes and print a warning)");
     },
     [](CliArguments& a, const std::string&) {
       a.strict = true;
       return std::string();
     }},
    {"", "--as", "FORM", true, kDumpBit,
     [] { return std::string("cft, a text configuration file, or cfb, a binary one"); },
     dumpFormOf},
};

const CliOption* findOption(std::string_view word) {
  for (const CliOption& option : kCliOptions) {
    if (word == option.longName || (!option.shortName.empty() && word == option.shortName)) {
      return &option;
    }
  }
  return nullptr;
}

// A command of the usage: how it is called and what it does.
struct CliCommandUsage {
  CliCommand command;
  std::string_view name;
  std::string_view synopsis;
  std::string (*text)();
};

std::string figureKindList() {
  std::string names;
  for (const OutputKindInfo& info : outputKinds()) {
    if (!info.figure || info.name.empty()) continue;
    names += names.empty() ? "" : ", ";
    for (char c : info.name)
      names += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return names;
}

const CliCommandUsage kCommandUsages[] = {
    {CliCommand::Annotate, "annotate", "annotate [options] FILE|-",
     [] {
       return "Annotate an alignment (" + formatFamilyList() +
              ", any of them also gzip-compressed) into Rich Text, HTML, a style sheet, or a "
              "figure (" +
              figureKindList() + ").";
     }},
    {CliCommand::Read, "read", "read [options] FILE|-",
     [] {
       return std::string(
           "Print what the reader made of the file as JSON: format, length, names, residues, "
           "trackLabels, tracks, and every message with its kind, text and line.");
     }},
    {CliCommand::ConfigDump, "config dump", "config dump colour|bw|safe --as cft|cfb [-o FILE]",
     [] {
       return std::string(
           "Write a built-in residue groupings configuration as a text (.cft) or binary (.cfb) "
           "file.");
     }},
};

std::string_view commandName(CliCommand command) {
  for (const CliCommandUsage& usage : kCommandUsages) {
    if (usage.command == command) return usage.name;
  }
  return {};
}

// Column where an option's help starts.
constexpr std::size_t kHelpColumn = 29;

std::string optionUsage(const CliOption& option) {
  std::string names =
      option.shortName.empty() ? "        " : "    " + std::string(option.shortName) + ", ";
  names += option.longName;
  if (!option.valueName.empty()) names += " " + std::string(option.valueName);
  names.resize(std::max(names.size() + 2, kHelpColumn), ' ');
  return wrapped(names, option.help());
}

// "-f, -c and --strict"
std::string spokenList(const std::vector<std::string_view>& names) {
  std::string list;
  for (std::size_t n = 0; n < names.size(); ++n) {
    list += n == 0 ? "" : n + 1 == names.size() ? " and " : ", ";
    list += names[n];
  }
  return list;
}

// Each command with its options; an option already described under an
// earlier command is named there as taken "as above".
std::string makeUsage() {
  std::string usage = "Usage:\n";
  unsigned described = 0;
  for (const CliCommandUsage& command : kCommandUsages) {
    usage += "  hueset-cli " + std::string(command.synopsis) + "\n";
    usage += wrapped("      ", command.text());
    const unsigned bit = commandBit(command.command);
    std::vector<std::string_view> asAbove;
    std::string own;
    for (const CliOption& option : kCliOptions) {
      if (!(option.commands & bit)) continue;
      if (option.commands & described) {
        asAbove.push_back(option.shortName.empty() ? option.longName : option.shortName);
      } else {
        own += optionUsage(option);
      }
    }
    if (!asAbove.empty()) usage += "      Takes " + spokenList(asAbove) + " as above.\n";
    usage += own;
    described |= bit;
  }
  return usage +
         "  hueset-cli --help | --version\n"
         "\n"
         "The per-user profile is $XDG_CONFIG_HOME/Vantor/Hueset.ini (HUESET_PROFILE names "
         "another\n"
         "file); the desktop program shares it. Messages go to standard error as\n"
         "FILE:LINE: error|warning: TEXT. Exit status: 0 success, 1 the input could not be\n"
         "annotated, 2 a usage error.\n";
}

}  // namespace

// Made on first use: the tables it reads are other files' statics.
const std::string& cliUsage() {
  static const std::string usage = makeUsage();
  return usage;
}

namespace {

// The command the first words name; false (with the error set) for none.
bool parseCommand(const std::vector<std::string>& args, std::size_t& i, ParsedArguments& parsed) {
  if (args.empty()) {
    parsed.error = "no command given";
    return false;
  }
  const std::string& command = args[i++];
  CliCommand& c = parsed.arguments.command;
  if (command == "--help" || command == "-h" || command == "help") {
    c = CliCommand::Help;
  } else if (command == "--version") {
    c = CliCommand::Version;
  } else if (command == "annotate") {
    c = CliCommand::Annotate;
  } else if (command == "read") {
    c = CliCommand::Read;
  } else if (command == "config" && i < args.size() && args[i] == "dump") {
    ++i;
    c = CliCommand::ConfigDump;
  } else {
    parsed.error =
        command == "config" ? "'config' takes 'dump'" : "unknown command '" + command + "'";
    return false;
  }
  return true;
}

// The options after the command, each checked against the command; the
// other words are left in `positional`. The usage error, or empty.
std::string parseOptions(const std::vector<std::string>& args, std::size_t i, CliArguments& a,
                         std::vector<std::string>& positional) {
  while (i < args.size()) {
    const std::string& word = args[i++];
    if (word == "--help" || word == "-h") {
      a.command = CliCommand::Help;
      return {};
    }
    const CliOption* option = findOption(word);
    if (!option) {
      if (word.size() > 1 && word[0] == '-') return "unknown option '" + word + "'";
      positional.push_back(word);
      continue;
    }
    if (!(option->commands & commandBit(a.command))) {
      return "'" + std::string(commandName(a.command)) + "' does not take " + word;
    }
    std::string value;
    if (!option->valueName.empty()) {
      if (i >= args.size() || (args[i].empty() && !option->emptyValueAllowed)) {
        return "option '" + word + "' needs a value";
      }
      value = args[i++];
    }
    if (std::string problem = option->apply(a, value); !problem.empty()) return problem;
  }
  return {};
}

// What the command does with the words that are not options. The usage
// error, or empty.
std::string takePositional(CliArguments& a, const std::vector<std::string>& positional) {
  if (a.command == CliCommand::ConfigDump) {
    if (positional.size() != 1 || !builtinDefaultNamed(positional[0])) {
      return "'config dump' takes safe, colour or bw";
    }
    if (a.dumpAs.empty()) return "'config dump' needs --as cft or --as cfb";
    a.dumpWhich = positional[0];
    return {};
  }
  if (a.command == CliCommand::Annotate) {
    if (std::string problem = outputFileProblem(a); !problem.empty()) return problem;
    if (positional.empty() && a.to == OutputKind::Css) return {};  // needs only the groupings
  }
  if (positional.size() != 1) {
    return positional.empty() ? "no input file given (use - for standard input)"
                              : "only one input file may be given";
  }
  a.input = positional[0];
  return {};
}

}  // namespace

ParsedArguments parseCliArguments(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  std::size_t i = 0;
  if (!parseCommand(args, i, parsed)) return parsed;
  CliArguments& a = parsed.arguments;
  if (a.command == CliCommand::Help || a.command == CliCommand::Version) return parsed;
  std::vector<std::string> positional;
  parsed.error = parseOptions(args, i, a, positional);
  if (parsed.error.empty() && a.command != CliCommand::Help) {
    parsed.error = takePositional(a, positional);
  }
  return parsed;
}

std::vector<std::string_view> cliOptionWords(CliCommand command) {
  std::vector<std::string_view> words;
  for (const CliOption& option : kCliOptions) {
    if (!(option.commands & commandBit(command))) continue;
    if (!option.shortName.empty()) words.push_back(option.shortName);
    words.push_back(option.longName);
  }
  return words;
}

}  // namespace hueset
