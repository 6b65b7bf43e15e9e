#include "annotate/consensus.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/annotate/column_set.h"
#include "groupings/builtin_defaults.h"

namespace hueset {
namespace {

// Formats are told apart by their text colour in these tests.
ResidueGrouping grouping(std::string name, std::string residues, char marker, Colour colour,
                         bool active = true) {
  ResidueGrouping g;
  g.name = std::move(name);
  g.residues = std::move(residues);
  g.marker = marker;
  g.format.textColour = colour;
  g.active = active;
  return g;
}

GroupingSet makeGroupings(std::vector<ResidueGrouping> ordinary, bool singleActive = true) {
  GroupingSet set;
  set.groupings.push_back(grouping("Default", "X", '.', 100));
  set.groupings.push_back(grouping("Single", "X", ' ', 101, singleActive));
  for (auto& g : ordinary) set.groupings.push_back(std::move(g));
  return set;
}

using test::columnSet;

Alignment rowSet(std::vector<std::string> rows, int length) {
  Alignment a;
  for (auto& r : rows) {
    a.names.push_back(std::string("s") + std::to_string(a.names.size()));
    a.residues.push_back(std::move(r));
  }
  a.length = length;
  return a;
}

// The format index of every sequence in column 0, as a string of digits.
std::string columnFormats(const ConsensusRows& result) {
  std::string out;
  for (const auto& r : result.formats) out += static_cast<char>('0' + r.at(0));
  return out;
}

struct Outcome {
  std::string marker;
  std::string formats;
};

Outcome run(Alignment set, const GroupingSet& groupings, const ConsensusSettings& settings,
            const std::string& invalid = "") {
  ConsensusRows result;
  const ConsensusStatus status = computeConsensus(set, result, groupings, settings, invalid);
  EXPECT_TRUE(status.ok) << status.message;
  EXPECT_TRUE(result.label.empty());  // the caller names the row
  return {result.row, columnFormats(result)};
}

ConsensusSettings settingsWith(int threshold, bool includeBlanks, bool xIsUnknown = true,
                               bool allowLowerCase = false) {
  return {threshold, includeBlanks, xIsUnknown, allowLowerCase};
}

const GroupingSet& hydrophobicOnly() {
  static const GroupingSet set = makeGroupings({grouping("Hydrophobic", "ILMV", 'h', 1)});
  return set;
}

// Ten sequences L L L L L L I V - -, one active grouping "Hydrophobic".
TEST(ConsensusWorkedColumn, ThresholdAndBlanksDecideBetweenSingleGroupingAndDefault) {
  struct Case {
    int threshold;
    bool includeBlanks;
    std::string marker;
    std::string formats;
  };
  const Case cases[] = {
      {700, false, "L", "2222220000"},  // required 6: L reaches it alone
      {800, false, "h", "1111111100"},  // required 7: L, I and V together
      {900, true, ".", "0000000000"},   // required 9 of 10: nobody
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.threshold);
    const Outcome o =
        run(columnSet("LLLLLLIV--"), hydrophobicOnly(), settingsWith(c.threshold, c.includeBlanks));
    EXPECT_EQ(o.marker, c.marker);
    EXPECT_EQ(o.formats, c.formats);
  }
}

TEST(ConsensusWorkedColumn, ResultHasARowOfFormatsPerSequenceAndOneMarkerPerColumn) {
  Alignment set = columnSet("LLLLLLIV--");
  ConsensusRows result;
  ASSERT_TRUE(computeConsensus(set, result, hydrophobicOnly(), settingsWith(700, false), ""));
  EXPECT_EQ(result.row.size(), 1u);
  ASSERT_EQ(result.formats.size(), 10u);
  EXPECT_EQ(result.formats[0], std::string(1, '\x02'));
  EXPECT_EQ(result.formats[9], std::string(1, '\x00'));
}

TEST(ConsensusCount, EdgeColumns) {
  const GroupingSet groupings =
      makeGroupings({grouping("Hydrophobic", "ILMV", 'h', 1), grouping("Acidic", "DE", 'a', 2)});
  struct Case {
    const char* what;
    std::string column;
    ConsensusSettings settings;
    std::string marker;
    std::string formats;
  };
  const Case cases[] = {
      {"threshold 0 is always Default", "LLLL", settingsWith(0, false), ".", "0000"},
      {"only blanks, blanks not counted", "-.~-", settingsWith(800, false), ".", "0000"},
      {"only blanks, blanks counted", "-.~-", settingsWith(800, true), ".", "0000"},
      // Rounded up: 3 x 500 needs 2, so one A alone is not enough.
      {"required count rounds up", "ACD", settingsWith(500, false), ".", "000"},
      // Counted last to first: L, I, I reaches 2 before the second L.
      {"tie goes to the code first to reach it from below", "LIIL", settingsWith(500, false), "I",
       "0330"},
      {"a later equal count does not take over", "LI", settingsWith(500, false), "I", "03"},
      // Blanks are the most frequent code: no single residue, but L still
      // counts for its grouping.
      {"single test only on the most frequent code", "---LL", settingsWith(400, true), "h",
       "00011"},
      {"a single residue comes before any grouping", "LLLDE", settingsWith(400, false), "L",
       "33300"},
      {"blanks counted lower the share", "DD--", settingsWith(600, true), ".", "0000"},
      // Not counted, the blanks still win the race for most frequent code.
      {"blanks not counted", "DD--", settingsWith(600, false), "a", "2200"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome o = run(columnSet(c.column), groupings, c.settings);
    EXPECT_EQ(o.marker, c.marker);
    EXPECT_EQ(o.formats, c.formats);
  }
}

TEST(ConsensusCount, OnlyTheFirstGroupingThatReachesIsUsed) {
  // "LI" reaches 4 of 5; "ILV" would cover all five but comes later.
  const GroupingSet groupings =
      makeGroupings({grouping("Small", "LI", 's', 1), grouping("Wide", "ILV", 'w', 2)});
  const Outcome o = run(columnSet("LLLIV"), groupings, settingsWith(800, false));
  EXPECT_EQ(o.marker, "s");
  EXPECT_EQ(o.formats, "11110");
}

TEST(ConsensusCount, InactiveSingleLeavesConservedColumnsToGroupings) {
  const GroupingSet groupings =
      makeGroupings({grouping("Acidic", "DE", 'a', 1), grouping("Aliphatic", "ILV", 'l', 2)},
                    /*singleActive=*/false);
  Outcome o = run(columnSet("VVVV"), groupings, settingsWith(1000, false));
  EXPECT_EQ(o.marker, "l");
  EXPECT_EQ(o.formats, "2222");
  o = run(columnSet("WWWW"), groupings, settingsWith(1000, false));
  EXPECT_EQ(o.marker, ".");
  EXPECT_EQ(o.formats, "0000");
}

TEST(ConsensusCount, UnknownResidues) {
  const GroupingSet groupings = makeGroupings({grouping("WithX", "AX", 'x', 1)});
  // X is not counted and joins no grouping, even one that lists it.
  Outcome o = run(columnSet("XXXA"), groupings, settingsWith(1000, false, true));
  EXPECT_EQ(o.marker, "x");
  EXPECT_EQ(o.formats, "0001");
  // Without the option X is an ordinary letter.
  o = run(columnSet("XXXA"), groupings, settingsWith(700, false, false));
  EXPECT_EQ(o.marker, "X");
  EXPECT_EQ(o.formats, "2220");
  // Unknowns are left out of the count even when blanks are counted.
  o = run(columnSet("XAA"), makeGroupings({}), settingsWith(1000, true, true));
  EXPECT_EQ(o.marker, "A");
  EXPECT_EQ(o.formats, "011");
}

TEST(ConsensusCount, LowerCase) {
  Outcome o = run(columnSet("lLLl"), hydrophobicOnly(), settingsWith(1000, false, true, true));
  EXPECT_EQ(o.marker, "L");
  EXPECT_EQ(o.formats, "2222");
  // Without the option lower-case letters are blanks.
  o = run(columnSet("lLLl"), hydrophobicOnly(), settingsWith(1000, false, true, false));
  EXPECT_EQ(o.marker, "L");
  EXPECT_EQ(o.formats, "0220");
  o = run(columnSet("lLLl"), hydrophobicOnly(), settingsWith(1000, true, true, false));
  EXPECT_EQ(o.marker, ".");
}

TEST(ConsensusCount, InvalidResiduesAreBlankInEitherCase) {
  const GroupingSet groupings = makeGroupings({grouping("WithB", "AB", 'b', 1)});
  const Outcome o =
      run(columnSet("BbBA"), groupings, settingsWith(1000, false, true, true), "BJOUZ");
  // The B cells are blanks and the most frequent code: only the grouping
  // test is left, where B adds nothing.
  EXPECT_EQ(o.marker, "b");
  EXPECT_EQ(o.formats, "0001");
}

TEST(ConsensusGroupings, InactiveGroupingsGetNoIndex) {
  const GroupingSet groupings =
      makeGroupings({grouping("Basic off", "KR", 'k', 1, false), grouping("Acidic", "DE", 'a', 2),
                     grouping("Basic", "KR", 'b', 3)});
  const Outcome o = run(columnSet("KKR"), groupings, settingsWith(800, false));
  EXPECT_EQ(o.marker, "b");
  EXPECT_EQ(o.formats, "222");

  const ConsensusRules rules = consensusRules(groupings);
  ASSERT_EQ(rules.formats.size(), 4u);
  EXPECT_EQ(rules.formats[0].textColour, 100u);
  EXPECT_EQ(rules.formats[1].textColour, 2u);
  EXPECT_EQ(rules.formats[2].textColour, 3u);
  EXPECT_EQ(rules.formats[3].textColour, 101u);
  EXPECT_EQ(rules.markers, ".ab ");
  EXPECT_EQ(rules.members, (std::vector<std::string>{"DE", "KR"}));
  EXPECT_TRUE(rules.singleActive);
  EXPECT_EQ(rules.formats, groupings.textFormats());
}

TEST(ConsensusGroupings, InactiveSingleKeepsItsFormatSlot) {
  const ConsensusRules rules = consensusRules(makeGroupings({}, false));
  EXPECT_EQ(rules.formats.size(), 2u);
  EXPECT_EQ(rules.markers, ". ");
  EXPECT_FALSE(rules.singleActive);
}

TEST(ConsensusGroupings, BrokenSetStillNumbersDefaultAndSingle) {
  GroupingSet empty;
  const ConsensusRules rules = consensusRules(empty);
  EXPECT_EQ(rules.formats.size(), 2u);
  EXPECT_EQ(rules.markers.size(), 2u);
  EXPECT_FALSE(rules.singleActive);

  Alignment set = columnSet("AAA");
  ConsensusRows result;
  ASSERT_TRUE(computeConsensus(set, result, empty, settingsWith(800, false), ""));
  EXPECT_EQ(columnFormats(result), "000");
}

GroupingSet manyGroupings(int count) {
  std::vector<ResidueGrouping> list;
  for (int i = 0; i < count; ++i) {
    list.push_back(grouping("G" + std::to_string(i), i + 1 == count ? "VW" : "A", 'g', 7));
  }
  return makeGroupings(std::move(list));
}

TEST(ConsensusGroupings, MostGroupingsAFormatIndexCanNumber) {
  const GroupingSet groupings = manyGroupings(254);
  Alignment set = rowSet({"AWW", "AVW", "CCW"}, 3);
  ConsensusRows result;
  ASSERT_TRUE(computeConsensus(set, result, groupings, settingsWith(600, false), ""));
  // Column 0: single A (index 255); column 1: the last grouping (index 254).
  EXPECT_EQ(static_cast<unsigned char>(result.formats[0][0]), 255u);
  EXPECT_EQ(static_cast<unsigned char>(result.formats[0][1]), 254u);
  EXPECT_EQ(static_cast<unsigned char>(result.formats[2][1]), 0u);
  EXPECT_EQ(result.row, "AgW");
}

TEST(ConsensusGroupings, TooManyActiveGroupingsAreRefusedUntouched) {
  GroupingSet groupings = manyGroupings(255);
  Alignment set = rowSet({"AW", "AW"}, 2);
  set.trackLabels = {"PHD"};
  set.tracks = {"HE"};
  ConsensusRows result;
  result.label = "untouched";
  const ConsensusStatus status =
      computeConsensus(set, result, groupings, settingsWith(600, false), "");
  EXPECT_FALSE(status.ok);
  EXPECT_FALSE(static_cast<bool>(status));
  EXPECT_NE(status.message.find("255"), std::string::npos) << status.message;
  EXPECT_EQ(set.trackLabels, (std::vector<std::string>{"PHD"}));
  EXPECT_EQ(set.tracks, (std::vector<std::string>{"HE"}));
  EXPECT_EQ(result.label, "untouched");
  EXPECT_TRUE(result.formats.empty());
  EXPECT_TRUE(result.row.empty());

  // Inactive groupings do not count towards the limit.
  groupings.groupings.back().active = false;
  EXPECT_TRUE(computeConsensus(set, result, groupings, settingsWith(600, false), "").ok);
}

TEST(ConsensusRows, MarkersKeptApartFromTheSetsExtraRows) {
  Alignment set = rowSet({"ACDE", "ACDW"}, 4);
  set.trackLabels = {"PHD sec", "Rel sec"};
  set.tracks = {"HHEE", "9876"};
  ConsensusRows result;
  ASSERT_TRUE(computeConsensus(set, result, hydrophobicOnly(), settingsWith(1000, false), ""));
  EXPECT_EQ(set.trackLabels, (std::vector<std::string>{"PHD sec", "Rel sec"}));
  EXPECT_EQ(set.tracks, (std::vector<std::string>{"HHEE", "9876"}));
  EXPECT_EQ(result.row, "ACD.");
  EXPECT_EQ(result.formats,
            (std::vector<std::string>{std::string("\2\2\2\0", 4), std::string("\2\2\2\0", 4)}));
}

TEST(ConsensusRows, NoSequencesGivesDefaultMarkers) {
  Alignment set = rowSet({}, 5);
  ConsensusRows result;
  ASSERT_TRUE(computeConsensus(set, result, hydrophobicOnly(), settingsWith(800, false), ""));
  EXPECT_EQ(result.row, ".....");
  EXPECT_TRUE(result.formats.empty());
}

TEST(ConsensusRows, ZeroAndNegativeLength) {
  for (int length : {0, -3}) {
    Alignment set = rowSet({"", ""}, length);
    ConsensusRows result;
    ASSERT_TRUE(computeConsensus(set, result, hydrophobicOnly(), settingsWith(800, false), ""));
    EXPECT_EQ(result.row, "");
    EXPECT_EQ(result.formats, (std::vector<std::string>{"", ""}));
  }
}

TEST(ConsensusRows, ShortRowsReadAsBlanks) {
  // Row 1 ends early and row 2 is empty: their missing cells are blanks.
  Alignment set = rowSet({"LLL", "L", ""}, 3);
  ConsensusRows result;
  ASSERT_TRUE(computeConsensus(set, result, hydrophobicOnly(), settingsWith(1000, false), ""));
  EXPECT_EQ(result.row, "Lhh");
  ASSERT_EQ(result.formats.size(), 3u);
  EXPECT_EQ(result.formats[0], "\2\1\1");
  EXPECT_EQ(result.formats[1], std::string("\2\0\0", 3));
  EXPECT_EQ(result.formats[2], std::string(3, '\0'));
}

TEST(ConsensusRows, NegativeThresholdIsNeverReached) {
  const Outcome o = run(columnSet("LLLL"), hydrophobicOnly(), settingsWith(-1, false));
  EXPECT_EQ(o.marker, ".");
}

TEST(ResidueCodes, TableFollowsTheOptions) {
  struct Case {
    std::string invalid;
    bool lower;
    bool x;
    char c;
    ResidueCode code;
  };
  const Case cases[] = {
      {"", false, false, 'A', 0},
      {"", false, false, 'Z', 25},
      {"", false, false, 'a', kBlankCode},
      {"", false, false, '-', kBlankCode},
      {"", false, false, '7', kBlankCode},
      {"", false, false, 'X', 23},
      {"", false, true, 'X', kUnknownCode},
      {"", false, true, 'x', kBlankCode},
      {"", true, true, 'x', kUnknownCode},
      {"", true, false, 'x', 23},
      {"", true, false, 'l', 11},
      {"BJOUZ", false, false, 'B', kBlankCode},
      {"BJOUZ", true, false, 'b', kBlankCode},
      {"BJOUZ", true, false, 'c', 2},
      {"X", false, true, 'X', kUnknownCode},  // the unknown rule comes last
      {"X", false, false, 'X', kBlankCode},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.c) + " invalid=" + c.invalid);
    EXPECT_EQ(buildResidueCodeTable(c.invalid, c.lower, c.x)[static_cast<unsigned char>(c.c)],
              c.code);
  }
  const ResidueCodeTable table = buildResidueCodeTable("", true, true);
  EXPECT_EQ(table[0], kBlankCode);
  EXPECT_EQ(table[200], kBlankCode);
  EXPECT_EQ(table[255], kBlankCode);
}

// Columns are decided in tiles on as many threads as there are cores; the
// result must not depend on how many there were, including ragged rows and
// a last tile that is not full.
TEST(Consensus, SameResultOnOneThreadAndOnMany) {
  std::mt19937 random(7);
  const std::string letters = "ACDEFGHIKLMNPQRSTVWYX-.";
  std::vector<std::string> rows;
  for (int s = 0; s < 300; ++s) {
    std::string row(static_cast<std::size_t>(1000 + random() % 37), 'A');
    for (char& c : row) c = random() % 3 == 0 ? letters[random() % letters.size()] : 'L';
    rows.push_back(row);
  }
  const GroupingSet groupings = builtinDefault(BuiltinDefault::Colour);
  auto run = [&](const char* threads) {
    setenv("HUESET_THREADS", threads, 1);
    Alignment set = rowSet(rows, 1037);
    ConsensusRows result;
    EXPECT_TRUE(
        computeConsensus(set, result, groupings, ConsensusSettings{700, false, true, false}, ""));
    unsetenv("HUESET_THREADS");
    return std::make_pair(result.formats, result.row);
  };
  EXPECT_EQ(run("1"), run("7"));
}

}  // namespace
}  // namespace hueset
