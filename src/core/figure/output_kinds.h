#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/annotation_writer.h"
#include "annotate/output_kind.h"

namespace hueset {

struct GroupingSet;
struct Options;

using WriterMaker = std::unique_ptr<AnnotationWriter> (*)(const Options& options,
                                                          const GroupingSet& groupings);

// Everything the program knows of one output kind. A new kind is its writer,
// one row of the table and its tests: the command line, the "To File" dialog
// and the clipboard all read the row.
struct OutputKindInfo {
  OutputKind kind;
  std::string_view name;                         // what -t takes; empty: clipboard only
  std::span<const std::string_view> extensions;  // lower case; the first is given to new files
  std::string_view filterLabel;                  // the "To File" type; empty: not offered
  std::string_view filterPattern;
  std::span<const std::string_view> mimeTypes;  // what its text goes under on the clipboard
  std::string_view clipboardName;  // the name it is registered under; empty: the standard text
  bool figure;                     // drawn with cairo, so absent from a build without figures
  WriterMaker make;                // null for a figure in a build without figures
};

// Every kind, in the order the command line lists them and the "To File"
// dialog offers them.
std::span<const OutputKindInfo> outputKinds();
const OutputKindInfo& outputKindInfo(OutputKind kind);

// The name a clipboard form is registered under: "Rich Text Format", "HTML
// Format", the figures' media types; empty for plain text, the standard
// format, which needs no registration.
inline std::string_view registeredClipboardName(OutputKind kind) {
  return outputKindInfo(kind).clipboardName;
}

// "rtf", "html", ...; none for any other name.
std::optional<OutputKind> outputKindNamed(std::string_view name);
// The kinds' names as the command line lists them: "rtf, html, css, pdf, svg, png".
std::string outputKindNames();

// The extension of the path's last component, without the dot, in lower
// case; empty when it has none.
std::string pathExtension(std::string_view path);

// The kind a path's extension names; none for an extension no kind has (or
// none at all).
std::optional<OutputKind> outputKindForExtension(std::string_view path);
// The same, with Rich Text for any other path.
OutputKind outputKindForPath(const std::string& path);

// Extensions of well-known kinds Hueset does not write (an EPS picture, a
// Word document, ...), into which no kind it does write should go; "EPS",
// "DOC", ... as their names are shown. Empty for any other extension.
std::string_view foreignKindNamed(std::string_view extension);

// The one factory: a writer of `kind` set up from the options and the
// groupings' font. Null for a figure kind in a build without figures
// (BUILD_FIGURES=OFF), which figuresAvailable tells.
std::unique_ptr<AnnotationWriter> makeWriter(OutputKind kind, const Options& options,
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
