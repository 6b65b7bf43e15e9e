#include "pipeline/annotation_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/annotate/recording_writer.h"
#include "groupings/builtin_defaults.h"
#include "output/rtf_writer.h"
#include "settings/options.h"
#include "support/scripted_sink.h"
#include "support/test_files.h"

namespace hueset {
namespace {

using test::ScriptedSink;
using test::TextWriter;

// Answers the driver's questions from fields and records what it was asked.
class ScriptedInteraction : public AnnotationInteraction {
 public:
  ScriptedSink sink;
  std::optional<AlignmentFormat> formatAnswer;  // none: cancel
  bool formatAsked = false;
  AlignmentFormat guessSeen = AlignmentFormat::Undetermined;
  bool acceptCharacters = true;
  std::vector<CharacterProblem> problemsSeen;
  std::optional<std::vector<int>> setsAnswer;  // none: cancel
  bool setsAsked = false;
  std::vector<int> startingSeen;
  std::vector<std::string> namesSeen;
  std::vector<std::pair<AnnotationStage, int>> progressSeen;
  std::size_t stopAfterReports = static_cast<std::size_t>(-1);

  ParseMessageSink& messageSink() override { return sink; }
  bool progress(AnnotationStage stage, int percent) override {
    progressSeen.emplace_back(stage, percent);
    return progressSeen.size() <= stopAfterReports;
  }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override {
    formatAsked = true;
    guessSeen = guess;
    return formatAnswer;
  }
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) override {
    problemsSeen = problems;
    return acceptCharacters;
  }
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names, bool,
                                             const std::vector<int>& starting) override {
    setsAsked = true;
    namesSeen = names;
    startingSeen = starting;
    return setsAnswer;
  }
};

Options plainOptions() {
  Options o;
  o.parse.confirmFormats = false;
  o.annotation.useElision = false;
  o.output.wrapOutput = false;
  return o;
}

struct Outcome {
  bool ok = false;
  std::string text;  // the plain text of the annotation, one line per line
  std::vector<std::string> lines;
};

Outcome run(std::string_view input, const Options& options, ScriptedInteraction& interaction,
            RememberedSets* remembered = nullptr) {
  static const GroupingSet colour = builtinDefault(BuiltinDefault::Colour);
  TextWriter writer;
  RememberedSets local;
  Outcome r;
  r.ok = annotate(input, options, colour, writer, interaction, remembered ? *remembered : local);
  r.text = writer.text;
  std::istringstream in(r.text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) r.lines.push_back(line);
  }
  return r;
}

// The names column of the output, trimmed.
std::vector<std::string> rowNames(const Outcome& r) {
  std::vector<std::string> names;
  for (const auto& line : r.lines) {
    auto end = line.find(' ');
    names.push_back(line.substr(0, end));
  }
  return names;
}

const char* kFasta = ">a\nACDEFGHIK\n>b\nACDEFGHIK\n>c\nACDQFGHIW\n";

// A long annotation reports each stage and each block of the layout, and
// stops wherever the caller says (Cancel), leaving no complete annotation.
TEST(AnnotateDriver, ReportsProgressAndStopsWhenTold) {
  Options options = plainOptions();
  options.output.wrapOutput = true;
  options.output.wrapLength = 3;
  ScriptedInteraction ui;
  EXPECT_TRUE(run(kFasta, options, ui).ok);
  using S = AnnotationStage;
  EXPECT_EQ(
      ui.progressSeen,
      (std::vector<std::pair<S, int>>{
          {S::Reading, 0}, {S::Consensus, 0}, {S::Layout, 0}, {S::Layout, 33}, {S::Layout, 66}}));

  for (std::size_t stop : {0u, 1u, 3u}) {
    ScriptedInteraction stopping;
    stopping.stopAfterReports = stop;
    EXPECT_FALSE(run(kFasta, options, stopping).ok) << "stopped after " << stop;
    EXPECT_EQ(stopping.progressSeen.size(), stop + 1);
  }
}

// A caller may free its copy of the text once the consensus starts: nothing
// reads it after that.
TEST(AnnotateDriver, TextIsDoneWithOnceTheConsensusStarts) {
  class Releasing final : public ScriptedInteraction {
   public:
    std::string* text = nullptr;
    bool progress(AnnotationStage stage, int percent) override {
      if (stage == AnnotationStage::Consensus) std::fill(text->begin(), text->end(), '?');
      return ScriptedInteraction::progress(stage, percent);
    }
  };
  ScriptedInteraction plain;
  const Outcome expected = run(kFasta, plainOptions(), plain);
  std::string text = kFasta;
  Releasing releasing;
  releasing.text = &text;
  const Outcome outcome = run(text, plainOptions(), releasing);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.text, expected.text);
  EXPECT_EQ(text, std::string(text.size(), '?'));
}

