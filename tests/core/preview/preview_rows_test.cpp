// The preview draws the rows beside the alignment as the figures do: mark
// shapes, frames, conservation bars and the logo; and the chosen columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "preview/preview_model.h"
#include "preview/preview_run.h"

namespace hueset {
namespace {

constexpr const char* kFasta =
    ">one\nMKVLAAGHHELIVK\n>two\nMKVLSAGHHEIIVR\n>three\nMRVLAAGWHELLVK\n";

PreviewModel modelWith(const std::function<void(ColumnMarkOptions&)>& set) {
  PreviewInput input;
  input.text = kFasta;
  input.options.figureLayout.legend = false;
  input.options.annotation.useElision = false;
  input.options.figure.ruler = true;
  set(input.options.columnMarks);
  const PreviewOutcome outcome = runPreview(input);
  EXPECT_TRUE(outcome.messages.empty());
  PreviewModel model;
  model.setDocument(outcome.document);
  model.setCellSize({10, 20});
  return model;
}

PaintList everything(const PreviewModel& model) {
  return model.paintList(0, 0, model.width(), model.height());
}

std::size_t shapesWithCorners(const PaintList& list, std::size_t corners) {
  return static_cast<std::size_t>(
      std::count_if(list.shapes.begin(), list.shapes.end(),
                    [&](const PaintShape& s) { return s.corners.size() == 2 * corners; }));
}

TEST(PreviewRows, DrawnAsTheFigureDrawsThem) {
  const struct {
    const char* what;
    std::function<void(ColumnMarkOptions&)> set;
    std::size_t triangles, stars, boxes;
    bool letters;
  } cases[] = {
      {"nothing by default", [](ColumnMarkOptions&) {}, 0, 0, 0, false},
      {"a triangle and two stars", [](ColumnMarkOptions& o) { o.marks = "2;5-6:star"; }, 1, 2, 0,
       false},
      // Three sequence lines and the consensus: a side each at either end,
      // a top and a bottom edge per cell.
      {"a frame of two columns", [](ColumnMarkOptions& o) { o.frames = "3-4"; }, 0, 0, 4 * 2 + 4,
       false},
      {"a bar for each column", [](ColumnMarkOptions& o) { o.conservationBar = true; }, 0, 0, 14,
       false},
      {"a logo", [](ColumnMarkOptions& o) { o.sequenceLogo = true; }, 0, 0, 0, true},
  };
  for (const auto& c : cases) {
    const PreviewModel model = modelWith(c.set);
    ASSERT_TRUE(model.document()) << c.what;
    const PaintList list = everything(model);
    EXPECT_EQ(shapesWithCorners(list, 3), c.triangles) << c.what;
    EXPECT_EQ(shapesWithCorners(list, 10), c.stars) << c.what;
    EXPECT_EQ(shapesWithCorners(list, 4), c.boxes) << c.what;
    EXPECT_EQ(!list.letters.empty(), c.letters) << c.what;
    // The marks are shapes, not the text forms' characters.
    for (std::size_t i = 0; i < model.document()->lines.size(); ++i) {
      EXPECT_EQ(model.document()->lineText(i).find('*'), std::string_view::npos) << c.what;
    }
  }
}

TEST(PreviewRows, ChosenColumnsAreWashedOnEveryLineThatShowsThem) {
  PreviewModel model = modelWith([](ColumnMarkOptions&) {});
  ColumnSelection selection;
  selection.add({3, 4});
  model.setSelection(selection);
  const PaintList list = everything(model);
  ASSERT_FALSE(list.chosen.empty());
  const double x = list.chosen.front().x;
  for (const PaintBackground& b : list.chosen) {
    EXPECT_DOUBLE_EQ(b.x, x);  // the same cells on every line
    EXPECT_DOUBLE_EQ(b.width, 20);
  }
  // The selection stays through a new run of the document.
  model.setDocument(modelWith([](ColumnMarkOptions& o) { o.marks = "1"; }).document());
  EXPECT_EQ(everything(model).chosen.size(), list.chosen.size() + 1);  // the mark line too
}

}  // namespace
}  // namespace hueset
