#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "groupings/grouping_set.h"
#include "pipeline/annotation_driver.h"
#include "preview/preview_document.h"
#include "preview/preview_interaction.h"
#include "preview/preview_overview.h"
#include "settings/options.h"
#include "util/stop_flag.h"

namespace hueset {

// Everything a preview is made from, copied so that it can be made away from
// the editor, the options and the groupings while they change.
struct PreviewInput {
  std::string text;
  Options options;
  GroupingSet groupings;
  RememberedSets remembered;  // the set list of the last annotation
  // Which document the text is of: a new number for each file opened or
  // document begun, the same while it is edited.
  std::uint64_t source = 0;
  // What the document adds after reading (its attached structures); none:
  // nothing. It works on copies of its own, so it may run on the worker.
  AfterReading afterReading = {};
};

struct PreviewOutcome {
  // The annotation; null when the text could not be annotated (the messages
  // say why) or the run was stopped. A blank text gives an empty document.
  std::shared_ptr<const PreviewDocument> document;
  std::vector<PreviewMessage> messages;
  // The document's conservation for the strip above the preview; null
  // without a document.
  std::shared_ptr<const PreviewOverview> overview;
  bool stopped = false;      // `stop` was requested before the run finished
  std::uint64_t source = 0;  // the input's
};

// What the preview shows: a document, greyed when the text no longer gives
// it, and the document (PreviewInput::source) it was made from.
struct PreviewShown {
  std::shared_ptr<const PreviewDocument> document;
  bool greyed = false;
  std::uint64_t source = 0;

  bool operator==(const PreviewShown&) const = default;
};

// What shows after a run: the run's document when it made one; else the
// last preview, greyed, while the same document is edited. A document newly
// opened that cannot be annotated shows no figure, only its messages: the
// last one would be another file's. A stopped run changes nothing.
PreviewShown shownAfter(const PreviewShown& last, const PreviewOutcome& outcome);

// Annotates `input` as the Annotate commands would, without a dialog (see
// PreviewInteraction), into a PreviewDocument.
PreviewOutcome runPreview(const PreviewInput& input, StopFlag stop = {});

}  // namespace hueset
