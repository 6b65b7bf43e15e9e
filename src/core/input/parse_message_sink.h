#pragma once

#include <string>

namespace hueset {

struct Alignment;

// How the readers talk to the user. The desktop program shows message boxes
// and selects the line; the command-line tool and the tests answer by policy.
class ParseMessageSink {
 public:
  virtual ~ParseMessageSink() = default;

  // A question titled "Warning" with Yes and No; returns true (abort) on No.
  // `line` is the 1-based line to select, or 0 for none.
  virtual bool ask(const std::string& text, int line) = 0;
  // A fatal error titled "Error".
  virtual void error(const std::string& text, int line) = 0;
  // The unequal-lengths report, with `text` as its heading.
  virtual void unequalLengths(const std::string& text, const Alignment& alignment) = 0;
};

}  // namespace hueset
