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
  const auto command = static_cast<Command>(context - kCommandHelpBase);
  switch (command) {
    case Command::AnnotateToRtfClipboard:  // the annotate commands
    case Command::AnnotateToWord:
    case Command::AnnotateToHtmlClipboard:
    case Command::AnnotateToFile:
    case Command::CopyStyleSheet: return "annotating.html";
    case Command::AnnotateAddStructure: return "annotating.html#structures";
    case Command::GroupingsEdit:  // residue groupings commands
    case Command::GroupingsOpen:
    case Command::GroupingsReload:
    case Command::GroupingsSave:
    case Command::GroupingsSaveAs:
    case Command::GroupingsDefaults:
    case Command::GroupingsBlackWhite:
    case Command::GroupingsColourBlindSafe: return "groupings.html";
    case Command::Options:  // options
      return "options.html";
    case Command::ViewPreview:  // the preview
      return "annotating.html#preview";
    default: break;
  }
  return kHelpContentsPage;
}

}  // namespace hueset
