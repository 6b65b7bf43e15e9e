#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "annotate/consensus.h"
#include "groupings/grouping_set.h"
#include "input/alignment.h"

namespace hueset {

// How one column stands against the consensus rules, counted exactly as
// computeConsensus counts it.
struct ColumnAgreement {
  // The candidate in format-index numbering (j + 1 the j-th active ordinary
  // grouping, n + 1 a single residue): what the column agreed on when
  // `reached`, else the candidate that came nearest; 0 when no residue of
  // any candidate was counted.
  std::uint16_t candidate = 0;
  bool reached = false;
  char residue = 0;            // the letter of a single-residue candidate, else 0
  std::uint32_t agreeing = 0;  // sequences whose residue belongs to the candidate
  std::uint32_t counted = 0;   // sequences counted: blanks and unknowns as the options say

  bool operator==(const ColumnAgreement&) const = default;
};

struct ColumnStatistics {
  // The grouping names in format-index order: "Default", the active ordinary
  // groupings, "Single".
  std::vector<std::string> names;
  int threshold = 0;  // tenths of a percent
  std::vector<ColumnAgreement> columns;
};

// Every column of `set`. A reached candidate is the one computeConsensus
// draws, and `agreeing` is the number of cells it gives that format. Without
// one, the nearest candidate is the single residue (when "Single" is active)
// or grouping with the most sequences, ties going to the earlier in
// precedence.
ColumnStatistics columnStatistics(const Alignment& set, const GroupingSet& groupings,
                                  const ConsensusSettings& settings,
                                  const std::string& invalidResidues);

}  // namespace hueset
