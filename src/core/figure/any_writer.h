#pragma once

#include <memory>
#include <string_view>

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

// What to tell the user who asks for a figure from a build without them.
inline constexpr std::string_view kFiguresUnavailable =
    "this Hueset was built without PDF, SVG and PNG output";

}  // namespace hueset
