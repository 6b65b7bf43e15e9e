#include "desktop/groupings/colour_palette.h"

#include <algorithm>
#include <cstdio>

namespace hueset {
namespace {

constexpr PaletteEntry kEmpty{kEmptyCell, ""};

constexpr PaletteEntry kOfficePalette[] = {
    // row 1
    {rgb(0x00, 0x00, 0x00), "Black"},
    {rgb(0x99, 0x33, 0x00), "Brown"},
    {rgb(0x33, 0x33, 0x00), "Olive Green"},
    {rgb(0x00, 0x33, 0x00), "Dark Green"},
    {rgb(0x00, 0x33, 0x66), "Dark Teal"},
    {rgb(0x00, 0x00, 0x80), "Dark Blue"},
    {rgb(0x33, 0x33, 0x99), "Indigo"},
    {rgb(0x33, 0x33, 0x33), "Grey-80%"},
    // row 2
    {rgb(0x80, 0x00, 0x00), "Dark Red"},
    {rgb(0xFF, 0x66, 0x00), "Orange"},
    {rgb(0x80, 0x80, 0x00), "Dark Yellow"},
    {rgb(0x00, 0x80, 0x00), "Green"},
    {rgb(0x00, 0x80, 0x80), "Teal"},
    {rgb(0x00, 0x00, 0xFF), "Blue"},
    {rgb(0x66, 0x66, 0x99), "Blue-Grey"},
    {rgb(0x80, 0x80, 0x80), "Grey-50%"},
    // row 3
    {rgb(0xFF, 0x00, 0x00), "Red"},
    {rgb(0xFF, 0x99, 0x00), "Light Orange"},
    {rgb(0x99, 0xCC, 0x00), "Lime"},
    {rgb(0x33, 0x99, 0x66), "Sea Green"},
    {rgb(0x33, 0xCC, 0xCC), "Aqua"},
    {rgb(0x33, 0x66, 0xFF), "Light Blue"},
    {rgb(0x80, 0x00, 0x80), "Violet"},
    {rgb(0x96, 0x96, 0x96), "Grey-40%"},
    // row 4
    {rgb(0xFF, 0x00, 0xFF), "Pink"},
    {rgb(0xFF, 0xCC, 0x00), "Gold"},
    {rgb(0xFF, 0xFF, 0x00), "Yellow"},
    {rgb(0x00, 0xFF, 0x00), "Bright Green"},
    {rgb(0x00, 0xFF, 0xFF), "Turquoise"},
    {rgb(0x00, 0xCC, 0xFF), "Sky Blue"},
    {rgb(0x99, 0x33, 0x66), "Plum"},
    {rgb(0xC0, 0xC0, 0xC0), "Grey-25%"},
    // row 5
    {rgb(0xFF, 0x99, 0xCC), "Rose"},
    {rgb(0xFF, 0xCC, 0x99), "Tan"},
    {rgb(0xFF, 0xFF, 0x99), "Light Yellow"},
    {rgb(0xCC, 0xFF, 0xCC), "Light Green"},
    {rgb(0xCC, 0xFF, 0xFF), "Light Turquoise"},
    {rgb(0x99, 0xCC, 0xFF), "Pale Blue"},
    {rgb(0xCC, 0x99, 0xFF), "Lavender"},
    {rgb(0xFF, 0xFF, 0xFF), "White"},
};

constexpr PaletteEntry kWebSafePalette[] = {
    // row 1
    {rgb(0xFF, 0xFF, 0xFF), "White"},
    {rgb(0xCC, 0xCC, 0xCC), "Grey-20%"},
    {rgb(0x99, 0x99, 0x99), "Grey-40%"},
    {rgb(0x66, 0x66, 0x66), "Grey-60%"},
    {rgb(0x33, 0x33, 0x33), "Grey-80%"},
    {rgb(0x00, 0x00, 0x00), "Black"},
    {rgb(0xFF, 0xCC, 0x00), "Gold"},
    {rgb(0xFF, 0x99, 0x00), "Light Orange"},
    {rgb(0xFF, 0x66, 0x00), "Orange"},
    {rgb(0xFF, 0x33, 0x00), "Red-Red-Orange"},
    {rgb(0x00, 0x00, 0x00), "Black"},
    {rgb(0x33, 0x33, 0x33), "Grey-80%"},
    {rgb(0x66, 0x66, 0x66), "Grey-60%"},
    {rgb(0x99, 0x99, 0x99), "Grey-40%"},
    {rgb(0xCC, 0xCC, 0xCC), "Grey-20%"},
    {rgb(0xFF, 0xFF, 0xFF), "White"},
    // row 2
    {rgb(0x99, 0xCC, 0x00), "Lime"},
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    {rgb(0xCC, 0x99, 0x00), "Dark Yellow-Orange"},
    {rgb(0xFF, 0xCC, 0x33), "Light Yellow-Orange"},
    {rgb(0xFF, 0xCC, 0x66), "Light Orange-Yellow"},
    {rgb(0xFF, 0x99, 0x66), "Light Orange-Red"},
    {rgb(0xFF, 0x66, 0x33), "Light Red-Orange"},
    {rgb(0xCC, 0x33, 0x00), "Dark Red-Orange"},
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    {rgb(0xCC, 0x00, 0x33), "Dark Red-Pink"},
    // row 3
    {rgb(0xCC, 0xFF, 0x00), "Yellow-Yellow-Spring"},
    {rgb(0xCC, 0xFF, 0x33), "Light Yellow-Spring"},
    {rgb(0x33, 0x33, 0x00), "Olive Green"},
    {rgb(0x66, 0x66, 0x00), "Obscure Dull Yellow"},
    {rgb(0x99, 0x99, 0x00), "Dark Faded Yellow"},
    {rgb(0xCC, 0xCC, 0x00), "Dark Hard Yellow"},
    {rgb(0xFF, 0xFF, 0x00), "Yellow"},
    {rgb(0xCC, 0x99, 0x33), "Medium Orange-Yellow"},
    {rgb(0xCC, 0x66, 0x33), "Medium Orange-Red"},
    {rgb(0x33, 0x00, 0x00), "Obscure Weak Red"},
    {rgb(0x66, 0x00, 0x00), "Obscure Dull Red"},
    {rgb(0x99, 0x00, 0x00), "Dark Faded Red"},
    {rgb(0xCC, 0x00, 0x00), "Dark Hard Red"},
    {rgb(0xFF, 0x00, 0x00), "Red"},
    {rgb(0xFF, 0x33, 0x66), "Light Red-Pink"},
    {rgb(0xFF, 0x00, 0x33), "Red-Red-Pink"},
    // row 4
    {rgb(0x99, 0xFF, 0x00), "Spring-Spring-Yellow"},
    {rgb(0xCC, 0xFF, 0x66), "Light Spring-Yellow"},
    {rgb(0x99, 0xCC, 0x33), "Medium Spring-Yellow"},
    {rgb(0x66, 0x66, 0x33), "Dark Weak Yellow"},
    {rgb(0x99, 0x99, 0x33), "Dark Dull Yellow"},
    {rgb(0xCC, 0xCC, 0x33), "Medium Faded Yellow"},
    {rgb(0xFF, 0xFF, 0x33), "Light Hard Yellow"},
    {rgb(0x99, 0x66, 0x00), "Dark Orange-Yellow"},
    {rgb(0x99, 0x33, 0x00), "Brown"},
    {rgb(0x66, 0x33, 0x33), "Dark Weak Red"},
    {rgb(0x99, 0x33, 0x33), "Dark Dull Red"},
    {rgb(0xCC, 0x33, 0x33), "Medium Faded Red"},
    {rgb(0xFF, 0x33, 0x33), "Light Hard Red"},
    {rgb(0xCC, 0x33, 0x66), "Medium Pink-Red"},
    {rgb(0xFF, 0x66, 0x99), "Light Pink-Red"},
    {rgb(0xFF, 0x00, 0x66), "Pink-Pink-Red"},
    // row 5
    {rgb(0x66, 0xFF, 0x00), "Spring-Spring-Green"},
    {rgb(0x99, 0xFF, 0x66), "Light Spring-Green"},
    {rgb(0x66, 0xCC, 0x33), "Medium Spring-Green"},
    {rgb(0x66, 0x99, 0x00), "Dark Spring-Yellow"},
    {rgb(0x99, 0x99, 0x66), "Medium Weak Yellow"},
    {rgb(0xCC, 0xCC, 0x66), "Light Dull Yellow"},
    {rgb(0xFF, 0xFF, 0x66), "Light Faded Yellow"},
    {rgb(0x99, 0x66, 0x33), "Dark Dull Orange"},
    {rgb(0x66, 0x33, 0x00), "Obscure Dull Orange"},
    {rgb(0x99, 0x66, 0x66), "Medium Weak Red"},
    {rgb(0xCC, 0x66, 0x66), "Light Dull Red"},
    {rgb(0xFF, 0x66, 0x66), "Light Faded Red"},
    {rgb(0x99, 0x00, 0x33), "Dark Pink-Red"},
    {rgb(0xCC, 0x33, 0x99), "Medium Pink-Magenta"},
    {rgb(0xFF, 0x66, 0xCC), "Light Pink-Magenta"},
    {rgb(0xFF, 0x00, 0x99), "Pink-Pink-Magenta"},
    // row 6
    {rgb(0x33, 0xFF, 0x00), "Green-Green-Spring"},
    {rgb(0x66, 0xFF, 0x33), "Light Green-Spring"},
    {rgb(0x33, 0x99, 0x00), "Dark Spring-Green"},
    {rgb(0x66, 0xCC, 0x00), "Dark Hard Spring"},
    {rgb(0x99, 0xFF, 0x33), "Light Hard Spring"},
    {rgb(0xCC, 0xCC, 0x99), "Light Weak Yellow"},
    {rgb(0xFF, 0xFF, 0x99), "Light Yellow"},
    {rgb(0xCC, 0x99, 0x66), "Light Dull Orange"},
    {rgb(0xCC, 0x66, 0x00), "Dark Hard Orange"},
    {rgb(0xCC, 0x99, 0x99), "Light Weak Red"},
    {rgb(0xFF, 0x99, 0x99), "Pale Dull Red"},
    {rgb(0xFF, 0x33, 0x99), "Light Hard Pink"},
    {rgb(0xCC, 0x00, 0x66), "Dark Hard Pink"},
    {rgb(0x99, 0x00, 0x66), "Dark Pink-Magenta"},
    {rgb(0xFF, 0x33, 0xCC), "Light Magenta-Pink"},
    {rgb(0xFF, 0x00, 0xCC), "Magenta-Magenta-Pink"},
    // row 7
    {rgb(0x00, 0xCC, 0x00), "Dark Hard Green"},
    {rgb(0x33, 0xCC, 0x00), "Dark Green-Spring"},
    {rgb(0x33, 0x66, 0x00), "Obscure Dull Spring"},
    {rgb(0x66, 0x99, 0x33), "Dark Dull Spring"},
    {rgb(0x99, 0xCC, 0x66), "Light Dull Spring"},
    {rgb(0xCC, 0xFF, 0x99), "Pale Dull Spring"},
    {rgb(0xFF, 0xFF, 0xCC), "Pale Weak Yellow"},
    {rgb(0xFF, 0xCC, 0x99), "Tan"},
    {rgb(0xFF, 0x99, 0x33), "Light Hard Orange"},
    {rgb(0xFF, 0xCC, 0xCC), "Pale Weak Red"},
    {rgb(0xFF, 0x99, 0xCC), "Rose"},
    {rgb(0xCC, 0x66, 0x99), "Light Dull Pink"},
    {rgb(0x99, 0x33, 0x66), "Plum"},
    {rgb(0x66, 0x00, 0x33), "Obscure Dull Pink"},
    {rgb(0xCC, 0x00, 0x99), "Dark Magenta-Pink"},
    {rgb(0x33, 0x00, 0x33), "Obscure Weak Magenta"},
    // row 8
    {rgb(0x33, 0xCC, 0x33), "Medium Faded Green"},
    {rgb(0x66, 0xCC, 0x66), "Light Dull Green"},
    {rgb(0x00, 0xFF, 0x00), "Lime"},
    {rgb(0x33, 0xFF, 0x33), "Light Hard Green"},
    {rgb(0x66, 0xFF, 0x66), "Light Faded Green"},
    {rgb(0x99, 0xFF, 0x99), "Pale Dull Green"},
    {rgb(0xCC, 0xFF, 0xCC), "Light Green"},
    kEmpty,
    kEmpty,
    kEmpty,
    {rgb(0xCC, 0x99, 0xCC), "Light Weak Magenta"},
    {rgb(0x99, 0x66, 0x99), "Medium Weak Magenta"},
    {rgb(0x99, 0x33, 0x99), "Dark Dull Magenta"},
    {rgb(0x99, 0x00, 0x99), "Dark Faded Magenta"},
    {rgb(0x66, 0x33, 0x66), "Dark Weak Magenta"},
    {rgb(0x66, 0x00, 0x66), "Obscure Dull Magenta"},
    // row 9
    {rgb(0x00, 0x66, 0x00), "Obscure Dull Green"},
    {rgb(0x33, 0x66, 0x33), "Dark Weak Green"},
    {rgb(0x00, 0x99, 0x00), "Dark Faded Green"},
    {rgb(0x33, 0x99, 0x33), "Dark Dull Green"},
    {rgb(0x66, 0x99, 0x66), "Medium Weak Green"},
    {rgb(0x99, 0xCC, 0x99), "Light Weak Green"},
    kEmpty,
    kEmpty,
    kEmpty,
    {rgb(0xFF, 0xCC, 0xFF), "Pale Weak Magenta"},
    {rgb(0xFF, 0x99, 0xFF), "Pale Dull Magenta"},
    {rgb(0xFF, 0x66, 0xFF), "Light Faded Magenta"},
    {rgb(0xFF, 0x33, 0xFF), "Light Hard Magenta"},
    {rgb(0xFF, 0x00, 0xFF), "Fuchsia"},
    {rgb(0xCC, 0x66, 0xCC), "Light Dull Magenta"},
    {rgb(0xCC, 0x33, 0xCC), "Medium Faded Magenta"},
    // row 10
    {rgb(0x00, 0x33, 0x00), "Dark Green"},
    {rgb(0x00, 0xCC, 0x33), "Dark Green-Teal"},
    {rgb(0x00, 0x66, 0x33), "Obscure Dull Teal"},
    {rgb(0x33, 0x99, 0x66), "Sea Green"},
    {rgb(0x66, 0xCC, 0x99), "Light Dull Teal"},
    {rgb(0x99, 0xFF, 0xCC), "Pale Dull Teal"},
    {rgb(0xCC, 0xFF, 0xFF), "Light Turquoise"},
    {rgb(0x33, 0x99, 0xFF), "Light Hard Azure"},
    {rgb(0x99, 0xCC, 0xFF), "Pale Blue"},
    {rgb(0xCC, 0xCC, 0xFF), "Pale Weak Blue"},
    {rgb(0xCC, 0x99, 0xFF), "Lavender"},
    {rgb(0x99, 0x66, 0xCC), "Light Dull Violet"},
    {rgb(0x66, 0x33, 0x99), "Dark Dull Violet"},
    {rgb(0x33, 0x00, 0x66), "Obscure Dull Violet"},
    {rgb(0x99, 0x00, 0xCC), "Dark Magenta-Violet"},
    {rgb(0xCC, 0x00, 0xCC), "Dark Hard Magenta"},
    // row 11
    {rgb(0x00, 0xFF, 0x33), "Green-Green-Teal"},
    {rgb(0x33, 0xFF, 0x66), "Light Green-Teal"},
    {rgb(0x00, 0x99, 0x33), "Dark Teal-Green"},
    {rgb(0x00, 0xCC, 0x66), "Dark Hard Teal"},
    {rgb(0x33, 0xFF, 0x99), "Light Hard Teal"},
    {rgb(0x99, 0xFF, 0xFF), "Pale Dull Cyan"},
    {rgb(0x99, 0xCC, 0xCC), "Light Weak Cyan"},
    {rgb(0x00, 0x66, 0xCC), "Dark Hard Azure"},
    {rgb(0x66, 0x99, 0xCC), "Light Dull Azure"},
    {rgb(0x99, 0x99, 0xFF), "Pale Dull Blue"},
    {rgb(0x99, 0x99, 0xCC), "Light Weak Blue"},
    {rgb(0x99, 0x33, 0xFF), "Light Hard Violet"},
    {rgb(0x66, 0x00, 0xCC), "Dark Hard Violet"},
    {rgb(0x66, 0x00, 0x99), "Dark Violet-Magenta"},
    {rgb(0xCC, 0x33, 0xFF), "Light Magenta-Violet"},
    {rgb(0xCC, 0x00, 0xFF), "Magenta-Magenta-Violet"},
    // row 12
    {rgb(0x00, 0xFF, 0x66), "Teal-Teal-Green"},
    {rgb(0x66, 0xFF, 0x99), "Light Teal-Green"},
    {rgb(0x33, 0xCC, 0x66), "Medium Teal-Green"},
    {rgb(0x00, 0x99, 0x66), "Dark Teal-Cyan"},
    {rgb(0x66, 0xFF, 0xFF), "Light Faded Cyan"},
    {rgb(0x66, 0xCC, 0xCC), "Light Dull Cyan"},
    {rgb(0x66, 0x99, 0x99), "Medium Weak Cyan"},
    {rgb(0x00, 0x33, 0x66), "Dark Teal"},
    {rgb(0x33, 0x66, 0x99), "Dark Dull Azure"},
    {rgb(0x66, 0x66, 0xFF), "Light Faded Blue"},
    {rgb(0x66, 0x66, 0xCC), "Light Dull Blue"},
    {rgb(0x66, 0x66, 0x99), "Blue-Grey"},
    {rgb(0x33, 0x00, 0x99), "Dark Violet-Blue"},
    {rgb(0x99, 0x33, 0xCC), "Medium Violet-Magenta"},
    {rgb(0xCC, 0x66, 0xFF), "Light Violet-Magenta"},
    {rgb(0x99, 0x00, 0xFF), "Violet-Violet-Magenta"},
    // row 13
    {rgb(0x00, 0xFF, 0x99), "Teal-Teal-Cyan"},
    {rgb(0x66, 0xFF, 0xCC), "Light Teal-Cyan"},
    {rgb(0x33, 0xCC, 0x99), "Medium Teal-Cyan"},
    {rgb(0x33, 0xFF, 0xFF), "Light Hard Cyan"},
    {rgb(0x33, 0xCC, 0xCC), "Aqua"},
    {rgb(0x33, 0x99, 0x99), "Dark Dull Cyan"},
    {rgb(0x33, 0x66, 0x66), "Dark Weak Cyan"},
    {rgb(0x00, 0x66, 0x99), "Dark Azure-Cyan"},
    {rgb(0x00, 0x33, 0x99), "Dark Azure-Blue"},
    {rgb(0x33, 0x33, 0xFF), "Light Hard Blue"},
    {rgb(0x33, 0x33, 0xCC), "Medium Faded Blue"},
    {rgb(0x33, 0x33, 0x99), "Indigo"},
    {rgb(0x33, 0x33, 0x66), "Dark Weak Blue"},
    {rgb(0x66, 0x33, 0xCC), "Medium Violet-Blue"},
    {rgb(0x99, 0x66, 0xFF), "Light Violet-Blue"},
    {rgb(0x66, 0x00, 0xFF), "Violet-Violet-Blue"},
    // row 14
    {rgb(0x00, 0xFF, 0xCC), "Cyan-Cyan-Teal"},
    {rgb(0x33, 0xFF, 0xCC), "Light Cyan-Teal"},
    {rgb(0x00, 0xFF, 0xFF), "Aqua"},
    {rgb(0x00, 0xCC, 0xCC), "Dark Hard Cyan"},
    {rgb(0x00, 0x99, 0x99), "Dark Faded Cyan"},
    {rgb(0x00, 0x66, 0x66), "Obscure Dull Cyan"},
    {rgb(0x00, 0x33, 0x33), "Obscure Weak Cyan"},
    {rgb(0x33, 0x99, 0xCC), "Medium Azure-Cyan"},
    {rgb(0x33, 0x66, 0xCC), "Medium Azure-Blue"},
    {rgb(0x00, 0x00, 0xFF), "Blue"},
    {rgb(0x00, 0x00, 0xCC), "Dark Hard Blue"},
    {rgb(0x00, 0x00, 0x99), "Dark Faded Blue"},
    {rgb(0x00, 0x00, 0x66), "Obscure Dull Blue"},
    {rgb(0x00, 0x00, 0x33), "Obscure Weak Blue"},
    {rgb(0x66, 0x33, 0xFF), "Light Blue-Violet"},
    {rgb(0x33, 0x00, 0xFF), "Blue-Blue-Violet"},
    // row 15
    {rgb(0x00, 0xCC, 0x99), "Dark Cyan-Teal"},
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    {rgb(0x00, 0x99, 0xCC), "Dark Cyan-Azure"},
    {rgb(0x33, 0xCC, 0xFF), "Light Cyan-Azure"},
    {rgb(0x66, 0xCC, 0xFF), "Light Azure-Cyan"},
    {rgb(0x66, 0x99, 0xFF), "Light Azure-Blue"},
    {rgb(0x33, 0x66, 0xFF), "Light Blue"},
    {rgb(0x00, 0x33, 0xCC), "Dark Blue-Azure"},
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    {rgb(0x33, 0x00, 0xCC), "Dark Blue-Violet"},
    // row 16
    {rgb(0xFF, 0xFF, 0xFF), "White"},
    {rgb(0xCC, 0xCC, 0xCC), "Grey-20%"},
    {rgb(0x99, 0x99, 0x99), "Grey-40%"},
    {rgb(0x66, 0x66, 0x66), "Grey-60%"},
    {rgb(0x33, 0x33, 0x33), "Grey-80%"},
    {rgb(0x00, 0x00, 0x00), "Black"},
    {rgb(0x00, 0xCC, 0xFF), "Sky Blue"},
    {rgb(0x00, 0x99, 0xFF), "Azure-Azure-Cyan"},
    {rgb(0x00, 0x66, 0xFF), "Azure-Azure-Blue"},
    {rgb(0x00, 0x33, 0xFF), "Blue-Blue-Azure"},
    {rgb(0x00, 0x00, 0x00), "Black"},
    {rgb(0x33, 0x33, 0x33), "Grey-80%"},
    {rgb(0x66, 0x66, 0x66), "Grey-60%"},
    {rgb(0x99, 0x99, 0x99), "Grey-40%"},
    {rgb(0xCC, 0xCC, 0xCC), "Grey-20%"},
    {rgb(0xFF, 0xFF, 0xFF), "White"},
};

}  // namespace

std::span<const PaletteEntry> officePalette() { return kOfficePalette; }
std::span<const PaletteEntry> webSafePalette() { return kWebSafePalette; }

std::string customColourName(Colour colour) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "Custom Colour :[Red = %3u, Blue = %3u, Green = %3u] ",
                redOf(colour), blueOf(colour), greenOf(colour));
  return buffer;
}

