#include "output/rtf_writer.h"

#include <algorithm>
#include <array>
#include <utility>

namespace hueset {

namespace {

// The bytes RTF cannot take as they are.
constexpr std::array<bool, 256> kNeedsEscape = [] {
  std::array<bool, 256> table{};
  table['\\'] = table['{'] = table['}'] = true;
  for (std::size_t byte = 128; byte < 256; ++byte) table[byte] = true;
  return table;
}();

}  // namespace

void appendRtfEscaped(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  // Residue runs rarely hold anything to escape: plain stretches go whole.
  std::size_t plainFrom = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!kNeedsEscape[byte]) continue;
    out.append(text.data() + plainFrom, i - plainFrom);
    plainFrom = i + 1;
    if (byte > 127) {
      out.append("\\'");
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0xF]);
    } else {
      out.push_back('\\');
      out.push_back(text[i]);
    }
  }
  out.append(text.data() + plainFrom, text.size() - plainFrom);
}

RtfWriter::RtfWriter(std::int32_t fontSize, std::string fontName)
    : AnnotationWriter(fontSize, std::move(fontName)) {}

RtfWriter::RtfWriter(const RtfWriter& origin, BlockFork fork)
    : AnnotationWriter(origin, fork),
      m_styleWords(origin.m_styleWords),
      m_textColourIndex(origin.m_textColourIndex),
      m_backColourIndex(origin.m_backColourIndex),
      m_colours(origin.m_colours),
      m_keepBlocks(origin.m_keepBlocks) {}

// Every run ends with its line, so a block's text never depends on the one
// before it.
std::unique_ptr<AnnotationWriter> RtfWriter::forkForBlocks() const {
  return std::make_unique<RtfWriter>(*this, BlockFork{});
}

void RtfWriter::endParagraph(std::string_view words) {
  flushRun();
  lineBuffer().clear();
  output().append("{").append(words).append("\\par}");
  drainIfLarge();
}

void RtfWriter::newLine() { endParagraph(m_keepBlocks ? "\\keep\\keepn" : ""); }

void RtfWriter::setSeparator() {
  // The font size in tenths of a point, read as twips, leaves half a line.
  const std::string words = "\\sa" + std::to_string(fontSize());
  endParagraph(m_keepBlocks ? words + "\\keep\\keepn" : words);
}

// The block's last line keeps with the first blank line, after which a page
// may break.
void RtfWriter::blockEnd() {
  endParagraph("");
  endParagraph("");
}

OutputKind RtfWriter::clipboardFormat(int /*index*/) const { return OutputKind::Rtf; }

int RtfWriter::colourNumber(Colour colour) const {
  const auto at = std::lower_bound(m_colours.begin(), m_colours.end(), colour);
  return static_cast<int>(at - m_colours.begin()) + 1;
}

void RtfWriter::beginDocument() {
  m_textColourIndex.clear();
  m_backColourIndex.clear();
  m_colours.clear();
  output().clear();
  m_styleWords.clear();
  output().append("{\\rtf1\\ansi{\\colortbl;");

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
  for (std::size_t index = 0; index < all.size(); ++index)
    m_styleWords.push_back(makeStyleWords(index));
  RunMarkup markup{m_styleWords, {}, kNeedsEscape};
  for (const std::string& words : m_styleWords) markup.closing.push_back(words.empty() ? "" : "}");
  setRunMarkup(markup);
  for (const Colour colour : m_colours) {
    output().append("\\red").append(std::to_string(redOf(colour)));
    output().append("\\green").append(std::to_string(greenOf(colour)));
    output().append("\\blue").append(std::to_string(blueOf(colour))).push_back(';');
  }

  output().append("}\\deff0{\\fonttbl{\\f0\\fmodern\\fprq1 ");
  appendRtfEscaped(output(), fontName());
  output().append(";}}");

  const ResidueFormat& plain = all.front();
  output().append("\\fs").append(std::to_string(fontSize() / 5));
  output().append("\\chcbpat").append(std::to_string(m_backColourIndex.front() + 1));
  output().append("\\cf").append(std::to_string(m_textColourIndex.front() + 1));
  output().append(plain.bold ? "\\b" : "\\b0");
  output().append(plain.italic ? "\\i" : "\\i0");
  output().push_back(' ');
}

// The opening of a run in a style that differs from style 0: "{", the
// control words that set it apart and a blank; empty when it looks like
// style 0.
std::string RtfWriter::makeStyleWords(std::size_t index) const {
  if (index == 0) return {};
  const ResidueFormat& plain = styles().front();
  const ResidueFormat& own = styles()[index];
  std::string words;
  if (own.backColour != plain.backColour) {
    words.append("\\chcbpat").append(std::to_string(m_backColourIndex[index] + 1));
  }
  if (own.textColour != plain.textColour) {
    words.append("\\cf").append(std::to_string(m_textColourIndex[index] + 1));
  }
  if (own.bold != plain.bold) words.append(own.bold ? "\\b" : "\\b0");
  if (own.italic != plain.italic) words.append(own.italic ? "\\i" : "\\i0");
  return words.empty() ? words : "{" + words + " ";
}

// A style added after beginDocument has no colours in the table; it is drawn
// plain rather than with a wrong colour.
const std::string& RtfWriter::styleWords(int style) const {
  const auto index = static_cast<std::size_t>(style);
  return index < m_styleWords.size() ? m_styleWords[index] : kNoWords;
}

void RtfWriter::flushRun() {
  if (!lineBuffer().empty()) writeRun(lineBuffer());
}

void RtfWriter::writeRun(std::string_view text) {
  const std::string& opening =
      currentFormat() != 0 ? styleWords(styleOf(currentFormat())) : kNoWords;
  std::string& out = output();
  if (opening.empty()) {
    appendRtfEscaped(out, text);
    return;
  }
  // The group's opening is "{", the style's control words and a blank.
  out.append(opening);
  appendRtfEscaped(out, text);
  out.push_back('}');
}

void RtfWriter::endDocument() { output().push_back('}'); }

}  // namespace hueset
