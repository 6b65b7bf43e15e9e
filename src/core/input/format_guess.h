#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "input/alignment.h"
#include "input/format_table.h"
#include "input/text_check.h"

namespace hueset {

// Guesses the format of a document from a few keywords: ">" is FASTA, a
// leading "CLUSTAL" is CLUSTAL, "DSC" is DSC, "PHDsec" in the first 2000
// characters is PHD, anything else MSF. Never returns Undetermined.
//
// The later formats are recognised only where the text is unmistakably
// theirs, and never where one of the keywords above decides: among ">"
// texts, a ">P1;" header whose sequence ends in "*" is PIR, and a FASTA
// whose lower-case insert columns line up, or whose sequences differ in
// length but agree in their upper-case columns, is A2M or A3M; among the
// texts that would otherwise be MSF, a "# STOCKHOLM" header is Stockholm,
// "#" comment lines before such a FASTA are A3M, and a count line followed
// by exactly that many sequences and columns is PHYLIP.
AlignmentFormat guessFormat(AlignmentText text);
// The same for bytes whose end (their first NUL) is not yet known.
AlignmentFormat guessFormat(std::string_view text);

// The six formats the guess has always known, by position (= value).
inline constexpr std::array<std::string_view, 6> kFormatLabels = {"FASTA",     "CLUSTAL",   "MSF",
                                                                  "PHD (MSF)", "PHD (SAF)", "DSC"};

// The format that a file name's extension stands for, looking through a
// final ".gz": the extensions of the rows of the format table that the guess
// goes by (".sto", ".stk", ".sth", ".a2m", ".a3m", ".phy", ".phylip",
// ".pir", ".nbrf"). None for any other name.
std::optional<AlignmentFormat> formatForExtension(std::string_view path);

// The guess for the text of a named file: where the text has no keyword at
// all (the guess falls back to MSF, yet there is no "MSF:" for the MSF
// reader), the extension may name the format instead.
AlignmentFormat guessFormatForFile(AlignmentText text, std::string_view path);
AlignmentFormat guessFormatForFile(std::string_view text, std::string_view path);

// How the format of a document is settled: the one given (the command
// line's --format), else one guess from the text and, where it names a
// file, the file's extension.
struct FormatRequest {
  std::optional<AlignmentFormat> given;
  std::string_view fileName;  // empty for standard input or a pasted text
};
AlignmentFormat settleFormat(AlignmentText text, const FormatRequest& request);

// The label of a format in the confirmation list; empty for Undetermined.
std::string_view formatLabel(AlignmentFormat format);
// The format a --format name stands for ("fasta", "stockholm", ...).
std::optional<AlignmentFormat> formatFromCliName(std::string_view name);

// The prompt above the format confirmation list.
inline constexpr std::string_view kFormatPrompt =
    "Please select the data format of the aligned sequences.";

// What the "File Formats" dialog shows and returns, without the window.
struct FormatChoice {
  std::string_view prompt = kFormatPrompt;
  std::string_view note;  // text below the list; empty here
  int selected = -1;      // list position, -1 for none

  // Selects the guess's entry of formatList().
  static FormatChoice forGuess(AlignmentFormat guess);
  // The chosen format, or Undetermined when nothing is selected.
  AlignmentFormat chosen() const;
};

}  // namespace hueset