Colour washedOut(Colour colour) { return ((colour >> 2) & 0x3F3F3Fu) | 0xC0C0C0u; }

// ColourSet

ColourSet::ColourSet() { setPalette(officePalette()); }

void ColourSet::setPalette(std::span<const PaletteEntry> entries) {
  m_palette.clear();
  m_palette.reserve(entries.size());
  for (const PaletteEntry& e : entries) m_palette.push_back({e.colour, std::string(e.name)});
  m_selected.reset();
}

void ColourSet::setColumns(int columns) { m_columns = std::max(columns, 1); }

void ColourSet::setSpecialCells(int count, bool automaticOnly) {
  m_automaticOnly = automaticOnly;
  m_specialCount = automaticOnly ? 1 : std::clamp(count, 0, 2);
  m_selected.reset();
}

Colour ColourSet::specialValue(int special) const {
  return (special == 0 && !m_automaticOnly) ? kColourNone : kColourAutomatic;
}

std::string_view ColourSet::specialText(Colour value) {
  return value == kColourNone ? "None" : "Automatic";
}

void ColourSet::setButtonCount(int count) { m_buttonCount = std::clamp(count, 0, 2); }

std::string_view ColourSet::buttonText(int button) {
  return button == 0 ? "More Colours..." : "Undefined!!";
}

