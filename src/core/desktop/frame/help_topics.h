#pragma once

#include <string_view>

namespace hueset {

// Help requests carry a context number; the help window shows the page that
// belongs to it. Commands use 0x10000 plus the command number, dialogs
// 0x20000 plus the dialog's own number.
inline constexpr int kCommandHelpBase = 0x10000;
inline constexpr int kDialogHelpBase = 0x20000;
// The context of a request that names none (Help Topics, F1 in the frame).
inline constexpr int kDefaultHelpContext = 11;

// Contexts of the dialogs that have a Help button.
inline constexpr int kFileFormatsHelpContext = kDialogHelpBase + 137;
inline constexpr int kInvalidCharactersHelpContext = kDialogHelpBase + 163;
inline constexpr int kUnequalLengthsHelpContext = kDialogHelpBase + 164;

// The page that answers a context: a file name of the help folder, possibly
// with an anchor. Unknown contexts get the contents page.
std::string_view helpPageForContext(int context);

// The page every help folder must hold; without it help counts as missing.
inline constexpr std::string_view kHelpContentsPage = "index.html";

}  // namespace hueset
