#include "preview/preview_run.h"

#include <algorithm>
#include <utility>

#include "preview/preview_writer.h"
#include "util/current_failure.h"

namespace hueset {

namespace {

PreviewOutcome makePreview(const PreviewInput& input, StopFlag stop) {
  PreviewOutcome outcome;
  // An empty editor shows an empty preview, not a complaint.
  const bool blank = std::all_of(input.text.begin(), input.text.end(), [](char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
  });
  if (blank) {
    outcome.document = std::make_shared<PreviewDocument>();
    outcome.overview = std::make_shared<PreviewOverview>();
    return outcome;
  }

  PreviewInteraction interaction(std::move(stop));
  PreviewWriter writer(input.groupings, consensusSettings(input.options),
                       invalidResidueList(input.options.parse));
  const FigureLayoutOptions& layout = input.options.figureLayout;
  writer.showTitleAndLegend(
      layout.title, layout.legend
                        ? std::optional(figureLegend(input.groupings,
                                                     input.options.annotation.consensusThreshold))
                        : std::nullopt);
  writer.drawStructureAs(layout.structureShapes == 0
                             ? std::nullopt
                             : std::optional(StructureGlyphStyle{layout.structureShapes == 2,
                                                                 layout.structureLabels}));
  // The driver remembers a chosen set list; the preview never chooses one.
  RememberedSets remembered = input.remembered;
  const bool annotated = annotate(input.text, input.options, input.groupings, writer, interaction,
                                  remembered, {}, input.afterReading);
  outcome.messages = interaction.messages();
  outcome.stopped = interaction.stopped();
  if (outcome.stopped) return outcome;
  if (annotated) {
    outcome.document = writer.takeDocument();
    outcome.overview = std::make_shared<PreviewOverview>(previewOverview(*outcome.document));
  } else if (outcome.messages.empty() ||
             std::none_of(
                 outcome.messages.begin(), outcome.messages.end(),
                 [](const PreviewMessage& m) { return m.kind == PreviewMessage::Kind::Error; })) {
    // The driver stops without a word only when fewer than two sequences
    // are left to annotate.
    outcome.messages.push_back({PreviewMessage::Kind::Error,
                                "Nothing to annotate: at least two sequences are needed.", 0});
  }
  return outcome;
}

}  // namespace

// The run is on a thread of its own, where an escaping exception would end
// the program: a failure becomes the bar's message, the last preview stays.
PreviewOutcome runPreview(const PreviewInput& input, StopFlag stop) {
  PreviewOutcome outcome;
  try {
    outcome = makePreview(input, std::move(stop));
  } catch (...) {
    outcome = PreviewOutcome();
    outcome.messages.push_back({PreviewMessage::Kind::Error,
                                "The preview could not be made: " + currentFailure() + ".", 0});
  }
  outcome.source = input.source;
  return outcome;
}

PreviewShown shownAfter(const PreviewShown& last, const PreviewOutcome& outcome) {
  if (outcome.stopped) return last;
  if (outcome.document) return {outcome.document, false, outcome.source};
  if (last.document && last.source == outcome.source) return {last.document, true, last.source};
  return {nullptr, false, outcome.source};
}

}  // namespace hueset
