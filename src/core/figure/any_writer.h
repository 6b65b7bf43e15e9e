#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "output/writer_factory.h"

namespace hueset {

struct GroupingSet;
struct Options;

// The one factory the commands call: the text kinds from the output library,
// the figures (PDF, SVG, PNG) from this one. Null for a figure kind in a
// build without figures (BUILD_FIGURES=OFF), which figuresAvailable tells.
std::unique_ptr<AnnotationWriter> makeAnyWriter(OutputKind kind, const Options& options,
                                                const GroupingSet& groupings);

bool figuresAvailable();

// The pictures the Rich Text clipboard command offers beside the Rich Text:
// PNG at screen resolution and SVG, each refusing (with a problem) a figure
// of more than kClipboardPictureCells cells, where a picture would be too
// large to paste. None in a build without figures.
std::vector<std::unique_ptr<AnnotationWriter>> makeClipboardPictureWriters(
    const GroupingSet& groupings);

inline constexpr std::size_t kClipboardPictureCells = 200000;
inline constexpr int kClipboardPictureDpi = 96;

// What to tell the user who asks for a figure from a build without them.
inline constexpr std::string_view kFiguresUnavailable =
    "this Hueset was built without PDF, SVG and PNG output";

}  // namespace hueset