void ColourSet::addCustomColour(Colour colour) {
  if (colour > 0xFFFFFFu) return;
  if (std::find(m_custom.begin(), m_custom.end(), colour) != m_custom.end()) return;
  m_custom.push_back(colour);
}

int ColourSet::cellCount() const {
  return m_specialCount + static_cast<int>(m_palette.size()) + static_cast<int>(m_custom.size());
}

int ColourSet::itemCount() const { return cellCount() + m_buttonCount; }

WellItem ColourSet::item(int index) const {
  const int palette = static_cast<int>(m_palette.size());
  const int custom = static_cast<int>(m_custom.size());
  if (index < m_specialCount) return {WellItemKind::Special, index};
  index -= m_specialCount;
  if (index < palette) return {WellItemKind::Palette, index};
  index -= palette;
  if (index < custom) return {WellItemKind::Custom, index};
  return {WellItemKind::Button, index - custom};
}

int ColourSet::indexOf(WellItem item) const {
  const int palette = static_cast<int>(m_palette.size());
  const int custom = static_cast<int>(m_custom.size());
  switch (item.kind) {
    case WellItemKind::Special: return item.index;
    case WellItemKind::Palette: return m_specialCount + item.index;
    case WellItemKind::Custom: return m_specialCount + palette + item.index;
    case WellItemKind::Button: return m_specialCount + palette + custom + item.index;
  }
  return -1;
}

