#include "input/alignment.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

Alignment make(std::vector<std::string> names, std::vector<std::string> residues) {
  Alignment a;
  a.names = std::move(names);
  a.residues = std::move(residues);
  a.length = a.residues.empty() ? 0 : static_cast<int>(a.residues[0].size());
  return a;
}

TEST(Alignment, DuplicateNameCountCountsRepeats) {
  EXPECT_EQ(make({}, {}).duplicateNameCount(), 0);
  EXPECT_EQ(make({"a", "b", "a", "a", "b", "c"}, {}).duplicateNameCount(), 3);
  EXPECT_EQ(make({"a", "A"}, {}).duplicateNameCount(), 0);
}

TEST(Alignment, EqualLengthsIncludeTracks) {
  Alignment a = make({"a", "b"}, {"ACD", "EFG"});
  EXPECT_TRUE(a.hasEqualLengths());
  a.trackLabels = {"PHD"};
  a.tracks = {"HH"};
  EXPECT_FALSE(a.hasEqualLengths());
  a.tracks = {"HHE"};
  EXPECT_TRUE(a.hasEqualLengths());
  a.residues[1] = "EF";
  EXPECT_FALSE(a.hasEqualLengths());
}

TEST(Alignment, LabelWidthIsAtLeastFourteen) {
  EXPECT_EQ(make({"abcde"}, {"A"}).labelWidth(), 14);
  Alignment a = make({"abcde"}, {"A"});
  a.trackLabels = {std::string(20, 'x')};
  EXPECT_EQ(a.labelWidth(), 20);
}

TEST(Alignment, EmptySequencesAreFoundAndRemoved) {
  Alignment a = make({"a", "b", "c", "d"}, {"", "AC", "", ""});
  EXPECT_EQ(a.lastNonEmptySequence(), 1);
  a.removeEmptySequences();
  EXPECT_EQ(a.names, (std::vector<std::string>{"b"}));
  EXPECT_EQ(make({"a"}, {""}).lastNonEmptySequence(), -1);
}

TEST(Alignment, RemoveSequenceIgnoresOutOfRange) {
  Alignment a = make({"a", "b"}, {"A", "C"});
  a.removeSequence(-1);
  a.removeSequence(2);
  EXPECT_EQ(a.names.size(), 2u);
  a.removeSequence(0);
  EXPECT_EQ(a.names, (std::vector<std::string>{"b"}));
  EXPECT_EQ(a.residues, (std::vector<std::string>{"C"}));
}

TEST(Alignment, EraseColumnsCutsResiduesAndTracksAndResetsLength) {
  Alignment a = make({"a", "b"}, {"ABCDEF", "GHIJKL"});
  a.trackLabels = {"t"};
  a.tracks = {"123456"};
  a.eraseColumns(1, 3);
  EXPECT_EQ(a.residues[0], "ADEF");
  EXPECT_EQ(a.residues[1], "GJKL");
  EXPECT_EQ(a.tracks[0], "1456");
  EXPECT_EQ(a.length, 4);
  a.eraseColumns(3, 100);  // past the end: cut to the end, never beyond
  EXPECT_EQ(a.residues[0], "ADE");
  a.eraseColumns(2, 1);  // reversed range removes nothing
  EXPECT_EQ(a.length, 3);
}

}  // namespace
}  // namespace hueset
