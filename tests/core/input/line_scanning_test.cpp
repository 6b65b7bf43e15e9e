#include <gtest/gtest.h>

#include "input/alignment_reader.h"
#include "support/scripted_sink.h"

namespace hueset {
namespace {

using test::ScriptedSink;

// A reader that records the lines it takes, to test the shared scanning.
class LineRecorder : public AlignmentReader {
 public:
  explicit LineRecorder(ParseMessageSink& sink, bool skipBlank = false, int stopAfter = -1)
      : AlignmentReader(sink, AlignmentFormat::Msf),
        m_skipBlank(skipBlank),
        m_stopAfter(stopAfter) {}
  std::vector<std::string> lines;
  std::vector<int> numbers;

  using AlignmentReader::askToAbortAtLine;
  using AlignmentReader::askToAbortWithoutLine;
  using AlignmentReader::failAtLine;
  using AlignmentReader::failWithoutLine;
  using AlignmentReader::reportUnequalLengths;

 protected:
  bool parse(Alignment&) override {
    while (m_stopAfter != 0) {
      auto line = m_skipBlank ? takeNonBlankLine() : takeLine();
      if (!line) break;
      lines.emplace_back(*line);
      numbers.push_back(lineCount());
      if (m_stopAfter > 0) --m_stopAfter;
    }
    return true;
  }

