#pragma once

#include <string>
#include <string_view>

#include "input/alignment.h"
#include "structure/structure_reader.h"

namespace hueset {

// "FILE[:CHAIN][=SEQUENCE]" as --structure takes it: a chain is a short
// name after the last ":", a sequence the name after the last "=".
struct StructureRequest {
  std::string file;
  std::string chain;     // empty: the first chain
  std::string sequence;  // empty: the first sequence whose match passes

  bool operator==(const StructureRequest&) const = default;
};
StructureRequest parseStructureRequest(std::string_view text);

// "1cbs" for ".../1cbs.cif.gz": the file's name without its extensions.
std::string structureName(const std::string& path);

// Attaches `chain`'s secondary structure to a sequence of `alignment` as a
// reference row, "DSSP 1cbs A" (file and chain), in the sequence's columns,
// which a figure draws above every block: each residue the chain pairs with shows its DSSP
// state, residues the model lacks and gaps show nothing (".").  With no
// sequence named, the first whose match reaches kLeastChainIdentity takes
// it. Empty on success, else why not: the identity and first mismatches.
// With `accessibility`, a second row ("DSSP 1cbs A acc") holds each
// residue's relative solvent accessibility as a digit, 0 (buried) to 9
// (fully exposed), which a figure draws as bars under the block.
// With `numbering`, the chain's author numbers (Alignment::ownNumbers)
// number the sequence's residues, unless a structure attached before does.
std::string attachStructure(Alignment& alignment, const StructureChain& chain,
                            const std::string& sequence, bool accessibility = false,
                            bool numbering = false);

}  // namespace hueset
