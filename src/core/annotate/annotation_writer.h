#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "groupings/grouping_set.h"

namespace hueset {

// The clipboard formats a writer's texts are offered under.
enum class ClipboardFormat {
  PlainText,  // the standard text format
  RichText,   // registered as "Rich Text Format"
  Html,       // registered as "HTML Format"
  Pdf,        // the figures, under their media types
  Svg,
  Png,
};

// The name a clipboard format is registered under; empty for the standard
// text format, which needs no registration. The figures' names are their
// media types.
std::string_view registeredClipboardName(ClipboardFormat format);

// The base of every output writer. The driver adds the formats in
// format-index order, calls begin, lets the layout fill the body and calls
// end; the text is then taken with clipboardText or fileText.
//
// Formats that look alike (same colours, bold and italic) share one style,
// and setFormat only breaks the current run when the style changes, so the
// markup grows with the number of style changes, not with the residues.
class AnnotationWriter {
 public:
  AnnotationWriter(std::int32_t fontSize, std::string fontName);
  virtual ~AnnotationWriter();

  AnnotationWriter(const AnnotationWriter&) = delete;
  AnnotationWriter& operator=(const AnnotationWriter&) = delete;

  // Ends the current output line.
  virtual void newLine() = 0;
  // Ends the current line and separates two sets.
  virtual void setSeparator() = 0;
  // Ends a wrapped block.
  virtual void blockEnd() = 0;
  virtual int clipboardFormatCount() const = 0;
  virtual std::string clipboardText(int index) const = 0;
  virtual std::string fileText() const = 0;

 protected:
  // Writes lineBuffer out in the style of currentFormat. Does not empty the
  // buffer unless the writer says otherwise; its callers do.
  virtual void flushRun() = 0;
  virtual void beginDocument() = 0;
  virtual void endDocument() = 0;

 public:
  virtual ClipboardFormat clipboardFormat(int index) const = 0;

  // How many characters fit across a line of the writer's page; 0 when its
  // page takes lines of any length (text forms always do).
  virtual int pageLineCharacters() const { return 0; }
  // Why the writer could not finish its output; empty when it did. Text
  // forms cannot fail.
  virtual std::string problem() const { return {}; }
  // False once the writer has given up on this document (it will report a
  // problem): what the layout still sends it would be thrown away, and a
  // tee spares it the rest but the end.
  virtual bool takesMore() const { return true; }

  // Gives the next format index (0, 1, 2, ...) the style of `format`.
  void addFormat(const ResidueFormat& format);
  void begin();
  // Switches to format `index`; a format of the same style continues the run.
  void setFormat(int index);
  void end();

  // The layout's text goes straight into the current run.
  void appendText(std::string_view text) { m_lineBuffer.append(text); }
  void appendChar(char c) { m_lineBuffer.push_back(c); }

  std::int32_t fontSize() const { return m_fontSize; }
  const std::string& fontName() const { return m_fontName; }
  bool started() const { return m_started; }
  int currentFormat() const { return m_currentFormat; }
  int formatCount() const { return m_formatCount; }
  // From now on, hand the finished text to `sink` whenever a line or block
  // ends and enough has gathered, instead of keeping the whole document; the
  // text not yet handed over stays in the writer (fileText gives it). A file
  // of any size is then written in bounded memory. Null stops streaming.
  void streamTo(std::ostream* sink) { m_sink = sink; }
  // Hands everything gathered so far to the stream.
  void drainToStream();

  // The distinct formats in order of first appearance; style 0 is "Default".
  const std::vector<ResidueFormat>& styles() const { return m_styles; }
  // The style of a format index; an index never added counts as "Default".
  int styleOf(int formatIndex) const {
    if (formatIndex < 0 || static_cast<std::size_t>(formatIndex) >= m_styleOfFormat.size()) return 0;
    return m_styleOfFormat[static_cast<std::size_t>(formatIndex)];
  }

 protected:
  std::string& lineBuffer() { return m_lineBuffer; }
  const std::string& lineBuffer() const { return m_lineBuffer; }
  // The document text the writer builds.
  std::string& output() { return m_output; }
  const std::string& output() const { return m_output; }
  // Called by the writers after each line and block end.
  void drainIfLarge() {
    if (m_sink && m_output.size() >= kDrainSize) drainToStream();
  }

 private:
  std::int32_t m_fontSize;
  std::string m_fontName;
  bool m_started = false;
  std::string m_lineBuffer;
  int m_currentFormat = 0;
  std::vector<int> m_styleOfFormat;  // indexed by format index
  std::string m_output;
  std::ostream* m_sink = nullptr;
  static constexpr std::size_t kDrainSize = 1 << 20;
  int m_formatCount = 0;
  std::vector<ResidueFormat> m_styles;
};

}  // namespace hueset
