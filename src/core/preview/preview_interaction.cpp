#include "preview/preview_interaction.h"

#include "input/parse_reports.h"

namespace hueset {
namespace {

// A one-line bar has room for a few names; the rest are counted.
constexpr std::size_t kNamesShown = 3;

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void appendList(std::string& out, const std::vector<std::string>& items) {
  for (std::size_t i = 0; i < items.size() && i < kNamesShown; ++i) {
    out += (i == 0 ? "" : ", ") + items[i];
  }
  if (items.size() > kNamesShown)
    out += " and " + std::to_string(items.size() - kNamesShown) + " more";
}

}  // namespace

bool PreviewInteraction::progress(AnnotationStage, int) { return !m_stop.stopRequested(); }

bool PreviewInteraction::acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) {
  std::vector<std::string> names;
  for (const CharacterProblem& problem : problems) names.push_back(trimmed(problem.name));
  std::string text = "Invalid characters in " + std::to_string(problems.size()) +
                     (problems.size() == 1 ? " sequence (" : " sequences (");
  appendList(text, names);
  text += "); they are treated as gaps.";
  m_messages.push_back({PreviewMessage::Kind::Question, std::move(text), 0});
  return true;
}

std::optional<std::vector<int>> PreviewInteraction::chooseSets(
    const std::vector<std::string>& names, bool, const std::vector<int>& startingChoice) {
  if (!startingChoice.empty()) return startingChoice;
  m_messages.push_back({PreviewMessage::Kind::Note,
                        "Multiple sets: the preview shows one set until the sets are chosen "
                        "for an annotation.",
                        0});
  std::vector<int> list{-1};
  for (std::size_t i = 0; i < names.size(); ++i) list.push_back(static_cast<int>(i));
  return list;
}

bool PreviewInteraction::ask(const std::string& text, int line) {
  m_messages.push_back({PreviewMessage::Kind::Question, text, line});
  return false;  // go on: a preview of what can be read beats none
}

void PreviewInteraction::error(const std::string& text, int line) {
  m_messages.push_back({PreviewMessage::Kind::Error, text, line});
}

void PreviewInteraction::unequalLengths(const std::string& text, const Alignment& alignment) {
  const UnequalLengthsReport report = makeUnequalLengthsReport(text, alignment);
  std::string message = (text.empty() ? std::string(kUnequalLengthsDefaultHeading) : text) + " " +
                        std::string(kUnequalLengthsExplanation) + " (";
  // The rows at fault first: the bar has room for a few names.
  std::vector<std::string> lengths;
  for (const std::size_t i : report.differingFirst()) {
    const UnequalLengthsRow& row = report.rows[i];
    lengths.push_back(trimmed(row.name) + ": " + row.length);
  }
  appendList(message, lengths);
  message += ")";
  m_messages.push_back({PreviewMessage::Kind::Error, std::move(message), 0});
}

}  // namespace hueset
