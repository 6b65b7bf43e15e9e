#include <gtest/gtest.h>

#include <string>

#include "core/input/reader_cases.h"

namespace hueset {
namespace {

using test::kProceed;
using test::ScriptedSink;

const std::string kFastaError = test::errorInFileHeading("FASTA");

bool readFasta(const std::string& text, ScriptedSink& sink, Alignment& a) {
  return readAlignment(text, AlignmentFormat::Fasta, sink, a);
}

TEST(FastaReader, JoinsDataLinesAndKeepsTheWholeHeaderAsName) {
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(
      readFasta(">one first sequence\nACDEFGHIKL\nMNPQRSTVWY\n>two\nACDEFGHIKL\n"
                "MNPQRSTV-.\n",
                sink, a));
  EXPECT_EQ(sink.transcript(), "");
  EXPECT_EQ(a.names, (std::vector<std::string>{">one first sequence", ">two"}));
  EXPECT_EQ(a.residues, (std::vector<std::string>{"ACDEFGHIKLMNPQRSTVWY", "ACDEFGHIKLMNPQRSTV-."}));
  EXPECT_EQ(a.length, 20);
  EXPECT_EQ(a.format, AlignmentFormat::Fasta);
}

TEST(FastaReader, CarriageReturnsReadLikeLineFeedsAlone) {
  const std::string lf = ">a x\nAC GT\n\n  DE\n>b\nACDE\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ScriptedSink lfSink, crlfSink;
  Alignment a, b;
  ASSERT_TRUE(readFasta(lf, lfSink, a));
  ASSERT_TRUE(readFasta(crlf, crlfSink, b));
  EXPECT_EQ(a.names, b.names);
  EXPECT_EQ(a.residues, b.residues);
  EXPECT_EQ(lfSink.transcript(), crlfSink.transcript());
  EXPECT_EQ(b.names[0], ">a x");
}

// Letters above ASCII (a UTF-8 "é", a Latin-1 one) are part of the name.
TEST(FastaReader, HeaderNameEndsAtTheFirstControlCharacter) {
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(
      readFasta(">a b\tc\nA\n>d\x01zz\nA\n>caf\xC3\xA9 1\nA\n>caf\xE9\x7F 2\nA\n", sink, a));
  EXPECT_EQ(a.names, (std::vector<std::string>{">a b", ">d", ">caf\xC3\xA9 1", ">caf\xE9"}));
}

TEST(FastaReader, SecondWordOnADataLineIsAskedAboutOnce) {
  const Alignment a = test::expectQuestions(
      AlignmentFormat::Fasta, ">a\nACGT  TTTT more words\r\n>b\nACGT\n",
      "Q 2: " + kFastaError +
          "Line 2 contains whitespace such as tabs etc. Text after this will be discarded.\r\n"
          "(\"TTTT more words\")." +
          kProceed + "\n");
  EXPECT_EQ(a.residues, (std::vector<std::string>{"ACGT", "ACGT"}));
  ScriptedSink no({true});
  Alignment stopped;
  EXPECT_FALSE(readFasta(">a\nACGT TTTT\n", no, stopped));
}

struct FailCase {
  const char* text;
  const char* transcript;
};

class FastaFailure : public ::testing::TestWithParam<FailCase> {};

TEST_P(FastaFailure, FailsWithTheExactMessage) {
  ScriptedSink sink;
  Alignment a;
  EXPECT_FALSE(readFasta(GetParam().text, sink, a));
  EXPECT_EQ(sink.transcript(), GetParam().transcript);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FastaFailure,
    ::testing::Values(
        FailCase{"\n>a\nAC\n",
                 "E 1: This is not a valid FASTA file.\r\nThe first line of text should be the "
                 "sequence ID (Name) receded by a \">\" (greater than sign).\n"},
        FailCase{" >a\nAC\n",
                 "E 1: This is not a valid FASTA file.\r\nThe first line of text should be the "
                 "sequence ID (Name) receded by a \">\" (greater than sign).\n"},
        FailCase{"",
                 "E 1: This is not a valid FASTA file.\r\nThe first line of text should be the "
                 "sequence ID (Name) receded by a \">\" (greater than sign).\n"},
        FailCase{">a\nAC\n>b\nAC\n>a\nAC\n",
                 "E 0: This is not a valid FASTA file.\r\nAll Sequence Names must be unique. "
                 "There were 1 duplicate(s).\n"},
        FailCase{">a\n>b\n\n",
                 "E 4: This is not a valid FASTA file.\r\nNo sequence data could be found in "
                 "any of the 4 lines.\n"},
        FailCase{">a\nAC\n>b\nACD\n", "U 0: This is not a valid FASTA file.\r\n\n"}));

TEST(FastaReader, HeadersDifferingInDescriptionAreDifferentNames) {
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readFasta(">a one\nAC\n>a two\nAC\n", sink, a));
  EXPECT_EQ(a.names.size(), 2u);
}

// The first-word option names a sequence as most tools do, and the whole
// header stays the name where there is no word to take.
TEST(FastaReader, FirstWordNamesWhenAsked) {
  ReadSettings settings;
  settings.fastaNameFirstWord = true;
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(">sp|P69905|HBA_HUMAN Hemoglobin alpha\nAC\n>  b2 x\nAC\n>\nAC\n",
                            AlignmentFormat::Fasta, sink, a, settings));
  EXPECT_EQ(a.names, (std::vector<std::string>{"sp|P69905|HBA_HUMAN", "b2", ">"}));
  EXPECT_FALSE(readAlignment(">a one\nAC\n>a two\nAC\n", AlignmentFormat::Fasta, sink, a, settings))
      << "two headers of one first word are the same name";
}

TEST(FastaReader, SequencesWithoutDataAreDroppedAfterAsking) {
  const Alignment a = test::expectQuestions(
      AlignmentFormat::Fasta, ">a\n>b\nACGT\n>c\n>d\nACGT\n",
      "Q 0: " + kFastaError +
          "One or more of the sequences names (e.g. >c) were not followed by data lines and must "
          "be discarded." +
          kProceed + "\n");
  EXPECT_EQ(a.names, (std::vector<std::string>{">b", ">d"}));
  EXPECT_EQ(a.length, 4);
}

}  // namespace
}  // namespace hueset
