#pragma once

#include <string>
#include <string_view>

namespace hueset {

struct WriteResult {
  bool ok = false;
  std::string error;  // what went wrong, for a message; empty on success
};

// Every file the program writes goes through here. A regular file (or a new
// one) is written to a temporary file beside it and renamed over it, so a
// failed write leaves the old file whole. A device, a pipe or a symbolic link
// is written in place (through the link) and never replaced.
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace hueset
