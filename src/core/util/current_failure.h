#pragma once

#include <string>

namespace hueset {

// What the exception being handled says, for a message: "out of memory"
// for std::bad_alloc (whose own words mean nothing to a user), the
// exception's words otherwise. Call only inside a catch block.
std::string currentFailure();

}  // namespace hueset
