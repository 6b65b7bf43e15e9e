#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input/parse_message_sink.h"
#include "pipeline/annotation_driver.h"
#include "util/stop_flag.h"

namespace hueset {

// What a dialog would have said during a preview.
struct PreviewMessage {
  enum class Kind {
    Error,     // the annotation stopped here
    Question,  // answered so that the annotation went on
    Note,      // the preview chose for the user
  };
  Kind kind = Kind::Error;
  std::string text;
  int line = 0;  // the document line (from 1) it is about; 0 for none

  bool operator==(const PreviewMessage&) const = default;
};

// Runs the annotation without a single dialog, for the preview: the guessed
// format, invalid characters accepted (they count as gaps), the remembered
// set list when multiple sets are on and else every sequence in one set.
// Reader questions are answered so that reading goes on where it can. Every
// message and question is kept, with its line, for the preview to show.
// Stops at the next stage or block once `stop` is requested.
class PreviewInteraction final : public AnnotationInteraction, private ParseMessageSink {
 public:
  explicit PreviewInteraction(StopFlag stop = {}) : m_stop(std::move(stop)) {}

  const std::vector<PreviewMessage>& messages() const { return m_messages; }
  bool stopped() const { return m_stop.stopRequested(); }

  bool progress(AnnotationStage stage, int percent) override;
  ParseMessageSink& messageSink() override { return *this; }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override { return guess; }
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) override;
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names,
                                             bool duplicateInSets,
                                             const std::vector<int>& startingChoice) override;

 private:
  bool ask(const std::string& text, int line) override;
  void error(const std::string& text, int line) override;
  void unequalLengths(const std::string& text, const Alignment& alignment) override;

  StopFlag m_stop;
  std::vector<PreviewMessage> m_messages;
};

}  // namespace hueset
