#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "input/alignment.h"

namespace hueset {

// What the two parse problem reports show, without the windows: the
// desktop program draws these models, the command-line tool prints them.

// Every column of both reports is as wide as the widest of its sizing texts
// plus this many pixels.
inline constexpr int kReportColumnPadding = 15;

struct ReportColumn {
  std::string title;
  std::vector<std::string> sizingTexts;  // the widest of these sets the width

  bool operator==(const ReportColumn&) const = default;
};

// A residue string as the unequal-lengths report shows it: groups of 10
// separated by blanks; from 210 characters on, the first and last 100
// (each group followed by a blank) with the number left out in brackets.
std::string residueDisplayForm(std::string_view residues);

// ---- "Invalid Characters" ------------------------------------------------

inline constexpr std::string_view kCharacterReportTitle = "Invalid Characters";
inline constexpr std::string_view kCharacterReportPrompt =
    "The following Invalid Characters were encountered when processing the sequence Data. Do "
    "you wish to proceed regardless?";
inline constexpr std::string_view kCharacterReportFootnote =
    "If you are happy with the prospect of these invalid characters appearing in the "
    "annotation, their presence should not jeopardise the consensus arithmetic: Invalid "
    "symbols will be treated as \"gap\" linkers";
inline constexpr std::string_view kCharacterReportNote =
    "The occurence of \"white space\" or non-printable characters may indicate a fault in the "
    "data parsing logic of HUESET. Please see the documentation or the Help File for more "
    "details.";

// The columns of the report, in the order they stand when all are needed.
enum class CharacterColumn {
  Sequence,
  InvalidResidues,
  LowerCaseResidues,
  ExtraLetters,
  NonPrintable,
  WhiteSpace,
};

struct CharacterReport {
  std::vector<CharacterColumn> kinds;          // the columns shown, in order
  std::vector<ReportColumn> columns;           // parallel to `kinds`
  std::vector<std::vector<std::string>> rows;  // one per problem, one cell per column shown
  bool noteVisible = false;                    // white space or control characters were found
};

std::string_view characterColumnTitle(CharacterColumn column);

// The report for the problems of the character check, in their order.
// Columns that no problem needs are left out; "Sequence" always stays.
CharacterReport makeCharacterReport(const std::vector<CharacterProblem>& problems);

// ---- "Parsing Error: Sequence Lengths Unequal" ---------------------------

inline constexpr std::string_view kUnequalLengthsTitle = "Parsing Error: Sequence Lengths Unequal";
inline constexpr std::string_view kUnequalLengthsDefaultHeading = "This is not a valid file.";
inline constexpr std::string_view kUnequalLengthsExplanation =
    "Some of the scanned sequences in the alignment are longer or shorter than others.";
inline constexpr std::string_view kUnequalLengthsBracketNote =
    "(If the sequences are too long to be displayed in their entirety here, the missing lengths "
    "are given in brackets.)";

struct UnequalLengthsRow {
  std::string name;
  std::string length;    // in decimal
  std::string residues;  // in display form
  // Its length is not the one most rows share; false for every row when no
  // length is more common than all others.
  bool differs = false;

  bool operator==(const UnequalLengthsRow&) const = default;
};

struct UnequalLengthsReport {
  std::string heading;                  // the reader's heading, in place of the default
  std::vector<ReportColumn> columns;    // "Name", "Parsed Length", "Containing Residues", "Name"
  std::vector<UnequalLengthsRow> rows;  // the sequences, then the prediction rows
  // The positions of the rows that differ, in their order, then the others:
  // in an alignment of thousands the few at fault come first.
  std::vector<std::size_t> differingFirst() const;
};

UnequalLengthsReport makeUnequalLengthsReport(std::string_view heading, const Alignment& alignment);

}  // namespace hueset
