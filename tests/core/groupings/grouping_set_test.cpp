#include "groupings/grouping_set.h"

#include <gtest/gtest.h>

#include "groupings/builtin_defaults.h"

namespace hueset {
namespace {

ResidueGrouping grouping(const std::string& name, const std::string& residues, bool active = true) {
  ResidueGrouping g;
  g.name = name;
  g.residues = residues;
  g.active = active;
  return g;
}

GroupingSet setOf(std::initializer_list<ResidueGrouping> ordinary) {
  GroupingSet set;
  set.groupings = {grouping("Default", "X"), grouping("Single", "X")};
  set.groupings.insert(set.groupings.end(), ordinary);
  return set;
}

std::vector<std::string> names(const GroupingSet& set) {
  std::vector<std::string> out;
  for (const auto& g : set.groupings) out.push_back(g.name);
  return out;
}

TEST(GroupingSet, SortBySizePutsSmallGroupingsFirst) {
  GroupingSet set = setOf({grouping("Tiny", "AGS"), grouping("Negative", "DE"),
                           grouping("Ser/Thr", "ST"), grouping("Aromatic", "FHWY")});
  set.sortBySize();
  EXPECT_EQ(names(set), (std::vector<std::string>{"Default", "Single", "Negative", "Ser/Thr",
                                                  "Tiny", "Aromatic"}));
}

TEST(GroupingSet, SortBySizeBreaksTiesByNameIgnoringCase) {
  // "_" (0x5F) sorts after upper-case letters but before lower-case ones:
  // the comparison must use the lower-case forms.
  GroupingSet set = setOf({grouping("beta", "AB"), grouping("Alpha", "CD"), grouping("a_b", "EF"),
                           grouping("Ab", "GH")});
  set.sortBySize();
  EXPECT_EQ(names(set),
            (std::vector<std::string>{"Default", "Single", "a_b", "Ab", "Alpha", "beta"}));
}

TEST(GroupingSet, SortBySizeLeavesTheSpecialGroupingsInPlace) {
  GroupingSet set;
  set.groupings = {grouping("Default", "ABCDEFG"), grouping("Single", "ABCDEF"),
                   grouping("Big", "ABC"), grouping("Small", "A")};
  set.sortBySize();
  EXPECT_EQ(names(set), (std::vector<std::string>{"Default", "Single", "Small", "Big"}));
}

TEST(GroupingSet, InvalidResiduesAreLookedForInOrdinaryGroupingsOnly) {
  for (auto which : {BuiltinDefault::Colour, BuiltinDefault::BlackAndWhite}) {
    EXPECT_FALSE(builtinDefault(which).containsInvalidResidues("BJOUZ"));
  }
  GroupingSet set = setOf({grouping("Acids", "DE")});
  set.groupings[GroupingSet::kDefault].residues = "Z";
  set.groupings[GroupingSet::kSingle].residues = "Z";
  EXPECT_FALSE(set.containsInvalidResidues("Z"));
  set.groupings.push_back(grouping("Odd", "AZ"));
  EXPECT_TRUE(set.containsInvalidResidues("BJOUZ"));
  EXPECT_FALSE(set.containsInvalidResidues(""));
}

TEST(GroupingSet, TextFormatsFollowTheFormatIndexOrder) {
  GroupingSet set =
      setOf({grouping("One", "A"), grouping("Off", "C", false), grouping("Two", "D")});
  for (std::size_t i = 0; i < set.groupings.size(); ++i) {
    set.groupings[i].format.textColour = static_cast<Colour>(i);
  }
  std::vector<Colour> colours;
  for (const auto& f : set.textFormats()) colours.push_back(f.textColour);
  // Default, the active ordinary groupings in order, Single last.
  EXPECT_EQ(colours, (std::vector<Colour>{0, 2, 4, 1}));
}

TEST(GroupingSet, ClearKeepsFontAndError) {
  GroupingSet set = builtinDefault(BuiltinDefault::Colour);
  set.lastError = "kept";
  set.clear();
  EXPECT_TRUE(set.groupings.empty());
  EXPECT_EQ(set.fontName, "Courier New");
  EXPECT_EQ(set.fontSize, 90);
  EXPECT_EQ(set.lastError, "kept");
}

}  // namespace
}  // namespace hueset
