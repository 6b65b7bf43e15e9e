#include "cli/cli_arguments.h"

#include <algorithm>
#include <charconv>

#include "figure/output_kinds.h"
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

std::string makeUsage() {
  return "Usage:\n"
         "  hueset-cli annotate [options] FILE|-\n" +
         wrapped("      ", "Annotate an alignment (" + formatFamilyList() +
                               ", any of them also gzip-compressed) into Rich Text, HTML, a style "
                               "sheet, or a figure (PDF, SVG, PNG).") +
         "    -o, --output FILE        write here instead of standard output\n"
         "    -t, --to KIND            rtf|html|css|pdf|svg|png; default: from the output file's\n"
         "                             extension (.rtf, .html/.htm, .css, .pdf, .svg, .png), else "
         "rtf\n"
         "        --page PAPER         lay a figure out on a4, letter or a3 paper (add "
         "',landscape'\n"
         "                             to turn it), or on content (default: as large as the "
         "figure)\n"
         "        --dpi N              the resolution of a PNG (default 300)\n" +
         wrapped("    -f, --format FORMAT      ",
                 formatNames("|") +
                     " (default auto: guessed from the text; a text without any keyword goes "
                     "by the file's extension:" +
                     guessedExtensions() + ", also under .gz)") +
         "    -c, --config CONFIG      the residue groupings: colour or bw (the built-in ones), or "
         "a\n"
         "                             configuration file (.cft text or .cfb binary); default: "
         "the\n"
         "                             profile's last configuration file, else colour\n"
         "        --option NAME=VALUE  set any option by its field name, e.g. "
         "consensusThreshold=700\n"
         "                             (tenths of a percent), useElision=0, wrapLength=80,\n"
         "                             styleMode=1, residueNumbers=1, ruler=1, fitWrapToPage=1,\n"
         "                             matchStatesOnly=1 (A2M/A3M without their insert\n"
         "                             columns); repeatable\n"
         "        --no-profile         ignore the per-user profile; start from the built-in "
         "defaults\n"
         "        --sets \"0,1;2,3\"     sort the sequences into sets: 0-based indexes separated "
         "by\n"
         "                             ',', sets separated by ';'\n"
         "        --strict             answer No to every question of a reader and refuse invalid\n"
         "                             characters (default: answer Yes and print a warning)\n"
         "  hueset-cli read [options] FILE|-\n"
         "      Print what the reader made of the file as JSON: format, length, names, residues,\n"
         "      trackLabels, tracks, and every message with its kind, text and line.\n"
         "      Takes -f, -c, --option, --no-profile and --strict as above.\n"
         "  hueset-cli config dump colour|bw --as cft|cfb [-o FILE]\n"
         "      Write a built-in residue groupings configuration as a text (.cft) or binary "
         "(.cfb)\n"
         "      file.\n"
         "  hueset-cli --help | --version\n"
         "\n"
         "The per-user profile is $XDG_CONFIG_HOME/Vantor/Hueset.ini (HUESET_PROFILE names "
         "another\n"
         "file); the desktop program shares it. Messages go to standard error as\n"
         "FILE:LINE: error|warning: TEXT. Exit status: 0 success, 1 the input could not be\n"
         "annotated, 2 a usage error.\n";
}

}  // namespace

const std::string kCliUsage = makeUsage();

namespace {

bool isFormatName(const std::string& f) { return f == "auto" || formatFromCliName(f).has_value(); }

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

}  // namespace

