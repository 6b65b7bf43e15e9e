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
StructureRead readStructure(const std::string& path, const std::string& chain) {
  if (std::string problem = structureFileProblem(path); !problem.empty())
    return {std::nullopt, std::move(problem)};
  const DocumentText document = readDocumentFile(path, kLargestStructureBytes);
  if (!document.ok()) return {std::nullopt, path + ": cannot be read"};
  if (isDsspText(document.text)) return readDsspText(document.text, path, chain);
  return {std::nullopt, path + ": this build reads no structures (it was made without libdssp)"};
}

}  // namespace hueset
