#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hueset {

struct Options;

enum class OptionKind {
  Flag,       // stored as 1 or 0
  Number,     // an integer, clamped into its stored range
  Character,  // one byte, stored as its code 0..255
  Text,       // cleaned of what does not qualify
};

// One user option as the option table describes it. Every option is
// described once, in that table; loading, saving, the options file and
// `--option` all work from it.
struct OptionInfo {
  std::string_view name;  // the field's name, and the `--option` name
  std::string_view section;
  std::string_view key;
  OptionKind kind = OptionKind::Flag;
  int defaultNumber = 0;  // flags, numbers and characters
  std::string_view defaultText;
  // The stored range of numbers and characters. Stored values are compared
  // as the unsigned numbers the store keeps, so a negative one ends up at the
  // upper bound.
  std::uint32_t low = 0;
  std::uint32_t high = 0;
  bool onCommandLine = false;  // `--option` may set it
};

// Every option, group by group (HTML, annotation, parse, output, general,
// figure).
std::vector<OptionInfo> optionList();

// The `--option` names, comma-separated, for the help text.
std::string optionNameList();

struct OptionAssignment {
  std::string error;    // the value was refused; the option is unchanged
  std::string warning;  // the value was taken, but clamped or cleaned
};

// Sets one option by name from text, clamped and cleaned exactly as a value
// read from the profile.
OptionAssignment assignOption(Options& options, const std::string& name, const std::string& value);

}  // namespace hueset
