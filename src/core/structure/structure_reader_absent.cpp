#include <fstream>
#include <iterator>

#include "structure/dssp_text.h"
#include "structure/structure_reader.h"

namespace hueset {

std::string StructureChain::letters() const {
  std::string out;
  for (const StructureResidue& r : residues) out += r.letter;
  return out;
}

bool structuresSupported() { return false; }

// A DSSP file needs no library; a model does.
StructureRead readStructure(const std::string& path, const std::string& chain) {
  if (std::string problem = structureFileProblem(path); !problem.empty())
    return {std::nullopt, std::move(problem)};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {std::nullopt, path + ": cannot be read"};
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (isDsspText(text)) return readDsspText(text, path, chain);
  return {std::nullopt, path + ": this build reads no structures (it was made without libdssp)"};
}

}  // namespace hueset
