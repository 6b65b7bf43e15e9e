#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hueset {

// The value of each format is fixed: it is what the format guess returns.
// The first six are also their positions in the confirmation list; the
// formats read later come after Undetermined and after those six in the list
// (see formatList()).
enum class AlignmentFormat : std::int32_t {
  Fasta = 0,
  Clustal = 1,
  Msf = 2,
  PhdMsf = 3,
  PhdSaf = 4,
  Dsc = 5,
  Undetermined = 6,
  Stockholm = 7,
  A2m = 8,
  A3m = 9,
  Phylip = 10,
  Pir = 11,
};

// A parsed alignment: sequences with their names, plus labelled prediction
// rows ("tracks") for PHD and DSC input and the secondary-structure rows of
// Stockholm and A3M. A plain copyable value.
struct Alignment {
  AlignmentFormat format = AlignmentFormat::Undetermined;
  std::int32_t length = 0;
  std::vector<std::string> names;
  std::vector<std::string> residues;
  std::vector<std::string> trackLabels;
  std::vector<std::string> tracks;
  // Per sequence, the number each of its residues carries in order, as an
  // attached structure numbers them ("52A" with an insertion code); an
  // empty list for a sequence counted from its start, and none at all
  // while no sequence has one.
  std::vector<std::vector<std::string>> ownNumbers;

  // Number of names that repeat an earlier one.
  int duplicateNameCount() const;
  // Every residue and track string as long as the first residue string.
  bool hasEqualLengths() const;
  // Width of the name column: the longest name or track label, at least 14.
  int labelWidth() const;
  // Index of the last sequence with residues, or -1.
  int lastNonEmptySequence() const;
  void removeEmptySequences();
  void removeSequence(int index);
  // Removes columns [first, last) from every residue and track string.
  void eraseColumns(int first, int last);
};

// What the character check found in one sequence.
struct CharacterProblem {
  bool whiteSpace = false;
  bool nonPrintable = false;
  std::string invalidLetters;
  std::string lowerCaseLetters;
  std::string otherSymbols;
  std::string name;

  bool operator==(const CharacterProblem&) const = default;
};

// Checks every residue string; appends one entry per sequence with a problem.
// Returns true when nothing was found. The insert letters of A2M and A3M are
// residues in lower case: they are checked as lower case is when allowed.
bool checkCharacters(const Alignment& alignment, std::vector<CharacterProblem>& problems,
                     bool allowLowerCase, bool allowStrangeGaps,
                     const std::string& invalidResidues);

}  // namespace hueset
