#include "structure/structure_reader.h"

#include <cif++.hpp>
#include <dssp.hpp>
#include <exception>
#include <filesystem>
#include <fstream>
#include <system_error>

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

StructureRead computed(const std::string& path, const std::string& wanted) {
  cif::file file = cif::pdb::read(path);
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
  std::ifstream in(path, std::ios::binary);
  std::string head(4096, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  if (isDsspText(head)) {
    std::string text = head;
    text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return readDsspText(text, path, chain);
  }
  try {
    return computed(path, chain);
  } catch (const std::exception& e) {
    return {std::nullopt, path + ": not a structure that can be read (" + e.what() + ")"};
  }
}

}  // namespace hueset
