#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/annotation_writer.h"

namespace hueset {

// The prefix of the rule IDs that pages and the bare style sheet share.
inline constexpr std::string_view kHtmlIdPrefix = "hs";

// The HTML options the writer follows (the driver fills them from the
// options record).
struct HtmlWriterSettings {
  // 1 puts the rules in an embedded style sheet; anything else gives every
  // run its own style attribute.
  std::int32_t styleMode = 0;
  // Leave the face to the browser's monospaced font.
  bool useSampleFont = true;
  // Leave the size to the browser.
  bool useBrowserFontSize = true;
};

// Appends `text` to `out` with "<", ">", "&" and '"' as character
// references, so no name can open an element or leave an attribute.
void appendHtmlEscaped(std::string& out, std::string_view text);

// "#rrggbb" in lower-case hexadecimal.
std::string htmlColour(Colour colour);

// The declarations of one format, e.g.
// "color: #000000; background-color: #ffffff; font-weight: normal;".
std::string htmlStyleText(const ResidueFormat& format);

// Writes the annotation as an HTML page: a preformatted, bold-by-default
// block in which every run is a bold element carrying either an in-line
// style or the ID of a rule of an embedded style sheet.
class HtmlWriter : public AnnotationWriter {
 public:
  HtmlWriter(std::int32_t fontSize, std::string fontName, std::string idPrefix,
             const HtmlWriterSettings& settings);

  void newLine() override;
  void setSeparator() override;
  void blockEnd() override;
  int clipboardFormatCount() const override { return 2; }
  // The page wrapped as CF_HTML, for both formats.
  std::string clipboardText(int index) const override;
  OutputKind clipboardFormat(int index) const override;

  bool useStyleSheet() const { return m_useStyleSheet; }

  std::unique_ptr<AnnotationWriter> forkForBlocks() const override;
  HtmlWriter(const HtmlWriter& origin, BlockFork fork);

 protected:
  HtmlWriter(std::int32_t fontSize, std::string fontName, std::string idPrefix, bool useStyleSheet,
             bool useSampleFont, bool useBrowserFontSize);

  void flushRun() override;
  void writeRun(std::string_view text) override;
  void beginDocument() override;
  void endDocument() override;
  std::string_view openForkText(AnnotationWriter& fork) override;
  void restartFork() override;

  // One rule per style: "#hs1\t{ color: ...}\n".
  std::string rules() const;

 private:
  bool writesFontElement() const { return !(m_useSampleFont && m_useBrowserFontSize); }

  std::string m_idPrefix;
  std::vector<std::string> m_tags;
  bool m_useStyleSheet;
  bool m_useSampleFont;
  bool m_useBrowserFontSize;
  // A fork's first run: its style and the size of the tag that opens it,
  // which goes when the run turns out to continue the open run before it.
  bool m_isFork = false;
  int m_firstStyle = -1;
  std::size_t m_firstTagSize = 0;
};

}  // namespace hueset
