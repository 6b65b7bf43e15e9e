#include <gtest/gtest.h>

#include <random>
#include <string>

#include "input/format_guess.h"
#include "input/format_table.h"
#include "input/read_alignment.h"
#include "support/scripted_sink.h"

namespace hueset {
namespace {

using test::ScriptedSink;

// Reads `text` in every format of the table, answering questions both
// ways, and checks that a successful read leaves a sound alignment.
void readEveryWay(const std::string& text) {
  for (const FormatDescriptor& row : formatTable()) {
    const AlignmentFormat format = row.format;
    for (bool alternate : {false, true}) {
      ScriptedSink sink;
      if (alternate) sink.alternateAnswers();
      Alignment a;
      if (!readAlignment(text, format, sink, a)) continue;
      ASSERT_FALSE(a.names.empty()) << static_cast<int>(format);
      ASSERT_EQ(a.names.size(), a.residues.size());
      ASSERT_TRUE(a.hasEqualLengths());
      ASSERT_EQ(static_cast<std::size_t>(a.length), a.residues.front().size());
    }
  }
}

TEST(ReaderRobustness, EmptyAndTinyTexts) {
  for (const char* text : {"", "\n", "\r\n", ">", "CLUSTAL", "MSF:", "//", "|", "AA |", "# saf",
                           "MSF: 1 Type: P ..", "MSF: 1 Type: P ..\nName: x\n//"}) {
    readEveryWay(text);
  }
}

TEST(ReaderRobustness, TextWithoutLineFeed) {
  readEveryWay(">only a header without any line feed at all");
  readEveryWay("CLUSTAL W a b c d e f g h");
  readEveryWay(" MSF: 3 Type: P .. Name: a // a ACD");
}

TEST(ReaderRobustness, BinaryGarbage) {
  std::mt19937 random(1);
  for (int round = 0; round < 40; ++round) {
    std::string text(static_cast<std::size_t>(random() % 3000), '\0');
    for (char& c : text) c = static_cast<char>(random());
    readEveryWay(text);
    // Garbage dressed as each format.
    readEveryWay(">x\n" + text);
    readEveryWay("CLUSTAL\n" + text);
    readEveryWay("MSF: 10 Type: P ..\nName: a\nName: b\n//\n" + text);
  }
}

TEST(ReaderRobustness, NulEndsTheText) {
  const std::string text = std::string(">a\nAC\n>b\nAC\0\n>c\nACD\n", 20);
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Fasta, sink, a)) << sink.transcript();
  EXPECT_EQ(a.names.size(), 2u);
  readEveryWay(text);
  readEveryWay(std::string("MSF: 2 Type: P ..\nName: a\n\0//\na AC\n", 34));
}

TEST(ReaderRobustness, EnormousLines) {
  const std::string residues(8'000'000, 'A');
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(">a\n" + residues + "\n>b\n" + residues + "\n", AlignmentFormat::Fasta,
                            sink, a));
  EXPECT_EQ(a.length, 8'000'000);
  ASSERT_TRUE(readAlignment("CLUSTAL\n\na " + residues + "\nb " + residues + "\n",
                            AlignmentFormat::Clustal, sink, a));
  EXPECT_EQ(a.residues[1].size(), residues.size());
  // An MSF line that long is a question (more than 50), and then a length
  // mismatch, but it reads.
  ASSERT_TRUE(readAlignment("MSF: 1 Type: P ..\nName: a\n//\na " + residues + "\n",
                            AlignmentFormat::Msf, sink, a));
  readEveryWay(std::string(3'000'000, ' ') + "x");
  readEveryWay(std::string(2'000'000, '|'));
}

// 100,000 sequences of 20 residues in two interleaved blocks of 10.
TEST(ReaderRobustness, HundredThousandSequences) {
  constexpr int kCount = 100'000;
  std::string msf = "MSF: 20 Type: P ..\n";
  std::string clustal = "CLUSTAL\n\n";
  std::string fasta;
  for (int i = 0; i < kCount; ++i) msf += " Name: s" + std::to_string(i) + "\n";
  msf += "//\n";
  for (int block = 0; block < 2; ++block) {
    for (int i = 0; i < kCount; ++i) {
      const std::string line = "s" + std::to_string(i) + " ACDEFGHIKL\n";
      msf += line;
      clustal += line;
    }
    clustal += "\n";
  }
  for (int i = 0; i < kCount; ++i) fasta += ">s" + std::to_string(i) + "\nACDEFGHIKL\nMNPQRSTVWY\n";

  for (const auto& [text, format] :
       {std::pair{msf, AlignmentFormat::Msf}, std::pair{clustal, AlignmentFormat::Clustal},
        std::pair{fasta, AlignmentFormat::Fasta}}) {
    ScriptedSink sink;
    Alignment a;
    ASSERT_TRUE(readAlignment(text, format, sink, a)) << sink.transcript().substr(0, 300);
    EXPECT_EQ(a.names.size(), static_cast<std::size_t>(kCount));
    EXPECT_EQ(a.length, 20);
    EXPECT_EQ(a.names.back(),
              (format == AlignmentFormat::Fasta ? ">s" : "s") + std::to_string(kCount - 1));
  }
}

// Names out of block order, and lines that name nothing, must not make the
// lookup scan every name each time.
TEST(ReaderRobustness, ShuffledBlocksAndStrayLinesStayQuick) {
  constexpr int kCount = 50'000;
  std::vector<int> order(kCount);
  for (int i = 0; i < kCount; ++i) order[static_cast<std::size_t>(i)] = i;
  std::string text = "MSF: 2 Type: P ..\n";
  for (int i = 0; i < kCount; ++i) text += "Name: n" + std::to_string(i) + "\n";
  text += "//\n";
  std::mt19937 random(3);
  for (int block = 0; block < 2; ++block) {
    std::shuffle(order.begin(), order.end(), random);
    for (int i : order) text += "n" + std::to_string(i) + " A\nstray line\n";
  }
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Msf, sink, a));
  EXPECT_EQ(a.length, 2);
}

// Every other header without data: dropping them must not cost a shift of
// the whole list per sequence.
TEST(ReaderRobustness, ManyHeadersWithoutDataAreDroppedQuickly) {
  std::string text;
  for (int i = 0; i < 200'000; ++i) {
    text += ">s" + std::to_string(i) + "\n";
    if (i % 2 == 1) text += "ACDE\n";
  }
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Fasta, sink, a));
  EXPECT_EQ(sink.messages().size(), 1u);
  ASSERT_EQ(a.names.size(), 100'000u);
  EXPECT_EQ(a.names.front(), ">s1");
  EXPECT_EQ(a.names.back(), ">s199999");
}

TEST(ReaderRobustness, UndeterminedFormatIsNoRead) {
  ScriptedSink sink;
  Alignment a;
  EXPECT_FALSE(readAlignment(">a\nAC\n>b\nAC\n", AlignmentFormat::Undetermined, sink, a));
}

TEST(ReaderRobustness, GuessNeverReadsPastTheText) {
  for (const std::string& text : {std::string(), std::string("CLUSTAL"), std::string("DSC"),
                                  std::string(5000, 'P') + "PHDsec", std::string("  \n\t")}) {
    const AlignmentFormat f = guessFormat(text);
    EXPECT_GE(static_cast<int>(f), 0);
    EXPECT_LE(static_cast<int>(f), 5);
  }
}

}  // namespace
}  // namespace hueset
