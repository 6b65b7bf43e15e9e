#include "desktop/groupings/colour_palette.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace hueset {
namespace {

Colour hex(std::uint32_t rrggbb) { return rgb(rrggbb >> 16, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF); }

ColourSet webSafeSet() {
  ColourSet set;
  set.setPalette(webSafePalette());
  set.setColumns(kWebSafePaletteColumns);
  return set;
}

TEST(OfficePalette, FortyNamedColoursInRowOrder) {
  const auto palette = officePalette();
  ASSERT_EQ(palette.size(), 40u);
  EXPECT_EQ(palette[0].name, "Black");
  EXPECT_EQ(palette[1].colour, hex(0x993300));
  EXPECT_EQ(palette[1].name, "Brown");
  EXPECT_EQ(palette[7].name, "Grey-80%");
  EXPECT_EQ(palette[9].colour, hex(0xFF6600));
  EXPECT_EQ(palette[22].name, "Violet");
  EXPECT_EQ(palette[22].colour, hex(0x800080));
  EXPECT_EQ(palette[31].colour, hex(0xC0C0C0));
  EXPECT_EQ(palette[39].name, "White");
  EXPECT_EQ(palette[39].colour, hex(0xFFFFFF));
}

TEST(WebSafePalette, HoldsEveryWebSafeColourWithGreysFourTimes) {
  const auto palette = webSafePalette();
  ASSERT_EQ(palette.size(), 256u);
  std::map<Colour, int> count;
  int empty = 0;
  for (const PaletteEntry& e : palette) {
    if (e.colour == kEmptyCell) {
      ++empty;
      continue;
    }
    ++count[e.colour];
    EXPECT_FALSE(e.name.empty());
  }
  EXPECT_EQ(empty, 22);
  EXPECT_EQ(count.size(), 216u);
  for (const auto& [colour, n] : count) {
    EXPECT_EQ(redOf(colour) % 51, 0u);
    EXPECT_EQ(greenOf(colour) % 51, 0u);
    EXPECT_EQ(blueOf(colour) % 51, 0u);
    const bool grey = redOf(colour) == greenOf(colour) && greenOf(colour) == blueOf(colour);
    EXPECT_EQ(n, grey ? 4 : 1) << std::hex << colour;
  }
}

TEST(WebSafePalette, FirstAndLastRowsMirrorTheGreys) {
  const auto palette = webSafePalette();
  for (int column = 0; column < 6; ++column) {
    for (int row : {0, 15}) {
      const PaletteEntry& left = palette[static_cast<std::size_t>(row * 16 + column)];
      const PaletteEntry& right = palette[static_cast<std::size_t>(row * 16 + 15 - column)];
      EXPECT_EQ(left.colour, right.colour);
      EXPECT_EQ(left.name, right.name);
    }
  }
}

struct NamedCell {
  int row;
  int column;
  std::uint32_t rrggbb;
  const char* name;
};

class WebSafeCellNames : public ::testing::TestWithParam<NamedCell> {};

TEST_P(WebSafeCellNames, Exact) {
  const NamedCell& c = GetParam();
  const PaletteEntry& e =
      webSafePalette()[static_cast<std::size_t>((c.row - 1) * 16 + c.column - 1)];
  EXPECT_EQ(e.colour, hex(c.rrggbb));
  EXPECT_EQ(e.name, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, WebSafeCellNames,
    ::testing::Values(NamedCell{1, 1, 0xFFFFFF, "White"}, NamedCell{1, 4, 0x666666, "Grey-60%"},
                      NamedCell{16, 13, 0x666666, "Grey-60%"},
                      NamedCell{1, 10, 0xFF3300, "Red-Red-Orange"},
                      NamedCell{2, 1, 0x99CC00, "Lime"}, NamedCell{8, 3, 0x00FF00, "Lime"},
                      NamedCell{13, 5, 0x33CCCC, "Aqua"}, NamedCell{14, 3, 0x00FFFF, "Aqua"},
                      NamedCell{2, 6, 0xCC9900, "Dark Yellow-Orange"},
                      NamedCell{15, 6, 0x0099CC, "Dark Cyan-Azure"},
                      NamedCell{9, 14, 0xFF00FF, "Fuchsia"}, NamedCell{7, 8, 0xFFCC99, "Tan"},
                      NamedCell{16, 10, 0x0033FF, "Blue-Blue-Azure"},
                      NamedCell{12, 12, 0x666699, "Blue-Grey"}));

TEST(CustomColourName, ComponentsInRedBlueGreenOrder) {
  EXPECT_EQ(customColourName(rgb(10, 20, 30)),
            "Custom Colour :[Red =  10, Blue =  30, Green =  20] ");
  EXPECT_EQ(customColourName(rgb(255, 0, 128)),
            "Custom Colour :[Red = 255, Blue = 128, Green =   0] ");
}

TEST(WashedOut, ShiftsEachComponentAndMixesWithGrey) {
  EXPECT_EQ(washedOut(rgb(0, 0, 0)), rgb(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(washedOut(rgb(0xFF, 0x80, 0x04)), rgb(0xFF, 0xE0, 0xC1));
}

TEST(ColourSet, ItemsAreSpecialsPaletteCustomsThenButtons) {
  ColourSet set;
  set.setSpecialCells(2);
  set.addCustomColour(rgb(1, 2, 3));
  EXPECT_EQ(set.itemCount(), 2 + 40 + 1 + 1);
  EXPECT_EQ(set.item(0), (WellItem{WellItemKind::Special, 0}));
  EXPECT_EQ(set.itemColour(0), kColourNone);
  EXPECT_EQ(set.itemColour(1), kColourAutomatic);
  EXPECT_EQ(set.itemName(1), "Automatic");
  EXPECT_EQ(set.item(2), (WellItem{WellItemKind::Palette, 0}));
  EXPECT_EQ(set.itemName(2), "Black");
  EXPECT_EQ(set.item(42), (WellItem{WellItemKind::Custom, 0}));
  EXPECT_EQ(set.itemName(42), customColourName(rgb(1, 2, 3)));
  EXPECT_EQ(set.item(43), (WellItem{WellItemKind::Button, 0}));
  EXPECT_EQ(set.itemName(43), "More Colours...");
  EXPECT_FALSE(set.itemColour(43));

  ColourSet automaticOnly;
  automaticOnly.setSpecialCells(1, true);
  EXPECT_EQ(automaticOnly.itemColour(0), kColourAutomatic);
  EXPECT_EQ(automaticOnly.selectValue(kColourNone), std::nullopt);
  EXPECT_EQ(automaticOnly.selectValue(kColourAutomatic), 0);
}

TEST(ColourSet, PaletteEntryWithoutNameIsNamedLikeACustomColour) {
  constexpr PaletteEntry entries[] = {{rgb(10, 20, 30), ""}, {rgb(0, 0, 0), "Black"}};
  ColourSet set;
  set.setPalette(entries);
  EXPECT_EQ(set.itemName(0), "Custom Colour :[Red =  10, Blue =  30, Green =  20] ");
  EXPECT_EQ(set.itemName(1), "Black");
}

TEST(ColourSet, SelectingAnUnknownColourAppendsItOnce) {
  ColourSet set;
  EXPECT_EQ(set.selectValue(hex(0xFF6600)), 9);
  EXPECT_TRUE(set.customColours().empty());
  EXPECT_EQ(set.selectValue(rgb(1, 2, 3)), 40);
  EXPECT_EQ(set.selectValue(rgb(1, 2, 3)), 40);
  EXPECT_EQ(set.customColours().size(), 1u);
  EXPECT_EQ(set.selectValue(kColourNone), std::nullopt);  // no special cells
  EXPECT_EQ(set.customColours().size(), 1u);
  set.addCustomColour(kColourAutomatic);
  set.addCustomColour(rgb(1, 2, 3));
  EXPECT_EQ(set.customColours().size(), 1u);
}

TEST(ColourSet, DuplicatedGreySelectsItsFirstCell) {
  ColourSet set = webSafeSet();
  EXPECT_EQ(set.selectValue(hex(0x000000)), 5);
  EXPECT_EQ(set.selectValue(hex(0xFFFFFF)), 0);
}

TEST(WellKeyboard, EightColumnMovesWrapBetweenRows) {
  ColourSet set;
  EXPECT_EQ(set.move(7, WellMove::Right), 8);  // last of row 1 to first of row 2
  EXPECT_EQ(set.move(8, WellMove::Left), 7);
  EXPECT_EQ(set.move(3, WellMove::Down), 11);
  EXPECT_EQ(set.move(11, WellMove::Up), 3);
  EXPECT_EQ(set.move(3, WellMove::Up), std::nullopt);  // leaves the well
  EXPECT_EQ(set.move(0, WellMove::Left), std::nullopt);
  EXPECT_EQ(set.move(35, WellMove::Down), 40);  // onto the button row
  EXPECT_EQ(set.move(40, WellMove::Down), std::nullopt);
  EXPECT_EQ(set.move(40, WellMove::Up), 32);
  EXPECT_EQ(set.move(std::nullopt, WellMove::Down), 0);
}

TEST(WellKeyboard, SpecialCellsAndCustomRowsTakePartInMoves) {
  ColourSet set;
  set.setSpecialCells(1);
  set.addCustomColour(rgb(1, 1, 1));
  set.addCustomColour(rgb(2, 2, 2));
  EXPECT_EQ(set.move(1, WellMove::Up), 0);  // Black up to "None"
  EXPECT_EQ(set.move(0, WellMove::Down), 1);
  EXPECT_EQ(set.move(40, WellMove::Down), 42);  // White (column 8) to the last custom colour
  EXPECT_EQ(set.move(42, WellMove::Down), 43);  // button
}

TEST(WellKeyboard, WebSafeMovesNeverRestOnEmptyCells) {
  ColourSet set = webSafeSet();
  std::set<int> emptyCells;
  for (int i = 0; i < set.itemCount(); ++i) {
    if (set.isEmptyCell(i)) emptyCells.insert(i);
  }
  ASSERT_EQ(emptyCells.size(), 22u);
  // From every reachable cell, every arrow key: the focus never lands on an
  // empty cell, and every non-empty cell is reachable from the first.
  std::set<int> reached{0};
  std::vector<int> todo{0};
  while (!todo.empty()) {
    const int from = todo.back();
    todo.pop_back();
    for (WellMove m : {WellMove::Left, WellMove::Right, WellMove::Up, WellMove::Down}) {
      const std::optional<int> to = set.move(from, m);
      if (!to) continue;
      EXPECT_FALSE(emptyCells.count(*to)) << from << " -> " << *to;
      if (reached.insert(*to).second) todo.push_back(*to);
    }
  }
  EXPECT_EQ(reached.size(), static_cast<std::size_t>(set.itemCount()) - 22);
  // Right from Lime (row 2, column 1) would land on an empty cell: not made.
  EXPECT_EQ(set.move(16, WellMove::Right), std::nullopt);
  EXPECT_EQ(set.move(16, WellMove::Down), 32);
}

TEST(WellLayout, CellsOfEighteenPixelsAndHitTesting) {
  ColourSet set;
  set.setSpecialCells(1);
  const WellLayout layout = layoutWell(set, 20, 60);
  ASSERT_EQ(layout.items.size(), static_cast<std::size_t>(set.itemCount()));
  const WellRect black = layout.items[1];
  EXPECT_EQ(black.width, 18);
  EXPECT_EQ(black.height, 18);
  EXPECT_EQ(layout.items[2].x - black.x, 18 + kWellCellGap);
  EXPECT_EQ(wellItemAt(layout, black.x + 5, black.y + 5), 1);
  EXPECT_EQ(wellItemAt(layout, black.x + 18, black.y + 5), std::nullopt);  // the gap
  EXPECT_EQ(layout.items[0].width, layout.width - 2 * kWellMargin);        // "None" spans
  const WellRect button = layout.items.back();
  EXPECT_GT(button.y, layout.separatorY);
  EXPECT_GT(layout.separatorY, layout.items[40].y);
  EXPECT_LE(button.y + button.height, layout.height);
}

}  // namespace
}  // namespace hueset
