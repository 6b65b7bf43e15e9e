#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <string>

#include "core/input/reader_cases.h"
#include "input/format_readers.h"

namespace hueset {
namespace {

using test::kProceed;
using test::MessageCase;
using test::ScriptedSink;

const std::string kInvalid = test::invalidFileHeading("MSF");
const std::string kMsfError = test::errorInFileHeading("MSF");

// Two sequences of ten residues under the given header line.
std::string twoSequences(const std::string& header) {
  return header +
         "\n\n Name: alpha Len: 10\n Name: beta Len: 10\n//\n\n"
         "alpha ACDEF GHIKL\n"
         "beta  ACDEF GHIK.\n";
}

struct HeaderCase {
  const char* header;
  bool ok;
  const char* transcript;  // messages expected, "" for none
};

class MsfHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(MsfHeader, GivesTheExpectedMessages) {
  const HeaderCase& c = GetParam();
  ScriptedSink sink;  // questions answered Yes
  Alignment a;
  EXPECT_EQ(readAlignment(twoSequences(c.header), AlignmentFormat::Msf, sink, a), c.ok);
  EXPECT_EQ(sink.transcript(), c.transcript);
  if (c.ok) {
    EXPECT_EQ(a.length, 10);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MsfHeader,
    ::testing::Values(
        HeaderCase{" x.msf  MSF: 10  Type: P  Check: 1234  ..", true, ""},
        HeaderCase{"MSF:10 type: p ..", true, ""}, HeaderCase{" MSF: 10 Type: P ..\r", true, ""},
        HeaderCase{" x.msf  MSF: 10  Type: N  Check: 1234  ..", false,
                   "E 1: This is not a valid MSF file.\r\nThe Sequence Type on line 1 should be "
                   "given as \"Type: P\" (protein), instead of \"Type: N\".\n"},
        HeaderCase{" MSF: 40000 Type: P ..", false,
                   "E 1: This is not a valid MSF file.\r\nThe alignment length given on line 1 "
                   "of the MSF header was much too large. (\"MSF:  40000\")\n"},
        HeaderCase{" MSF: -5 Type: P ..", false,
                   "E 1: This is not a valid MSF file.\r\nThe alignment length given on line 1 "
                   "of the MSF header was much too large. (\"MSF:  -5\")\n"},
        HeaderCase{" MSF: 99999999999999999999999 Type: P ..", false,
                   "E 1: This is not a valid MSF file.\r\nThe alignment length given on line 1 "
                   "of the MSF header was much too large. (\"MSF:  99999999999999999999999\")\n"},
        HeaderCase{" MSF: 10 Kind: P ..", false,
                   "E 1: This is not a valid MSF file.\r\nLine 1 should contain the keyword "
                   "\"Type:\"\n"},
        HeaderCase{" MSF: 10 Type: ..", false,
                   "E 1: This is not a valid MSF file.\r\nThe Sequence Type on line 1 should be "
                   "given as \"Type: P\" (protein), instead of \"Type: ..\".\n"},
        HeaderCase{" MSF: 10 Type: P", true,
                   "Q 1: There is an error in the MSF file.\r\nLine 1 should end with a pair of "
                   "full stops (\"..\").\r\nDo you wish to proceed regardless?\n"},
        HeaderCase{" MSF: 10 Type: P .. 12:00 .. x", true,
                   "Q 1: There is an error in the MSF file.\r\nLine 1 should end with a pair of "
                   "full stops (\"..\").\r\nDo you wish to proceed regardless?\n"},
        // A length without digits counts as 0, which the real length then corrects.
        HeaderCase{" MSF: abc Type: P ..", true,
                   "Q 0: There is an error in the MSF file.\r\nThe Sequence Length given in the "
                   "file header (0)\r\n\tdid not match the real Sequence Lengths (10)!\r\nDo you "
                   "wish to proceed regardless?\n"}));

TEST(MsfReader, SectionErrorsFailWithTheirMessage) {
  const MessageCase cases[] = {
      {"no keyword: the number of lines, and no line", "one\ntwo\nthree\n", false,
       "E 0: " + kInvalid +
           "MSF files should contain the keyword \"MSF:\". \r\nThis was not found in any of the 4 "
           "lines.\n"},
      {"the last keyword line is the header, even without a type", "title\nMSF: 10 ..\n", false,
       "E 2: " + kInvalid + "Line 2 should contain the keyword \"Type:\"\n"},
      {"duplicate names", "MSF: 1 Type: P ..\nName: x\nName: y\nName: x\n//\nx A\ny A\n", false,
       "E 0: " + kInvalid + "All Sequence Names must be unique. There were 1 duplicate(s).\n"},
      {"no end of the names", "MSF: 1 Type: P ..\nName: x\nx A\n", false,
       "E 0: " + kInvalid +
           "It ended prematurely after 4 lines without any sequence residue data.\n"},
      {"a names section without names fails at its end",
       "MSF: 1 Type: P ..\n\nNo names here\n//\nx A\n", false,
       "E 4: " + kInvalid +
           "No sequence names (\"Name:\" lines) were found before the \"//\" on line 4.\n"},
      {"a name without data: the last such name",
       "MSF: 1 Type: P ..\nName: x\nName: y\nName: z\n//\ny A\n", false,
       "E 0: " + kInvalid +
           "No data in any of the 7 lines could be matched to the sequence \"z\"\n"},
  };
  for (const MessageCase& c : cases) test::expectMessages(AlignmentFormat::Msf, c);
}

TEST(MsfReader, TitleMentioningTheKeywordIsPassedOver) {
  ScriptedSink sink;
  Alignment a;
  const std::string text = "Converted to MSF: see below\n" + twoSequences(" MSF: 10 Type: P ..");
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Msf, sink, a)) << sink.transcript();
  EXPECT_EQ(sink.transcript(), "");
  EXPECT_EQ(a.names, (std::vector<std::string>{"alpha", "beta"}));
}

TEST(MsfReader, QuestionAnsweredNoEndsTheRead) {
  ScriptedSink sink({true});
  Alignment a;
  EXPECT_FALSE(readAlignment(twoSequences(" MSF: 10 Type: P"), AlignmentFormat::Msf, sink, a));
  EXPECT_EQ(sink.messages().size(), 1u);
}

TEST(MsfReader, ReadsResiduesAcrossBlocksAndIgnoresRulers) {
  const std::string text =
      "MSF: 14 Type: P ..\n"
      " Name: a\n Name: b\n"
      "//\n"
      "      1        10\n"
      "a  AC~~E fghIK\n"
      "b  A-.CE 123IK\n"
      "\n"
      "      11\n"
      "a  LMNP\n"
      "b  LMN*\n";
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Msf, sink, a)) << sink.transcript();
  EXPECT_EQ(a.residues, (std::vector<std::string>{"AC~~EfghIKLMNP", "A-.CE123IKLMN*"}));
  EXPECT_EQ(a.length, 14);
  EXPECT_EQ(a.format, AlignmentFormat::Msf);
  EXPECT_TRUE(a.trackLabels.empty());
}

