#pragma once

#include <memory>

class QClipboard;
class QMimeData;

namespace hueset {
class AnnotationWriter;
}

namespace hueset::gui {

// MIME types the writers' clipboard formats travel under. Rich Text goes out
// under both names word processors look for; the "HTML Format" carries the
// page itself, without the Windows description lines.
inline constexpr const char* kRtfMimeTypes[] = {"text/rtf", "text/richtext"};
inline constexpr const char* kHtmlMimeType = "text/html";
inline constexpr const char* kPlainTextMimeType = "text/plain";

// Every format the writer offers, as clipboard data.
std::unique_ptr<QMimeData> clipboardData(const AnnotationWriter& writer);

// Replaces the clipboard contents with the writer's formats. A writer that
// offers none leaves the clipboard empty. Returns false when the clipboard
// is not available.
bool transferToClipboard(const AnnotationWriter& writer, QClipboard* clipboard);

}  // namespace hueset::gui
