#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "annotate/annotation_writer.h"

namespace hueset {

struct GroupingSet;
struct Options;

// The forms an annotation can be delivered in. The text forms are written
// here; the figures (PDF, SVG, PNG) by the figure library, whose
// makeAnyWriter makes a writer of every kind.
enum class OutputKind { Rtf, Html, Css, Pdf, Svg, Png };

inline bool isFigureKind(OutputKind kind) {
  return kind == OutputKind::Pdf || kind == OutputKind::Svg || kind == OutputKind::Png;
}

// "rtf", "html", "css", "pdf", "svg", "png"; none for any other name.
std::optional<OutputKind> outputKindNamed(std::string_view name);

// The writer a file name's extension asks for: .html/.htm HTML, .css the
// style sheet, .pdf, .svg and .png the figures, anything else Rich Text.
OutputKind outputKindForPath(const std::string& path);

// A writer of a text kind set up from the options and the groupings' font,
// ready for the driver (or, for the style sheet, for writeStyleSheet). Null
// for the figure kinds.
std::unique_ptr<AnnotationWriter> makeAnnotationWriter(OutputKind kind, const Options& options,
                                                       const GroupingSet& groupings);

// The style sheet needs no alignment: the groupings' formats, then begin and
// end.
void writeStyleSheet(AnnotationWriter& writer, const GroupingSet& groupings);

}  // namespace hueset