TEST(MsfReader, LongNameIsAskedAboutAndKeptWhole) {
  const std::string text =
      "MSF: 3 Type: P ..\n"
      " Name: SIXTEEN_CHARS_AB oo Len: 3\n"
      " Name: short\n"
      "//\n"
      "SIXTEEN_CHARS_AB ACD\n"
      "short ACD\n";
  const Alignment a = test::expectQuestions(
      AlignmentFormat::Msf, text,
      "Q 2: " + kMsfError +
          "Line 2 contains the Sequence Name\r\n\"SIXTEEN_CHARS_AB\"\r\nwhich is longer than the "
          "allowed 15 characters." +
          kProceed + "\n");
  EXPECT_EQ(test::outcomeOf(true, a), "SIXTEEN_CHARS_AB=ACD short=ACD");
}

TEST(MsfReader, NameLinesAreFoundWithoutRegardToCase) {
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment("MSF: 1 Type: P ..\nNAME: x\nname:\ty\n//\nx A\ny C\n",
                            AlignmentFormat::Msf, sink, a));
  EXPECT_EQ(a.names, (std::vector<std::string>{"x", "y"}));
}

TEST(MsfReader, EveryOverlongDataLineIsAskedAbout) {
  const std::string residues51(51, 'A');
  const std::string text = "MSF: 102 Type: P ..\nName: x\n//\nx " + residues51 + "\nx " +
                           std::string(50, 'A') + "\nx " + residues51.substr(0, 1) + "\n";
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text + "\n", AlignmentFormat::Msf, sink, a));
  EXPECT_EQ(sink.transcript(), "Q 4: " + kMsfError +
                                   "The sequence on Line 4 contains too many amino acids." +
                                   kProceed + "\n");
  ScriptedSink twice;
  EXPECT_TRUE(
      readAlignment("MSF: 102 Type: P ..\nName: x\n//\nx " + residues51 + "\n\nx " + residues51,
                    AlignmentFormat::Msf, twice, a));
  ASSERT_EQ(twice.messages().size(), 2u);
  EXPECT_EQ(twice.messages()[0].line, 4);
  EXPECT_EQ(twice.messages()[1].line, 6);
}