std::optional<Colour> ColourSet::itemColour(int index) const {
  if (index < 0 || index >= itemCount()) return std::nullopt;
  const WellItem it = item(index);
  switch (it.kind) {
    case WellItemKind::Special: return specialValue(it.index);
    case WellItemKind::Palette: {
      const Colour c = m_palette[static_cast<std::size_t>(it.index)].colour;
      if (c == kEmptyCell) return std::nullopt;
      return c;
    }
    case WellItemKind::Custom: return m_custom[static_cast<std::size_t>(it.index)];
    case WellItemKind::Button: break;
  }
  return std::nullopt;
}

bool ColourSet::isEmptyCell(int index) const {
  if (index < 0 || index >= itemCount()) return false;
  const WellItem it = item(index);
  return it.kind == WellItemKind::Palette &&
         m_palette[static_cast<std::size_t>(it.index)].colour == kEmptyCell;
}

std::string ColourSet::itemName(int index) const {
  if (index < 0 || index >= itemCount()) return {};
  const WellItem it = item(index);
  switch (it.kind) {
    case WellItemKind::Special: return std::string(specialText(specialValue(it.index)));
    case WellItemKind::Palette: {
      const Entry& e = m_palette[static_cast<std::size_t>(it.index)];
      if (e.colour == kEmptyCell) return {};
      return e.name.empty() ? customColourName(e.colour) : e.name;
    }
    case WellItemKind::Custom:
      return customColourName(m_custom[static_cast<std::size_t>(it.index)]);
    case WellItemKind::Button: return std::string(buttonText(it.index));
  }
  return {};
}

