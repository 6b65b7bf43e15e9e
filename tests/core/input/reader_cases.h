#pragma once

// Table-driven cases for the readers of the later formats: each case reads
// one text and compares the outcome in a compact form.

#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "input/read_alignment.h"
#include "support/scripted_sink.h"

namespace hueset::testing {

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
    out += m.kind == ScriptedSink::Kind::Question ? "Q" : m.kind == ScriptedSink::Kind::Error ? "E" : "U";
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

}  // namespace hueset::testing
