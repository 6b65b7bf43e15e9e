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

AnnotationWriter::AnnotationWriter(const AnnotationWriter& origin, BlockFork)
    : m_fontSize(origin.m_fontSize),
      m_fontName(origin.m_fontName),
      m_started(true),
      m_styleOfFormat(origin.m_styleOfFormat),
      m_styleOfByte(origin.m_styleOfByte),
      m_formatCount(origin.m_formatCount),
      m_styles(origin.m_styles) {
  m_lineBuffer.reserve(128);
}

AnnotationWriter::~AnnotationWriter() = default;

std::string_view AnnotationWriter::openForkText(AnnotationWriter& fork) {
  flushRun();
  m_lineBuffer.clear();
  return fork.m_output;
}

void AnnotationWriter::joinBlocks(AnnotationWriter& fork) {
  if (fork.m_output.empty()) {
    // Nothing was finished in the fork: its text only continues the run.
    if (styleOf(fork.m_currentFormat) != styleOf(m_currentFormat)) {
      flushRun();
      m_lineBuffer.clear();
      m_currentFormat = fork.m_currentFormat;
    }
    m_lineBuffer.append(fork.m_lineBuffer);
  } else {
    const std::string_view text = openForkText(fork);
    if (m_sink) {
      // Straight on to the stream: a fork's text is large.
      drainToStream();
      m_sink->write(text.data(), static_cast<std::streamsize>(text.size()));
    } else {
      m_output.append(text);
    }
    m_lineBuffer = std::move(fork.m_lineBuffer);
    m_currentFormat = fork.m_currentFormat;
  }
  fork.m_output.clear();
  fork.m_lineBuffer.clear();
  fork.restartFork();
  drainIfLarge();
}

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
  const char* const cell = cells.data();
  const std::size_t count = cells.size();
  const std::size_t formatted = std::min(count, formats.size());
  const auto* format = reinterpret_cast<const unsigned char*>(formats.data());
  int currentStyle = styleOf(m_currentFormat);
  std::size_t i = 0;
  while (i < formatted) {
    const int style = m_styleOfByte[format[i]];
    std::size_t end = i + 1;
    while (end < formatted && m_styleOfByte[format[end]] == style) ++end;
    if (style != currentStyle) {
      flushRun();
      m_lineBuffer.clear();
      m_currentFormat = format[i];
      currentStyle = style;
    }
    // A run that another style follows here is complete: it goes whole.
    if (end < formatted && m_lineBuffer.empty()) {
      writeRun(std::string_view(cell + i, end - i));
    } else {
      m_lineBuffer.append(cell + i, end - i);
    }
    i = end;
  }
  if (i < count) {
    // Cells past the formats are "Default".
    setFormat(0);
    m_lineBuffer.append(cell + i, count - i);
  }
}

void AnnotationWriter::end() {
  flushRun();
  endDocument();
  m_lineBuffer.clear();
  m_started = false;
}

}  // namespace hueset
