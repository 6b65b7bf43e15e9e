#include <gtest/gtest.h>

#include "input/format_guess.h"

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
        GuessCase{"plain_msf", "PileUp\n\n MSF: 10  Type: P\n", AlignmentFormat::Msf}),
    [](const auto& info) { return info.param.name; });

TEST(GuessFormatText, StopsAtNul) {
  EXPECT_EQ(guessFormat(std::string_view("x\0PHDsec", 8)), AlignmentFormat::Msf);
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
