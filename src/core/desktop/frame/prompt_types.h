#pragma once

namespace hueset {

// A message box as the program asks it: the picture beside the text, the
// buttons under it, and the button the user answered with. The core's
// commands and every dialog helper of the desktop program use these, so an
// answer means the same wherever it is given.
enum class PromptIcon { Information, Exclamation, Stop, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// The answer to a "Save changes ...?" question (Yes, No, Cancel) decides
// whether the command that asked goes on: Yes saves first and goes on only
// when `save` succeeds, No goes on without saving, Cancel stops.
template <typename Save>
bool goOnAfterSaveQuestion(PromptAnswer answer, Save&& save) {
  switch (answer) {
    case PromptAnswer::Yes: return save();
    case PromptAnswer::No: return true;
    default: return false;
  }
}

}  // namespace hueset