TEST(AnnotateDriver, FastaWithoutConfirmationNeedsNoDialog) {
  ScriptedInteraction ui;
  Outcome r = run(kFasta, plainOptions(), ui);
  EXPECT_TRUE(r.ok);
  EXPECT_FALSE(ui.formatAsked);
  EXPECT_EQ(rowNames(r), (std::vector<std::string>{">a", ">b", ">c", "Consensus/80%"}));
}

TEST(AnnotateDriver, ConfirmedFormatChoosesTheReader) {
  Options o = plainOptions();
  o.parse.confirmFormats = true;
  ScriptedInteraction ui;
  ui.formatAnswer = AlignmentFormat::Clustal;
  Outcome r = run(kFasta, o, ui);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(ui.formatAsked);
  EXPECT_EQ(ui.guessSeen, AlignmentFormat::Fasta);
  ASSERT_FALSE(ui.sink.messages().empty());
  EXPECT_NE(ui.sink.messages()[0].text.find("CLUSTAL"), std::string::npos) << ui.sink.transcript();
  EXPECT_TRUE(r.text.empty());
}

TEST(AnnotateDriver, CancelledFormatDialogEndsSilently) {
  Options o = plainOptions();
  o.parse.confirmFormats = true;
  ScriptedInteraction ui;
  Outcome r = run(kFasta, o, ui);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(ui.sink.messages().empty());
  EXPECT_TRUE(r.text.empty());
}

TEST(AnnotateDriver, OneSequenceIsNotAnnotatedAndSaysNothing) {
  ScriptedInteraction ui;
  EXPECT_FALSE(run(">a\nACDEF\n", plainOptions(), ui).ok);
  EXPECT_TRUE(ui.sink.messages().empty());
  EXPECT_TRUE(run(">a\nACDEF\n>b\nACDEF\n", plainOptions(), ui).ok);
}

TEST(AnnotateDriver, SetListBuildsSetsWithRepeatsAcrossSets) {
  Options o = plainOptions();
  o.output.multipleSets = true;
  ScriptedInteraction ui;
  ui.setsAnswer = std::vector<int>{-1, 2, 0, -1, -1, 1, 2, 2};
  RememberedSets remembered;
  Outcome r = run(kFasta, o, ui, &remembered);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(rowNames(r),
            (std::vector<std::string>{">c", ">a", "Consensus/80%", ">b", ">c", "Consensus/80%"}));
  EXPECT_EQ(remembered.sequenceCount, 3);
  EXPECT_EQ(remembered.setList, *ui.setsAnswer);

  // The next run over three sequences starts from that choice; over two it does not.
  ScriptedInteraction again;
  again.setsAnswer = std::vector<int>{-1, 0, 1};
  run(kFasta, o, again, &remembered);
  EXPECT_EQ(again.startingSeen, (std::vector<int>{-1, 2, 0, -1, -1, 1, 2, 2}));
  ScriptedInteraction other;
  other.setsAnswer = std::vector<int>{-1, 0, 1};
  run(">a\nAC\n>b\nAC\n", o, other, &remembered);
  EXPECT_TRUE(other.startingSeen.empty());
}

TEST(AnnotateDriver, CancelledOrEmptySetsEndSilently) {
  Options o = plainOptions();
  o.output.multipleSets = true;
  ScriptedInteraction cancel;
  EXPECT_FALSE(run(kFasta, o, cancel).ok);
  EXPECT_TRUE(cancel.setsAsked);
  ScriptedInteraction empty;
  empty.setsAnswer = std::vector<int>{-1, -1};
  EXPECT_FALSE(run(kFasta, o, empty).ok);
  ScriptedInteraction outOfRange;
  outOfRange.setsAnswer = std::vector<int>{-1, 7, 9, 0};
  EXPECT_FALSE(run(kFasta, o, outOfRange).ok);
  EXPECT_TRUE(empty.sink.messages().empty());
  EXPECT_TRUE(outOfRange.sink.messages().empty());
}

TEST(AnnotateDriver, UnusedSequencesAreRemovedBeforeElision) {
  // Sequence b alone fills the middle columns; without it they are residue-free
  // and elision removes them.
  const char* text = ">a\nAC----DE\n>b\nACWWWWDE\n>c\nAC----DE\n";
  Options o = plainOptions();
  o.annotation.useElision = true;
  o.output.multipleSets = true;
  ScriptedInteraction ui;
  ui.setsAnswer = std::vector<int>{-1, 0, 2};
  Outcome r = run(text, o, ui);
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_NE(r.lines[0].find("ACDE"), std::string::npos) << r.text;
  EXPECT_EQ(r.lines[0].find('-'), std::string::npos) << r.text;
}

