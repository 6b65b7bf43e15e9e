// The preview draws a secondary-structure row as the figures do: shapes in
// place of its letters, a sequence's own row under it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/preview_model.h"
#include "preview/preview_run.h"

namespace hueset {
namespace {

constexpr const char* kStockholm =
    "# STOCKHOLM 1.0\n"
    "one      MKVLAAGHHE\n"
    "two      MKVLAAGHHE\n"
    "#=GR two SS HHHH--EEE.\n"
    "//\n";

PreviewModel modelOf(int shapes) {
  PreviewInput input;
  input.text = kStockholm;
  input.options.figureLayout.legend = false;
  input.options.figureLayout.structureShapes = shapes;
  PreviewOutcome outcome = runPreview(input);
  PreviewModel model;
  model.setDocument(outcome.document);
  model.setCellSize({10, 20});
  return model;
}

TEST(PreviewStructure, TheRowIsShapesUnderItsSequence) {
  const struct {
    const char* what;
    int shapes;
    std::size_t glyphLines;
    bool lettersShown;
  } cases[] = {
      {"shapes by default: a helix, a coil, a strand", 1, 1, false},
      {"letters when asked", 0, 0, true},
  };
  for (const auto& c : cases) {
    const PreviewModel model = modelOf(c.shapes);
    const PreviewDocument& d = *model.document();
    // The third line is the row of "two", right under it.
    ASSERT_GE(d.lines.size(), 3u) << c.what;
    EXPECT_EQ(d.lineText(2).substr(0, 6), "two SS") << c.what;
    const PaintList list = model.paintList(0, model.lineTop(2), 1000, 1);
    EXPECT_EQ(list.glyphs.size(), c.glyphLines) << c.what;
    std::string text;
    for (const PaintText& t : list.texts) text += t.text;
    EXPECT_EQ(text.find("HHHH") != std::string::npos, c.lettersShown) << c.what << ": " << text;
    if (list.glyphs.empty()) continue;
    // Helix, coil and strand each one path.
    EXPECT_EQ(list.glyphs[0].glyphs.paths.size(), 3u) << c.what;
    EXPECT_EQ(list.glyphs[0].y, model.lineTop(2)) << c.what;
  }
}

}  // namespace
}  // namespace hueset
