#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hueset {

// One residue of a structure's chain as DSSP assigns it.
struct StructureResidue {
  char letter = 'X';         // the amino acid, one letter
  char state = '-';          // H G I E B T S P, or "-" for none (coil)
  int number = 0;            // the author's residue number
  std::string insertion;     // its insertion code, usually none
  double accessibility = 0;  // square ångström

  bool operator==(const StructureResidue&) const = default;
};

// The modelled residues of one chain, in order.
struct StructureChain {
  std::string file;
  std::string chain;  // the author's chain name
  std::vector<StructureResidue> residues;

  std::string letters() const;
  bool operator==(const StructureChain&) const = default;
};

struct StructureRead {
  std::optional<StructureChain> chain;
  std::string problem;  // why there is none, naming the file
};

// Every chain of a file that has amino acids, in the file's order, each
// with its DSSP assignment.
struct StructureFile {
  std::vector<StructureChain> chains;
  std::string problem;  // why there are none, naming the file
};

// Whether this build reads structures at all.
bool structuresSupported();

// Reads a PDB or mmCIF file (either also gzip-compressed), or a DSSP file,
// and computes the DSSP assignment of `chain` (empty: the first chain with
// amino acids). Files over kLargestStructureBytes are refused.
StructureRead readStructure(const std::string& path, const std::string& chain);
// The whole file read once: what a chooser of chains lists.
StructureFile readStructureFile(const std::string& path);
// `chain` of `file` (empty: its first), or why there is none.
StructureRead chainOf(const StructureFile& file, const std::string& path, const std::string& chain);

inline constexpr long long kLargestStructureBytes = 256LL << 20;

}  // namespace hueset
