#include "gui/output/clipboard_transfer.h"

#include <QClipboard>
#include <QMimeData>

#include "annotate/annotation_writer.h"
#include "output/cf_html.h"

namespace hueset::gui {
namespace {

QByteArray bytes(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::unique_ptr<QMimeData> clipboardData(const AnnotationWriter& writer) {
  auto data = std::make_unique<QMimeData>();
  for (int i = 0; i < writer.clipboardFormatCount(); ++i) {
    std::string text = writer.clipboardText(i);
    switch (writer.clipboardFormat(i)) {
      case ClipboardFormat::RichText:
        for (const char* type : kRtfMimeTypes) data->setData(QString::fromLatin1(type), bytes(text));
        break;
      case ClipboardFormat::Html:
        data->setData(QString::fromLatin1(kHtmlMimeType), bytes(cfHtmlPage(text)));
        break;
      case ClipboardFormat::PlainText:
        data->setData(QString::fromLatin1(kPlainTextMimeType), bytes(text));
        break;
      case ClipboardFormat::Pdf:
      case ClipboardFormat::Svg:
      case ClipboardFormat::Png: {
        // The figures are registered under their media types.
        const std::string_view type = registeredClipboardName(writer.clipboardFormat(i));
        data->setData(QString::fromLatin1(type.data(), static_cast<qsizetype>(type.size())), bytes(text));
        break;
      }
    }
  }
  return data;
}

bool transferToClipboard(const AnnotationWriter& writer, QClipboard* clipboard) {
  if (!clipboard) return false;
  clipboard->setMimeData(clipboardData(writer).release(), QClipboard::Clipboard);
  return true;
}

}  // namespace hueset::gui