TEST(AnnotateDriver, ElisionThresholdRoundsUp) {
  // Seven sequences at 80 %: a column is sparse only with six gaps or more.
  auto text = [](int residuesInRegion) {
    std::string t;
    for (int s = 0; s < 7; ++s) {
      t += ">s" + std::to_string(s) + "\nACDEF" +
           std::string(s < residuesInRegion ? "WWWWWW" : "------") + "GHIKL\n";
    }
    return t;
  };
  Options o = plainOptions();
  o.annotation.useElision = true;
  ScriptedInteraction ui;
  Outcome sparse = run(text(1), o, ui);  // 6 gaps: elided
  Outcome dense = run(text(2), o, ui);   // 5 gaps: kept
  ASSERT_TRUE(sparse.ok);
  ASSERT_TRUE(dense.ok);
  EXPECT_NE(dense.lines[0].find("ACDEFWWWWWWGHIKL"), std::string::npos) << dense.text;
  EXPECT_EQ(sparse.lines[0].find("WWWWWW"), std::string::npos) << sparse.text;
}

TEST(AnnotateDriver, SubstitutionsApplyToResiduesOnly) {
  Options o = plainOptions();
  o.parse.allowLowerCase = true;
  o.parse.allowStrangeGaps = true;
  o.output.gapCharacter = '-';
  o.output.substitutedGaps = "-_~.";
  ScriptedInteraction ui;
  Outcome r = run(">x_y\nac~d.e\n>z\nACDDEE\n", o, ui);
  ASSERT_TRUE(r.ok);
  EXPECT_NE(r.lines[0].find("AC-D-E"), std::string::npos) << r.text;
  EXPECT_EQ(r.lines[0].rfind(">x_y", 0), 0u);
}

TEST(AnnotateDriver, InvalidCharactersAskAndStopOnNo) {
  ScriptedInteraction ui;
  ui.acceptCharacters = false;
  EXPECT_FALSE(run(">a\nAC1\n>b\nACD\n", plainOptions(), ui).ok);
  ASSERT_EQ(ui.problemsSeen.size(), 1u);
  EXPECT_EQ(ui.problemsSeen[0].otherSymbols, "1");
  ui.acceptCharacters = true;
  EXPECT_TRUE(run(">a\nAC1\n>b\nACD\n", plainOptions(), ui).ok);
}

TEST(AnnotateDriver, WrapWidthIsCappedAtTheLength) {
  std::string text;
  for (const char* n : {">a", ">b"}) text += std::string(n) + "\n" + std::string(45, 'A') + "\n";
  Options o = plainOptions();
  o.output.wrapOutput = true;
  o.output.wrapLength = 60;
  ScriptedInteraction ui;
  Outcome r = run(text, o, ui);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.lines.size(), 3u);  // one block
  o.output.wrapLength = 20;
  EXPECT_EQ(run(text, o, ui).lines.size(), 9u);  // three blocks
  o.output.wrapLength = 0;                       // zero means no limit, never an endless layout
  EXPECT_EQ(run(text, o, ui).lines.size(), 3u);
}

// A text writer on paper that takes 40 characters a line.
class PagedTextWriter : public TextWriter {
 public:
  int pageLineCharacters() const override { return 40; }
};

TEST(AnnotateDriver, TheWrapFitsThePaperOnlyWhenAskedAndWrapping) {
  std::string text;
  for (const char* n : {">a", ">b"}) text += std::string(n) + "\n" + std::string(45, 'A') + "\n";
  struct Case {
    const char* what;
    bool wrapOutput;
    bool fit;
    std::size_t longest;
    FigurePaper paper = FigurePaper::Content;
  };
  // The name column is 14 wide, then two blanks before the residues.
  const Case cases[] = {
      {"fitted: the widest wrap whose lines take the paper's 40 characters", true, true, 40},
      {"not asked: the stored wrap length (60, capped at 45)", true, false, 61},
      {"wrapping off stays off", false, true, 61},
      {"on pages, balanced: blocks of 23 and 22 rather than 24 and a last one of 21", true, true,
       39, FigurePaper::A4},
  };
  for (const Case& c : cases) {
    Options o = plainOptions();
    o.output.wrapOutput = c.wrapOutput;
    o.figure.fitWrapToPage = c.fit;
    o.figure.paperSize = static_cast<int>(c.paper);
    ScriptedInteraction ui;
    PagedTextWriter writer;
    RememberedSets remembered;
    ASSERT_TRUE(annotate(text, o, builtinDefault(BuiltinDefault::Colour), writer, ui, remembered));
    std::istringstream in(writer.text);
    std::size_t longest = 0;
    for (std::string line; std::getline(in, line);) longest = std::max(longest, line.size());
    EXPECT_EQ(longest, c.longest) << c.what;
  }
}

