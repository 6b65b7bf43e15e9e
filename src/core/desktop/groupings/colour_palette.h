#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "groupings/grouping_set.h"

namespace hueset {

// The colour controls know two values beyond 24-bit colours.
inline constexpr Colour kColourNone = 0xFEFFFFFFu;       // shown as "None"
inline constexpr Colour kColourAutomatic = 0xFFFFFFFFu;  // shown as "Automatic"
// In a palette table this value marks a grid cell without a colour.
inline constexpr Colour kEmptyCell = 0xFFFFFFFFu;

struct PaletteEntry {
  Colour colour;
  std::string_view name;
};

// The 40 colours in the manner of office suites, 8 to a row.
std::span<const PaletteEntry> officePalette();
inline constexpr int kOfficePaletteColumns = 8;
// The 216 web-safe colours on a 16 by 16 grid (greys repeated, 22 empty
// cells).
std::span<const PaletteEntry> webSafePalette();
inline constexpr int kWebSafePaletteColumns = 16;

// "Custom Colour :[Red = %3u, Blue = %3u, Green = %3u] " (red, blue, green).
std::string customColourName(Colour colour);
// How a cell of a disabled well is drawn.
Colour washedOut(Colour colour);

enum class WellItemKind { Special, Palette, Custom, Button };

struct WellItem {
  WellItemKind kind;
  int index;  // within its kind

  bool operator==(const WellItem&) const = default;
};

enum class WellMove { Left, Right, Up, Down };

// The model behind one colour well: special cells ("None", "Automatic"),
// the palette, the custom colours added at run time, and the button rows
// ("More Colours..."). Items are numbered in that order; the selection and
// the focus use these numbers.
class ColourSet {
 public:
  struct Entry {
    Colour colour;
    std::string name;

    bool operator==(const Entry&) const = default;
  };

  ColourSet();  // the 40-colour palette, 8 columns, no special cells, one button

  // Replaces the palette by a copy of `entries`.
  void setPalette(std::span<const PaletteEntry> entries);
  void setColumns(int columns);
  int columns() const { return m_columns; }
  const std::vector<Entry>& palette() const { return m_palette; }

  // `count` special cells precede the palette: the first chooses "None",
  // any further one "Automatic"; with `automaticOnly` a single special cell
  // chooses "Automatic".
  void setSpecialCells(int count, bool automaticOnly = false);
  int specialCount() const { return m_specialCount; }
  Colour specialValue(int special) const;
  static std::string_view specialText(Colour value);  // "None" or "Automatic"

  void setButtonCount(int count);
  int buttonCount() const { return m_buttonCount; }
  static std::string_view buttonText(int button);  // "More Colours...", "Undefined!!"

  // Appends a custom colour; None, Automatic and repeats are not added.
  void addCustomColour(Colour colour);
  const std::vector<Colour>& customColours() const { return m_custom; }

  int itemCount() const;
  // Selectable items: special cells, palette and custom colours.
  int cellCount() const;
  WellItem item(int index) const;
  int indexOf(WellItem item) const;
  // The value an item chooses (palette, custom or special); none for
  // buttons, empty cells and numbers outside the well.
  std::optional<Colour> itemColour(int index) const;
  bool isEmptyCell(int index) const;
  // A cell's name: the palette name, else the custom-colour wording; the
  // text of a special cell or button row; empty for an empty cell.
  std::string itemName(int index) const;

  // Selects the cell of `value`: a palette colour's cell, else its custom
  // colour, appended first when it is new; None and Automatic their special
  // cell when there is one. Returns the selection.
  std::optional<int> selectValue(Colour value);
  std::optional<int> selected() const { return m_selected; }
  void clearSelection() { m_selected.reset(); }

  // Rows of the well: each special cell and each button is a row of its
  // own; palette and custom colours fill `columns` to a row.
  struct Row {
    int first;
    int count;
  };
  std::vector<Row> rows() const;
  // The keyboard focus move from item `from` (none: nothing focused yet).
  // Moves that leave the well or end on an empty cell are not made.
  std::optional<int> move(std::optional<int> from, WellMove direction) const;

 private:
  std::vector<Entry> m_palette;
  int m_columns = kOfficePaletteColumns;
  int m_specialCount = 0;
  bool m_automaticOnly = false;
  int m_buttonCount = 1;
  std::vector<Colour> m_custom;
  std::optional<int> m_selected;
};

// Geometry of a dropped-down well, in pixels.
struct WellRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
  }
  bool operator==(const WellRect&) const = default;
};

struct WellLayout {
  std::vector<WellRect> items;  // one per item of the set
  int separatorY = 0;           // the line between the palette and the rest
  int width = 0;
  int height = 0;
};

inline constexpr int kWellCellWidth = 18;
inline constexpr int kWellCellHeight = 18;
inline constexpr int kWellMargin = 4;
inline constexpr int kWellCellGap = 2;
inline constexpr int kWellSeparatorSpace = 7;

// Lays the well out: special rows, the cell grid, the separator, custom
// colours, button rows. `textRowHeight` is the height of a text row,
// `widestText` the width of the widest special cell or button text.
WellLayout layoutWell(const ColourSet& set, int textRowHeight, int widestText);
// The item under a point, or none.
std::optional<int> wellItemAt(const WellLayout& layout, int x, int y);

}  // namespace hueset
