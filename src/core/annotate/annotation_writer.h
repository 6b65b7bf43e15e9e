#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/output_kind.h"
#include "groupings/grouping_set.h"

namespace hueset {

struct AnnotatedAlignment;

// What a laid-out line shows, told to the writer before the line's text.
// Writers of text ignore it; the preview uses it to find the alignment cell
// under a point without laying anything out again.
struct LineContent {
  enum class Kind : std::uint8_t { Ruler, Sequence, ExtraRow };
  Kind kind = Kind::Sequence;
  std::uint32_t set = 0;          // the set of a sequence or extra row
  std::uint32_t row = 0;          // the sequence, or the extra row, within the set
  std::uint32_t firstColumn = 0;  // the block's first column (from 0)
  std::uint32_t columns = 0;      // the block's columns
  std::uint32_t firstCell = 0;    // characters before the cell of the first column
  std::uint32_t groupWidth = 1;   // columns between two blanks

  bool operator==(const LineContent&) const = default;
};

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
  // Most writers offer the document they build, as it is, under one
  // clipboard format and as the file.
  virtual int clipboardFormatCount() const { return 1; }
  virtual std::string clipboardText(int index) const {
    (void)index;
    return m_output;
  }
  virtual std::string fileText() const { return m_output; }

 protected:
  // Writes lineBuffer out in the style of currentFormat. Does not empty the
  // buffer unless the writer says otherwise; its callers do.
  virtual void flushRun() = 0;
  // A whole run in the style of currentFormat, with nothing before it in
  // the line buffer; the next format change ends it. By default it goes
  // through the line buffer like any text; a writer may write it at once.
  virtual void writeRun(std::string_view text) { m_lineBuffer.append(text); }
  virtual void beginDocument() = 0;
  virtual void endDocument() = 0;

 public:
  // The kind whose clipboard types clipboard text `index` goes under.
  virtual OutputKind clipboardFormat(int index) const = 0;

  // Told by the layout before its first line, with what it is about to lay
  // out (valid until the layout returns), and before every line with what
  // that line shows. Writers of text need neither.
  virtual void layoutStarting(const AnnotatedAlignment& annotated) { (void)annotated; }
  virtual void lineStarting(const LineContent& content) { (void)content; }

  // True for a figure drawn on a grid (PDF, SVG, PNG): its ruler and its
  // elided stretches are marked as a figure marks them, which the text
  // forms, whose output is fixed, never are.
  virtual bool drawsFigure() const { return false; }
  // True where a sequence's own secondary structure ("#=GR name SS") is
  // drawn on the line under it: a figure and its preview. The text forms
  // keep it among the extra rows.
  virtual bool placesStructureUnderSequences() const { return drawsFigure(); }
  // True where the conservation bars, mark shapes and logo are drawn rather
  // than written as characters: a figure and its preview.
  virtual bool drawsColumnRowShapes() const { return drawsFigure(); }

  // True for a writer that makes a document of every page, each a file of
  // its own (a PNG or SVG on paper). streamPagesTo says where each goes:
  // `open(n)` gives the stream of page n (from 1) as the page starts, null
  // when it cannot be made (the writer then reports a problem). Without it,
  // fileText gives the first page.
  virtual bool writesPages() const { return false; }
  using PageStreams = std::function<std::ostream*(int page)>;
  // By value: a writer that keeps the function moves it in.
  virtual void streamPagesTo(PageStreams open) {  // NOLINT(performance-unnecessary-value-param)
    (void)open;
  }

  // How many characters fit across a line of the writer's page; 0 when its
  // page takes lines of any length (text forms always do).
  virtual int pageLineCharacters() const { return 0; }
  // A figure of a set width (a journal's column) takes the largest type, at
  // most its own size and at least its smallest, at which a line of
  // `wantedCells` fits the width, else its smallest. Why the lines cannot be
  // laid out: `leastCells` (with `wrapFixed`, `wantedCells`) do not fit
  // even then. Empty when they do, and for every writer without a set width.
  virtual std::string fitTypeToWidth(std::size_t wantedCells, std::size_t leastCells,
                                     bool wrapFixed) {
    (void)wantedCells;
    (void)leastCells;
    (void)wrapFixed;
    return {};
  }
  // Why the writer could not finish its output; empty when it did. Text
  // forms cannot fail.
  virtual std::string problem() const { return {}; }
  // False once the writer has given up on this document (it will report a
  // problem): what the layout still sends it would be thrown away, and a
  // tee spares it the rest but the end.
  virtual bool takesMore() const { return true; }