TEST(AnnotateDriver, ResidueNumbersCountWhatElisionCut) {
  // Ten columns where four of five sequences have gaps are cut to "(10)".
  std::string text = ">a\nAAAAACCCCCCCCCCAAAAA\n";
  for (const char* n : {">b", ">c", ">d", ">e"})
    text += std::string(n) + "\nAAAAA----------AAAAA\n";
  Options o = plainOptions();
  o.annotation.useElision = true;
  o.figure.residueNumbers = true;
  o.figure.ruler = true;
  o.figure.rulerInterval = 5;
  ScriptedInteraction ui;
  const Outcome r = run(text, o, ui);
  ASSERT_TRUE(r.ok);
  ASSERT_GE(r.lines.size(), 4u);
  // The ruler numbers the columns as read: 5 before the cut, 20 after it.
  EXPECT_EQ(r.lines[0], "                      5       20");
  EXPECT_EQ(r.lines[2], ">a              1 AAAAA(10)AAAAA 20");
  EXPECT_EQ(r.lines[3], ">b              1 AAAAA----AAAAA 10");
}

TEST(AnnotateDriver, ThresholdLabelFollowsTheOption) {
  Options o = plainOptions();
  o.annotation.consensusThreshold = 755;
  ScriptedInteraction ui;
  EXPECT_EQ(rowNames(run(kFasta, o, ui)).back(), "Consensus/75%");
  o.output.showThreshold = false;
  EXPECT_EQ(rowNames(run(kFasta, o, ui)).back(), "Consensus");
}

TEST(AnnotateDriver, TooManyGroupingsStopWithAMessage) {
  GroupingSet many = builtinDefault(BuiltinDefault::Colour);
  while (many.groupings.size() < 2 + 255) {
    many.groupings.push_back(
        ResidueGrouping{"g" + std::to_string(many.groupings.size()), "A", {}, true, '+'});
  }
  TextWriter writer;
  ScriptedInteraction ui;
  RememberedSets remembered;
  EXPECT_FALSE(annotate(kFasta, plainOptions(), many, writer, ui, remembered));
  ASSERT_EQ(ui.sink.messages().size(), 1u);
  EXPECT_EQ(ui.sink.messages()[0].kind, ScriptedSink::Kind::Error);
  EXPECT_TRUE(writer.text.empty());
}

// Every format from text to output, with the example files of the readers.
struct FormatCase {
  const char* file;
  AlignmentFormat format;
  bool hasPredictions;
};

class AnnotateEachFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(AnnotateEachFormat, AnnotatesToRichText) {
  const FormatCase& c = GetParam();
  const std::string text = test::readTestFile(std::string("input/") + c.file);
  Options o;  // the defaults: elision and wrapping on
  o.parse.confirmFormats = true;
  ScriptedInteraction ui;
  ui.formatAnswer = c.format;
  const GroupingSet colour = builtinDefault(BuiltinDefault::Colour);
  RtfWriter writer(colour.fontSize, colour.fontName);
  RememberedSets remembered;
  ASSERT_TRUE(annotate(text, o, colour, writer, ui, remembered)) << ui.sink.transcript();
  EXPECT_EQ(ui.guessSeen, c.format) << "the guess";
  const std::string rtf = writer.fileText();
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_EQ(rtf.back(), '}');
  EXPECT_NE(rtf.find("Consensus/80%"), std::string::npos);

  TextWriter plain;
  ScriptedInteraction ui2;
  ui2.formatAnswer = c.format;
  ASSERT_TRUE(annotate(text, o, colour, plain, ui2, remembered));
  // Prediction rows come as one more block after the sets.
  const bool predictionsShown =
      plain.text.find("\n\n") != std::string::npos &&
      plain.text.rfind("Consensus") < plain.text.size() &&
      (plain.text.find("PHD") != std::string::npos || plain.text.find("DSC") != std::string::npos);
  EXPECT_EQ(predictionsShown, c.hasPredictions) << plain.text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AnnotateEachFormat,
    ::testing::Values(FormatCase{"aligned_descriptions.fasta", AlignmentFormat::Fasta, false},
                      FormatCase{"clustalw_conservation.aln", AlignmentFormat::Clustal, false},
                      FormatCase{"gcg_pileup.msf", AlignmentFormat::Msf, false},
                      FormatCase{"phd_msf_flavour.phd", AlignmentFormat::PhdMsf, true},
                      FormatCase{"phd_saf_flavour.phd", AlignmentFormat::PhdSaf, true},
                      FormatCase{"dsc_prediction.dsc", AlignmentFormat::Dsc, true}));

}  // namespace
}  // namespace hueset
