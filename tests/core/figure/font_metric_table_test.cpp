#include "figure/font_metric_table.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

// The browser build measures its SVG's fonts from the table; on the system
// the table was measured on (the fonts scripts/bootstrap installs), it must
// give what cairo and fontconfig give, to the last bit, or the SVGs differ.
TEST(FontMetricTable, AgreesWithCairoAndFontconfig) {
  struct Case {
    const char* what;
    const char* requested;
  };
  const Case cases[] = {
      {"the built-in configurations' font, by its metric alias", "Courier New"},
      {"Courier, by its alias", "Courier"},
      {"a family that is installed", "DejaVu Sans Mono"},
      {"the default monospaced family", "monospace"},
      {"a family that is not installed", "No Such Mono"},
  };
  for (const Case& c : cases) {
    const FigureFont font = findFigureFont(c.requested);
    ASSERT_EQ(font.family, tableFamilyFor(c.requested)) << c.what;
    const FontMetricRow* row = fontMetricRow(font.family);
    ASSERT_NE(row, nullptr) << c.what;
    for (const double size : {1.0, 6.0, 9.0, 10.5, 13.7, 72.0, 143.9}) {
      const FigureMetrics cairo = measureFigureFont(font, size);
      const FigureMetrics table = tableMetrics(*row, size);
      EXPECT_EQ(table.cellWidth, cairo.cellWidth) << c.what << " at " << size;
      EXPECT_EQ(table.ascent, cairo.ascent) << c.what << " at " << size;
      EXPECT_EQ(table.lineHeight, cairo.lineHeight) << c.what << " at " << size;
    }
    const auto inks = boldLetterInks(font);
    ASSERT_TRUE(inks.has_value()) << c.what;
    for (std::size_t a = 0; a < inks->size(); ++a) {
      const LetterInk& cairo = (*inks)[a];
      const LetterInk& table = row->boldInks[a];
      EXPECT_TRUE(cairo.xBearing == table.xBearing && cairo.yBearing == table.yBearing &&
                  cairo.width == table.width && cairo.height == table.height)
          << c.what << ": the ink of " << static_cast<char>('A' + a);
    }
  }
}

}  // namespace
}  // namespace hueset