  // For laying blocks out on several threads: a writer of the same kind and
  // formats, started, with nothing written and "Default" current, to take
  // whole blocks. Null when the output cannot be cut at blocks (a page
  // layout, or a writer that must see every call in order).
  virtual std::unique_ptr<AnnotationWriter> forkForBlocks() const { return nullptr; }
  // Takes the text a fork made of the blocks that follow as if this writer
  // had written them itself, and the fork's open run with it. The fork is
  // then as it was made, ready for more blocks (its memory kept).
  virtual void joinBlocks(AnnotationWriter& fork);

  // Gives the next format index (0, 1, 2, ...) the style of `format`.
  void addFormat(const ResidueFormat& format);
  void begin();
  // Switches to format `index`; a format of the same style continues the run.
  void setFormat(int index);
  void end();

  // The layout's text goes straight into the current run.
  void appendText(std::string_view text) { m_lineBuffer.append(text); }
  void appendChar(char c) { m_lineBuffer.push_back(c); }
  // Cells of a line: cell i in format `formats[i]` ("Default" where
  // `formats` has ended). The same as setFormat and appendChar cell by cell,
  // but a run of one style is handed over whole.
  virtual void appendCells(std::string_view cells, std::string_view formats);

 private:
  // The complete runs of cells [from, formatted) straight into the output;
  // returns where the first run it leaves begins.
  std::size_t writeMarkedRuns(const char* cells, const unsigned char* formats, std::size_t from,
                              std::size_t formatted);

 public:
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
    if (formatIndex < 0 || static_cast<std::size_t>(formatIndex) >= m_styleOfFormat.size())
      return 0;
    return m_styleOfFormat[static_cast<std::size_t>(formatIndex)];
  }

 protected:
  struct BlockFork {};
  // The fork of `origin`: its formats and font, started, nothing written.
  AnnotationWriter(const AnnotationWriter& origin, BlockFork);
  // Finishes this writer's open run before a fork's text (not empty) and
  // says what of that text follows. By default the run is finished and all
  // of the text follows; a writer whose runs go on across lines joins the
  // open run with the fork's first one instead.
  virtual std::string_view openForkText(AnnotationWriter& fork);
  // A fork whose text has been taken starts afresh.
  virtual void restartFork() { m_currentFormat = 0; }

  // How a writer marks a complete run, when it marks every run alike: its
  // style's opening bytes, the cells and its style's closing bytes, with the
  // bytes `escaped` marks left to writeRun. appendCells then writes such runs
  // straight into the output, all of a line's cells in one go; a run that
  // holds an escaped byte, or one that opens the output, still goes through
  // writeRun. The writer's flushRun must do nothing on an empty line buffer.
  struct RunMarkup {
    std::vector<std::string> opening;  // by style; a style past the end has none
    std::vector<std::string> closing;  // by style, likewise
    std::array<bool, 256> escaped{};   // by byte value
  };
  void setRunMarkup(const RunMarkup& markup);

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
  std::vector<int> m_styleOfFormat;      // indexed by format index
  std::array<int, 256> m_styleOfByte{};  // the same for every one-byte index
  // A run's markup by style, each in a slot a multiple of 16 bytes long, so
  // it is copied in whole 16-byte moves rather than a call per run.
  struct MarkupSlots {
    std::vector<char> bytes;
    std::size_t stride = 0;
    std::array<std::size_t, 256> sizes{};  // by style; 0 for a style without markup
    void pack(const std::vector<std::string>& marks);
  };
  MarkupSlots m_openings;
  MarkupSlots m_closings;
  std::array<bool, 256> m_escaped{};
  bool m_marksRuns = false;
  std::vector<char> m_scratch;  // where writeMarkedRuns puts a line's runs together
  std::string m_output;
  std::ostream* m_sink = nullptr;
  static constexpr std::size_t kDrainSize = 1 << 20;
  int m_formatCount = 0;
  std::vector<ResidueFormat> m_styles;
};

}  // namespace hueset
