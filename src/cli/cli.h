#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace hueset {

// The whole command-line tool: `args` are the words after the program name.
// Returns the exit status: 0 success, 1 the input could not be annotated or
// read, 2 a usage error.
// `outputIsTerminal` says that `out` is a terminal, which is never sent a
// binary figure.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool outputIsTerminal = false);

}  // namespace hueset
