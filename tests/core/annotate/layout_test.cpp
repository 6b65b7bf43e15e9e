#include "annotate/layout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "recording_writer.h"

namespace hueset {
namespace {

using test::RecordingWriter;
using test::TextWriter;

// Format strings are written as digits for readability.
std::string formats(const std::string& digits) {
  std::string bytes;
  for (const char d : digits) bytes.push_back(static_cast<char>(d - '0'));
  return bytes;
}

Alignment makeSet(std::vector<std::string> names, std::vector<std::string> residues,
                  std::vector<std::string> labels, std::vector<std::string> tracks) {
  Alignment set;
  set.length = static_cast<std::int32_t>(!residues.empty() ? residues[0].size() : tracks[0].size());
  set.names = std::move(names);
  set.residues = std::move(residues);
  set.trackLabels = std::move(labels);
  set.tracks = std::move(tracks);
  return set;
}

ConsensusRows makeResult(const std::vector<std::string>& digitRows, std::string row = {},
                         std::string label = {}) {
  ConsensusRows result;
  for (const auto& digits : digitRows) result.formats.push_back(formats(digits));
  result.row = std::move(row);
  result.label = std::move(label);
  return result;
}

// One set with its format rows, as most cases lay out.
AnnotatedAlignment oneSet(Alignment set, const std::vector<std::string>& digitRows) {
  AnnotatedAlignment annotated;
  annotated.results.push_back(makeResult(digitRows));
  annotated.sets.push_back(std::move(set));
  return annotated;
}

// What layOut writes as plain text.
std::string laidOutText(const AnnotatedAlignment& annotated, int wrap, int group) {
  TextWriter writer;
  writer.begin();
  layOut(annotated, wrap, group, writer);
  writer.end();
  return writer.text;
}

// The writer calls layOut makes, `formats` distinct formats given.
std::string laidOutCalls(const AnnotatedAlignment& annotated, int wrap, int group, int formats) {
  RecordingWriter writer;
  test::addDistinctFormats(writer, formats);
  writer.begin();
  layOut(annotated, wrap, group, writer);
  writer.end();
  return writer.transcript;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// Two sets of two sequences and a set of prediction rows, in one block.
AnnotatedAlignment twoSetsAndPredictions() {
  AnnotatedAlignment annotated;
  annotated.sets.push_back(makeSet({"s1", "s2"}, {"ACDE", "ACDF"}, {}, {}));
  annotated.results.push_back(makeResult({"1102", "1102"}, "AC.x", "Consensus"));
  annotated.sets.push_back(makeSet({"s3", "s4"}, {"KLMN", "KLMQ"}, {}, {}));
  annotated.results.push_back(makeResult({"0033", "0030"}, "KLM.", "Consensus"));
  annotated.sets.push_back(makeSet({}, {}, {"PHD"}, {"HHEE"}));
  annotated.results.push_back(ConsensusRows{});
  return annotated;
}

TEST(LayOut, CallsTheWriterInTheDocumentedOrder) {
  RecordingWriter writer;
  test::addDistinctFormats(writer, 4);
  writer.begin();
  layOut(twoSetsAndPredictions(), 4, 4, writer);
  writer.end();
  EXPECT_EQ(writer.transcript,
            "{0:s1  }{1:AC}{0:D}{2:E}/N"
            "{0:s2  }{1:AC}{0:D}{2:F}/N"
            "{0:Consensus  AC.x}/S"
            "{0:s3  KL}{3:MN}/N"
            "{0:s4  KL}{3:M}{0:Q}/N"
            "{0:Consensus  KLM.}/S"
            "{0:PHD  HHEE}/N/B");
  EXPECT_EQ(writer.beginCount, 1);
  EXPECT_EQ(writer.endCount, 1);
}

TEST(LayOut, ExtraRowsAreNeverColouredEvenAfterAColouredResidue) {
  const auto annotated =
      oneSet(makeSet({"a", "b"}, {"WW", "WW"}, {"Consensus"}, {"WW"}), {"22", "22"});
  EXPECT_EQ(laidOutCalls(annotated, 2, 2, 3),
            "{0:a  }{2:WW}/N{0:b  }{2:WW}/N{0:Consensus  WW}/N/B");
}

TEST(LayOut, FormatsOfTheSameStyleFormOneRun) {
  RecordingWriter writer;
  writer.addFormat(ResidueFormat{0, 0xFFFFFF, false, false});
  writer.addFormat(ResidueFormat{0xFF, 0xFFFFFF, false, true});
  writer.addFormat(ResidueFormat{0xFF, 0xFFFFFF, false, true});
  writer.begin();
  layOut(oneSet(makeSet({"a"}, {"DEKR"}, {"Consensus"}, {"--++"}), {"1122"}), 4, 4, writer);
  writer.end();
  // The run keeps the format index it started with.
  EXPECT_EQ(writer.transcript, "{0:a  }{1:DEKR}/N{0:Consensus  --++}/N/B");
}

TEST(LayOut, WrapWidthEqualToTheLengthGivesOneBlock) {
  const auto annotated =
      oneSet(makeSet({"a", "b"}, {"ACDEF", "ACDEG"}, {"C"}, {"ACDE."}), {"00000", "00000"});
  EXPECT_EQ(laidOutText(annotated, 5, 5), "a  ACDEF\nb  ACDEG\nC  ACDE.\n\n");
}

TEST(LayOut, WrapWidthOfOneGivesOneBlockPerColumn) {
  const auto annotated =
      oneSet(makeSet({"a", "b"}, {"ACD", "ACE"}, {"C"}, {"AC."}), {"000", "000"});
  EXPECT_EQ(laidOutText(annotated, 1, 1),
            "a  A\nb  A\nC  A\n\n"
            "a  C\nb  C\nC  C\n\n"
            "a  D\nb  E\nC  .\n\n");
}

TEST(LayOut, ColumnGroupsAreSeparatedByOneBlank) {
  const std::string residues = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  const auto annotated =
      oneSet(makeSet({"name          "}, {residues}, {"Consensus     "}, {std::string(25, '.')}),
             {std::string(25, '0')});
  const auto out = lines(laidOutText(annotated, 25, 10));
  ASSERT_EQ(out.size(), 3u);  // the last one is the empty block end
  EXPECT_EQ(out[0], "name            ABCDEFGHIJ KLMNOPQRST UVWXY");
  // The 10th residue is at position 26 (1-based), the 11th after one blank.
  EXPECT_EQ(out[0][25], 'J');
  EXPECT_EQ(out[0][26], ' ');
  EXPECT_EQ(out[0][27], 'K');
  EXPECT_EQ(out[1], "Consensus       .......... .......... .....");
}

TEST(LayOut, BlanksBetweenGroupsAreAlwaysDefault) {
  const auto annotated = oneSet(makeSet({"a"}, {"LLLL"}, {}, {}), {"1111"});
  EXPECT_EQ(laidOutCalls(annotated, 4, 2, 2), "{0:a  }{1:LL}{0: }{1:LL}/N/N/B");
}

TEST(LayOut, LaterBlocksStartWithTheNextColumns) {
  const auto annotated = oneSet(makeSet({"a"}, {"ABCDEFG"}, {"C"}, {"1234567"}), {"0000000"});
  EXPECT_EQ(laidOutText(annotated, 3, 2),
            "a  AB C\nC  12 3\n\n"
            "a  DE F\nC  45 6\n\n"
            "a  G\nC  7\n\n");
}

TEST(LayOut, WidthsOfZeroOrAboveTheLengthMeanUnlimited) {
  const auto annotated = oneSet(makeSet({"a"}, {"ACDEFGHIKLMN"}, {}, {}), {"000000000000"});
  for (const int width : {0, -3, 12, 9999}) {
    EXPECT_EQ(laidOutText(annotated, width, width), "a  ACDEFGHIKLMN\n\n\n") << "width " << width;
  }
}

TEST(LayOut, ZeroColumnsProduceNothing) {
  RecordingWriter writer;
  AnnotatedAlignment annotated;
  Alignment empty;
  empty.names = {"a", "b"};
  empty.residues = {"", ""};
  annotated.sets.push_back(empty);
  annotated.results.push_back(ConsensusRows{});
  writer.begin();
  layOut(annotated, 0, 0, writer);
  layOut(AnnotatedAlignment{}, 10, 10, writer);
  writer.end();
  EXPECT_EQ(writer.transcript, "");
}

// The consensus keeps its row apart from the set; it is drawn as the first
// extra row, before the set's own.
TEST(LayOut, TheConsensusRowComesBeforeTheSetsOwnExtraRows) {
  auto annotated = oneSet(makeSet({"a"}, {"AC"}, {"PHD"}, {"HE"}), {"00"});
  annotated.results[0].row = "A.";
  annotated.results[0].label = "Cons";
  EXPECT_EQ(laidOutText(annotated, 0, 0), "a  AC\nCons  A.\nPHD  HE\n\n");
}

TEST(LayOut, MissingOrShortFormatStringsDrawInDefault) {
  const auto annotated = oneSet(makeSet({"a", "b"}, {"ACDE", "AC"}, {}, {}), {"11"});
  EXPECT_EQ(laidOutCalls(annotated, 4, 4, 2), "{0:a  }{1:AC}{0:DE}/N{0:b  AC  }/N/N/B");
}

TEST(JustifyNames, PadsToTheLabelWidthOnTheChosenSide) {
  struct Case {
    int justification;
    const char* expected;
  };
  for (const Case& c : {Case{0, "ABCDEFGHI     "}, Case{1, "   ABCDEFGHI  "},
                        Case{2, "     ABCDEFGHI"}, Case{7, "     ABCDEFGHI"}}) {
    Alignment alignment;
    alignment.names = {"ABCDEFGHI"};
    alignment.residues = {"A"};
    justifyNames(alignment, c.justification);
    EXPECT_EQ(alignment.names[0], c.expected) << "justification " << c.justification;
  }
}

TEST(JustifyNames, CentreGivesTheLargerHalfInFront) {
  Alignment alignment;
  alignment.names = {"ABCDEFGHIJKL", "ABCDEFGHIJK"};
  justifyNames(alignment, kJustifyCentre);
  EXPECT_EQ(alignment.names[0], " ABCDEFGHIJKL ");
  EXPECT_EQ(alignment.names[1], "  ABCDEFGHIJK ");
}

TEST(JustifyNames, ALongNameOrLabelWidensEveryEntry) {
  Alignment alignment;
  alignment.names = {"short", "a_rather_long_sequence_name"};
  alignment.trackLabels = {"Consensus"};
  justifyNames(alignment, kJustifyLeft);
  for (const auto& name : alignment.names) EXPECT_EQ(name.size(), 27u);
  EXPECT_EQ(alignment.trackLabels[0], "Consensus" + std::string(18, ' '));

  Alignment labelled;
  labelled.names = {"a"};
  labelled.trackLabels = {"Consensus/100% and more"};
  justifyNames(labelled, kJustifyRight);
  EXPECT_EQ(labelled.names[0], std::string(22, ' ') + "a");
}

TEST(JustifyNames, LeavesNamesOfFullWidthAlone) {
  Alignment alignment;
  alignment.names = {"exactly14chars", ""};
  justifyNames(alignment, kJustifyCentre);
  EXPECT_EQ(alignment.names[0], "exactly14chars");
  EXPECT_EQ(alignment.names[1], std::string(14, ' '));
}

}  // namespace
}  // namespace hueset
