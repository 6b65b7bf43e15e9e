#include "support/scripted_sink.h"

#include "input/alignment.h"

namespace hueset::test {

bool ScriptedSink::ask(const std::string& text, int line) {
  m_messages.push_back({Kind::Question, text, line, {}, {}});
  if (m_alternate) {
    bool answer = m_nextAlternate;
    m_nextAlternate = !m_nextAlternate;
    return answer;
  }
  if (m_answers.empty()) return false;
  bool answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

void ScriptedSink::error(const std::string& text, int line) {
  m_messages.push_back({Kind::Error, text, line, {}, {}});
}

void ScriptedSink::unequalLengths(const std::string& text, const Alignment& alignment) {
  Message m{Kind::UnequalLengths, text, 0, alignment.names, {}};
  for (const auto& r : alignment.residues) m.lengths.push_back(r.size());
  m_messages.push_back(std::move(m));
}

std::string ScriptedSink::transcript() const {
  std::string out;
  for (const auto& m : m_messages) {
    out += m.kind == Kind::Question ? "Q " : m.kind == Kind::Error ? "E " : "U ";
    out += std::to_string(m.line) + ": " + m.text + "\n";
  }
  return out;
}

}  // namespace hueset::test
