#include "annotate/elision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace hueset {
namespace {

Alignment makeAlignment(std::vector<std::string> rows, std::vector<std::string> tracks = {}) {
  Alignment a;
  for (auto& r : rows) {
    a.names.push_back("seq" + std::to_string(a.names.size()));
    a.residues.push_back(std::move(r));
  }
  for (auto& t : tracks) {
    a.trackLabels.push_back("track" + std::to_string(a.trackLabels.size()));
    a.tracks.push_back(std::move(t));
  }
  a.length = a.residues.empty() ? 0 : static_cast<int>(a.residues[0].size());
  return a;
}

const ResiduePresenceTable& plainPresence() {
  static const ResiduePresenceTable table = buildResiduePresenceTable("", false);
  return table;
}

// A dense "M" column, 30 region columns of `gap` with residues placed at
// the given region columns, and a dense "W" column.
std::string framedRegion(char gap, const std::map<int, char>& residues) {
  std::string region(30, gap);
  for (const auto& [column, residue] : residues) region[static_cast<std::size_t>(column)] = residue;
  return "M" + region + "W";
}

// Five sequences around one 30-column sparse region with counters 0, 2, 3,
// 12 and 1; at most two residues per region column, so with three gaps
// required (of five) every region column is sparse.
Alignment workedRegion() {
  return makeAlignment(
      {
          framedRegion('.', {}),
          framedRegion('-', {{0, 'A'}, {29, 'K'}}),
          framedRegion('-', {{5, 'C'}, {12, 'D'}, {20, 'E'}}),
          framedRegion('-', {{1, 'F'},
                             {2, 'G'},
                             {3, 'H'},
                             {4, 'I'},
                             {5, 'K'},
                             {6, 'L'},
                             {7, 'M'},
                             {8, 'N'},
                             {9, 'P'},
                             {10, 'Q'},
                             {28, 'G'},
                             {29, 'S'}}),
          framedRegion('-', {{15, 'Y'}}),
      },
      {"P" + std::string("abcdefghijklmnopqrstuvwxyzABCD") + "Q"});
}

TEST(ElisionWorkedRegion, ThirtyColumnsBecomeFour) {
  Alignment a = workedRegion();
  collapseSparseRegions(a, plainPresence(), 3, 4);
  EXPECT_EQ(a.residues, (std::vector<std::string>{
                            "M....W",  // no residues: the tail as it is
                            "MA--KW",  // the first residue laid over the tail
                            "M(3)-W",  // none at the first column: marker
                            "M(12)W",  // two digits leave no tail visible
                            "M(1)-W",
                        }));
  EXPECT_EQ(a.tracks, (std::vector<std::string>{"PabcdQ"}));
  EXPECT_EQ(a.length, 6);
  EXPECT_EQ(a.names.size(), 5u);
}

TEST(ElisionWorkedRegion, ResidueFreeColumnsGoFirst) {
  // The whole elision first drops the 14 region columns without any
  // residue, which moves Y of the last sequence into the tail.
  Alignment a = workedRegion();
  elideSparseRegions(a, ElisionSettings{3, 4, false}, "");
  EXPECT_EQ(a.residues,
            (std::vector<std::string>{"M....W", "MA--KW", "M(3)-W", "M(12)W", "MY---W"}));
  EXPECT_EQ(a.tracks, (std::vector<std::string>{"PabcdQ"}));
  EXPECT_EQ(a.length, 6);
}

TEST(ElisionWorkedRegion, TracksTakeTheirColumnsAsAskedFor) {
  struct Case {
    const char* what;
    bool tracksFollowResidues;
    std::string track;
  };
  const Case cases[] = {
      {"as Rich Text and HTML have it: the region's first columns", false, "PabcdQ"},
      {"in a figure: the last columns, which the residues' stand-ins are made of", true, "PABCDQ"},
  };
  for (const Case& c : cases) {
    Alignment a = workedRegion();
    collapseSparseRegions(a, plainPresence(), 3, 4, nullptr, c.tracksFollowResidues);
    EXPECT_EQ(a.tracks, (std::vector<std::string>{c.track})) << c.what;
  }
}

TEST(ElisionStandIn, EachFormOfOneRow) {
  // The whole row is one region (nothing is dense with no gaps required);
  // a full row of residues beside it fixes the width at four.
  struct Case {
    std::string row;
    std::string shown;
  };
  const Case cases[] = {
      {"------------", "----"},
      {"A---------GK", "A-GK"},  // fewer than four: start laid over the
                                 // tail
      {"AC---------D", "AC-D"},
      {"----------AK", "--AK"},  // all of them already in the tail
      {"AC--DE------", "ACDE"},  // exactly four: the residues themselves
      {"-----C-----K", "(1)K"},  // marker counts only the hidden residue
      {"-A--------C-", "(2)-"},
      {"ACDEF-------", "(5)-"},
      {"---CDEFGHIKL", "(8)L"},
      {"ACDEFGHIKLMN", "(12)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    Alignment a = makeAlignment({"ACDEFGHIKLMN", c.row});
    collapseSparseRegions(a, plainPresence(), 0, 4);
    ASSERT_EQ(a.residues.size(), 2u);
    EXPECT_EQ(a.residues[0], "(12)");
    EXPECT_EQ(a.residues[1], c.shown);
    EXPECT_EQ(a.length, 4);
  }
}

TEST(ElisionStandIn, MarkerGivesUpADigitToShowTheTail) {
  // A hundred residues make the width five. Ten residues with R last: R is
  // visible, 9 has one digit, so position 3 shows as well.
  struct Case {
    std::string lastColumns;  // region columns 115 to 119 of the row
    std::string shown;
  };
  const Case cases[] = {
      {"---KR", "(8)KR"},
      {"----R", "(9)-R"},
      {"-----", "(10)-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastColumns);
    std::string bulk = std::string(100, 'A') + std::string(20, '-');
    std::string row = std::string(100, '-') + "CDEFGHIKLM" + std::string(5, '-') + c.lastColumns;
    // Keep ten residues in the row.
    const auto tailResidues = static_cast<std::size_t>(std::count_if(
        c.lastColumns.begin(), c.lastColumns.end(), [](char ch) { return ch != '-'; }));
    for (std::size_t k = 0; k < tailResidues; ++k) row[109 - k] = '-';
    Alignment a = makeAlignment({bulk, row, std::string(120, '-')});
    collapseSparseRegions(a, plainPresence(), 2, 4);
    EXPECT_EQ(a.residues, (std::vector<std::string>{"(100)", c.shown, "-----"}));
  }
}

TEST(ElisionStandIn, CountsOfAThousandLeaveTheRegion) {
  Alignment a = makeAlignment({std::string(1000, 'A'), std::string(1000, '-')});
  const Alignment before = a;
  collapseSparseRegions(a, plainPresence(), 1, 4);
  EXPECT_EQ(a.residues, before.residues);
  EXPECT_EQ(a.length, 1000);

  a = makeAlignment({"-" + std::string(999, 'A'), std::string(1000, '-')});
  collapseSparseRegions(a, plainPresence(), 1, 4);
  EXPECT_EQ(a.residues, (std::vector<std::string>{"(999)", "-----"}));
}

TEST(ElisionScan, RegionLengthAgainstTheMinimum) {
  struct Case {
    int regionLength;
    int minimum;
    bool collapsed;
  };
  const Case cases[] = {{3, 4, false}, {4, 4, true}, {9, 10, false}, {10, 10, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.regionLength);
    const auto n = static_cast<std::size_t>(c.regionLength);
    Alignment a = makeAlignment({"M" + std::string(n, 'A') + "W", "M" + std::string(n, '-') + "W",
                                 "M" + std::string(n, '-') + "W"});
    collapseSparseRegions(a, plainPresence(), 2, c.minimum);
    if (c.collapsed) {
      EXPECT_EQ(a.residues[0], "M(" + std::to_string(n) + ")W");
      EXPECT_EQ(a.residues[1], "M" + std::string(n < 10 ? 3 : 4, '-') + "W");
    } else {
      EXPECT_EQ(a.residues[0], "M" + std::string(n, 'A') + "W");
    }
  }
}

TEST(ElisionScan, TwoRegionsOneReachingColumnZero) {
  // Columns 0-4 and 6-11 are sparse (one residue at most), 5 and 12 dense.
  // The L of column 5 must not count for the region to its right: the
  // first row has exactly three residues there and shows them.
  Alignment a =
      makeAlignment({"-----LP-Q-R-L", "K----L------L", "-------S-----"}, {"abcdefghijklm"});
  collapseSparseRegions(a, plainPresence(), 2, 4);
  EXPECT_EQ(a.residues, (std::vector<std::string>{"---LPQRL", "K--L---L", "----(1)-"}));
  EXPECT_EQ(a.tracks, (std::vector<std::string>{"abcfghim"}));
  EXPECT_EQ(a.length, 8);
}

TEST(ElisionScan, NoGapsRequiredCollapsesEverything) {
  Alignment a = makeAlignment({"ACDEFGHI", "AC-EFGH-", "A-------"});
  elideSparseRegions(a, ElisionSettings{elisionMinGaps(3, 0), 4, false}, "");
  EXPECT_EQ(a.residues, (std::vector<std::string>{"(8)", "(6)", "A--"}));
  EXPECT_EQ(a.length, 3);
}

TEST(ElisionScan, ShortAlignmentsStay) {
  for (const auto& rows : std::vector<std::vector<std::string>>{{"A", "-"}, {"", ""}}) {
    Alignment a = makeAlignment(rows);
    elideSparseRegions(a, ElisionSettings{2, 4, false}, "");
    EXPECT_EQ(a.residues, rows);
  }
}

TEST(ElisionEmptyColumns, RemovedFromResiduesAndTracksWithoutMark) {
  struct Case {
    std::vector<std::string> rows;
    std::string track;
    std::vector<std::string> rowsAfter;
    std::string trackAfter;
  };
  const Case cases[] = {
      {{"AC-D", "AC.E"}, "abcd", {"ACD", "ACE"}, "abd"},
      {{"--A--C--", "-.A~-C.-"}, "01234567", {"AC", "AC"}, "25"},
      {{"A(3)D", "A---E"}, "abcde", {"AD", "AE"}, "ae"},  // digits are no residues
      {{"ACD", "EFG"}, "abc", {"ACD", "EFG"}, "abc"},
      {{"---", "~~~"}, "abc", {"", ""}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.track);
    Alignment a = makeAlignment(c.rows, {c.track});
    removeResidueFreeColumns(a, plainPresence());
    EXPECT_EQ(a.residues, c.rowsAfter);
    EXPECT_EQ(a.tracks, (std::vector<std::string>{c.trackAfter}));
    EXPECT_EQ(a.length, static_cast<int>(c.rowsAfter[0].size()));
  }
}

TEST(ElisionEmptyColumns, LowerCaseAndInvalidResidues) {
  Alignment a = makeAlignment({"AcD", "A-D"});
  elideSparseRegions(a, ElisionSettings{1, 4, false}, "");
  EXPECT_EQ(a.residues, (std::vector<std::string>{"AD", "AD"}));

  a = makeAlignment({"AcD", "A-D"});
  elideSparseRegions(a, ElisionSettings{1, 4, true}, "");
  EXPECT_EQ(a.residues, (std::vector<std::string>{"AcD", "A-D"}));

  a = makeAlignment({"ABbD", "A--D"});
  elideSparseRegions(a, ElisionSettings{1, 4, true}, "BJOUZ");
  EXPECT_EQ(a.residues, (std::vector<std::string>{"AD", "AD"}));
}

TEST(ElisionDefensive, RowsThatDoNotLineUpAreLeftAlone) {
  const std::vector<Alignment> inputs = {
      makeAlignment({"A---------C", "A--"}),
      makeAlignment({"A---------C", "A---------C"}, {"abc"}),
      makeAlignment({}, {"abcdef"}),
  };
  for (const Alignment& input : inputs) {
    Alignment a = input;
    elideSparseRegions(a, ElisionSettings{0, 4, false}, "");
    EXPECT_EQ(a.residues, input.residues);
    EXPECT_EQ(a.tracks, input.tracks);
    EXPECT_EQ(a.length, input.length);
  }
}

TEST(ElisionDefensive, MinimumBelowTheWidthNeverLengthensRows) {
  // A region of two columns cannot hold a three-column stand-in.
  Alignment a = makeAlignment({"MA-W", "M--W", "M-CW"});
  collapseSparseRegions(a, plainPresence(), 2, 1);
  EXPECT_EQ(a.residues, (std::vector<std::string>{"MA-W", "M--W", "M-CW"}));
}

TEST(ElisionPresence, TableFollowsTheOptions) {
  struct Case {
    std::string invalid;
    bool lower;
    char c;
    bool residue;
  };
  const Case cases[] = {
      {"", false, 'A', true},     {"", false, 'Z', true},       {"", false, 'a', false},
      {"", true, 'a', true},      {"", false, '-', false},      {"", false, '1', false},
      {"", false, '(', false},    {"BJOUZ", false, 'B', false}, {"BJOUZ", true, 'b', false},
      {"BJOUZ", true, 'c', true}, {"BJOUZ", false, 'X', true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.c) + " invalid=" + c.invalid);
    EXPECT_EQ(buildResiduePresenceTable(c.invalid, c.lower)[static_cast<unsigned char>(c.c)],
              c.residue);
  }
  EXPECT_FALSE(buildResiduePresenceTable("", true)[200]);
}

TEST(ElisionMinGaps, RoundsUp) {
  struct Case {
    int sequences;
    int threshold;
    int gaps;
  };
  const Case cases[] = {{7, 800, 6}, {10, 800, 8}, {5, 0, 0}, {3, 1000, 3}, {1, 1, 1}, {0, 800, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(elisionMinGaps(c.sequences, c.threshold), c.gaps)
        << c.sequences << " x " << c.threshold;
  }
}

}  // namespace
}  // namespace hueset
