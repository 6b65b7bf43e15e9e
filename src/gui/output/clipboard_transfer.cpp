#include "gui/output/clipboard_transfer.h"

#include <QClipboard>
#include <QMimeData>
#include <algorithm>

#include "annotate/annotation_writer.h"
#include "figure/output_kinds.h"
#include "output/cf_html.h"

namespace hueset::gui {
namespace {

QByteArray bytes(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QString mimeName(std::string_view type) {
  return QString::fromLatin1(type.data(), static_cast<qsizetype>(type.size()));
}

// The one type each of these kinds goes under.
QString plainTextMimeType() {
  return mimeName(outputKindInfo(OutputKind::PlainText).mimeTypes.front());
}
QString htmlMimeType() { return mimeName(outputKindInfo(OutputKind::Html).mimeTypes.front()); }

}  // namespace

std::unique_ptr<QMimeData> clipboardData(const AnnotationWriter& writer) {
  auto data = std::make_unique<QMimeData>();
  for (int i = 0; i < writer.clipboardFormatCount(); ++i) {
    const OutputKind kind = writer.clipboardFormat(i);
    std::string text = writer.clipboardText(i);
    // The HTML writer's clipboard text is CF_HTML; the page goes out.
    if (kind == OutputKind::Html) text = cfHtmlPage(text);
    for (const std::string_view type : outputKindInfo(kind).mimeTypes)
      data->setData(mimeName(type), bytes(text));
  }
  return data;
}

ByteArraySink::Buffer::int_type ByteArraySink::Buffer::overflow(int_type c) {
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    m_bytes.append(traits_type::to_char_type(c));
  }
  return traits_type::not_eof(c);
}

std::streamsize ByteArraySink::Buffer::xsputn(const char* s, std::streamsize n) {
  // Grown by hand: reserving reallocates in place where it can, while
  // appending beyond the capacity copies the whole text into a new block.
  const qsizetype needed = m_bytes.size() + static_cast<qsizetype>(n);
  if (needed > m_bytes.capacity()) m_bytes.reserve(std::max(needed, 2 * m_bytes.capacity()));
  m_bytes.append(s, static_cast<qsizetype>(n));
  return n;
}

namespace {

// Holds the CF_HTML text and gives the page within it on request; the
// description lines are for Windows' clipboard, never for a reader.
class CfHtmlMimeData final : public QMimeData {
 public:
  CfHtmlMimeData(QByteArray text, QByteArray plainText)
      : m_text(std::move(text)), m_plainText(std::move(plainText)) {}

  QStringList formats() const override { return {plainTextMimeType(), htmlMimeType()}; }
  bool hasFormat(const QString& type) const override { return formats().contains(type); }

 protected:
  QVariant retrieveData(const QString& type, QMetaType) const override {
    if (type == plainTextMimeType()) return m_plainText;
    if (type == htmlMimeType()) {
      const std::string_view text(m_text.constData(), static_cast<std::size_t>(m_text.size()));
      return bytes(cfHtmlPage(text));
    }
    return {};
  }

 private:
  QByteArray m_text;
  QByteArray m_plainText;
};

}  // namespace

std::unique_ptr<QMimeData> htmlClipboardData(QByteArray cfHtml, QByteArray plainText) {
  return std::make_unique<CfHtmlMimeData>(std::move(cfHtml), std::move(plainText));
}

std::unique_ptr<QMimeData> richTextClipboardData(QByteArray rtf, QByteArray plainText) {
  auto data = std::make_unique<QMimeData>();
  // The names share the one buffer.
  for (const std::string_view type : outputKindInfo(OutputKind::Rtf).mimeTypes)
    data->setData(mimeName(type), rtf);
  data->setData(plainTextMimeType(), std::move(plainText));
  return data;
}

bool transferToClipboard(const AnnotationWriter& writer, QClipboard* clipboard) {
  if (!clipboard) return false;
  clipboard->setMimeData(clipboardData(writer).release(), QClipboard::Clipboard);
  return true;
}

}  // namespace hueset::gui
