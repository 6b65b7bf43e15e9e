#pragma once

#include <string>
#include <string_view>

#include "structure/structure_reader.h"

namespace hueset {

// A DSSP file in its classic form: after the line beginning "  #  RESIDUE",
// one line a residue with its number (and insertion code), chain, amino acid,
// state and accessibility at fixed columns; a "!" for the amino acid marks a
// break.
bool isDsspText(std::string_view head);
// Why `path` is not read at all (missing, or over kLargestStructureBytes);
// empty when it may be.
std::string structureFileProblem(const std::string& path);
// Why `text` is no PDB or mmCIF text, which are printable ASCII: a control
// character other than a tab or a line end, or a byte past ASCII; empty
// when it may be one.
std::string textProblem(std::string_view text, const std::string& path);
StructureRead readDsspText(std::string_view text, const std::string& path,
                           const std::string& chain);
// Every chain of the table, in its order.
StructureFile readDsspChains(std::string_view text, const std::string& path);

}  // namespace hueset
