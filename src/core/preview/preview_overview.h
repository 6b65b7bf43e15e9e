#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "annotate/column_marks.h"
#include "groupings/grouping_set.h"
#include "preview/preview_document.h"
#include "preview/preview_model.h"

namespace hueset {

// The whole alignment's conservation at a glance, for the strip above the
// preview: per column of the layout (after elision), what the preview's
// hover text says of it, over every set together.
struct OverviewColumn {
  ColumnConservation conservation;  // summed over the sets
  // The alignment column (from 1) that going there lands on: the column
  // itself, or for a stand-in for elided columns the first of them.
  std::int32_t alignmentColumn = 0;

  bool operator==(const OverviewColumn&) const = default;
};

struct PreviewOverview {
  std::vector<OverviewColumn> columns;
  double threshold = 0.8;  // the consensus threshold, as a share
};

// Made with the preview, on the run's thread: a wide alignment has tens of
// thousands of columns.
PreviewOverview previewOverview(const PreviewDocument& document);

// A column's colour on the strip: blue where the consensus was reached, from
// pale at `threshold` to dark for a whole column; grey where it was not,
// from near white for none to mid grey just under the threshold; the page's
// white for a stand-in (nothing to say). Each colour spans its own range of
// shares, so that columns just over the threshold differ from whole ones.
Colour overviewColour(const ColumnConservation& column, double threshold);

// The strip `width` pixels wide: the colour of each pixel, the columns that
// fall on it taken together (one column may fill several pixels).
std::vector<Colour> overviewPixels(const PreviewOverview& overview, std::size_t width);

// The layout column under pixel `x` of a strip `width` pixels wide for
// `count` columns, held within the columns.
std::size_t overviewColumnAt(double x, double width, std::size_t count);

// The layout columns [first, end) that cells in the rectangle (the model's
// pixels) show; an empty span when none does.
struct ColumnSpan {
  std::size_t first = 0;
  std::size_t end = 0;

  bool empty() const { return end <= first; }
  bool operator==(const ColumnSpan&) const = default;
};
ColumnSpan columnsInView(const PreviewModel& model, double left, double top, double width,
                         double height);

}  // namespace hueset
