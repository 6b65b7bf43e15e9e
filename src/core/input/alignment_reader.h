#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "input/alignment.h"
#include "input/input_messages.h"
#include "input/parse_message_sink.h"
#include "input/text_check.h"
#include "util/string_table.h"

namespace hueset {

// Where the next line begins and how many lines have been taken so far. A
// later stage (the prediction part after the alignment part) starts where the
// earlier one stopped.
struct ScanPosition {
  std::optional<std::size_t> cursor = 0;  // none once the text is used up
  int lineCount = 0;                      // number of the last line taken

  bool operator==(const ScanPosition&) const = default;
};

// The common base of the alignment readers: line scanning, messages with the
// reader's headings, and the read entry points.
class AlignmentReader {
 public:
  // A reader of `format`: its messages begin with that format's headings
  // ("This is not a valid ... file.", "There is an error in the ... file.").
  AlignmentReader(ParseMessageSink& sink, AlignmentFormat format);
  virtual ~AlignmentReader() = default;
  AlignmentReader(const AlignmentReader&) = delete;
  AlignmentReader& operator=(const AlignmentReader&) = delete;

  // Reads from the start of `text` into `alignment`, emptied first (its
  // format stays). Returns true when the alignment may be used.
  bool read(AlignmentText text, Alignment& alignment);
  // Reads on from where an earlier stage stopped.
  bool readFrom(AlignmentText text, ScanPosition start, Alignment& alignment);
  // The same for bytes not yet cut at their first NUL: the text ends there.
  bool read(std::string_view text, Alignment& alignment) {
    return read(AlignmentText::upToNul(text), alignment);
  }
  bool readFrom(std::string_view text, ScanPosition start, Alignment& alignment) {
    return readFrom(AlignmentText::upToNul(text), start, alignment);
  }

  ScanPosition position() const { return m_position; }
  int lineCount() const { return m_position.lineCount; }

  // The headings of another format the reader also reads (the PHD and DSC
  // flavours, A3M).
  void useHeadingsOf(AlignmentFormat format);

 protected:
  // The reader's own work, from position(). Returns true on success.
  virtual bool parse(Alignment& alignment) = 0;

  // The next line without its line feed (a CR before it stays), counted in
  // lineCount; none when the text is used up.
  std::optional<std::string_view> takeLine();
  // The next line with leading white space skipped, passing over blank lines.
  std::optional<std::string_view> takeNonBlankLine();
  bool atEnd() const { return !m_position.cursor.has_value(); }
  // The text not yet taken (empty at the end).
  std::string_view rest() const;
  // Moves past all of rest() at once, which holds `lineFeeds` line feeds
  // (the caller has counted them), its lines counted as takeLine would.
  void skipRest(std::size_t lineFeeds);

  // Fatal error: heading plus filled template. Always returns false, so a
  // reader can write `return failAtLine(...)`. At a line, the template's
  // number is that line and the line is selected for the user; without one,
  // the number is a count and no line is selected.
  bool failAtLine(InputMessage templ, int line, std::string_view text = {});
  bool failWithoutLine(InputMessage templ, int number, std::string_view text = {});
  // Question: error heading, filled template, "proceed regardless?". True
  // means the user chose to stop. The line as for failing.
  bool askToAbortAtLine(InputMessage templ, int line, std::string_view text = {});
  bool askToAbortWithoutLine(InputMessage templ, int number, std::string_view text = {});
  // The unequal-lengths report. Always returns false.
  bool reportUnequalLengths(const Alignment& alignment);

  // The end of the readers that take whole sequences one after the other:
  // some sequence must have residues, and those without any are dropped
  // after one question that names the last of them. False when that fails
  // or the user stops.
  bool dropEmptySequences(Alignment& alignment);
  // Every row must be as long as the first (else the unequal-lengths
  // report), and that is the alignment's length.
  bool takeCommonLength(Alignment& alignment);

  ParseMessageSink& sink() { return m_sink; }

 private:
  std::string message(InputMessage templ, int number, std::string_view text) const;
  bool fail(InputMessage templ, int number, std::string_view text, int line);
  bool askToAbort(InputMessage templ, int number, std::string_view text, int line);

  ParseMessageSink& m_sink;
  InputMessage m_invalidFileMessage;
  InputMessage m_errorInFileMessage;
  std::string_view m_text;
  ScanPosition m_position;
};

// Looks `token` up in `names`, starting after the running index and wrapping
// round. Interleaved blocks repeat names in order, so each data line
// normally costs one comparison. Returns the index or -1.
int findName(const std::vector<std::string>& names, std::string_view token, int& runningIndex);

// Whitespace-separated words of a line.
std::vector<std::string_view> splitWords(std::string_view line);

}  // namespace hueset
