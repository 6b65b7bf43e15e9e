#include "output/html_writer.h"

#include <utility>

#include "output/cf_html.h"

namespace hueset {

void appendHtmlEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '<':
        out.append("&lt;");
        break;
      case '>':
        out.append("&gt;");
        break;
      case '&':
        out.append("&amp;");
        break;
      case '"':
        out.append("&quot;");
        break;
      default:
        out.push_back(c);
        break;
    }
  }
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

// Line breaks belong to the current run: a preformatted block keeps them.
void HtmlWriter::newLine() { lineBuffer().push_back('\n'); }

void HtmlWriter::setSeparator() { newLine(); }

void HtmlWriter::blockEnd() {
  newLine();
  newLine();
}

std::string HtmlWriter::clipboardText(int /*index*/) const { return wrapCfHtml(m_output); }

ClipboardFormat HtmlWriter::clipboardFormat(int index) const {
  return index == 1 ? ClipboardFormat::Html : ClipboardFormat::PlainText;
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
  const auto style = static_cast<std::size_t>(styleOf(currentFormat()));
  if (style < m_tags.size()) m_output.append(m_tags[style]);
  appendHtmlEscaped(m_output, lineBuffer());
  lineBuffer().clear();
}

void HtmlWriter::beginDocument() {
  m_tags.clear();
  m_output.clear();
  m_output.append("<HTML>\n<HEAD>\n");
  if (m_useStyleSheet) m_output.append("<STYLE>\n<!--\n").append(rules()).append("-->\n</STYLE>\n");

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

  m_output.append(
      "</HEAD>\n<BODY>\n<P><SAMP>\n<SPAN style=\"font-style: normal\">\n<b><PRE>");
  if (writesFontElement()) {
    m_output.append("<font");
    if (!m_useSampleFont) {
      m_output.append(" face=\"");
      appendHtmlEscaped(m_output, fontName());
      m_output.push_back('"');
    }
    if (!m_useBrowserFontSize) {
      m_output.append(" style =\"font-size:").append(std::to_string(fontSize() / 10));
      m_output.append(".").append(std::to_string(fontSize() % 10)).append("pt\"");
    }
    m_output.append(">\n");
  }
}

void HtmlWriter::endDocument() {
  m_output.append("</b>\n");
  if (writesFontElement()) m_output.append("</font>");
  m_output.append("</SPAN></SAMP></P></PRE></BODY></HTML>");
}

}  // namespace hueset