 private:
  bool m_skipBlank;
  int m_stopAfter;
};

TEST(LineScanning, CarriageReturnStaysInTheLineAndCountsAsSpace) {
  ScriptedSink sink;
  LineRecorder lf(sink, true), crlf(sink, true);
  Alignment a;
  lf.read("A\n\n  B C\nD", a);
  crlf.read("A\r\n\r\n  B C\r\nD", a);
  EXPECT_EQ(lf.lines, (std::vector<std::string>{"A", "B C", "D"}));
  EXPECT_EQ(crlf.lines, (std::vector<std::string>{"A\r", "B C\r", "D"}));
  EXPECT_EQ(lf.numbers, crlf.numbers);
  EXPECT_EQ(lf.numbers, (std::vector<int>{1, 3, 4}));
  for (const auto& line : crlf.lines) {
    for (auto word : splitWords(line)) EXPECT_EQ(word.find('\r'), std::string_view::npos);
  }
}

TEST(LineScanning, FinalLineFeedLeavesOneEmptyLine) {
  ScriptedSink sink;
  LineRecorder r(sink);
  Alignment a;
  r.read("A\nB\n", a);
  EXPECT_EQ(r.lines, (std::vector<std::string>{"A", "B", ""}));
  EXPECT_EQ(r.lineCount(), 3);
  EXPECT_FALSE(r.position().cursor.has_value());
}

TEST(LineScanning, EmptyTextAndTextWithoutLineFeed) {
  ScriptedSink sink;
  LineRecorder empty(sink), single(sink);
  Alignment a;
  empty.read("", a);
  EXPECT_EQ(empty.lines, (std::vector<std::string>{""}));
  single.read("no line feed", a);
  EXPECT_EQ(single.lines, (std::vector<std::string>{"no line feed"}));
}

TEST(LineScanning, TextEndsAtItsFirstNul) {
  ScriptedSink sink;
  LineRecorder r(sink);
  Alignment a;
  r.read(std::string_view("A\nB\0C\nD", 7), a);
  EXPECT_EQ(r.lines, (std::vector<std::string>{"A", "B"}));
}

TEST(LineScanning, LaterStageContinuesWhereTheFirstStopped) {
  ScriptedSink sink;
  const std::string text = "one\ntwo\nthree\nfour";
  LineRecorder first(sink, false, 2);
  Alignment a;
  first.read(text, a);
  EXPECT_EQ(first.lineCount(), 2);
  LineRecorder second(sink);
  second.readFrom(text, first.position(), a);
  EXPECT_EQ(second.lines, (std::vector<std::string>{"three", "four"}));
  EXPECT_EQ(second.numbers, (std::vector<int>{3, 4}));
}

TEST(ReaderMessages, FailSelectsPositiveLinesOnly) {
  ScriptedSink sink;
  LineRecorder r(sink);
  EXPECT_FALSE(r.failAtLine(InputMessage::MsfTypeKeywordMissing, 7));
  EXPECT_FALSE(r.failWithoutLine(InputMessage::MsfKeywordMissing, 12));
  EXPECT_FALSE(r.failAtLine(InputMessage::DuplicateNames, 0));
  ASSERT_EQ(sink.messages().size(), 3u);
  EXPECT_EQ(sink.messages()[0].text,
            "This is not a valid MSF file.\r\nLine 7 should contain the keyword \"Type:\"");
  EXPECT_EQ(sink.messages()[0].line, 7);
  EXPECT_EQ(sink.messages()[1].text,
            "This is not a valid MSF file.\r\nMSF files should contain the keyword \"MSF:\". "
            "\r\nThis was not found in any of the 12 lines.");
  EXPECT_EQ(sink.messages()[1].line, 0);
  EXPECT_EQ(sink.messages()[2].line, 0);
}

TEST(ReaderMessages, AskAddsHeadingAndQuestionAndFollowsTheAnswer) {
  ScriptedSink sink({false, true});
  LineRecorder r(sink);
  EXPECT_FALSE(r.askToAbortAtLine(InputMessage::MsfNameTooLong, 4, "AVERYLONGNAME_1234"));
  EXPECT_TRUE(r.askToAbortWithoutLine(InputMessage::TooManyResiduesOnLine, 3));
  ASSERT_EQ(sink.messages().size(), 2u);
  EXPECT_EQ(sink.messages()[0].text,
            "There is an error in the MSF file.\r\nLine 4 contains the Sequence Name\r\n"
            "\"AVERYLONGNAME_1234\"\r\nwhich is longer than the allowed 15 characters."
            "\r\nDo you wish to proceed regardless?");
  EXPECT_EQ(sink.messages()[0].line, 4);
  EXPECT_EQ(sink.messages()[1].line, 0);
}

TEST(ReaderMessages, UnequalLengthsReportCarriesHeadingAndAlignment) {
  ScriptedSink sink;
  LineRecorder r(sink);
  r.useHeadingsOf(AlignmentFormat::Dsc);
  Alignment a;
  a.names = {"x", "y"};
  a.residues = {"AAA", "A"};
  EXPECT_FALSE(r.reportUnequalLengths(a));
  ASSERT_EQ(sink.messages().size(), 1u);
  EXPECT_EQ(sink.messages()[0].kind, ScriptedSink::Kind::UnequalLengths);
  EXPECT_EQ(sink.messages()[0].text, "This is not a valid DSC file.\r\n");
  EXPECT_EQ(sink.messages()[0].lengths, (std::vector<std::size_t>{3, 1}));
}

TEST(FindName, ProbesFromTheNameAfterTheRunningIndex) {
  std::vector<std::string> names{"A", "B", "C"};
  int running = 0;
  EXPECT_EQ(findName(names, "A", running), 0);  // probes B, C, then A
  EXPECT_EQ(running, 0);
  EXPECT_EQ(findName(names, "B", running), 1);  // B is probed first
  EXPECT_EQ(findName(names, "C", running), 2);
  EXPECT_EQ(findName(names, "A", running), 0);
}

TEST(FindName, MissLeavesTheNextSearchAtTheSameStart) {
  std::vector<std::string> names{"A", "B", "C"};
  int running = 0;
  EXPECT_EQ(findName(names, "Z", running), -1);
  EXPECT_EQ(running, 0);                         // start was 1, stored as start - 1
  EXPECT_EQ(findName(names, "b", running), -1);  // case-sensitive
  EXPECT_EQ(findName({}, "A", running), -1);
  EXPECT_EQ(findName(names, "AB", running), -1);
}

TEST(FindName, SurvivesAnyRunningIndex) {
  std::vector<std::string> names{"A", "B"};
  for (int start : {-5, -1, 7, 1 << 30}) {
    int running = start;
    EXPECT_EQ(findName(names, "B", running), 1) << start;
  }
}

}  // namespace
}  // namespace hueset
