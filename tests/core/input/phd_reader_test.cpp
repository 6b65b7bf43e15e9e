#include <gtest/gtest.h>

#include <string>

#include "core/input/reader_cases.h"
#include "input/format_readers.h"

namespace hueset {
namespace {

using test::kProceed;
using test::ScriptedSink;

const std::string kRule(70, '_');

// Six lines of alignment part (one sequence "ACD"), then the predictions.
std::string phdMsf(const std::string& predictions) {
  return "PHDsec\nMSF: 3 Type: P ..\nName: q\n//\nq ACD\n" + kRule + "\n" + predictions;
}

struct Rows {
  std::vector<std::string> labels;
  std::vector<std::string> tracks;
};

Rows readRows(const std::string& predictions, ReadSettings flags = {}) {
  ScriptedSink sink;
  Alignment a;
  EXPECT_TRUE(readAlignment(phdMsf(predictions), AlignmentFormat::PhdMsf, sink, a, flags))
      << sink.transcript();
  EXPECT_EQ(sink.transcript(), "");
  return {a.trackLabels, a.tracks};
}

TEST(PhdReader, LinesBeforeTheFirstAaLineAreIgnored) {
  const Rows rows = readRows(" PHD |HHH|\n Rel: explained here |x|\n AA  |ACD|\n PHD |EEL|\n");
  EXPECT_EQ(rows.labels, (std::vector<std::string>{"AA", "PHD"}));
  EXPECT_EQ(rows.tracks, (std::vector<std::string>{"ACD", "EEL"}));
}

TEST(PhdReader, BlocksAppendAndTheRuleEndsThePart) {
  const std::string text =
      phdMsf("AA |AC|\nPHD |HE|\n\nAA |D|\nPHD |L|\n" + kRule + "\nPHD |XXX|\n");
  ScriptedSink sink;
  Alignment a;
  ASSERT_TRUE(readAlignment(text, AlignmentFormat::PhdMsf, sink, a));
  EXPECT_EQ(a.tracks, (std::vector<std::string>{"ACD", "HEL"}));
}

TEST(PhdReader, LabelsAreTidied) {
  const Rows rows = readRows(
      "AA |ACD|\n"
      "prH-|123|\n"
      "prE- |456|\n"
      "prL-|789|\n"
      "subset: SUB |L.H|\n"
      "3st:    P_3 acc|bei|\n"
      "10st:   PHD acc|012|\n"
      "unknown |HHH|\n"
      "prH sec|999|\n");
  EXPECT_EQ(rows.labels, (std::vector<std::string>{"AA", "prH", "prE", "prL", "SUB", "prH sec",
                                                   "3st:    P_3 acc", "10st:   PHD acc"}));
}

TEST(PhdReader, SecRowsStandInForMissingPlainRows) {
  Rows rows = readRows("AA |ACD|\nPHD sec |HEL|\nRel sec|123|\nRel|456|\nsubset: SUB sec|H..|\n");
  EXPECT_EQ(rows.labels, (std::vector<std::string>{"AA", "Rel", "PHD", "Rel sec", "SUB"}));
  EXPECT_EQ(rows.tracks, (std::vector<std::string>{"ACD", "456", "HEL", "123", "H.."}));
}

TEST(PhdReader, DataEndsAtTheSecondBarOrElseAtWhiteSpace) {
  Rows rows = readRows("AA |ACD|\nPHD |H L|\nRel |123 tail\n");
  EXPECT_EQ(rows.tracks, (std::vector<std::string>{"ACD", "H L", "123"}));
  rows = readRows("AA |ACD\nPHD|\nRel |ABC|\n");  // "PHD|" has nothing after its bar
  EXPECT_EQ(rows.labels, (std::vector<std::string>{"AA", "Rel"}));
}

TEST(PhdReader, MergeFillsTheSubsetWithSmallLetters) {
  const std::string lines = "AA |ACD|\nPHD |ELH|\nsubset: SUB |..H|\n";
  Rows rows = readRows(lines, ReadSettings{false, true, false});
  EXPECT_EQ(rows.tracks, (std::vector<std::string>{"ACD", "ELH", "elH"}));
  rows = readRows(lines, ReadSettings{true, true, false});
  EXPECT_EQ(rows.tracks, (std::vector<std::string>{"ACD", "E H", "e.H"}));
}

TEST(PhdReader, IgnoringConfidencesKeepsTheSubsetAsPhd) {
  Rows rows = readRows("AA |ACD|\nPHD |ELH|\nRel |123|\nsubset: SUB |L.H|\n",
                       ReadSettings{false, false, true});
  EXPECT_EQ(rows.labels, (std::vector<std::string>{"PHD"}));
  EXPECT_EQ(rows.tracks, (std::vector<std::string>{"L.H"}));
  rows = readRows("AA |ACD|\nPHD |ELH|\n", ReadSettings{false, false, true});
  EXPECT_TRUE(rows.labels.empty());
}

TEST(PhdReader, IgnoringCoilBlanksLoopsAndDropsTheLoopProbability) {
  Rows rows = readRows("AA |ACD|\nPHD |ELH|\nprL-|123|\nprE-|456|\nsubset: SUB |L.H|\n",
                       ReadSettings{true, false, false});
  EXPECT_EQ(rows.labels, (std::vector<std::string>{"AA", "PHD", "prE", "SUB"}));
  EXPECT_EQ(rows.tracks, (std::vector<std::string>{"ACD", "E H", "456", "..H"}));
}

TEST(PhdReader, MsfFlavourWithoutPredictionsIsAskedAbout) {
  const Alignment a = test::expectQuestions(
      AlignmentFormat::PhdMsf, phdMsf("no predictions\nPHD |HEL|\n"),
      "Q 9: There is an error in the PHD file.\r\nNo PHD secondary structure data could be "
      "found. \r\nThis can only be interpreted as an standard MSF file." +
          kProceed + "\n");
  EXPECT_TRUE(a.trackLabels.empty());
  EXPECT_TRUE(a.tracks.empty());
  EXPECT_EQ(a.residues, (std::vector<std::string>{"ACD"}));
}

TEST(PhdReader, SafFlavourWithoutPredictionsFails) {
  test::expectMessages(AlignmentFormat::PhdSaf,
                       {"no predictions", "# saf\nq ACD\n" + kRule + "\nnothing\n", false,
                        "E 5: This is not a valid PHD file.\r\nNo PHD secondary structure data "
                        "could be found, only the SAF alignment.\n"});
}

TEST(PhdReader, ShortPredictionRowIsReported) {
  ScriptedSink sink;
  Alignment a;
  EXPECT_FALSE(readAlignment(phdMsf("AA |ACD|\nPHD |HE|\n"), AlignmentFormat::PhdMsf, sink, a));
  ASSERT_EQ(sink.messages().size(), 1u);
  EXPECT_EQ(sink.messages()[0].kind, ScriptedSink::Kind::UnequalLengths);
  EXPECT_EQ(sink.messages()[0].text, "This is not a valid PHD file.\r\n");
}

TEST(PhdReader, AlignmentWithoutSequencesFailsSilently) {
  ScriptedSink sink;
  Alignment a;
  PhdReader reader(sink);
  EXPECT_FALSE(reader.read("AA |ACD|\n", a));
  EXPECT_EQ(sink.transcript(), "");
}

}  // namespace
}  // namespace hueset
