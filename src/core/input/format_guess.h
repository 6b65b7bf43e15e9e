#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "input/alignment.h"

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
AlignmentFormat guessFormat(std::string_view text);

// The six formats the guess has always known, by position (= value).
inline constexpr std::array<std::string_view, 6> kFormatLabels = {"FASTA",     "CLUSTAL",   "MSF",
                                                                  "PHD (MSF)", "PHD (SAF)", "DSC"};

// One entry of the format confirmation list.
struct FormatEntry {
  AlignmentFormat format;
  std::string_view label;    // as the list shows it
  std::string_view cliName;  // as --format takes it
};

// Every format the readers know, in the order of the confirmation list: the
// six above at the positions of their values, then the later ones.
inline constexpr std::array<FormatEntry, 11> kFormatList = {{
    {AlignmentFormat::Fasta, "FASTA", "fasta"},
    {AlignmentFormat::Clustal, "CLUSTAL", "clustal"},
    {AlignmentFormat::Msf, "MSF", "msf"},
    {AlignmentFormat::PhdMsf, "PHD (MSF)", "phd-msf"},
    {AlignmentFormat::PhdSaf, "PHD (SAF)", "phd-saf"},
    {AlignmentFormat::Dsc, "DSC", "dsc"},
    {AlignmentFormat::Stockholm, "Stockholm", "stockholm"},
    {AlignmentFormat::A2m, "A2M", "a2m"},
    {AlignmentFormat::A3m, "A3M", "a3m"},
    {AlignmentFormat::Phylip, "PHYLIP", "phylip"},
    {AlignmentFormat::Pir, "PIR/NBRF", "pir"},
}};

// The format that a file name's extension stands for, looking through a
// final ".gz": ".sto", ".stk", ".sth", ".a2m", ".a3m", ".phy", ".phylip",
// ".pir", ".nbrf". None for any other name.
std::optional<AlignmentFormat> formatForExtension(std::string_view path);

// The guess for the text of a named file: where the text has no keyword at
// all (the guess falls back to MSF, yet there is no "MSF:" for the MSF
// reader), the extension may name the format instead.
AlignmentFormat guessFormatForFile(std::string_view text, std::string_view path);

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

  // Selects the guess's entry of kFormatList.
  static FormatChoice forGuess(AlignmentFormat guess);
  // The chosen format, or Undetermined when nothing is selected.
  AlignmentFormat chosen() const;
};

}  // namespace hueset