ParsedArguments parseCliArguments(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  CliArguments& a = parsed.arguments;
  auto usage = [&parsed](std::string message) {
    parsed.error = std::move(message);
    return parsed;
  };
  if (args.empty()) return usage("no command given");

  std::size_t i = 0;
  const std::string& command = args[i++];
  if (command == "--help" || command == "-h" || command == "help") {
    a.command = CliCommand::Help;
    return parsed;
  }
  if (command == "--version") {
    a.command = CliCommand::Version;
    return parsed;
  }
  if (command == "annotate") {
    a.command = CliCommand::Annotate;
  } else if (command == "read") {
    a.command = CliCommand::Read;
  } else if (command == "config") {
    if (i >= args.size() || args[i] != "dump") return usage("'config' takes 'dump'");
    ++i;
    a.command = CliCommand::ConfigDump;
  } else {
    return usage("unknown command '" + command + "'");
  }

  std::vector<std::string> positional;
  while (i < args.size()) {
    const std::string& word = args[i++];
    auto value = [&](const std::string& option) -> std::optional<std::string> {
      if (i >= args.size()) return std::nullopt;
      (void)option;
      return args[i++];
    };
    auto needs = [&](const std::string& option) { return "option '" + option + "' needs a value"; };

    if (word == "--help" || word == "-h") {
      a.command = CliCommand::Help;
      return parsed;
    }
    if (word == "-o" || word == "--output") {
      auto v = value(word);
      if (!v || v->empty()) return usage(needs(word));
      a.output = *v;
    } else if (word == "-t" || word == "--to") {
      auto v = value(word);
      if (!v) return usage(needs(word));
      a.to = outputKindNamed(*v);
      if (!a.to) return usage("'" + *v + "' is not one of " + outputKindNames());
    } else if (word == "--page") {
      auto v = value(word);
      if (!v) return usage(needs(word));
      auto paper = parsePaper(*v);
      if (!paper)
        return usage("--page takes a4, letter, a3 or content, with ',landscape' if wanted, not '" +
                     *v + "'");
      a.optionAssignments.emplace_back("paperSize", std::to_string(paper->first));
      a.optionAssignments.emplace_back("landscape", paper->second ? "1" : "0");
    } else if (word == "--dpi") {
      auto v = value(word);
      if (!v) return usage(needs(word));
      a.optionAssignments.emplace_back("pngResolution", *v);
    } else if (word == "-f" || word == "--format") {
      auto v = value(word);
      if (!v) return usage(needs(word));
      if (!isFormatName(*v)) {
        return usage("'" + *v + "' is not one of " + formatNames(", "));
      }
      a.format = *v;
    } else if (word == "-c" || word == "--config") {
      auto v = value(word);
      if (!v || v->empty()) return usage(needs(word));
      a.config = *v;
    } else if (word == "--option") {
      auto v = value(word);
      if (!v) return usage(needs(word));
      auto eq = v->find('=');
      if (eq == std::string::npos || eq == 0)
        return usage("--option wants NAME=VALUE, not '" + *v + "'");
      a.optionAssignments.emplace_back(v->substr(0, eq), v->substr(eq + 1));
    } else if (word == "--no-profile") {
      a.noProfile = true;
    } else if (word == "--sets") {
      auto v = value(word);
      if (!v) return usage(needs(word));
      a.sets = parseSetLayout(*v);
      if (!a.sets) return usage("--sets wants indexes like \"0,1;2,3\", not '" + *v + "'");
    } else if (word == "--strict") {
      a.strict = true;
    } else if (word == "--as") {
      auto v = value(word);
      if (!v) return usage(needs(word));
      if (*v != "cft" && *v != "cfb") return usage("--as takes cft or cfb");
      a.dumpAs = *v;
    } else if (word.size() > 1 && word[0] == '-' && word != "-") {
      return usage("unknown option '" + word + "'");
    } else {
      positional.push_back(word);
    }
  }

  if (a.command == CliCommand::ConfigDump) {
    if (positional.size() != 1 || (positional[0] != "colour" && positional[0] != "bw")) {
      return usage("'config dump' takes colour or bw");
    }
    if (a.dumpAs.empty()) return usage("'config dump' needs --as cft or --as cfb");
    a.dumpWhich = positional[0];
    return parsed;
  }
  if (a.command == CliCommand::Annotate) {
    if (std::string problem = outputFileProblem(a); !problem.empty()) return usage(problem);
  }
  if (positional.empty() && a.command == CliCommand::Annotate && a.to == OutputKind::Css) {
    return parsed;  // the style sheet needs only the groupings
  }
  if (positional.size() != 1) {
    return usage(positional.empty() ? "no input file given (use - for standard input)"
                                    : "only one input file may be given");
  }
  a.input = positional[0];
  return parsed;
}

}  // namespace hueset
