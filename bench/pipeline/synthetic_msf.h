#pragma once

#include <string>

namespace hueset::bench {

// A synthetic MSF alignment of `sequences` x `columns` (columns 1 to 32000),
// shaped like a large protein family: a common ancestor; a few columns
// strongly conserved, some conserved in kind (substitutions within a residue
// class), most variable; and runs of gaps where sequences lack a loop. The
// consensus, elision and writers thus do the work a real family gives them.
// Deterministic for a seed. With `fasta`, the same family as FASTA (lines of
// 60 residues, gaps as "-").
std::string syntheticMsf(long sequences, long columns, unsigned seed = 1, bool fasta = false);

}  // namespace hueset::bench
