#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

#include "input/document_text.h"
#include "input/format_guess.h"
#include "input/format_table.h"
#include "input/read_alignment.h"
#include "support/scripted_sink.h"
#include "support/test_files.h"

namespace hueset {
namespace {

using test::ScriptedSink;

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

// The test's name: the file's, with anything but letters and digits as "_".
std::string fileTestName(const ::testing::TestParamInfo<ExampleFile>& info) {
  std::string name = info.param.file;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

// Every file is read through the document decoding, as a file is opened, so
// the compressed ones read like the others.
class ExampleFiles : public ::testing::TestWithParam<ExampleFile> {};

TEST_P(ExampleFiles, ReadAsTheGoldenFileSays) {
  const ExampleFile& example = GetParam();
  const DocumentText document =
      decodeDocument(test::readTestFile(std::string("input/") + example.file));
  ASSERT_TRUE(document.ok()) << document.message;
  ASSERT_FALSE(document.text.empty());
  const AlignmentFormat format = guessFormat(document.text);
  EXPECT_EQ(format, example.guessed);
  ScriptedSink sink;
  Alignment a;
  const bool ok = readAlignment(document.text, format, sink, a);
  EXPECT_EQ(ok, example.ok) << sink.transcript();
  test::expectMatchesGolden(describe(ok, a, sink),
                            std::string("input/expected/") + example.file + ".txt");
}

const ExampleFile kExampleFiles[] = {
    ExampleFile{"gcg_pileup.msf", AlignmentFormat::Msf, true},
    ExampleFile{"crlf_title_mentions_msf.msf", AlignmentFormat::Msf, true},
    ExampleFile{"clustalw_conservation.aln", AlignmentFormat::Clustal, true},
    ExampleFile{"clustal_omega_crlf.aln", AlignmentFormat::Clustal, true},
    ExampleFile{"clustal_late_sequence.aln", AlignmentFormat::Clustal, false},
    ExampleFile{"aligned_descriptions.fasta", AlignmentFormat::Fasta, true},
    ExampleFile{"phd_msf_flavour.phd", AlignmentFormat::PhdMsf, true},
    ExampleFile{"phd_saf_flavour.phd", AlignmentFormat::PhdSaf, true},
    ExampleFile{"dsc_prediction.dsc", AlignmentFormat::Dsc, true},
    // Files written by the tools that use the later formats.
    ExampleFile{"globins4.sto", AlignmentFormat::Stockholm, true},
    ExampleFile{"fn3.sto", AlignmentFormat::Stockholm, true},
    ExampleFile{"RRM_1.sto.gz", AlignmentFormat::Stockholm, true},
    ExampleFile{"hmmalign_globins8.sto", AlignmentFormat::Stockholm, true},
    ExampleFile{"globins4.a2m", AlignmentFormat::A2m, true},
    // HMMER writes A2M without the "." of the insert
    // columns, which is the A3M layout.
    ExampleFile{"hmmalign_globins8.a2m", AlignmentFormat::A3m, true},
    ExampleFile{"globins4.a3m", AlignmentFormat::A3m, true},
    ExampleFile{"hhfilter_globins8.a3m", AlignmentFormat::A3m, true},
    ExampleFile{"globins4.phy", AlignmentFormat::Phylip, true},
    ExampleFile{"globins4_sequential.phy", AlignmentFormat::Phylip, true},
    ExampleFile{"clustalo_globins8.phy", AlignmentFormat::Phylip, true},
    ExampleFile{"mafft_globins8.phy", AlignmentFormat::Phylip, true},
    ExampleFile{"globins4.pir", AlignmentFormat::Pir, true},
    ExampleFile{"seqret_globins8.pir", AlignmentFormat::Pir, true},
    // Files other readers take in one way only. Easel's sequential PHYLIP
    // also balances as interleaved, with rows of residues for names.
    ExampleFile{"hmmalign_globins10_sequential.phy", AlignmentFormat::Phylip, true},
    // Three data sets: the first is read, the others are counted.
    ExampleFile{"biopython_datasets.phy", AlignmentFormat::Phylip, true},
    // HH-suite's pairwise A3M: "ss_dssp" after the query's sequences, and
    // the template named as the query's first sequence is.
    ExampleFile{"hhalign_pairwise.a3m", AlignmentFormat::A3m, true},
    // A "C;" comment before the first entry.
    ExampleFile{"comment_globins4.pir", AlignmentFormat::Pir, true}};

INSTANTIATE_TEST_SUITE_P(Files, ExampleFiles, ::testing::ValuesIn(kExampleFiles), fileTestName);

// A format of the table without a file its tools wrote, guessed and read as
// that format, has never been tried on real input.
TEST(ExampleFiles, EveryFormatOfTheTableHasOneThatReads) {
  for (const FormatDescriptor& row : formatTable()) {
    const bool covered =
        std::any_of(std::begin(kExampleFiles), std::end(kExampleFiles),
                    [&row](const ExampleFile& e) { return e.guessed == row.format && e.ok; });
    EXPECT_TRUE(covered) << row.label << " has no example file";
  }
}

// Upper case, one gap symbol: the forms differ only in how they mark
// insert states and gaps.
std::string plainResidues(std::string row, bool dropGaps) {
  std::string out;
  for (char c : row) {
    const bool gap = c == '-' || c == '.' || c == '~';
    if (gap && dropGaps) continue;
    out += gap ? '-' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return out;
}

Alignment readFile(const std::string& file, ReadSettings settings = {}) {
  const DocumentText document = decodeDocument(test::readTestFile("input/" + file));
  ScriptedSink sink;
  Alignment a;
  EXPECT_TRUE(readAlignment(document.text, guessFormat(document.text), sink, a, settings)) << file;
  EXPECT_EQ(sink.transcript(), "") << file;
  return a;
}

TEST(ExampleFiles, OneAlignmentInEveryFormGivesTheSameNamesAndResidues) {
  // The HMMER tutorial's globins4.sto, converted by seqret and by
  // HH-suite's reformat.pl. A3M drops the columns that are gaps everywhere,
  // so it keeps the residues but not every column.
  const Alignment stockholm = readFile("globins4.sto");
  ASSERT_EQ(stockholm.names.size(), 4u);
  for (const char* file : {"globins4.a2m", "globins4.a3m", "globins4.phy",
                           "globins4_sequential.phy", "globins4.pir", "globins4.aln"}) {
    SCOPED_TRACE(file);
    const Alignment other = readFile(file);
    EXPECT_EQ(other.names, stockholm.names);
    const bool sameColumns = std::string(file) != "globins4.a3m";
    for (std::size_t i = 0; i < stockholm.residues.size() && i < other.residues.size(); ++i) {
      EXPECT_EQ(plainResidues(other.residues[i], !sameColumns),
                plainResidues(stockholm.residues[i], !sameColumns));
    }
  }
  // Both insert forms agree exactly once only the match states are kept.
  ReadSettings matchStates;
  matchStates.matchStatesOnly = true;
  EXPECT_EQ(readFile("globins4.a2m", matchStates).residues,
            readFile("globins4.a3m", matchStates).residues);
  EXPECT_EQ(readFile("hmmalign_globins8.a2m", matchStates).residues,
            readFile("hhfilter_globins8.a3m", matchStates).residues);
}

TEST(ExampleFiles, PhdOptionsOnTheRealOutput) {
  const std::string text = test::readTestFile("input/phd_saf_flavour.phd");
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
  const std::string text = test::readTestFile("input/dsc_prediction.dsc");
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Dsc, sink, a, {true, false, false}));
  EXPECT_EQ(a.trackLabels, (std::vector<std::string>{"DSC", "P_H", "P_E"}));
  EXPECT_EQ(a.tracks[0].find('C'), std::string::npos);
  EXPECT_EQ(sink.transcript(), "");
}

}  // namespace
}  // namespace hueset
