#include "desktop/frame/help_topics.h"

#include "desktop/frame/command_ids.h"

namespace hueset {

std::string_view helpPageForContext(int context) {
  switch (context) {
    case kTutorialHelpContext: return "tutorial.html";
    case kFileFormatsHelpContext: return "formats.html";
    case kInvalidCharactersHelpContext:
    case kUnequalLengthsHelpContext: return "formats.html#problems";
    default: break;
  }
  int command = context - kCommandHelpBase;
  switch (command) {
    case kAnnotateToRtfClipboard:  // the annotate commands
    case kAnnotateToWord:
    case kAnnotateToHtmlClipboard:
    case kAnnotateToFile:
    case kCopyStyleSheet: return "annotating.html";
    case kGroupingsEdit:  // residue groupings commands
    case kGroupingsOpen:
    case kGroupingsReload:
    case kGroupingsSave:
    case kGroupingsSaveAs:
    case kGroupingsDefaults:
    case kGroupingsBlackWhite: return "groupings.html";
    case kOptions:  // options
      return "options.html";
    case kViewPreview:  // the preview
      return "annotating.html#preview";
    default: break;
  }
  return kHelpContentsPage;
}

}  // namespace hueset
