#include "groupings/builtin_defaults.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "groupings/binary_config.h"
#include "support/test_files.h"

namespace hueset {
namespace {

// One row of a default's table: "| # | Name | Residues | r,g,b | r,g,b |
// Bold | Italic | Active | Marker |", the marker "blank" standing for a space.
struct Row {
  std::vector<std::string> cells;
};

std::vector<Row> readTable(const std::string& relative) {
  std::vector<Row> rows;
  std::istringstream in(hueset::test::readTestFile(relative));
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    Row row;
    std::istringstream cells(line.substr(1));
    std::string cell;
    while (std::getline(cells, cell, '|')) {
      const auto first = cell.find_first_not_of(' ');
      const auto last = cell.find_last_not_of(' ');
      row.cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
    }
    rows.push_back(row);
  }
  return rows;
}

Colour colourOf(const std::string& cell) {
  unsigned r = 0, g = 0, b = 0;
  char comma1 = 0, comma2 = 0;
  std::istringstream in(cell);
  in >> r >> comma1 >> g >> comma2 >> b;
  EXPECT_TRUE(in && comma1 == ',' && comma2 == ',') << cell;
  return rgb(r, g, b);
}

void expectMatchesTable(BuiltinDefault which, const std::string& table, std::size_t count) {
  const std::vector<Row> rows = readTable(table);
  ASSERT_EQ(rows.size(), count);
  GroupingSet set;
  ASSERT_TRUE(loadBuiltinDefault(set, which));
  EXPECT_EQ(set.fontName, "Courier New");
  EXPECT_EQ(set.fontSize, 90);
  ASSERT_EQ(set.groupings.size(), count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto& c = rows[i].cells;
    ASSERT_EQ(c.size(), 9u) << table << " row " << i;
    const ResidueGrouping& g = set.groupings[i];
    SCOPED_TRACE(table + ": " + c[1]);
    EXPECT_EQ(std::to_string(i), c[0]);
    EXPECT_EQ(g.name, c[1]);
    EXPECT_EQ(g.residues, c[2]);
    EXPECT_EQ(g.format.textColour, colourOf(c[3]));
    EXPECT_EQ(g.format.backColour, colourOf(c[4]));
    EXPECT_EQ(g.format.bold, c[5] == "1");
    EXPECT_EQ(g.format.italic, c[6] == "1");
    EXPECT_EQ(g.active, c[7] == "1");
    EXPECT_EQ(std::string(1, g.marker), c[8] == "blank" ? " " : c[8]);
  }
}

TEST(BuiltinDefaults, ColourDefaultHoldsItsTable) {
  EXPECT_EQ(builtinDefaultImage(BuiltinDefault::Colour).size(), 1041u);
  expectMatchesTable(BuiltinDefault::Colour, "groupings/colour_default_table.md", 33);
}

TEST(BuiltinDefaults, BlackAndWhiteDefaultHoldsItsTable) {
  EXPECT_EQ(builtinDefaultImage(BuiltinDefault::BlackAndWhite).size(), 416u);
  expectMatchesTable(BuiltinDefault::BlackAndWhite, "groupings/black_and_white_default_table.md",
                     12);
}

TEST(BuiltinDefaults, TitlesAndNumbers) {
  EXPECT_EQ(builtinDefaultTitle(BuiltinDefault::Colour), "Hueset Defaults");
  EXPECT_EQ(builtinDefaultTitle(BuiltinDefault::BlackAndWhite), "Hueset B & W Defaults");
  EXPECT_EQ(static_cast<int>(BuiltinDefault::Colour), 153);
  EXPECT_EQ(static_cast<int>(BuiltinDefault::BlackAndWhite), 188);
}

TEST(BuiltinDefaults, LoadingReplacesWhatWasThere) {
  GroupingSet set = builtinDefault(BuiltinDefault::Colour);
  set.groupings.push_back(ResidueGrouping{});
  ASSERT_TRUE(loadBuiltinDefault(set, BuiltinDefault::BlackAndWhite));
  EXPECT_EQ(set.groupings.size(), 12u);
  EXPECT_TRUE(set.groupings[1].active);
  EXPECT_FALSE(builtinDefault(BuiltinDefault::Colour).groupings[1].active);
}

// The colour-blind safe set is the colour default in other formats: the
// same groupings in the same order give the same consensus, so a figure can
// change palette without changing what it says.
TEST(BuiltinDefaults, ColourBlindSafeDefaultKeepsTheColourAnalysis) {
  const GroupingSet colour = builtinDefault(BuiltinDefault::Colour);
  const GroupingSet safe = builtinDefault(BuiltinDefault::ColourBlindSafe);
  EXPECT_EQ(writeBinary(safe), builtinDefaultImage(BuiltinDefault::ColourBlindSafe))
      << "the image is not what writing it back gives";
  EXPECT_EQ(safe.fontName, colour.fontName);
  EXPECT_EQ(safe.fontSize, colour.fontSize);
  ASSERT_EQ(safe.groupings.size(), colour.groupings.size());
  for (std::size_t i = 0; i < safe.groupings.size(); ++i) {
    const ResidueGrouping& s = safe.groupings[i];
    const ResidueGrouping& c = colour.groupings[i];
    SCOPED_TRACE(c.name);
    EXPECT_EQ(s.name, c.name);
    EXPECT_EQ(s.residues, c.residues);
    EXPECT_EQ(s.active, c.active);
    EXPECT_EQ(s.marker, c.marker);
    EXPECT_EQ(s.format.bold, c.format.bold);
    EXPECT_EQ(s.format.italic, c.format.italic);
    // Letters in black or white only: a coloured letter would carry
    // meaning that the same readers could lose.
    EXPECT_TRUE(s.format.textColour == rgb(0, 0, 0) || s.format.textColour == rgb(255, 255, 255));
  }
  // Identical residues of different kinds must not look alike.
  const auto formatOf = [&](char residue) {
    for (const ResidueGrouping& g : safe.groupings) {
      if (g.residues == std::string(1, residue)) return g.format;
    }
    ADD_FAILURE() << "no grouping of " << residue;
    return ResidueFormat{};
  };
  EXPECT_NE(formatOf('D'), formatOf('K')) << "acidic and basic";
  EXPECT_NE(formatOf('L'), formatOf('S')) << "hydrophobic and polar";
  EXPECT_NE(formatOf('G'), formatOf('N')) << "small and amide";
  EXPECT_EQ(builtinDefaultTitle(BuiltinDefault::ColourBlindSafe),
            "Hueset Colour-blind Safe Defaults");
}

TEST(BuiltinDefaults, CommandLineNames) {
  const struct {
    const char* what;
    const char* name;
    std::optional<BuiltinDefault> expected;
  } cases[] = {
      {"the colour default", "colour", BuiltinDefault::Colour},
      {"black and white", "bw", BuiltinDefault::BlackAndWhite},
      {"colour-blind safe", "safe", BuiltinDefault::ColourBlindSafe},
      {"a file name is not a built-in", "safe.cft", std::nullopt},
      {"names are exact", "Colour", std::nullopt},
      {"nothing named", "", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(builtinDefaultNamed(c.name), c.expected) << c.what;
}

}  // namespace
}  // namespace hueset
