#include "input/format_guess.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace hueset {
namespace {

struct GuessCase {
  std::string name;
  std::string text;
  AlignmentFormat expected;
  friend void PrintTo(const GuessCase& c, std::ostream* os) { *os << c.name; }
};

class GuessFormat : public ::testing::TestWithParam<GuessCase> {};

TEST_P(GuessFormat, Guesses) {
  EXPECT_EQ(guessFormat(GetParam().text), GetParam().expected) << GetParam().name;
}

std::string padding(std::size_t n) { return std::string(n, 'x'); }

INSTANTIATE_TEST_SUITE_P(
    Cases, GuessFormat,
    ::testing::Values(
        GuessCase{"fasta_after_blank_lines", "\r\n\n  \t>seq1\nACD\n", AlignmentFormat::Fasta},
        GuessCase{"clustal_header", "CLUSTAL W (1.83) multiple sequence alignment\n\n",
                  AlignmentFormat::Clustal},
        GuessCase{"clustal_on_second_line", "title\nCLUSTAL W\n", AlignmentFormat::Msf},
        GuessCase{"clustal_exactly_seven", "CLUSTAL", AlignmentFormat::Msf},
        GuessCase{"clustal_eight", "CLUSTAL ", AlignmentFormat::Clustal},
        GuessCase{"clustal_case_sensitive", "Clustal W\n", AlignmentFormat::Msf},
        GuessCase{"dsc_before_phd", "DSC output\nPHDsec\n# saf\n", AlignmentFormat::Dsc},
        GuessCase{"dsc_exactly_three", "DSC", AlignmentFormat::Msf},
        GuessCase{"phd_msf", "header\nPHDsec\nMSF: 10\n", AlignmentFormat::PhdMsf},
        GuessCase{"phd_saf", "header\nPHDsec\n# saf\n", AlignmentFormat::PhdSaf},
        GuessCase{"saf_only_before_phd", "# saf\nPHDsec\n", AlignmentFormat::PhdMsf},
        GuessCase{"phd_at_2000_edge", padding(1994) + "PHDsec", AlignmentFormat::PhdMsf},
        GuessCase{"phd_past_2000", padding(1995) + "PHDsec", AlignmentFormat::Msf},
        GuessCase{"saf_past_2000", "PHDsec" + padding(1990) + "# saf", AlignmentFormat::PhdMsf},
        GuessCase{"window_counts_from_start", std::string(3000, ' ') + padding(1994) + "PHDsec",
                  AlignmentFormat::PhdMsf},
        GuessCase{"empty", "", AlignmentFormat::Msf},
        GuessCase{"plain_msf", "PileUp\n\n MSF: 10  Type: P\n", AlignmentFormat::Msf},
        // The later formats are guessed only where the text is unmistakably
        // theirs; near misses keep the guess the six-format rules give.
        GuessCase{"stockholm_header", "\n# STOCKHOLM 1.0\na AC\n//\n", AlignmentFormat::Stockholm},
        GuessCase{"stockholm_header_yields_to_phdsec", "# STOCKHOLM 1.0\nPHDsec\n",
                  AlignmentFormat::PhdMsf},
        GuessCase{"phylip_counts_and_matching_data", " 2 4\na   ACDE\nb   AC-E\n",
                  AlignmentFormat::Phylip},
        GuessCase{"phylip_counts_that_do_not_match", " 2 5\na   ACDE\nb   AC-E\n",
                  AlignmentFormat::Msf},
        GuessCase{"phylip_with_a_question_is_no_phylip", "2 4\na ACDE\nb AC-E\nc ACDE\n",
                  AlignmentFormat::Msf},
        GuessCase{"pir_header_and_star", ">P1;a\ndescription\nACDE*\n", AlignmentFormat::Pir},
        GuessCase{"pir_header_without_star_is_fasta", ">P1;a\ndescription\nACDE\n>P1;b\nx\nAC*\n",
                  AlignmentFormat::Fasta},
        GuessCase{"a2m_insert_columns_line_up", ">a\nA..CD\n>b\nAgtCD\n", AlignmentFormat::A2m},
        GuessCase{"a3m_lengths_differ_match_states_agree", ">a\nACD\n>b\nAgtCD\n",
                  AlignmentFormat::A3m},
        GuessCase{"a3m_after_comment_lines", "#A3M#\n>a\nACD\n>b\nAgtCD\n", AlignmentFormat::A3m},
        GuessCase{"lower_case_in_other_columns_is_fasta", ">a\nAcCD\n>b\nAGcD\n",
                  AlignmentFormat::Fasta},
        GuessCase{"all_lower_case_fasta_is_fasta", ">a\nacd-\n>b\nac-d\n", AlignmentFormat::Fasta},
        GuessCase{"a_second_word_keeps_fasta", ">a\nACDEF extra\n>b\nACDEF\n",
                  AlignmentFormat::Fasta},
        GuessCase{"one_sequence_is_fasta", ">a\nAgtCD\n", AlignmentFormat::Fasta},
        GuessCase{"upper_case_fasta_is_fasta", ">a\nACD\n>b\nA-D\n", AlignmentFormat::Fasta}),
    [](const auto& info) { return info.param.name; });

TEST(GuessFormatForFile, ExtensionSpeaksOnlyForTextsWithoutKeywords) {
  struct Case {
    const char* what;
    std::string text;
    const char* path;
    AlignmentFormat expected;
  };
  const Case cases[] = {
      {"a broken PHYLIP file gets PHYLIP messages", "2 5\na ACD\n", "x.phy",
       AlignmentFormat::Phylip},
      {"also under .gz, letter case aside", "2 5\na ACD\n", "X.PHYLIP.GZ", AlignmentFormat::Phylip},
      {"a keyword beats the extension", ">a\nACD\n", "x.sto", AlignmentFormat::Fasta},
      {"an MSF header beats the extension", "x MSF: 3 Type: P ..\n", "x.pir", AlignmentFormat::Msf},
      {"other extensions change nothing", "2 5\na ACD\n", "x.txt", AlignmentFormat::Msf},
      {"a PIR entry missing its '*' is read as the .pir it is named, not as FASTA",
       ">P1;a\nglobin\nACD\n>P1;b\nglobin\nACD*\n", "g.pir", AlignmentFormat::Pir},
      {"a FASTA-like text named .a3m goes to the A3M reader", ">a\nACD\n>b\nACD\n", "x.a3m",
       AlignmentFormat::A3m},
      {"FASTA named as FASTA stays FASTA", ">a\nACD\n>b\nACD\n", "x.fa", AlignmentFormat::Fasta},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(guessFormatForFile(c.text, c.path), c.expected) << c.what;
  }
  for (const char* name : {"a.sto", "a.stk", "a.sth", "a.a2m", "a.a3m", "a.phy", "a.phylip",
                           "a.pir", "a.nbrf", "a.sto.gz"}) {
    EXPECT_TRUE(formatForExtension(name).has_value()) << name;
  }
}

TEST(GuessFormatText, StopsAtNul) {
  using namespace std::string_view_literals;
  // Every check ends where the text does, at its first NUL.
  const std::pair<std::string_view, AlignmentFormat> cases[] = {
      {"x\0PHDsec"sv, AlignmentFormat::Msf},
      {"CLUSTAL\0 W"sv, AlignmentFormat::Msf},
      {"CLUSTAL \0"sv, AlignmentFormat::Clustal},
      {"DSC\0"sv, AlignmentFormat::Msf},
      {">a\nACD\0\n>b\nAgtCD\n"sv, AlignmentFormat::Fasta},
      {"2 4\na ACDE\0\nb AC-E\n"sv, AlignmentFormat::Msf},
      {"2 4\na ACDE\nb AC-E\0\n"sv, AlignmentFormat::Phylip},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(guessFormat(text), expected) << text;
  EXPECT_EQ(guessFormatForFile("x\0 MSF: 3 Type: P ..\n"sv, "a.phy"), AlignmentFormat::Phylip);
  EXPECT_EQ(guessFormatForFile("x MSF: 3 Type: P ..\n\0"sv, "a.phy"), AlignmentFormat::Msf);
}

TEST(FormatChoice, LaterFormatsFollowTheSixInTheList) {
  EXPECT_EQ(FormatChoice::forGuess(AlignmentFormat::Stockholm).selected, 6);
  FormatChoice choice = FormatChoice::forGuess(AlignmentFormat::Pir);
  EXPECT_EQ(formatList()[static_cast<std::size_t>(choice.selected)].label, "PIR/NBRF");
  choice.selected = 7;
  EXPECT_EQ(choice.chosen(), AlignmentFormat::A2m);
  for (std::size_t i = 0; i < kFormatLabels.size(); ++i)
    EXPECT_EQ(formatList()[i].label, kFormatLabels[i]);
}

TEST(FormatChoice, SelectsTheGuessAndReturnsTheChoice) {
  auto choice = FormatChoice::forGuess(AlignmentFormat::Clustal);
  EXPECT_EQ(choice.selected, 1);
  EXPECT_EQ(kFormatLabels[static_cast<std::size_t>(choice.selected)], "CLUSTAL");
  EXPECT_EQ(choice.prompt, "Please select the data format of the aligned sequences.");
  choice.selected = 5;
  EXPECT_EQ(choice.chosen(), AlignmentFormat::Dsc);
  EXPECT_EQ(FormatChoice::forGuess(AlignmentFormat::Undetermined).selected, -1);
  EXPECT_EQ(FormatChoice::forGuess(AlignmentFormat::Undetermined).chosen(),
            AlignmentFormat::Undetermined);
}

}  // namespace
}  // namespace hueset
