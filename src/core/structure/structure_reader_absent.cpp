#include "input/document_text.h"
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
StructureFile readStructureFile(const std::string& path) {
  if (std::string problem = structureFileProblem(path); !problem.empty())
    return {{}, std::move(problem)};
  const DocumentText document = readDocumentFile(path, kLargestStructureBytes);
  if (!document.ok()) return {{}, path + ": cannot be read"};
  if (isDsspText(document.text)) return readDsspChains(document.text, path);
  return {{}, path + ": this build reads no structures (it was made without libdssp)"};
}

StructureRead readStructure(const std::string& path, const std::string& chain) {
  return chainOf(readStructureFile(path), path, chain);
}

}  // namespace hueset
