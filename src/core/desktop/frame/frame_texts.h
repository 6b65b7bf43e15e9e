#pragma once

#include <string>
#include <string_view>

namespace hueset {

// The main window's idle status text, the window caption and the rule that
// enables the annotate commands: decided here so they can be tested without
// a window.

// String-table number of the framework's idle prompt ("For Help, press F1").
inline constexpr int kIdlePromptId = 57345;

// "Consensus threshold = ...;   Elision threshold = ..., min length = ...",
// the thresholds given in tenths of a percent.
std::string idleStatusText(int consensusThreshold, int elisionThreshold, int minimumElisionLength);

// What the status bar shows for a prompt: the idle text instead of the
// framework's idle prompt (or no prompt at all), any other prompt unchanged.
std::string statusBarText(std::string_view prompt, std::string_view idleText);

// The frame title shown in the caption.
inline constexpr std::string_view kFrameTitle = "HUESET";

struct CaptionParts {
  bool hasDocument = true;         // false: the framework's plain caption
  std::string documentTitle;       // "Untitled" for a new document
  int windowNumber = 0;            // shown after ":" when above 0
  std::string configurationTitle;  // title of the current residue groupings
};

// `Untitled - HUESET- [ "Hueset Defaults" Residue Groupings ]`
std::string frameCaption(const CaptionParts& parts);

// The four annotate commands need more than two characters of text.
bool annotateCommandsEnabled(std::size_t characterCount);

// Lines to scroll so that 1-based `line` becomes the second visible line,
// given the 0-based index of the first visible line (may be negative).
int scrollToShowLine(int line, int firstVisibleLine);

}  // namespace hueset
