#include "output/rtf_writer.h"

#include <algorithm>
#include <utility>

namespace hueset {

void appendRtfEscaped(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
      out.push_back('\\');
      out.push_back(c);
    } else if (byte > 127) {
      out.append("\\'");
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0xF]);
    } else {
      out.push_back(c);
    }
  }
}

RtfWriter::RtfWriter(std::int32_t fontSize, std::string fontName)
    : AnnotationWriter(fontSize, std::move(fontName)) {}

void RtfWriter::newLine() {
  flushRun();
  lineBuffer().clear();
  m_output.append("{\\par}");
}

void RtfWriter::setSeparator() {
  flushRun();
  lineBuffer().clear();
  // The font size in tenths of a point, read as twips, leaves half a line.
  m_output.append("{\\sa").append(std::to_string(fontSize())).append("\\par}");
}

void RtfWriter::blockEnd() {
  newLine();
  newLine();
}

std::string RtfWriter::clipboardText(int /*index*/) const { return m_output; }

ClipboardFormat RtfWriter::clipboardFormat(int /*index*/) const {
  return ClipboardFormat::RichText;
}

int RtfWriter::colourNumber(Colour colour) const {
  const auto at = std::lower_bound(m_colours.begin(), m_colours.end(), colour);
  return static_cast<int>(at - m_colours.begin()) + 1;
}

void RtfWriter::beginDocument() {
  m_textColourIndex.clear();
  m_backColourIndex.clear();
  m_colours.clear();
  m_output.clear();
  m_output.append("{\\rtf1\\ansi{\\colortbl;");

  const std::vector<ResidueFormat>& all = styles();
  for (auto style = all.rbegin(); style != all.rend(); ++style) {
    m_colours.push_back(style->textColour);
    m_colours.push_back(style->backColour);
  }
  std::sort(m_colours.begin(), m_colours.end());
  m_colours.erase(std::unique(m_colours.begin(), m_colours.end()), m_colours.end());
  for (const ResidueFormat& style : all) {
    m_textColourIndex.push_back(colourNumber(style.textColour) - 1);
    m_backColourIndex.push_back(colourNumber(style.backColour) - 1);
  }
  for (const Colour colour : m_colours) {
    m_output.append("\\red").append(std::to_string(redOf(colour)));
    m_output.append("\\green").append(std::to_string(greenOf(colour)));
    m_output.append("\\blue").append(std::to_string(blueOf(colour))).push_back(';');
  }

  m_output.append("}\\deff0{\\fonttbl{\\f0\\fmodern\\fprq1 ");
  appendRtfEscaped(m_output, fontName());
  m_output.append(";}}");

  const ResidueFormat& plain = all.front();
  m_output.append("\\fs").append(std::to_string(fontSize() / 5));
  m_output.append("\\chcbpat").append(std::to_string(m_backColourIndex.front() + 1));
  m_output.append("\\cf").append(std::to_string(m_textColourIndex.front() + 1));
  m_output.append(plain.bold ? "\\b" : "\\b0");
  m_output.append(plain.italic ? "\\i" : "\\i0");
  m_output.push_back(' ');
}

void RtfWriter::flushRun() {
  if (lineBuffer().empty()) return;
  const int style = styleOf(currentFormat());
  std::string words;
  // A style added after beginDocument has no colours in the table; it is
  // drawn plain rather than with a wrong colour.
  if (currentFormat() != 0 && style != 0 &&
      static_cast<std::size_t>(style) < m_textColourIndex.size()) {
    const ResidueFormat& plain = styles().front();
    const ResidueFormat& own = styles()[static_cast<std::size_t>(style)];
    const auto index = static_cast<std::size_t>(style);
    if (own.backColour != plain.backColour) {
      words.append("\\chcbpat").append(std::to_string(m_backColourIndex[index] + 1));
    }
    if (own.textColour != plain.textColour) {
      words.append("\\cf").append(std::to_string(m_textColourIndex[index] + 1));
    }
    if (own.bold != plain.bold) words.append(own.bold ? "\\b" : "\\b0");
    if (own.italic != plain.italic) words.append(own.italic ? "\\i" : "\\i0");
  }
  if (words.empty()) {
    appendRtfEscaped(m_output, lineBuffer());
    return;
  }
  m_output.push_back('{');
  m_output.append(words).push_back(' ');
  appendRtfEscaped(m_output, lineBuffer());
  m_output.push_back('}');
}

void RtfWriter::endDocument() { m_output.push_back('}'); }

}  // namespace hueset
