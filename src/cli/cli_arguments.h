#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "annotate/output_kind.h"
#include "settings/options.h"

namespace hueset {

enum class CliCommand { Help, Version, Annotate, Read, ConfigDump };

// What the command line asked for, before anything is read.
struct CliArguments {
  CliCommand command = CliCommand::Help;
  std::string input;             // FILE, or "-" for standard input
  std::string output;            // empty: standard output
  std::optional<OutputKind> to;  // none: from the output file's extension
  std::string format = "auto";   // auto, or a --format name of the format table
  std::string config;            // colour|bw|safe|FILE; empty: the profile's choice
  std::vector<std::pair<std::string, std::string>> optionAssignments;
  bool noProfile = false;
  std::optional<std::vector<int>> sets;  // a set layout, -1 opening each set
  bool strict = false;
  std::string dumpWhich;                // config dump: colour|bw|safe
  std::string dumpAs;                   // config dump: cft|cfb
  std::vector<std::string> structures;  // --structure FILE[:CHAIN][=SEQUENCE], in order
};

struct ParsedArguments {
  CliArguments arguments;
  std::string error;  // a usage error, empty when the words were fine
};

ParsedArguments parseCliArguments(const std::vector<std::string>& args);

// "a4", "letter,landscape" ... as the paper (FigurePaper's value) and whether
// it is turned; none for anything else. --page sets the figure options so.
std::optional<std::pair<int, bool>> parsePaper(const std::string& text);

// "0,1;2,3" as the set layout -1, 0, 1, -1, 2, 3; none when malformed.
std::optional<std::vector<int>> parseSetLayout(const std::string& text);

const std::string& cliUsage();

// The spellings of the options a command takes ("-o", "--output", ...), in
// the order the usage lists them.
std::vector<std::string_view> cliOptionWords(CliCommand command);

}  // namespace hueset
