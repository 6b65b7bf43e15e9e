#include "desktop/frame/help_topics.h"

namespace hueset {

std::string_view helpPageForContext(int context) {
  switch (context) {
    case kTutorialHelpContext:
      return "tutorial.html";
    case kFileFormatsHelpContext:
      return "formats.html";
    case kInvalidCharactersHelpContext:
    case kUnequalLengthsHelpContext:
      return "formats.html#problems";
    default:
      break;
  }
  int command = context - kCommandHelpBase;
  switch (command) {
    case 32771:  // the annotate commands
    case 32772:
    case 32803:
    case 32809:
    case 32811:
      return "annotating.html";
    case 32777:  // residue groupings commands
    case 32779:
    case 32780:
    case 32781:
    case 32782:
    case 32789:
    case 32814:
      return "groupings.html";
    case 32778:  // options
      return "options.html";
    case 32815:  // the preview
      return "annotating.html#preview";
    default:
      break;
  }
  return kHelpContentsPage;
}

}  // namespace hueset