std::optional<int> ColourSet::selectValue(Colour value) {
  m_selected.reset();
  if (value == kColourNone || value == kColourAutomatic) {
    for (int s = 0; s < m_specialCount; ++s) {
      if (specialValue(s) == value) {
        m_selected = s;
        break;
      }
    }
    return m_selected;
  }
  if (value > 0xFFFFFFu) return m_selected;
  for (std::size_t i = 0; i < m_palette.size(); ++i) {
    if (m_palette[i].colour == value) {
      m_selected = indexOf({WellItemKind::Palette, static_cast<int>(i)});
      return m_selected;
    }
  }
  auto it = std::find(m_custom.begin(), m_custom.end(), value);
  if (it == m_custom.end()) {
    m_custom.push_back(value);
    it = m_custom.end() - 1;
  }
  m_selected = indexOf({WellItemKind::Custom, static_cast<int>(it - m_custom.begin())});
  return m_selected;
}

std::vector<ColourSet::Row> ColourSet::rows() const {
  std::vector<Row> rows;
  int index = 0;
  for (int s = 0; s < m_specialCount; ++s) rows.push_back({index++, 1});
  auto grid = [&](int count) {
    for (int done = 0; done < count; done += m_columns) {
      rows.push_back({index, std::min(m_columns, count - done)});
      index += std::min(m_columns, count - done);
    }
  };
  grid(static_cast<int>(m_palette.size()));
  grid(static_cast<int>(m_custom.size()));
  for (int b = 0; b < m_buttonCount; ++b) rows.push_back({index++, 1});
  return rows;
}