TEST(MsfReader, UnequalLengthsAreReported) {
  ScriptedSink sink;
  Alignment a;
  EXPECT_FALSE(readAlignment("MSF: 3 Type: P ..\nName: x\nName: y\n//\nx ACD\ny AC\n",
                             AlignmentFormat::Msf, sink, a));
  ASSERT_EQ(sink.messages().size(), 1u);
  EXPECT_EQ(sink.messages()[0].kind, ScriptedSink::Kind::UnequalLengths);
  EXPECT_EQ(sink.messages()[0].text, kInvalid);
  EXPECT_EQ(sink.messages()[0].lengths, (std::vector<std::size_t>{3, 2}));
}

TEST(MsfReader, DeclaredLengthDifferingFromTheRealOneIsAskedAbout) {
  std::string data;
  for (int block = 0; block < 2; ++block) {
    data += "x " + std::string(49, 'A') + "\ny " + std::string(49, 'C') + "\n\n";
  }
  const Alignment a = test::expectQuestions(
      AlignmentFormat::Msf, "MSF: 100 Type: P ..\nName: x\nName: y\n//\n" + data,
      "Q 0: " + kMsfError +
          "The Sequence Length given in the file header (100)\r\n\tdid not match the real "
          "Sequence Lengths (98)!" +
          kProceed + "\n");
  EXPECT_EQ(a.length, 98);
}

TEST(MsfReader, PhdFormatUsesPhdHeadingsAndStopsAtTheRule) {
  const std::string rule(70, '_');
  const std::string text =
      "PHDsec\nMSF: 2 Type: P ..\nName: q\n//\nq AC\n" + rule + "\nq DE\nAA |AC|\n";
  ScriptedSink sink;
  Alignment a;
  a.format = AlignmentFormat::PhdMsf;
  MsfReader reader(sink);
  ASSERT_TRUE(reader.read(text, a)) << sink.transcript();
  EXPECT_EQ(a.residues, (std::vector<std::string>{"AC"}));
  EXPECT_EQ(reader.lineCount(), 6);
  EXPECT_EQ(text.substr(*reader.position().cursor), "q DE\nAA |AC|\n");

  ScriptedSink failing;
  Alignment b;
  b.format = AlignmentFormat::PhdMsf;
  MsfReader second(failing);
  EXPECT_FALSE(second.read("PHDsec only\n", b));
  EXPECT_EQ(failing.messages().at(0).text.substr(0, 31), "This is not a valid PHD file.\r\n");
}

// ---- DSC -----------------------------------------------------------------

std::string dscText(const std::vector<std::string>& names) {
  std::string text = "DSC output\n MSF: 4 Type: P ..\n";
  for (const auto& n : names) text += " Name: " + n + "\n";
  text += "//\n";
  for (const auto& n : names) {
    text += n + (n == "DSC" || n == "DSC_SEC" ? " HECC\n" : n[0] == 'P' ? " 1234\n" : " ACDE\n");
  }
  return text;
}

TEST(DscRows, ShortNamesBecomePredictionRows) {
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(dscText({"s1", "s2", "DSC", "P_H", "P_E", "P_C"}), AlignmentFormat::Dsc,
                            sink, a));
  EXPECT_EQ(sink.transcript(), "");
  EXPECT_EQ(a.format, AlignmentFormat::Dsc);
  EXPECT_EQ(a.names, (std::vector<std::string>{"s1", "s2"}));
  EXPECT_EQ(a.trackLabels, (std::vector<std::string>{"DSC", "P_H", "P_E", "P_C"}));
  EXPECT_EQ(a.tracks, (std::vector<std::string>{"HECC", "1234", "1234", "1234"}));
}

TEST(DscRows, LongNamesWithOptions) {
  const std::string text = dscText({"s1", "DSC_SEC", "PROB_H", "PROB_E", "PROB_C"});
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Dsc, sink, a, ReadSettings{true, false, false}));
  EXPECT_EQ(a.trackLabels, (std::vector<std::string>{"DSC_SEC", "PROB_H", "PROB_E"}));
  EXPECT_EQ(a.tracks[0], "HE..");
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Dsc, sink, a, ReadSettings{false, false, true}));
  EXPECT_EQ(a.trackLabels, (std::vector<std::string>{"DSC_SEC"}));
  EXPECT_EQ(a.names, (std::vector<std::string>{"s1"}));
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::Dsc, sink, a, ReadSettings{true, false, true}));
  EXPECT_EQ(a.tracks, (std::vector<std::string>{"HE.."}));
  EXPECT_EQ(sink.transcript(), "");
}

