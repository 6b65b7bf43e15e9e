#include "structure/structure_reader.h"

#include <cif++.hpp>
#include <dssp.hpp>
#include <exception>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "input/document_text.h"
#include "structure/dssp_text.h"

namespace hueset {

std::string StructureChain::letters() const {
  std::string out;
  for (const StructureResidue& r : residues) out += r.letter;
  return out;
}

bool structuresSupported() { return true; }

namespace {

// The DSSP state of a residue as a row shows it: "-" where DSSP assigns none.
char stateOf(dssp::structure_type type) {
  const char c = static_cast<char>(type);
  return c == ' ' ? '-' : c;
}

StructureRead computed(cif::file& file, const std::string& path, const std::string& wanted) {
  if (file.empty()) return {std::nullopt, path + ": no structure in the file"};
  if (file.get_validator() == nullptr) file.load_dictionary("mmcif_pdbx");
  cif::datablock& db = file.front();
  if (db.get("atom_site") == nullptr || db["atom_site"].empty())
    return {std::nullopt, path + ": no atoms in the file (not a structure)"};
  const dssp assignment(db, 1, 3, true);
  StructureChain chain{path, wanted, {}};
  for (const dssp::residue_info& r : assignment) {
    if (chain.chain.empty()) chain.chain = r.auth_asym_id();
    if (r.auth_asym_id() != chain.chain) continue;
    chain.residues.push_back({r.compound_letter(), stateOf(r.type()), r.pdb_seq_num(),
                              r.pdb_ins_code(), r.accessibility()});
  }
  if (chain.residues.empty()) {
    return {std::nullopt, wanted.empty() ? path + ": no chain with amino acids"
                                         : path + ": no chain " + wanted + " with amino acids"};
  }
  return {std::move(chain), {}};
}

}  // namespace

StructureRead readStructure(const std::string& path, const std::string& chain) {
  if (std::string problem = structureFileProblem(path); !problem.empty())
    return {std::nullopt, std::move(problem)};
  const DocumentText document = readDocumentFile(path, kLargestStructureBytes);
  if (!document.ok()) {
    return {std::nullopt,
            path + ": " +
                (document.message.empty() ? std::string("cannot be read") : document.message)};
  }
  if (isDsspText(document.text)) return readDsspText(document.text, path, chain);
  // libcifpp can spend gigabytes on a short text with stray bytes in it
  // (found by fuzzing), which no PDB or mmCIF file has.
  if (std::string problem = textProblem(document.text, path); !problem.empty())
    return {std::nullopt, std::move(problem)};
  try {
    std::istringstream in(document.text);
    cif::file file = cif::pdb::read(in);
    return computed(file, path, chain);
  } catch (const std::exception& e) {
    return {std::nullopt, path + ": not a structure that can be read (" + e.what() + ")"};
  }
}

}  // namespace hueset