std::optional<int> ColourSet::move(std::optional<int> from, WellMove direction) const {
  const int count = itemCount();
  if (count == 0) return std::nullopt;
  if (!from || *from < 0 || *from >= count) {
    // Nothing focused yet: the first item that is not an empty cell.
    for (int i = 0; i < count; ++i) {
      if (!isEmptyCell(i)) return i;
    }
    return std::nullopt;
  }
  int target = -1;
  if (direction == WellMove::Left) {
    target = *from - 1;  // from a row's first cell: the last cell of the row above
  } else if (direction == WellMove::Right) {
    target = *from + 1;  // from a row's last cell: the first cell of the next row
  } else {
    const std::vector<Row> all = rows();
    std::size_t r = 0;
    while (r < all.size() && !(*from >= all[r].first && *from < all[r].first + all[r].count)) ++r;
    const int column = *from - all[r].first;
    const std::ptrdiff_t next =
        static_cast<std::ptrdiff_t>(r) + (direction == WellMove::Down ? 1 : -1);
    if (next < 0 || next >= static_cast<std::ptrdiff_t>(all.size())) return std::nullopt;
    const Row& row = all[static_cast<std::size_t>(next)];
    target = row.first + std::min(column, row.count - 1);
  }
  if (target < 0 || target >= count || isEmptyCell(target)) return std::nullopt;
  return target;
}

