#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pipeline/annotation_driver.h"
#include "support/scripted_sink.h"

namespace hueset::test {

// An annotation that asks nobody: the guessed format, the characters and
// the offered sets are all taken, and the readers' messages are recorded.
// (Header only: the support library does not link the pipeline.)
class AcceptingInteraction : public AnnotationInteraction {
 public:
  ParseMessageSink& messageSink() override { return m_sink; }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override { return guess; }
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>&) override { return true; }
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>&, bool,
                                             const std::vector<int>& starting) override {
    return starting;
  }

 private:
  ScriptedSink m_sink;
};

}  // namespace hueset::test
