#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "input/alignment.h"

namespace hueset {

// Indexed by the unsigned byte value of a character: true for a residue.
// Gaps, digits, parentheses and invalid residues are never residues.
using ResiduePresenceTable = std::array<bool, 256>;

ResiduePresenceTable buildResiduePresenceTable(const std::string& invalidResidues,
                                               bool allowLowerCase);

// The least number of sequences that must lack a residue at a column for it
// to be sparse: the elision threshold (tenths of a percent) of the sequences,
// rounded up.
int elisionMinGaps(int sequenceCount, int elisionThreshold);

struct ElisionSettings {
  int minGaps = 0;               // see elisionMinGaps
  int minimumElisionLength = 4;  // shortest sparse region that is cut
  bool allowLowerCase = false;
  // Tracks take the same columns of a region as the residues' stand-ins do,
  // its last ones; else they keep its first columns, as Rich Text and HTML
  // always have.
  bool tracksFollowResidues = false;
};

// The alignment column (from 1) that each column shows, kept in step with the
// columns as they are cut; 0 marks a column standing in for a cut region.
using ColumnNumbers = std::vector<std::int32_t>;

// Removes every column in which no sequence has a residue, from residues and
// tracks alike, without leaving a mark.
void removeResidueFreeColumns(Alignment& alignment, const ResiduePresenceTable& presence,
                              ColumnNumbers* columnNumbers = nullptr);

// Replaces every sparse region of at least `minimumElisionLength` columns by
// three to five columns showing each sequence's few residues or "(n)", the
// number of residues cut out. Tracks keep the region's first columns, or
// with `tracksFollowResidues` its last ones, as the residues do.
void collapseSparseRegions(Alignment& alignment, const ResiduePresenceTable& presence, int minGaps,
                           int minimumElisionLength, ColumnNumbers* columnNumbers = nullptr,
                           bool tracksFollowResidues = false);

// Both steps in order. An alignment without sequences, or whose residue and
// track strings are not all of one length, is left as it is: columns cannot
// be cut consistently from rows that do not line up. `columnNumbers`, when
// given, comes back with one entry per remaining column.
void elideSparseRegions(Alignment& alignment, const ElisionSettings& settings,
                        const std::string& invalidResidues, ColumnNumbers* columnNumbers = nullptr);

}  // namespace hueset
