#include "structure/structure_reader.h"

#include <algorithm>
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

StructureFile computed(cif::file& file, const std::string& path) {
  if (file.empty()) return {{}, path + ": no structure in the file"};
  if (file.get_validator() == nullptr) file.load_dictionary("mmcif_pdbx");
  cif::datablock& db = file.front();
  if (db.get("atom_site") == nullptr || db["atom_site"].empty())
    return {{}, path + ": no atoms in the file (not a structure)"};
  const dssp assignment(db, 1, 3, true);
  StructureFile out;
  for (const dssp::residue_info& r : assignment) {
    const std::string name = r.auth_asym_id();
    auto into = std::find_if(out.chains.begin(), out.chains.end(),
                             [&name](const StructureChain& c) { return c.chain == name; });
    if (into == out.chains.end()) into = out.chains.insert(into, {path, name, {}});
    into->residues.push_back({r.compound_letter(), stateOf(r.type()), r.pdb_seq_num(),
                              r.pdb_ins_code(), r.accessibility()});
  }
  if (out.chains.empty()) out.problem = path + ": no chain with amino acids";
  return out;
}

}  // namespace

StructureFile readStructureFile(const std::string& path) {
  if (std::string problem = structureFileProblem(path); !problem.empty())
    return {{}, std::move(problem)};
  const DocumentText document = readDocumentFile(path, kLargestStructureBytes);
  if (!document.ok()) {
    return {{},
            path + ": " +
                (document.message.empty() ? std::string("cannot be read") : document.message)};
  }
  if (isDsspText(document.text)) return readDsspChains(document.text, path);
  // libcifpp can spend gigabytes on a short text with stray bytes in it
  // (found by fuzzing), which no PDB or mmCIF file has.
  if (std::string problem = textProblem(document.text, path); !problem.empty())
    return {{}, std::move(problem)};
  try {
    std::istringstream in(document.text);
    cif::file file = cif::pdb::read(in);
    return computed(file, path);
  } catch (const std::exception& e) {
    return {{}, path + ": not a structure that can be read (" + e.what() + ")"};
  }
}

StructureRead readStructure(const std::string& path, const std::string& chain) {
  return chainOf(readStructureFile(path), path, chain);
}

}  // namespace hueset
