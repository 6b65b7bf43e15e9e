#include <gtest/gtest.h>

#include <string>

#include "core/input/reader_cases.h"
#include "input/format_readers.h"

namespace hueset {
namespace {

using test::kProceed;
using test::ScriptedSink;

const std::string kRule(70, '_');

TEST(ClustalReader, ReadsBlocksAndSkipsConservationLinesAndCounts) {
  const std::string text =
      "CLUSTAL W (1.83) multiple sequence alignment\n"
      "\n"
      "seq1      ACDEF-GH\t7\n"
      "seq2      ACDEFWGH\t8\n"
      "          *****.**\n"
      "\n"
      "seq1      IKLM 11\n"
      "seq2      IK-M 11\n"
      "          ** *\n"
      "\n"
      "seq1      NP\n"
      "seq2      NP\n";
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Clustal, sink, a)) << sink.transcript();
  EXPECT_EQ(sink.transcript(), "");
  EXPECT_EQ(a.names, (std::vector<std::string>{"seq1", "seq2"}));
  EXPECT_EQ(a.residues, (std::vector<std::string>{"ACDEF-GHIKLMNP", "ACDEFWGHIK-MNP"}));
  EXPECT_EQ(a.length, 14);
}

struct HeaderCase {
  const char* text;
  bool ok;
  const char* transcript;
};

class ClustalHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(ClustalHeader, IsCheckedOnlyWhenLongEnoughAndNotLast) {
  ScriptedSink sink;
  Alignment a;
  EXPECT_EQ(readAlignment(GetParam().text, AlignmentFormat::Clustal, sink, a), GetParam().ok);
  EXPECT_EQ(sink.transcript(), GetParam().transcript);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClustalHeader,
    ::testing::Values(
        HeaderCase{"\n\n  indented\nMy alignment title\na AC\n", false,
                   "E 4: This is not a valid CLUSTAL file.\r\nThe keyword CLUSTAL must appear "
                   "at the beginning of a line before the alignment.\n"},
        HeaderCase{"CLUSx\na AC\n", true, ""},
        HeaderCase{"short\na AC\nb AC\n", true, ""},  // under 7 characters: not tested
        HeaderCase{"ABCDEF\r\na AC\n", false,         // the CR counts
                   "E 1: This is not a valid CLUSTAL file.\r\nThe keyword CLUSTAL must appear "
                   "at the beginning of a line before the alignment.\n"},
        HeaderCase{"Long title, last line", false,  // header only: no data
                   "E 1: This is not a valid CLUSTAL file.\r\nNo sequence data could be found in "
                   "any of the 1 lines.\n"},
        HeaderCase{"CLUSTAL\n\n", false,
                   "E 3: This is not a valid CLUSTAL file.\r\nNo sequence data could be found in "
                   "any of the 3 lines.\n"}));

TEST(ClustalReader, NameWithoutDataIsAskedAboutAndIgnored) {
  const Alignment a = test::expectQuestions(
      AlignmentFormat::Clustal, "CLUSTAL\n\na AC\nb AC\nlonely\r\na DE 4\nb DE 4\n",
      "Q 5: There is an error in the CLUSTAL file.\r\nLine 5 contains a sequence name \"lonely\" "
      "not followed by any data and will be ignored." +
          kProceed + "\n");
  EXPECT_EQ(test::outcomeOf(true, a), "a=ACDE b=ACDE");
}

TEST(ClustalReader, SequenceIntroducedLateIsAppendedAndFailsOnLength) {
  const std::string text = "CLUSTAL\n\na ACD\nb ACD\n\na EFG\nc EFG\nb EFG\n";
  ScriptedSink sink;
  Alignment a;
  EXPECT_FALSE(readAlignment(text, AlignmentFormat::Clustal, sink, a));
  ASSERT_EQ(sink.messages().size(), 1u);
  EXPECT_EQ(sink.messages()[0].kind, ScriptedSink::Kind::UnequalLengths);
  EXPECT_EQ(sink.messages()[0].text, "This is not a valid CLUSTAL file.\r\n");
  EXPECT_EQ(sink.messages()[0].names, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(sink.messages()[0].lengths, (std::vector<std::size_t>{6, 6, 3}));
}

TEST(ClustalReader, SafPartStartsAfterTheKeywordAndEndsAtTheRule) {
  const std::string text =
      "PHDsec output\n"
      "#saf: no blank\n"  // not "# saf" in its first five characters
      "#   saf\n"
      "# SaF\n"
      "# a comment\n"
      "q    AC.EF GH\n"
      "h1   ACDEF GH\n"
      "\n"
      "q    IK\n"
      "h1   I-\n" +
      kRule +
      "\n"
      "q    XX\n";
  ScriptedSink sink;
  Alignment a;
  a.format = AlignmentFormat::PhdSaf;
  ClustalReader reader(sink);
  ASSERT_TRUE(reader.read(text, a)) << sink.transcript();
  EXPECT_EQ(a.names, (std::vector<std::string>{"q", "h1"}));
  EXPECT_EQ(a.residues, (std::vector<std::string>{"AC.EFGHIK", "ACDEFGHI-"}));
  EXPECT_EQ(a.length, 9);
  EXPECT_EQ(reader.lineCount(), 11);
  EXPECT_EQ(text.substr(*reader.position().cursor), "q    XX\n");
}

TEST(ClustalReader, SafWithoutKeywordFailsWithoutSelectingALine) {
  test::expectMessages(
      AlignmentFormat::PhdSaf,
      {"no \"# saf\"", "PHDsec\nq AC\n", false,
       "E 0: This is not a valid PHD file.\r\nNo SAF data could be found after 3 lines (the "
       "\"# saf\" keyword was missing).\n"});
}

TEST(ClustalReader, SafLineOfMoreThanSixtyResiduesIsAskedAbout) {
  const std::string text =
      "# saf\nq " + std::string(61, 'A') + "\nq " + std::string(60, 'A') + "\n" + kRule + "\n";
  ScriptedSink sink;
  Alignment a;
  a.format = AlignmentFormat::PhdSaf;
  ClustalReader reader(sink);
  ASSERT_TRUE(reader.read(text, a));
  EXPECT_EQ(sink.transcript(),
            "Q 2: There is an error in the PHD file.\r\nThe sequence on Line 2 "
            "contains too many amino acids." +
                kProceed + "\n");
  EXPECT_EQ(a.length, 121);
}

TEST(ClustalReader, ClustalDataIsOnlyTheSecondWord) {
  // In CLUSTAL everything after the residues is a count; in SAF it is data.
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment("CLUSTAL\na AC DE\n", AlignmentFormat::Clustal, sink, a));
  EXPECT_EQ(a.residues[0], "AC");
  a = Alignment{};
  a.format = AlignmentFormat::PhdSaf;
  ClustalReader reader(sink);
  ASSERT_TRUE(reader.read("# saf\na AC DE\n", a));
  EXPECT_EQ(a.residues[0], "ACDE");
}

}  // namespace
}  // namespace hueset
