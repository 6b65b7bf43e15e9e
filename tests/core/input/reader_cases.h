#pragma once

// Table-driven cases for the readers: each case reads one text and compares
// the outcome in a compact form, or the messages in full.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>

#include "input/read_alignment.h"
#include "support/scripted_sink.h"

namespace hueset::test {

struct ReaderCase {
  const char* what;  // what the case shows, and why it matters
  std::string text;
  // "name=residues ..." then, in brackets, "label=row ..." for the
  // prediction rows; "failed" when the read fails.
  std::string outcome;
  // Kind and line of every message: "Q3" question, "E0" error, "U0" the
  // unequal-lengths report.
  std::string messages;
  std::deque<bool> answers = {};  // true = No; the rest are answered Yes
  ReadSettings settings = {};
};

inline std::string outcomeOf(bool ok, const Alignment& a) {
  if (!ok) return "failed";
  std::string out;
  for (std::size_t i = 0; i < a.names.size(); ++i) {
    out += (i ? " " : "") + a.names[i] + "=" + a.residues[i];
  }
  if (!a.trackLabels.empty()) {
    out += " [";
    for (std::size_t i = 0; i < a.trackLabels.size(); ++i) {
      out += (i ? " " : "") + a.trackLabels[i] + "=" + a.tracks[i];
    }
    out += "]";
  }
  return out;
}

inline std::string messageKinds(const ScriptedSink& sink) {
  std::string out;
  for (const auto& m : sink.messages()) {
    if (!out.empty()) out += " ";
    out += m.kind == ScriptedSink::Kind::Question ? "Q"
           : m.kind == ScriptedSink::Kind::Error  ? "E"
                                                  : "U";
    out += std::to_string(m.line);
  }
  return out;
}

inline void expectCase(AlignmentFormat format, const ReaderCase& c) {
  SCOPED_TRACE(c.what);
  ScriptedSink sink(c.answers);
  Alignment a;
  const bool ok = readAlignment(c.text, format, sink, a, c.settings);
  EXPECT_EQ(outcomeOf(ok, a), c.outcome) << sink.transcript();
  EXPECT_EQ(messageKinds(sink), c.messages) << sink.transcript();
  if (ok) {
    EXPECT_EQ(a.format, format);
    EXPECT_EQ(static_cast<std::size_t>(a.length), a.residues.front().size());
  }
}

// The headings of the readers' messages, and the end of their questions.
inline std::string invalidFileHeading(std::string_view format) {
  return "This is not a valid " + std::string(format) + " file.\r\n";
}
inline std::string errorInFileHeading(std::string_view format) {
  return "There is an error in the " + std::string(format) + " file.\r\n";
}
inline const std::string kProceed = "\r\nDo you wish to proceed regardless?";

// A read whose messages are compared in full: whether it succeeds, and the
// transcript (see ScriptedSink), every question answered Yes.
struct MessageCase {
  const char* what;
  std::string text;
  bool ok;
  std::string transcript;
};

inline void expectMessages(AlignmentFormat format, const MessageCase& c) {
  SCOPED_TRACE(c.what);
  ScriptedSink sink;
  Alignment a;
  EXPECT_EQ(readAlignment(c.text, format, sink, a), c.ok);
  EXPECT_EQ(sink.transcript(), c.transcript);
}

// A text that raises questions: read with each answered Yes it gives
// `transcript`; with the first answered No the read fails. Returns the
// alignment of the Yes read (empty when that failed).
inline Alignment expectQuestions(AlignmentFormat format, const std::string& text,
                                 const std::string& transcript) {
  ScriptedSink yes;
  Alignment a;
  EXPECT_TRUE(readAlignment(text, format, yes, a));
  EXPECT_EQ(yes.transcript(), transcript);
  ScriptedSink no({true});
  Alignment stopped;
  EXPECT_FALSE(readAlignment(text, format, no, stopped));
  return a;
}

}  // namespace hueset::test
