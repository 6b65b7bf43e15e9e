#pragma once

#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "groupings/grouping_set.h"
#include "pipeline/annotation_driver.h"
#include "preview/preview_document.h"
#include "preview/preview_interaction.h"
#include "settings/options.h"

namespace hueset {

// Everything a preview is made from, copied so that it can be made away from
// the editor, the options and the groupings while they change.
struct PreviewInput {
  std::string text;
  Options options;
  GroupingSet groupings;
  RememberedSets remembered;  // the set list of the last annotation
};

struct PreviewOutcome {
  // The annotation; null when the text could not be annotated (the messages
  // say why) or the run was stopped. A blank text gives an empty document.
  std::shared_ptr<const PreviewDocument> document;
  std::vector<PreviewMessage> messages;
  bool stopped = false;  // `stop` was requested before the run finished
};

// Annotates `input` as the Annotate commands would, without a dialog (see
// PreviewInteraction), into a PreviewDocument.
PreviewOutcome runPreview(const PreviewInput& input, std::stop_token stop = {});

}  // namespace hueset
