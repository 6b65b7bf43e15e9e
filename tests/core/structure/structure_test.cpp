#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "structure/chain_match.h"
#include "structure/structure_attachment.h"
#include "structure/structure_reader.h"
#include "support/test_files.h"

namespace hueset {
namespace {

// The sequence of 1cbs chain A (cellular retinoic acid binding protein II).
constexpr std::string_view k1cbs =
    "PNFSGNWKIIRSENFEELLKVLGVNVMLRKIAVAAASKPAVEIKQEGDTFYIKTSTTVRTTEINFKVGEEFEEQTVDGRPCKSLVKWE"
    "SENKMVCEQKLLKGEGPKTSWTRELTNDGELILTMTADDVVCTRVYVRE";

TEST(ChainMatch, PairsTheChainWithTheSequenceItCameFrom) {
  const std::string s(k1cbs);
  const struct {
    const char* what;
    std::string sequence;
    std::string chain;
    bool passes;
    int firstPaired;  // the sequence residue paired with the chain's first, -1: not asked
  } cases[] = {
      {"the same residues pair one to one", s, s, true, 0},
      {"a model that starts later pairs further in", "MGSSHHHHHH" + s, s, true, 10},
      {"a loop missing from the model leaves its residues unpaired", s,
       s.substr(0, 50) + s.substr(58), true, 0},
      {"one mutation is still the same protein", s.substr(0, 20) + "W" + s.substr(21), s, true, 0},
      {"another protein is refused",
       "MVLSPADKTNVKAAWGKVGAHAGEYGAEALERMFLSFPTTKTYFPHFDLSHGSAQVKGHGKKVADALTNAVAHV", s, false, -1},
  };
  for (const auto& c : cases) {
    const ChainMatch m = matchChain(c.sequence, c.chain);
    EXPECT_EQ(m.identity() >= kLeastChainIdentity, c.passes) << c.what << ": " << m.identity();
    if (c.firstPaired < 0) continue;
    const auto first = std::find(m.chainResidueOf.begin(), m.chainResidueOf.end(), 0);
    EXPECT_EQ(first - m.chainResidueOf.begin(), c.firstPaired) << c.what;
  }
  // The loop's eight residues pair with nothing.
  const ChainMatch loop = matchChain(s, s.substr(0, 50) + s.substr(58));
  EXPECT_EQ(std::count(loop.chainResidueOf.begin(), loop.chainResidueOf.end(), -1), 8);
  EXPECT_EQ(loop.identical, loop.pairs);
}

TEST(StructureRequest, FileChainAndSequence) {
  const struct {
    const char* what;
    const char* text;
    StructureRequest request;
  } cases[] = {
      {"a file alone", "1cbs.cif.gz", {"1cbs.cif.gz", "", ""}},
      {"with a chain", "1cbs.cif.gz:A", {"1cbs.cif.gz", "A", ""}},
      {"with a chain and a sequence", "x.pdb:B=CRABP2/1-137", {"x.pdb", "B", "CRABP2/1-137"}},
      {"a colon in a folder is no chain", "c:/data/x.pdb", {"c:/data/x.pdb", "", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseStructureRequest(c.text), c.request) << c.what;
}

TEST(StructureReader, ADsspFileIsReadAsItIs) {
  const StructureRead read = readStructure(test::testDataPath("structure/1cbs.dssp"), "");
  ASSERT_TRUE(read.chain) << read.problem;
  EXPECT_EQ(read.chain->chain, "A");
  EXPECT_EQ(read.chain->letters(), k1cbs);
}

#if HUESET_HAS_STRUCTURE
// mkdssp 4.2.2 wrote tests/data/structure/1cbs.dssp from 1cbs.cif.gz.
TEST(StructureReader, OurDsspOf1cbsIsMkdssps) {
  const StructureRead ours = readStructure(test::testDataPath("structure/1cbs.cif.gz"), "A");
  const StructureRead theirs = readStructure(test::testDataPath("structure/1cbs.dssp"), "A");
  ASSERT_TRUE(ours.chain) << ours.problem;
  ASSERT_TRUE(theirs.chain) << theirs.problem;
  ASSERT_EQ(ours.chain->residues.size(), theirs.chain->residues.size());
  for (std::size_t r = 0; r < ours.chain->residues.size(); ++r) {
    const StructureResidue& a = ours.chain->residues[r];
    const StructureResidue& b = theirs.chain->residues[r];
    EXPECT_EQ(a.number, b.number) << "residue " << r;
    EXPECT_EQ(a.letter, b.letter) << "residue " << r;
    EXPECT_EQ(a.state, b.state) << "residue " << b.number;
    EXPECT_EQ(std::lround(a.accessibility), std::lround(b.accessibility)) << "residue " << b.number;
  }
}
#endif

TEST(StructureReader, BadFilesAreNamedNeverFatal) {
  const std::string dir = test::makeTempDir("structure");
  const std::string text = dir + "/notes.txt";
  test::writeFile(text, "these are no atoms\n");
  // libcifpp spent gigabytes on this (found by fuzzing): refused before it.
  const std::string stray = dir + "/stray.cif";
  test::writeFile(stray, "data_x\nloop_\n_atom_site.id\x14_atom_site.type_s-mbol\n1 N\n");
  const std::string huge = dir + "/huge.cif";
  test::writeFile(huge, "");
  std::filesystem::resize_file(huge, kLargestStructureBytes + 1);  // sparse: no disk taken
  const struct {
    const char* what;
    std::string path;
    std::string chain;
    const char* says;
  } cases[] = {
    {"a missing file", dir + "/absent.pdb", "", "cannot be read"},
    {"a file too large", huge, "", "larger than a structure is read"},
#if HUESET_HAS_STRUCTURE
    {"a stray control character", stray, "", "not a structure (a byte that is no printable"},
    {"a text that is no structure", text, "", "notes.txt"},
    {"a chain the model lacks", test::testDataPath("structure/1cbs.cif.gz"), "Q", "no chain Q"},
#endif
    {"a chain the DSSP file lacks", test::testDataPath("structure/1cbs.dssp"), "Q", "no chain Q"},
  };
  for (const auto& c : cases) {
    const StructureRead read = readStructure(c.path, c.chain);
    EXPECT_FALSE(read.chain) << c.what;
    EXPECT_NE(read.problem.find(c.says), std::string::npos) << c.what << ": " << read.problem;
    EXPECT_NE(read.problem.find(c.path), std::string::npos) << c.what << " names the file";
  }
  std::filesystem::remove_all(dir);
}

TEST(StructureAttachment, TheRowFollowsTheSequencesColumns) {
  const StructureRead read = readStructure(test::testDataPath("structure/1cbs.dssp"), "");
  ASSERT_TRUE(read.chain) << read.problem;
  const std::string s(k1cbs);
  Alignment alignment;
  alignment.names = {"other", "crabp2"};
  // Gaps in the sequence, a residue more at its start, and its fifth residue changed.
  std::string gapped = "M--" + s.substr(0, 4) + "A" + s.substr(5, 40) + "---" + s.substr(45);
  // Another protein of the same length: the residues in reverse.
  alignment.residues = {std::string(gapped.rbegin(), gapped.rend()), gapped};
  alignment.length = static_cast<int>(gapped.size());
  EXPECT_EQ(attachStructure(alignment, *read.chain, ""), "");
  ASSERT_EQ(alignment.trackLabels, std::vector<std::string>{"DSSP 1cbs A"});
  const std::string& row = alignment.tracks.front();
  ASSERT_EQ(row.size(), gapped.size());
  std::string expected;
  for (const StructureResidue& r : read.chain->residues) expected += r.state;
  std::string shown;
  for (std::size_t p = 0; p < gapped.size(); ++p) {
    if (gapped[p] == '-') {
      EXPECT_EQ(row[p], '.') << "a gap shows nothing, column " << p;
    } else if (p > 0) {
      shown += row[p];
    }
  }
  EXPECT_EQ(row[0], '.') << "the residue the model lacks shows nothing";
  EXPECT_EQ(shown, expected);

  const std::string refused = attachStructure(alignment, *read.chain, "other");
  EXPECT_NE(refused.find("identity, below 90.0%"), std::string::npos) << refused;
  EXPECT_NE(refused.find("first mismatches"), std::string::npos) << refused;
}

TEST(StructureAttachment, AccessibilityIsADigitWhereTheStructureHasAState) {
  const StructureRead read = readStructure(test::testDataPath("structure/1cbs.dssp"), "");
  ASSERT_TRUE(read.chain) << read.problem;
  Alignment alignment;
  alignment.names = {"crabp2"};
  alignment.residues = {"--" + std::string(k1cbs)};
  alignment.length = static_cast<int>(alignment.residues[0].size());
  ASSERT_EQ(attachStructure(alignment, *read.chain, "", true), "");
  ASSERT_EQ(alignment.trackLabels, (std::vector<std::string>{"DSSP 1cbs A", "DSSP 1cbs A acc"}));
  const std::string& states = alignment.tracks[0];
  const std::string& digits = alignment.tracks[1];
  ASSERT_EQ(digits.size(), states.size());
  for (std::size_t p = 0; p < states.size(); ++p) {
    EXPECT_EQ(states[p] == '.', digits[p] == '.') << "column " << p;
    if (digits[p] != '.') {
      EXPECT_TRUE(digits[p] >= '0' && digits[p] <= '9') << "column " << p;
    }
  }
  // Buried and exposed residues both occur in a folded protein.
  EXPECT_NE(digits.find('0'), std::string::npos);
  EXPECT_NE(digits.find_first_of("6789"), std::string::npos);
}

}  // namespace
}  // namespace hueset
