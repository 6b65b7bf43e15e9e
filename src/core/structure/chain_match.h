#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hueset {

// A structure's chain matched to a sequence's residues by a global
// alignment (Needleman-Wunsch with Gotoh's affine gaps) scored with
// BLOSUM62, a gap opening at 11 and growing by 1 a residue; gaps at either
// end are free, so a model that starts later or stops sooner costs nothing
// for what it lacks.
struct ChainMatch {
  // For each residue of the sequence, the chain residue paired with it, or
  // -1 where the chain has none.
  std::vector<int> chainResidueOf;
  int pairs = 0;      // residues paired
  int identical = 0;  // of them, the same amino acid
  // The first few pairs that differ, as "K12R" (sequence letter, its
  // number from 1, chain letter).
  std::vector<std::string> mismatches;

  // Identical pairs among the paired ones, 0 to 1; 0 when none are.
  double identity() const { return pairs == 0 ? 0 : static_cast<double>(identical) / pairs; }
};

// Both in one-letter codes, upper case; anything else scores as X.
ChainMatch matchChain(std::string_view sequence, std::string_view chain);

// Below this identity a chain is not taken for the sequence.
inline constexpr double kLeastChainIdentity = 0.9;

}  // namespace hueset
