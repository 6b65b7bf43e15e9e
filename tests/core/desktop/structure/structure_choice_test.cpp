// The Add Structure dialog's rules, without the dialog.
#include "desktop/structure/structure_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/options.h"
#include "support/test_files.h"

namespace hueset {
namespace {

StructureChoice crabp2Choice(std::vector<AttachedStructure> attached = {}) {
  Options options;
  DocumentSequences read = documentSequences(test::readTestFile("structure/crabp2.sto"), options);
  EXPECT_EQ(read.problem, "");
  return StructureChoice(std::move(read.alignment), std::move(attached));
}

TEST(StructureChoice, TheFirstSequenceThatMatchesIsOffered) {
  StructureChoice choice = crabp2Choice();
  const std::string path = test::testDataPath("structure/1cbs.dssp");
  choice.setFile(path, readStructureFile(path));
  ASSERT_EQ(choice.fileProblem(), "");
  EXPECT_EQ(choice.chainItems(), std::vector<std::string>{"A (137 residues)"});
  EXPECT_EQ(choice.sequence(), 0);
  EXPECT_TRUE(choice.canAttach()) << choice.matchText();
  EXPECT_EQ(choice.matchText(), "100.0% identical over 137 paired residues of 137");

  // Another protein: named, refused, with the identity.
  choice.setSequence(3);
  EXPECT_FALSE(choice.canAttach());
  EXPECT_NE(choice.matchText().find("FABP_like at"), std::string::npos) << choice.matchText();
  EXPECT_NE(choice.attach(), "");
  EXPECT_TRUE(choice.attached().empty());

  choice.setSequence(1);
  EXPECT_EQ(choice.attach(), "");
  EXPECT_EQ(choice.attachedItems(), std::vector<std::string>{"1cbs chain A on CRABP2_var"});
  EXPECT_NE(choice.attach().find("attached already"), std::string::npos) << "never twice";
  choice.remove(0);
  EXPECT_TRUE(choice.attached().empty());
}

TEST(StructureChoice, EveryChainWithAminoAcidsIsListed) {
  // 1cbs.dssp with its last 37 residues made a chain B.
  std::string text = test::readTestFile("structure/1cbs.dssp");
  const std::size_t table = text.find("  #  RESIDUE");
  ASSERT_NE(table, std::string::npos);
  std::size_t line = text.find('\n', table) + 1;
  for (int residue = 1; line < text.size(); ++residue) {
    if (residue > 100 && line + 11 < text.size()) text[line + 11] = 'B';
    line = text.find('\n', line);
    if (line == std::string::npos) break;
    ++line;
  }
  const std::string dir = test::makeTempDir("structure-chains");
  const std::string path = dir + "/two.dssp";
  test::writeFile(path, text);
  StructureChoice choice = crabp2Choice();
  choice.setFile(path, readStructureFile(path));
  EXPECT_EQ(choice.chainItems(), (std::vector<std::string>{"A (100 residues)", "B (37 residues)"}));
  // The chain chosen is the one matched: a fragment pairs with what it covers.
  choice.setChain(1);
  EXPECT_EQ(choice.matchText(), "100.0% identical over 37 paired residues of 137");
  std::filesystem::remove_all(dir);
}

TEST(StructureChoice, FilesWithoutAChainAreNamed) {
  const std::string dir = test::makeTempDir("structure-choice");
  const std::string notes = dir + "/notes.dssp";
  test::writeFile(notes,
                  "==== Secondary Structure Definition by the program DSSP\n"
                  "  #  RESIDUE AA STRUCTURE BP1 BP2  ACC\n");
  const struct {
    const char* what;
    std::string path;
    const char* says;
  } cases[] = {
      {"a missing file", dir + "/absent.cif", "cannot be read"},
      {"a DSSP table without residues", notes, "no chain with amino acids"},
  };
  for (const auto& c : cases) {
    StructureChoice choice = crabp2Choice();
    choice.setFile(c.path, readStructureFile(c.path));
    EXPECT_NE(choice.fileProblem().find(c.says), std::string::npos)
        << c.what << ": " << choice.fileProblem();
    EXPECT_NE(choice.fileProblem().find(c.path), std::string::npos) << c.what << " names it";
    EXPECT_TRUE(choice.chainItems().empty()) << c.what;
    EXPECT_FALSE(choice.canAttach()) << c.what;
  }
  std::filesystem::remove_all(dir);
}

TEST(StructureChoice, AttachedStructuresFollowTheEditedText) {
  const std::string path = test::testDataPath("structure/1cbs.dssp");
  StructureChoice choice = crabp2Choice();
  choice.setFile(path, readStructureFile(path));
  ASSERT_EQ(choice.attach(), "");
  const AfterReading step = attachStructures(choice.attached(), false, false);
  ASSERT_TRUE(step);
  Options options;
  Alignment alignment =
      documentSequences(test::readTestFile("structure/crabp2.sto"), options).alignment;
  struct Interaction : AnnotationInteraction {
    struct Sink : ParseMessageSink {
      std::string said;
      bool ask(const std::string&, int) override { return false; }
      void error(const std::string& text, int) override { said = text; }
      void unequalLengths(const std::string&, const Alignment&) override {}
    } sink;
    ParseMessageSink& messageSink() override { return sink; }
    std::optional<AlignmentFormat> confirmFormat(AlignmentFormat f) override { return f; }
    bool acceptInvalidCharacters(const std::vector<CharacterProblem>&) override { return true; }
    std::optional<std::vector<int>> chooseSets(const std::vector<std::string>&, bool,
                                               const std::vector<int>&) override {
      return std::nullopt;
    }
  } ui;
  Alignment edited = alignment;
  EXPECT_TRUE(step(alignment, ui)) << ui.sink.said;
  EXPECT_EQ(alignment.trackLabels, std::vector<std::string>{"DSSP 1cbs A"});
  // The sequence renamed in the editor: the preview says so rather than
  // dropping the structure without a word.
  edited.names[0] = "renamed";
  EXPECT_FALSE(step(edited, ui));
  EXPECT_NE(ui.sink.said.find("no sequence named CRABP2_1cbs"), std::string::npos) << ui.sink.said;
}

}  // namespace
}  // namespace hueset
