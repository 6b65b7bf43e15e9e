#pragma once

#include <string>

namespace hueset {

struct Options;

// Sets one option by its field name (consensusThreshold, useElision,
// linkerCharacter, ...) from text, with the same clamps and cleaning as
// values read from the profile. Returns an error text, empty on success.
std::string assignOption(Options& options, const std::string& name, const std::string& value);

// The field names assignOption knows, for the help text and the tests.
std::string optionNameList();

}  // namespace hueset