// Geometry

WellLayout layoutWell(const ColourSet& set, int textRowHeight, int widestText) {
  WellLayout layout;
  const int columns = set.columns();
  const int gridWidth = columns * kWellCellWidth + (columns - 1) * kWellCellGap;
  const int inner = std::max(gridWidth, widestText + 2 * kWellMargin);
  const int rowHeight = std::max(textRowHeight, kWellCellHeight + 2);
  layout.width = inner + 2 * kWellMargin;
  layout.items.resize(static_cast<std::size_t>(set.itemCount()));

  int y = kWellMargin;
  auto textRow = [&](int index) {
    layout.items[static_cast<std::size_t>(index)] = {kWellMargin, y, inner, rowHeight};
    y += rowHeight + kWellCellGap;
  };
  auto grid = [&](int first, int count) {
    for (int i = 0; i < count; ++i) {
      const int row = i / columns;
      const int column = i % columns;
      layout.items[static_cast<std::size_t>(first + i)] = {
          kWellMargin + column * (kWellCellWidth + kWellCellGap),
          y + row * (kWellCellHeight + kWellCellGap), kWellCellWidth, kWellCellHeight};
    }
    const int rowsUsed = (count + columns - 1) / columns;
    y += rowsUsed * (kWellCellHeight + kWellCellGap);
  };

  for (int s = 0; s < set.specialCount(); ++s) textRow(s);
  grid(set.specialCount(), static_cast<int>(set.palette().size()));
  y += kWellSeparatorSpace / 2;
  layout.separatorY = y;
  y += kWellSeparatorSpace - kWellSeparatorSpace / 2;
  grid(set.indexOf({WellItemKind::Custom, 0}), static_cast<int>(set.customColours().size()));
  for (int b = 0; b < set.buttonCount(); ++b) textRow(set.indexOf({WellItemKind::Button, b}));
  layout.height = y - kWellCellGap + kWellMargin;
  return layout;
}

std::optional<int> wellItemAt(const WellLayout& layout, int x, int y) {
  for (std::size_t i = 0; i < layout.items.size(); ++i) {
    if (layout.items[i].contains(x, y)) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace hueset
