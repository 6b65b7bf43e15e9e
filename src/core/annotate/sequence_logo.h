#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "annotate/consensus.h"
#include "groupings/grouping_set.h"
#include "input/alignment.h"

namespace hueset {

// The most a protein column holds: log2 of 20 residues, in bits.
inline constexpr double kLogoMostBits = 4.321928094887362;

struct LogoLetter {
  char letter = 0;
  double bits = 0;  // its share of the column's height
};

// One column of a sequence logo: its letters from the least frequent up
// (the order they are stacked in), and its height in bits.
struct LogoColumn {
  std::vector<LogoLetter> letters;
  double bits = 0;
};

// Every column's information content after Schneider and Stephens: log2 20
// less the letters' entropy less the small-sample correction 19 / (2 ln 2 n)
// for n letters, at least 0, and each letter's share of it by frequency.
// Blanks are never letters; where the consensus counts them they shrink the
// column by the share of the counted sequences they are. Unknowns (X, when
// so taken) count as nothing. A column standing in for an elided region
// (`columnNumbers` 0) is empty.
std::vector<LogoColumn> sequenceLogo(const Alignment& set, const ConsensusSettings& settings,
                                     const std::string& invalidResidues,
                                     const std::vector<std::int32_t>& columnNumbers);

// The colour each letter A-Z is drawn in: the text colour of the first
// active grouping holding it, else "Default"'s; one that would vanish on
// the ground (the "Default" background) takes its grouping's background.
std::array<Colour, 26> logoLetterColours(const GroupingSet& groupings);

}  // namespace hueset
