#pragma once

#include <QByteArray>
#include <memory>
#include <ostream>
#include <streambuf>

class QClipboard;
class QMimeData;

namespace hueset {
class AnnotationWriter;
}

namespace hueset::gui {

// Every format the writer offers, as clipboard data, under the MIME types
// of the table of kinds. Rich Text goes out under both names word processors
// look for; HTML carries the page itself, without the Windows description
// lines.
std::unique_ptr<QMimeData> clipboardData(const AnnotationWriter& writer);

// A stream that appends to a byte array. A writer streaming into it builds
// its text right in the buffer the clipboard takes over, never in a second
// copy of its own.
class ByteArraySink {
 public:
  explicit ByteArraySink(QByteArray& bytes) : m_buffer(bytes), m_stream(&m_buffer) {}
  std::ostream& stream() { return m_stream; }

 private:
  class Buffer final : public std::streambuf {
   public:
    explicit Buffer(QByteArray& bytes) : m_bytes(bytes) {}

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;

   private:
    QByteArray& m_bytes;
  };
  Buffer m_buffer;
  std::ostream m_stream;
};

// The clipboard data of an HTML annotation from its CF_HTML text: the page
// within it (StartHTML to EndHTML) goes out as HTML, cut from the text only
// when a program asks for it, so the clipboard holds the page once; beside
// it the annotation's plain text, as with Rich Text.
std::unique_ptr<QMimeData> htmlClipboardData(QByteArray cfHtml, QByteArray plainText);
// The clipboard data of a Rich Text annotation: the document under both
// names (one buffer), and the annotation's plain text beside it.
std::unique_ptr<QMimeData> richTextClipboardData(QByteArray rtf, QByteArray plainText);

// Replaces the clipboard contents with the writer's formats. A writer that
// offers none leaves the clipboard empty. Returns false when the clipboard
// is not available.
bool transferToClipboard(const AnnotationWriter& writer, QClipboard* clipboard);

}  // namespace hueset::gui
