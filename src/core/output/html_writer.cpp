#include "output/html_writer.h"

#include <utility>

#include "output/cf_html.h"

namespace hueset {

void appendHtmlEscaped(std::string& out, std::string_view text) {
  // One pass: plain stretches are copied whole, which is nearly every run.
  std::size_t plainFrom = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* reference = nullptr;
    switch (text[i]) {
      case '<': reference = "&lt;"; break;
      case '>': reference = "&gt;"; break;
      case '&': reference = "&amp;"; break;
      case '"': reference = "&quot;"; break;
      default: continue;
    }
    out.append(text.substr(plainFrom, i - plainFrom)).append(reference);
    plainFrom = i + 1;
  }
  out.append(text.substr(plainFrom));
}

std::string htmlColour(Colour colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text = "#";
  for (const unsigned component : {redOf(colour), greenOf(colour), blueOf(colour)}) {
    text.push_back(kHex[component >> 4]);
    text.push_back(kHex[component & 0xF]);
  }
  return text;
}

std::string htmlStyleText(const ResidueFormat& format) {
  std::string text = "color: ";
  text.append(htmlColour(format.textColour));
  text.append("; background-color: ").append(htmlColour(format.backColour)).push_back(';');
  if (!format.bold) text.append(" font-weight: normal;");
  if (format.italic) text.append(" font-style: italic;");
  return text;
}

HtmlWriter::HtmlWriter(std::int32_t fontSize, std::string fontName, std::string idPrefix,
                       const HtmlWriterSettings& settings)
    : HtmlWriter(fontSize, std::move(fontName), std::move(idPrefix), settings.styleMode == 1,
                 settings.useSampleFont, settings.useBrowserFontSize) {}

HtmlWriter::HtmlWriter(std::int32_t fontSize, std::string fontName, std::string idPrefix,
                       bool useStyleSheet, bool useSampleFont, bool useBrowserFontSize)
    : AnnotationWriter(fontSize, std::move(fontName)),
      m_idPrefix(std::move(idPrefix)),
      m_useStyleSheet(useStyleSheet),
      m_useSampleFont(useSampleFont),
      m_useBrowserFontSize(useBrowserFontSize) {}

HtmlWriter::HtmlWriter(const HtmlWriter& origin, BlockFork fork)
    : AnnotationWriter(origin, fork),
      m_idPrefix(origin.m_idPrefix),
      m_tags(origin.m_tags),
      m_useStyleSheet(origin.m_useStyleSheet),
      m_useSampleFont(origin.m_useSampleFont),
      m_useBrowserFontSize(origin.m_useBrowserFontSize),
      m_isFork(true) {}

std::unique_ptr<AnnotationWriter> HtmlWriter::forkForBlocks() const {
  return std::make_unique<HtmlWriter>(*this, BlockFork{});
}

// A run goes on across lines and blocks: when the fork's first run has the
// style of the open run here, the two are one run and the fork's opening tag
// is not written.
std::string_view HtmlWriter::openForkText(AnnotationWriter& fork) {
  auto& html = static_cast<HtmlWriter&>(fork);
  const bool continues = !lineBuffer().empty() && html.m_firstStyle == styleOf(currentFormat());
  flushRun();
  lineBuffer().clear();
  std::string_view text = html.output();
  if (continues) text.remove_prefix(html.m_firstTagSize);
  return text;
}

void HtmlWriter::restartFork() {
  AnnotationWriter::restartFork();
  m_firstStyle = -1;
  m_firstTagSize = 0;
}

// Line breaks belong to the current run: a preformatted block keeps them.
void HtmlWriter::newLine() { lineBuffer().push_back('\n'); }

void HtmlWriter::setSeparator() { newLine(); }

void HtmlWriter::blockEnd() {
  newLine();
  newLine();
}

std::string HtmlWriter::clipboardText(int /*index*/) const { return wrapCfHtml(output()); }

OutputKind HtmlWriter::clipboardFormat(int index) const {
  return index == 1 ? OutputKind::Html : OutputKind::PlainText;
}

std::string HtmlWriter::rules() const {
  std::string text;
  for (std::size_t i = 0; i < styles().size(); ++i) {
    text.push_back('#');
    appendHtmlEscaped(text, m_idPrefix);
    text.append(std::to_string(i)).append("\t{ ");
    text.append(htmlStyleText(styles()[i])).append("}\n");
  }
  return text;
}

void HtmlWriter::flushRun() {
  if (lineBuffer().empty()) return;
  writeRun(lineBuffer());
  lineBuffer().clear();
}

void HtmlWriter::writeRun(std::string_view text) {
  const auto style = static_cast<std::size_t>(styleOf(currentFormat()));
  if (m_isFork && output().empty()) {
    m_firstStyle = static_cast<int>(style);
    m_firstTagSize = style < m_tags.size() ? m_tags[style].size() : 0;
  }
  if (style < m_tags.size()) output().append(m_tags[style]);
  appendHtmlEscaped(output(), text);
  drainIfLarge();
}

void HtmlWriter::beginDocument() {
  m_tags.clear();
  output().clear();
  output().append("<HTML>\n<HEAD>\n");
  if (m_useStyleSheet) output().append("<STYLE>\n<!--\n").append(rules()).append("-->\n</STYLE>\n");

  // Each tag first closes the bold element the previous one opened.
  for (std::size_t i = 0; i < styles().size(); ++i) {
    std::string tag;
    if (m_useStyleSheet) {
      tag.append("</b><b ID=\"");
      appendHtmlEscaped(tag, m_idPrefix);
      tag.append(std::to_string(i));
    } else {
      tag.append("</b><b style=\"").append(htmlStyleText(styles()[i]));
    }
    tag.append("\">");
    m_tags.push_back(std::move(tag));
  }
  RunMarkup markup{m_tags, {}, {}};
  for (const unsigned char byte : {'<', '>', '&', '"'}) markup.escaped[byte] = true;
  setRunMarkup(markup);

  output().append("</HEAD>\n<BODY>\n<P><SAMP>\n<SPAN style=\"font-style: normal\">\n<b><PRE>");
  if (writesFontElement()) {
    output().append("<font");
    if (!m_useSampleFont) {
      output().append(" face=\"");
      appendHtmlEscaped(output(), fontName());
      output().push_back('"');
    }
    if (!m_useBrowserFontSize) {
      output().append(" style =\"font-size:").append(std::to_string(fontSize() / 10));
      output().append(".").append(std::to_string(fontSize() % 10)).append("pt\"");
    }
    output().append(">\n");
  }
}

void HtmlWriter::endDocument() {
  output().append("</b>\n");
  if (writesFontElement()) output().append("</font>");
  output().append("</SPAN></SAMP></P></PRE></BODY></HTML>");
}

}  // namespace hueset
