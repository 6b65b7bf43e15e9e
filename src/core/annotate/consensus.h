#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "groupings/grouping_set.h"
#include "input/alignment.h"

namespace hueset {

// The class of one alignment character: 0 to 25 the letters A to Z, then
// blank (gaps, non-letters, invalid residues) and unknown (X, when asked).
using ResidueCode = std::uint8_t;
inline constexpr ResidueCode kBlankCode = 26;
inline constexpr ResidueCode kUnknownCode = 27;
inline constexpr std::size_t kResidueCodeCount = 28;

// Indexed by the unsigned byte value of a character.
using ResidueCodeTable = std::array<ResidueCode, 256>;

// Later rules win: everything blank, A-Z letters, invalid residues blank
// again; with `allowLowerCase` a-z as their capitals (invalid ones blank);
// with `xIsUnknown` X (and x with lower case) unknown.
ResidueCodeTable buildResidueCodeTable(const std::string& invalidResidues, bool allowLowerCase,
                                       bool xIsUnknown);

// What the engine takes from a grouping set, in format-index order:
// 0 "Default", 1..n the active ordinary groupings, n + 1 "Single".
struct ConsensusRules {
  std::vector<ResidueFormat> formats;  // n + 2 entries
  std::string markers;                 // parallel to `formats`
  std::vector<std::string> members;    // n entries: residues of format j + 1
  bool singleActive = false;

  bool operator==(const ConsensusRules&) const = default;
};

// Always yields n + 2 formats. A set missing its special entries (only a
// broken configuration can be) gets plain stand-ins, with "Single" inactive,
// so every index the engine writes still selects a format.
ConsensusRules consensusRules(const GroupingSet& groupings);

// A format index is one byte and n + 1 must fit in it.
inline constexpr std::size_t kMaxActiveGroupings = 254;

// The option values the engine reads.
struct ConsensusSettings {
  int consensusThreshold = 800;  // tenths of a percent
  bool includeBlanks = true;
  bool xIsUnknown = true;
  bool allowLowerCase = false;
};

struct ConsensusStatus {
  bool ok = true;
  std::string message;  // for the user when !ok

  explicit operator bool() const { return ok; }
};

// What the consensus makes of one set: the format of every cell, and the
// row of markers drawn under the set's sequences with its label.
struct ConsensusRows {
  // formats[i][c]: the format index of column c of sequence i (0 "Default").
  std::vector<std::string> formats;
  // One marker per column.
  std::string row;
  // The row's name in the name column; the caller names it.
  std::string label;

  // The trailing set of prediction rows has none.
  bool hasRow() const { return !row.empty() || !label.empty(); }
};

// Decides every column of `set`: fills the formats (one string of format
// indices per sequence) and the marker row of `result`, leaving its label.
// Refuses, touching `result` not at all, when the groupings have more active
// ordinary groupings than a format index can number. Short residue strings
// are read as blanks where they end.
[[nodiscard]] ConsensusStatus computeConsensus(const Alignment& set, ConsensusRows& result,
                                               const GroupingSet& groupings,
                                               const ConsensusSettings& settings,
                                               const std::string& invalidResidues);

}  // namespace hueset
