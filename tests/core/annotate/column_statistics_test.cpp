#include "annotate/column_statistics.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "annotate/consensus.h"
#include "core/annotate/column_set.h"
#include "groupings/builtin_defaults.h"

namespace hueset {
namespace {

using test::grouping;

GroupingSet groupingsOf(std::vector<ResidueGrouping> ordinary, bool singleActive = true) {
  GroupingSet set;
  set.groupings.push_back(grouping("Default", "X"));
  set.groupings.push_back(grouping("Single", "X", singleActive));
  for (auto& g : ordinary) set.groupings.push_back(std::move(g));
  return set;
}

using test::columnSet;

TEST(ColumnStatistics, HandCountedColumns) {
  const GroupingSet hydrophobic = groupingsOf({grouping("Hydrophobic", "ILMV")});
  // Format indices here: 1 Hydrophobic, 2 Single.
  struct Case {
    const char* what;
    const char* why;
    std::string column;
    GroupingSet groupings;
    ConsensusSettings settings;  // threshold, includeBlanks, xIsUnknown, allowLowerCase
    std::string invalid;
    ColumnAgreement expected;  // candidate, reached, residue, agreeing, counted
  };
  const Case cases[] = {
      {"six L of eight counted",
       "blanks are not counted, and 6 reaches 70% of 8",
       "LLLLLLIV--",
       hydrophobic,
       {700, false, true, false},
       "",
       {2, true, 'L', 6, 8}},
      {"L, I and V of eight",
       "at 80% L alone falls short, the grouping holds all eight",
       "LLLLLLIV--",
       hydrophobic,
       {800, false, true, false},
       "",
       {1, true, 0, 8, 8}},
      {"eight of ten, nothing reached",
       "with blanks counted 90% wants 9; the grouping is nearest",
       "LLLLLLIV--",
       hydrophobic,
       {900, true, true, false},
       "",
       {1, false, 0, 8, 10}},
      {"X left out",
       "unknowns are neither counted nor members",
       "LLLXX",
       hydrophobic,
       {700, false, true, false},
       "",
       {2, true, 'L', 3, 3}},
      {"X a letter",
       "without xIsUnknown, X is the most frequent letter",
       "XXXL",
       hydrophobic,
       {700, false, false, false},
       "",
       {2, true, 'X', 3, 4}},
      {"lower case with its capital",
       "allowLowerCase makes l count as L",
       "llLI",
       hydrophobic,
       {700, false, true, true},
       "",
       {2, true, 'L', 3, 4}},
      {"lower case a blank",
       "without allowLowerCase, l is a gap and not counted",
       "llLI",
       hydrophobic,
       {700, false, true, false},
       "",
       {1, true, 0, 2, 2}},
      {"invalid residues blank",
       "B is invalid: a blank, left out of the count",
       "BLL",
       hydrophobic,
       {700, false, true, false},
       "BJOUZ",
       {2, true, 'L', 2, 2}},
      {"nothing counted",
       "an all-gap column counts nobody and has no candidate",
       "----",
       hydrophobic,
       {700, false, true, false},
       "",
       {0, false, 0, 0, 0}},
      {"first grouping wins",
       "precedence, not size: Small reaches 4 of 5 before Tiny's 5",
       "AAGGS",
       groupingsOf({grouping("Small", "AG"), grouping("Tiny", "AGS")}, false),
       {800, false, true, false},
       "",
       {1, true, 0, 4, 5}},
      {"inactive grouping skipped",
       "indices close up: the second active grouping is 1",
       "DDEE",
       groupingsOf({grouping("Off", "DE", false), grouping("Acid", "DE")}, false),
       {800, false, true, false},
       "",
       {1, true, 0, 4, 4}},
      {"nearest tie to the earlier",
       "Single and Hydrophobic both hold 2 of 4 at 70%",
       "--LL",
       hydrophobic,
       {700, true, true, false},
       "",
       {2, false, 'L', 2, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ": " + c.why);
    const ColumnStatistics s =
        columnStatistics(columnSet(c.column), c.groupings, c.settings, c.invalid);
    ASSERT_EQ(s.columns.size(), 1u);
    EXPECT_EQ(s.columns[0], c.expected);
    EXPECT_EQ(s.threshold, c.settings.consensusThreshold);
  }
}

TEST(ColumnStatistics, NamesInFormatIndexOrder) {
  const GroupingSet set =
      groupingsOf({grouping("Acid", "DE"), grouping("Off", "K", false), grouping("Small", "AG")});
  const ColumnStatistics s = columnStatistics(columnSet("A"), set, {}, "");
  EXPECT_EQ(s.names, (std::vector<std::string>{"Default", "Acid", "Small", "Single"}));
}

// Whatever the column, a reached candidate is the format the consensus gives,
// to exactly `agreeing` cells; an unreached column has no coloured cell.
TEST(ColumnStatistics, AgreesWithTheConsensusOnRandomColumns) {
  const GroupingSet colour = builtinDefault(BuiltinDefault::Colour);
  std::mt19937 random(7);
  const std::string alphabet = "ACDEFGHIKLMNPQRSTVWYXBlv-.";
  Alignment set;
  set.length = 400;
  for (int s = 0; s < 23; ++s) {
    std::string row;
    // Few letters per row, so columns agree as often as not.
    const std::string pool = alphabet.substr(static_cast<std::size_t>(s % 5) * 3, 6) + "LL-";
    for (int c = 0; c < set.length; ++c) row.push_back(pool[random() % pool.size()]);
    set.names.push_back("s" + std::to_string(s));
    set.residues.push_back(row);
  }
  for (const ConsensusSettings settings :
       {ConsensusSettings{700, false, true, false}, ConsensusSettings{500, true, false, true},
        ConsensusSettings{1000, false, true, true}}) {
    SCOPED_TRACE(settings.consensusThreshold);
    const ColumnStatistics s = columnStatistics(set, colour, settings, "BJOUZ");
    ConsensusRows result;
    ASSERT_TRUE(computeConsensus(set, result, colour, settings, "BJOUZ"));
    for (std::size_t c = 0; c < static_cast<std::size_t>(set.length); ++c) {
      std::uint32_t cells = 0;
      int format = 0;
      for (const std::string& formats : result.formats) {
        if (formats[c] == 0) continue;
        ++cells;
        format = formats[c];
      }
      const ColumnAgreement& a = s.columns[c];
      if (a.reached) {
        EXPECT_EQ(format, a.candidate) << "column " << c;
        EXPECT_EQ(cells, a.agreeing) << "column " << c;
      } else {
        EXPECT_EQ(cells, 0u) << "column " << c;
      }
    }
  }
}

}  // namespace
}  // namespace hueset
