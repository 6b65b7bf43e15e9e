#pragma once

#include <deque>
#include <string>
#include <vector>

#include "input/parse_message_sink.h"

namespace hueset::test {

// A ParseMessageSink that records every message and answers questions from
// a script. When the script runs out, questions are answered Yes (go on).
class ScriptedSink : public ParseMessageSink {
 public:
  enum class Kind { Question, Error, UnequalLengths };
  struct Message {
    Kind kind;
    std::string text;
    int line;                          // 0 for the unequal-lengths report
    std::vector<std::string> names;    // unequal lengths: the names shown
    std::vector<std::size_t> lengths;  // and their residue counts
  };

  ScriptedSink() = default;
  // `abortAnswers`: the answers to successive questions, true = No (abort).
  explicit ScriptedSink(std::deque<bool> abortAnswers) : m_answers(std::move(abortAnswers)) {}

  // Answers alternate No, Yes, No, ... instead of following a script.
  void alternateAnswers() { m_alternate = true; }

  bool ask(const std::string& text, int line) override;
  void error(const std::string& text, int line) override;
  void unequalLengths(const std::string& text, const Alignment& alignment) override;

  const std::vector<Message>& messages() const { return m_messages; }
  // The messages as "Q|E|U line: text" lines, handy in assertions.
  std::string transcript() const;

 private:
  std::deque<bool> m_answers;
  bool m_alternate = false;
  bool m_nextAlternate = true;
  std::vector<Message> m_messages;
};

}  // namespace hueset::test
