#include "annotate/annotation_writer.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <utility>

namespace hueset {

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
      m_openings(origin.m_openings),
      m_closings(origin.m_closings),
      m_escaped(origin.m_escaped),
      m_marksRuns(origin.m_marksRuns),
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
      if (m_marksRuns && !m_output.empty()) {
        const std::size_t next = writeMarkedRuns(cell, format, i, formatted);
        if (next > i) {
          i = next;
          currentStyle = styleOf(m_currentFormat);
          continue;
        }
      }
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
  if (m_marksRuns) drainIfLarge();
}

void AnnotationWriter::MarkupSlots::pack(const std::vector<std::string>& marks) {
  const std::size_t count = std::min(marks.size(), sizes.size());
  std::size_t longest = 0;
  for (std::size_t style = 0; style < count; ++style)
    longest = std::max(longest, marks[style].size());
  stride = (longest + 15) / 16 * 16;
  bytes.assign(count * stride, '\0');
  sizes.fill(0);
  for (std::size_t style = 0; style < count; ++style) {
    std::copy(marks[style].begin(), marks[style].end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(style * stride));
    sizes[style] = marks[style].size();
  }
}

void AnnotationWriter::setRunMarkup(const RunMarkup& markup) {
  m_openings.pack(markup.opening);
  m_closings.pack(markup.closing);
  m_escaped = markup.escaped;
  m_marksRuns = true;
}

std::size_t AnnotationWriter::writeMarkedRuns(const char* cells, const unsigned char* formats,
                                              std::size_t from, std::size_t formatted) {
  // The runs are put together in a scratch buffer as long as they could
  // possibly be (every cell a run), then appended in one copy: the output
  // is never grown or cleared run by run. Markup goes in 16-byte moves that
  // may reach past its end, but never past its slot's length.
  constexpr std::size_t kMove = 16;
  const std::size_t most = (formatted - from) * (m_openings.stride + m_closings.stride + 1) + kMove;
  if (m_scratch.size() < most) m_scratch.resize(most);
  char* const first = m_scratch.data();
  char* out = first;
  const auto put = [&out](const MarkupSlots& slots, std::size_t style) {
    const std::size_t size = slots.sizes[style];
    if (size == 0) return;
    const char* from = slots.bytes.data() + style * slots.stride;
    for (std::size_t k = 0; k < size; k += kMove) std::memcpy(out + k, from + k, kMove);
    out += size;
  };
  const int* const styleOfByte = m_styleOfByte.data();
  std::size_t start = from;
  while (start < formatted) {
    const int style = styleOfByte[formats[start]];
    std::size_t end = start + 1;
    while (end < formatted && styleOfByte[formats[end]] == style) ++end;
    // The last run stays open, and a run to escape is left to writeRun.
    if (end == formatted) break;
    bool plain = true;
    for (std::size_t k = start; k < end; ++k)
      plain &= !m_escaped[static_cast<unsigned char>(cells[k])];
    if (!plain) break;
    // The first run may go on in the format already current.
    if (start != from) m_currentFormat = formats[start];
    const auto index = static_cast<std::size_t>(style);
    put(m_openings, index);
    for (std::size_t k = start; k < end; ++k) *out++ = cells[k];
    put(m_closings, index);
    start = end;
  }
  m_output.append(first, static_cast<std::size_t>(out - first));
  return start;
}

void AnnotationWriter::end() {
  flushRun();
  endDocument();
  m_lineBuffer.clear();
  m_started = false;
}

}  // namespace hueset
