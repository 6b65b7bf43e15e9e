#pragma once

namespace hueset {

// The forms an annotation can be delivered in: the key of the table of
// kinds (figure/output_kinds.h), which says everything else about each.
enum class OutputKind { Rtf, Html, Css, Pdf, Svg, Png };

}  // namespace hueset