TEST(DscRows, UnrecognisedRowsAreOfferedAsPlainMsf) {
  for (const auto& names : std::vector<std::vector<std::string>>{
           {"s1", "DSC", "PROB_H", "PROB_E", "PROB_C"},  // mixed sets
           {"DSC", "P_H", "P_E", "P_C"},                 // no sequence besides
           {"s1", "s2", "dsc", "p_h", "p_e", "p_c"}}) {  // case matters
    const std::string lines = std::to_string(names.size() * 2 + 4);
    const Alignment a = test::expectQuestions(
        AlignmentFormat::Dsc, dscText(names),
        "Q " + lines +
            ": There is an error in the DSC file.\r\nThe DSC secondary structure data could not "
            "be found in any of the " +
            lines + " lines. \r\nThis will be scanned as a standard MSF file." + kProceed + "\n");
    EXPECT_EQ(a.format, AlignmentFormat::Msf);
    EXPECT_EQ(a.names, names);
    EXPECT_TRUE(a.trackLabels.empty());
  }
}

// A file of more than a mebibyte is read in pieces on every core; whatever
// it holds, it must read as it does line by line on one thread: the same
// sequences, and the same questions and reports at the same lines.
TEST(MsfReader, LargeFilesReadOnEveryCoreAsOnOne) {
  constexpr int kSequences = 40;
  constexpr int kBlocks = 600;  // 50 columns each: over a mebibyte in all
  auto name = [](int i) { return "seq" + std::to_string(i); };
  struct Case {
    const char* what;
    std::function<std::string(int block, int i)> line;  // a data line; "" leaves it out
    std::deque<bool> answers;                           // true: No, stop
  };
  const std::string residues = "ACDEF GHIKL MNPQR STVWY ACDEF GHIKL MNPQR STVWY ACDEF GHIKL";
  auto plain = [&](int block, int i) {
    // CR LF on some lines, blanks before others.
    return name(i) + "  " + residues + (block % 7 == 0 ? "\r" : "") + (i % 5 == 0 ? "   " : "");
  };
  const Case cases[] = {
      {"blocks with rulers, blank lines, CR LF and stray lines", plain, {}},
      {"overlong lines anywhere, each asked about in order",
       [&](int block, int i) { return plain(block, i) + (block % 97 == 3 && i == 2 ? "A" : ""); },
       {}},
      {"the second question answered No ends the read",
       [&](int block, int i) { return plain(block, i) + (block % 97 == 3 && i == 2 ? "A" : ""); },
       {false, true}},
      {"a sequence left out of one block",
       [&](int block, int i) { return block == 400 && i == 7 ? std::string() : plain(block, i); },
       {}},
      {"a sequence with no residues anywhere",
       [&](int block, int i) { return i == 11 ? std::string() : plain(block, i); },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string text = " big.msf  MSF: " + std::to_string(kBlocks * 50) + "  Type: P  ..\n\n";
    for (int i = 0; i < kSequences; ++i) text += " Name: " + name(i) + "  Len: 30000\n";
    text += "//\n";
    for (int block = 0; block < kBlocks; ++block) {
      text += block % 3 == 0 ? "\n\n" : "\n";
      text += "             " + std::to_string(block * 50 + 1) + "   " +
              std::to_string(block * 50 + 50) + "\n";
      if (block == 250) text += "stray text between blocks\n";
      for (int i = 0; i < kSequences; ++i) {
        const int at = block == 100 ? kSequences - 1 - i : i;  // one block out of order
        if (std::string line = c.line(block, at); !line.empty()) text += line + "\n";
      }
    }
    text.pop_back();  // the last line without a line feed
    ASSERT_GT(text.size(), std::size_t{1} << 20);

    auto readOn = [&](const char* threads) {
      setenv("HUESET_THREADS", threads, 1);
      ScriptedSink sink(c.answers);
      Alignment a;
      const bool ok = readAlignment(text, AlignmentFormat::Msf, sink, a);
      unsetenv("HUESET_THREADS");
      std::string outcome =
          (ok ? "read " : "failed ") + std::to_string(a.length) + "\n" + sink.transcript();
      for (const auto& m : sink.messages()) {
        for (const std::size_t length : m.lengths) outcome += std::to_string(length) + " ";
      }
      for (std::size_t i = 0; i < a.names.size() && ok; ++i)
        outcome += a.names[i] + " " + a.residues[i] + "\n";
      return outcome;
    };
    EXPECT_EQ(readOn("3"), readOn("1"));
  }
}

}  // namespace
}  // namespace hueset
