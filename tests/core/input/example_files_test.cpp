#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "input/read_alignment.h"
#include "input/format_guess.h"
#include "support/scripted_sink.h"
#include "support/test_files.h"

namespace hueset {
namespace {

using testing::ScriptedSink;

// The whole outcome of a read, for comparison with a golden file.
std::string describe(bool ok, const Alignment& a, const ScriptedSink& sink) {
  std::string out = ok ? "read\n" : "failed\n";
  out += "format " + std::to_string(static_cast<int>(a.format)) + "\n";
  if (ok) {
    out += "length " + std::to_string(a.length) + "\n";
    for (std::size_t i = 0; i < a.names.size(); ++i) {
      out += "sequence " + a.names[i] + "\n" + a.residues[i] + "\n";
    }
    for (std::size_t i = 0; i < a.trackLabels.size(); ++i) {
      out += "track " + a.trackLabels[i] + "\n" + a.tracks[i] + "\n";
    }
  }
  out += "messages\n" + sink.transcript();
  for (const auto& m : sink.messages()) {
    for (std::size_t i = 0; i < m.names.size(); ++i) {
      out += "  " + m.names[i] + " " + std::to_string(m.lengths[i]) + "\n";
    }
  }
  return out;
}

struct ExampleFile {
  const char* file;
  AlignmentFormat guessed;
  bool ok;
};

class ExampleFiles : public ::testing::TestWithParam<ExampleFile> {};

TEST_P(ExampleFiles, ReadAsTheGoldenFileSays) {
  const ExampleFile& example = GetParam();
  const std::string text = testing::readTestFile(std::string("input/") + example.file);
  ASSERT_FALSE(text.empty());
  const AlignmentFormat format = guessFormat(text);
  EXPECT_EQ(format, example.guessed);
  ScriptedSink sink;
  Alignment a;
  const bool ok = readAlignment(text, format, sink, a);
  EXPECT_EQ(ok, example.ok) << sink.transcript();
  testing::expectMatchesGolden(describe(ok, a, sink),
                               std::string("input/expected/") + example.file + ".txt");
}

INSTANTIATE_TEST_SUITE_P(
    Files, ExampleFiles,
    ::testing::Values(ExampleFile{"gcg_pileup.msf", AlignmentFormat::Msf, true},
                      ExampleFile{"crlf_title_mentions_msf.msf", AlignmentFormat::Msf, true},
                      ExampleFile{"clustalw_conservation.aln", AlignmentFormat::Clustal, true},
                      ExampleFile{"clustal_omega_crlf.aln", AlignmentFormat::Clustal, true},
                      ExampleFile{"clustal_late_sequence.aln", AlignmentFormat::Clustal, false},
                      ExampleFile{"aligned_descriptions.fasta", AlignmentFormat::Fasta, true},
                      ExampleFile{"phd_msf_flavour.phd", AlignmentFormat::PhdMsf, true},
                      ExampleFile{"phd_saf_flavour.phd", AlignmentFormat::PhdSaf, true},
                      ExampleFile{"dsc_prediction.dsc", AlignmentFormat::Dsc, true}),
    [](const auto& info) {
      std::string name = info.param.file;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(ExampleFiles, PhdOptionsOnTheRealOutput) {
  const std::string text = testing::readTestFile("input/phd_saf_flavour.phd");
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::PhdSaf, sink, a, {false, false, true}));
  EXPECT_EQ(a.trackLabels, (std::vector<std::string>{"PHD"}));
  ASSERT_EQ(a.tracks.size(), 1u);
  EXPECT_EQ(a.tracks[0].size(), a.residues[0].size());
  // The subset row keeps its full stops: nothing was merged into it.
  EXPECT_NE(a.tracks[0].find('.'), std::string::npos);

  ASSERT_TRUE(readAlignment(text, AlignmentFormat::PhdSaf, sink, a, {false, true, true}));
  EXPECT_EQ(a.tracks[0].find('.'), std::string::npos);
}

TEST(ExampleFiles, DscOptionsOnTheRealOutput) {
  const std::string text = testing::readTestFile("input/dsc_prediction.dsc");
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Dsc, sink, a, {true, false, false}));
  EXPECT_EQ(a.trackLabels, (std::vector<std::string>{"DSC", "P_H", "P_E"}));
  EXPECT_EQ(a.tracks[0].find('C'), std::string::npos);
  EXPECT_EQ(sink.transcript(), "");
}

}  // namespace
}  // namespace hueset
