#pragma once

#include <array>
#include <string_view>

#include "input/alignment.h"

namespace hueset {

// Guesses the format of a document from a few keywords: ">" is FASTA, a
// leading "CLUSTAL" is CLUSTAL, "DSC" is DSC, "PHDsec" in the first 2000
// characters is PHD, anything else MSF. Never returns Undetermined.
AlignmentFormat guessFormat(std::string_view text);

// The entries of the format confirmation list; the position is the format.
inline constexpr std::array<std::string_view, 6> kFormatLabels = {
    "FASTA", "CLUSTAL", "MSF", "PHD (MSF)", "PHD (SAF)", "DSC"};

// The prompt above the format confirmation list.
inline constexpr std::string_view kFormatPrompt =
    "Please select the data format of the aligned sequences.";

// What the "File Formats" dialog shows and returns, without the window.
struct FormatChoice {
  std::string_view prompt = kFormatPrompt;
  std::string_view note;  // text below the list; empty here
  int selected = -1;      // list position, -1 for none

  static FormatChoice forGuess(AlignmentFormat guess);
  // The chosen format, or Undetermined when nothing is selected.
  AlignmentFormat chosen() const;
};

}  // namespace hueset
