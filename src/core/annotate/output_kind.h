#pragma once

namespace hueset {

// The forms an annotation can be delivered in: the key of the table of
// kinds (figure/output_kinds.h), which says everything else about each, and
// what a writer's clipboard texts go under. Plain text is a clipboard form
// only: no file or command line asks for it.
enum class OutputKind { Rtf, Html, Css, Pdf, Svg, Png, PlainText, Eps, Tiff };

}  // namespace hueset
