// Feeds arbitrary bytes to the structure readers (the DSSP table, and the
// checks a text passes before libcifpp reads it as PDB or mmCIF) and to the
// chain match: each gives a chain or a problem naming the file, never a
// crash.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "structure/chain_match.h"
#include "structure/dssp_text.h"
#include "structure/structure_attachment.h"
#include "structure/structure_reader.h"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

void checkRead(const hueset::StructureRead& read, const std::string& path) {
  check(read.chain.has_value() != !read.problem.empty());
  if (!read.chain) {
    check(read.problem.find(path) != std::string::npos);
    return;
  }
  check(!read.chain->residues.empty());
  const std::string letters = read.chain->letters().substr(0, 300);
  const hueset::ChainMatch self = hueset::matchChain(letters, letters);
  check(self.identical <= self.pairs);
  check(self.pairs <= static_cast<int>(letters.size()));
  // Attached to a sequence missing the chain's first residue, numbered by
  // the chain: every residue gets a number.
  hueset::Alignment alignment;
  alignment.names = {"s"};
  alignment.residues = {"-" + letters.substr(letters.size() > 1 ? 1 : 0)};
  alignment.length = static_cast<std::int32_t>(alignment.residues[0].size());
  hueset::StructureChain shortened = *read.chain;
  if (shortened.residues.size() > 300) shortened.residues.resize(300);
  if (hueset::attachStructure(alignment, shortened, "", true, true).empty()) {
    check(alignment.ownNumbers.size() == 1);
    for (const std::string& number : alignment.ownNumbers[0]) check(!number.empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  checkRead(hueset::readDsspText(text, "fuzz.dssp", ""), "fuzz.dssp");
  // Through the file reader only what never reaches libcifpp, whose own
  // faults are not ours to find: a DSSP table, or a text the reader refuses
  // before handing it on.
  if (hueset::isDsspText(text) || !hueset::textProblem(text, "x").empty()) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("hueset-structure-fuzz-" + std::to_string(::getpid()) + ".cif"))
                                 .string();
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    checkRead(hueset::readStructure(path, ""), path);
    std::filesystem::remove(path);
  }
  // Two halves as sequence and chain.
  const std::string_view a = text.substr(0, std::min<std::size_t>(size / 2, 200));
  const std::string_view b = text.substr(size / 2, 200);
  const hueset::ChainMatch m = hueset::matchChain(a, b);
  check(m.chainResidueOf.size() == a.size());
  check(m.identical <= m.pairs);
  return 0;
}
