// The structure's own residue numbers, carried from the attachment through
// the driver to the residue numbers and the ruler.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/annotate/recording_writer.h"
#include "groupings/builtin_defaults.h"
#include "pipeline/annotation_driver.h"
#include "settings/options.h"
#include "structure/structure_attachment.h"
#include "structure/structure_reader.h"
#include "support/scripted_sink.h"
#include "support/test_files.h"

namespace hueset {
namespace {

class NumberingInteraction : public AnnotationInteraction {
 public:
  test::ScriptedSink sink;
  ParseMessageSink& messageSink() override { return sink; }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override { return guess; }
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>&) override { return true; }
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>&, bool,
                                             const std::vector<int>&) override {
    return std::nullopt;
  }
};

TEST(StructureNumbering, InsertionCodesAreRead) {
  std::vector<std::string> files = {"structure/1cbs_insertion.dssp"};
#if HUESET_HAS_STRUCTURE
  files.push_back("structure/1cbs_insertion.cif.gz");
#endif
  for (const std::string& file : files) {
    const StructureRead read = readStructure(test::testDataPath(file), "A");
    ASSERT_TRUE(read.chain) << read.problem;
    ASSERT_GT(read.chain->residues.size(), 52u) << file;
    const StructureResidue& inserted = read.chain->residues[51];
    EXPECT_EQ(std::to_string(inserted.number) + inserted.insertion, "51A") << file;
    EXPECT_EQ(read.chain->residues[52].insertion, "") << file;
  }
}

TEST(StructureNumbering, ResiduesTheModelLacksCountOn) {
  StructureRead read = readStructure(test::testDataPath("structure/1cbs_insertion.dssp"), "A");
  ASSERT_TRUE(read.chain) << read.problem;
  const std::string letters = read.chain->letters();
  // The model without its residues 30 to 37, as a disordered loop leaves it.
  StructureChain loopless = *read.chain;
  loopless.residues.erase(loopless.residues.begin() + 29, loopless.residues.begin() + 37);
  Alignment alignment;
  alignment.names = {"other", "crabp2"};
  // One residue before the model's first, gaps of the alignment between.
  alignment.residues = {std::string(letters.size() + 3, 'A'), "M-" + letters + "-"};
  alignment.length = static_cast<int>(alignment.residues[1].size());
  ASSERT_EQ(attachStructure(alignment, loopless, "crabp2", false, true), "");
  ASSERT_EQ(alignment.ownNumbers.size(), 2u);
  EXPECT_TRUE(alignment.ownNumbers[0].empty()) << "a sequence without a structure is counted";
  const std::vector<std::string>& own = alignment.ownNumbers[1];
  ASSERT_EQ(own.size(), letters.size() + 1);
  const struct {
    const char* what;
    std::size_t residue;  // of the sequence, from 0
    const char* number;
  } cases[] = {
      {"a residue before the model counts back from its first", 0, "0"},
      {"the model's first residue", 1, "1"},
      {"a residue of the missing loop counts on from the one before it", 30, "30"},
      {"the loop's last", 37, "37"},
      {"the model again after the loop", 38, "38"},
      {"an insertion code is kept", 52, "51A"},
      {"the residue after it", 53, "53"},
  };
  for (const auto& c : cases) EXPECT_EQ(own[c.residue], c.number) << c.what;

  Alignment unnumbered = alignment;
  unnumbered.ownNumbers.clear();
  ASSERT_EQ(attachStructure(unnumbered, loopless, "crabp2", false, false), "");
  EXPECT_TRUE(unnumbered.ownNumbers.empty()) << "off, nothing is numbered";
}

// The lines of crabp2.sto laid out with numbers and the ruler, the
// reference CRABP2_var (which lacks the chain's first two residues) and
// 1cbs_insertion.dssp attached to it.
std::vector<std::string> laidOut(bool numbering, int wrap) {
  Options o;
  o.parse.confirmFormats = false;
  o.annotation.useElision = false;
  o.output.wrapOutput = wrap > 0;
  o.output.wrapLength = wrap;
  o.output.separateColumns = false;
  o.figure.residueNumbers = true;
  o.figure.ruler = true;
  o.columnMarks.reference = "CRABP2_var";
  const StructureRead read =
      readStructure(test::testDataPath("structure/1cbs_insertion.dssp"), "A");
  EXPECT_TRUE(read.chain) << read.problem;
  const AfterReading attach = [&](Alignment& alignment, AnnotationInteraction&) {
    return read.chain &&
           attachStructure(alignment, *read.chain, "CRABP2_var", false, numbering).empty();
  };
  test::TextWriter writer;
  NumberingInteraction ui;
  RememberedSets remembered;
  const std::string text = test::readTestFile("structure/crabp2.sto");
  EXPECT_TRUE(
      annotate(text, o, builtinDefault(BuiltinDefault::Colour), writer, ui, remembered, {}, attach))
      << ui.sink.transcript();
  std::vector<std::string> lines;
  std::istringstream in(writer.text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string* lineOf(const std::vector<std::string>& lines, std::string_view start,
                          std::size_t block = 0) {
  for (const std::string& line : lines) {
    if (line.starts_with(start) && block-- == 0) return &line;
  }
  return nullptr;
}

TEST(StructureNumbering, TheStructureNumbersItsSequenceAndTheRuler) {
  const struct {
    const char* what;
    bool numbering;
    int wrap;
    std::size_t block;
    const char* name;
    const char* firstNumber;
  } cases[] = {
      {"off, the sequence counts from 1", false, 0, 0, "CRABP2_var", " 1 "},
      {"on, its first residue is the structure's third", true, 0, 0, "CRABP2_var", " 3 "},
      {"on, a block starts at the inserted residue", true, 51, 1, "CRABP2_var", " 51A "},
      {"a sequence without the structure still counts", true, 51, 1, "CRABP2_1cbs", " 52 "},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> lines = laidOut(c.numbering, c.wrap);
    const std::string* line = lineOf(lines, c.name, c.block);
    ASSERT_NE(line, nullptr) << c.what;
    EXPECT_NE(line->find(c.firstNumber), std::string::npos) << c.what << ": " << *line;
  }
  // The ruler's 10 stands over the reference's residue 10: with the
  // structure's numbers, the alignment's tenth column (the sequence's
  // eighth residue, the structure's tenth); counted, two columns later.
  std::vector<long> tenAt;
  for (const bool numbering : {false, true}) {
    const std::vector<std::string> lines = laidOut(numbering, 0);
    const std::string* var = lineOf(lines, "CRABP2_var");
    ASSERT_NE(var, nullptr);
    const std::size_t ten = lines.front().find(" 10 ");
    ASSERT_NE(ten, std::string::npos) << lines.front();
    tenAt.push_back(static_cast<long>(ten) - static_cast<long>(var->find("--FSG")));
  }
  EXPECT_EQ(tenAt[0], tenAt[1] + 2);
}

}  // namespace
}  // namespace hueset
