#include "annotate/annotation_writer.h"

#include <ostream>

#include <algorithm>
#include <utility>

namespace hueset {

std::string_view registeredClipboardName(ClipboardFormat format) {
  switch (format) {
    case ClipboardFormat::RichText:
      return "Rich Text Format";
    case ClipboardFormat::Html:
      return "HTML Format";
    case ClipboardFormat::Pdf:
      return "application/pdf";
    case ClipboardFormat::Svg:
      return "image/svg+xml";
    case ClipboardFormat::Png:
      return "image/png";
    case ClipboardFormat::PlainText:
      break;
  }
  return {};
}

AnnotationWriter::AnnotationWriter(std::int32_t fontSize, std::string fontName)
    : m_fontSize(fontSize), m_fontName(std::move(fontName)) {
  m_lineBuffer.reserve(128);
}

AnnotationWriter::~AnnotationWriter() = default;

void AnnotationWriter::addFormat(const ResidueFormat& format) {
  const auto found = std::find(m_styles.begin(), m_styles.end(), format);
  int style = static_cast<int>(found - m_styles.begin());
  if (found == m_styles.end()) m_styles.push_back(format);
  if (m_styleOfFormat.size() < m_styleOfByte.size()) m_styleOfByte[m_styleOfFormat.size()] = style;
  m_styleOfFormat.push_back(style);
  ++m_formatCount;
}

void AnnotationWriter::drainToStream() {
  if (!m_sink) return;
  m_sink->write(m_output.data(), static_cast<std::streamsize>(m_output.size()));
  m_output.clear();
}

void AnnotationWriter::begin() {
  // Every writer draws its defaults from style 0; a writer given no formats
  // at all still needs one, so it gets plain black on white.
  if (m_styles.empty()) addFormat(ResidueFormat{rgb(0, 0, 0), rgb(255, 255, 255), false, false});
  m_started = true;
  m_lineBuffer.clear();
  m_currentFormat = 0;
  beginDocument();
}

void AnnotationWriter::setFormat(int index) {
  if (styleOf(index) == styleOf(m_currentFormat)) return;
  flushRun();
  m_lineBuffer.clear();
  m_currentFormat = index;
}

void AnnotationWriter::appendCells(std::string_view cells, std::string_view formats) {
  auto styleAt = [this, formats](std::size_t i) {
    return i < formats.size() ? m_styleOfByte[static_cast<unsigned char>(formats[i])] : m_styleOfByte[0];
  };
  std::size_t i = 0;
  while (i < cells.size()) {
    setFormat(i < formats.size() ? static_cast<unsigned char>(formats[i]) : 0);
    const int style = styleAt(i);
    std::size_t end = i + 1;
    while (end < cells.size() && styleAt(end) == style) ++end;
    m_lineBuffer.append(cells.substr(i, end - i));
    i = end;
  }
}

void AnnotationWriter::end() {
  flushRun();
  endDocument();
  m_lineBuffer.clear();
  m_started = false;
}

}  // namespace hueset
