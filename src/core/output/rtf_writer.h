#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/annotation_writer.h"

namespace hueset {

// Appends `text` to `out` as RTF text: "\", "{" and "}" get a backslash and
// bytes above 127 become \'hh, so no name can open a group or a control word.
void appendRtfEscaped(std::string& out, std::string_view text);

// Writes the annotation as a Rich Text document: a sorted colour table, a
// one-font table, default character properties from "Default", and every
// run of another style as a group carrying only what differs from "Default".
class RtfWriter : public AnnotationWriter {
 public:
  RtfWriter(std::int32_t fontSize, std::string fontName);

  void newLine() override;
  void setSeparator() override;
  void blockEnd() override;
  OutputKind clipboardFormat(int index) const override;

  // The colours of the table, ascending and unique; RTF colour number n is
  // entry n - 1 (number 0 is the reader's automatic colour).
  const std::vector<Colour>& colours() const { return m_colours; }

  // Each line of a block keeps with the next (\keepn) and whole (\keep), so
  // a word processor breaks pages between blocks only. Off by default.
  void keepBlocksTogether(bool keep) { m_keepBlocks = keep; }

  std::unique_ptr<AnnotationWriter> forkForBlocks() const override;
  RtfWriter(const RtfWriter& origin, BlockFork fork);

 protected:
  void flushRun() override;
  void writeRun(std::string_view text) override;
  void beginDocument() override;
  void endDocument() override;

 private:
  // Ends the line's paragraph with `words` (paragraph properties) before its
  // \par.
  void endParagraph(std::string_view words);
  int colourNumber(Colour colour) const;
  std::string makeStyleWords(std::size_t index) const;
  const std::string& styleWords(int style) const;

  inline static const std::string kNoWords;
  std::vector<std::string> m_styleWords;  // per style, made when the document begins

  std::vector<int> m_textColourIndex;
  std::vector<int> m_backColourIndex;
  std::vector<Colour> m_colours;
  bool m_keepBlocks = false;
};

}  // namespace hueset
