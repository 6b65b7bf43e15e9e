#include "preview/preview_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/annotate/recording_writer.h"
#include "groupings/builtin_defaults.h"
#include "support/scripted_sink.h"
#include "support/test_files.h"

namespace hueset {
namespace {

using Kind = PreviewMessage::Kind;

PreviewInput inputOf(std::string text) {
  PreviewInput input;
  input.text = std::move(text);
  input.groupings = builtinDefault(BuiltinDefault::Colour);
  return input;
}

std::vector<Kind> kindsOf(const PreviewOutcome& outcome) {
  std::vector<Kind> kinds;
  for (const PreviewMessage& m : outcome.messages) kinds.push_back(m.kind);
  return kinds;
}

const std::string kFour = ">a\nLIVKDEAG\n>b\nLIVKEEAG\n>c\nLLVRDDGG\n>d\nMIVKEDAG\n";

// Where a dialog would stop and ask, the preview decides and says so.
TEST(PreviewRun, AnswersEveryDialogAndKeepsWhatItWouldHaveSaid) {
  struct Case {
    const char* what;
    std::string text;
    void (*adjust)(PreviewInput&);
    std::vector<Kind> messages;
    bool annotated;
    int line;  // of the first message
  };
  const Case cases[] = {
      {"format confirmation on: the guess is taken",
       kFour,
       [](PreviewInput& in) { in.options.parse.confirmFormats = true; },
       {},
       true,
       0},
      {"invalid characters are accepted as gaps",
       test::readTestFile("gui/lower_case_and_bjouz.fasta"),
       [](PreviewInput& in) { in.options.parse.restrictResidues = 1; },
       {Kind::Question},
       true,
       0},
      {"reader questions are answered to go on, each kept with its line",
       ">a\nLIVK DEAG\n>b\nLIVK EEAG\n",
       [](PreviewInput&) {},
       {Kind::Question, Kind::Question},
       true,
       2},
      {"multiple sets without a remembered list: one set",
       kFour,
       [](PreviewInput& in) { in.options.output.multipleSets = true; },
       {Kind::Note},
       true,
       0},
      {"multiple sets with the list remembered for four: no note",
       kFour,
       [](PreviewInput& in) {
         in.options.output.multipleSets = true;
         in.remembered = RememberedSets{{-1, 0, 1, -1, 2, 3}, 4};
       },
       {},
       true,
       0},
      {"unequal lengths stop the annotation",
       test::readTestFile("gui/unequal_lengths.fasta"),
       [](PreviewInput&) {},
       {Kind::Error},
       false,
       0},
      {"one sequence cannot be annotated",
       ">a\nLIVK\n",
       [](PreviewInput&) {},
       {Kind::Error},
       false,
       0},
      {"a blank text is an empty preview", " \r\n\n", [](PreviewInput&) {}, {}, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PreviewInput input = inputOf(c.text);
    c.adjust(input);
    const PreviewOutcome outcome = runPreview(input);
    EXPECT_EQ(kindsOf(outcome), c.messages);
    EXPECT_EQ(outcome.document != nullptr, c.annotated);
    EXPECT_FALSE(outcome.stopped);
    if (!outcome.messages.empty()) {
      EXPECT_EQ(outcome.messages.front().line, c.line);
    }
  }
}

TEST(PreviewRun, RememberedSetsGiveOneStatisticsTablePerSet) {
  PreviewInput input = inputOf(kFour);
  input.options.output.multipleSets = true;
  input.remembered = RememberedSets{{-1, 0, 1, -1, 2, 3}, 4};
  const PreviewOutcome outcome = runPreview(input);
  ASSERT_TRUE(outcome.document);
  EXPECT_EQ(outcome.document->statistics.size(), 2u);
  EXPECT_EQ(outcome.document->names[1], (std::vector<std::string>{">c", ">d"}));
}

TEST(PreviewRun, AStopRequestedEndsTheRunWithoutADocument) {
  const StopFlag stop;
  stop.requestStop();
  const PreviewOutcome outcome = runPreview(inputOf(kFour), stop);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_FALSE(outcome.document);
}

// A failed run keeps the last figure, greyed, only while the same document
// is edited: under a newly opened file's message it would be another file's.
TEST(PreviewRun, TheLastFigureStaysGreyedOnlyForTheSameDocument) {
  PreviewInput good = inputOf(kFour);
  good.source = 1;
  const PreviewOutcome made = runPreview(good);
  ASSERT_TRUE(made.document);
  EXPECT_EQ(made.source, 1u);
  PreviewInput broken = inputOf("PileUp\n\n MSF: 8  Type: P\n\n Name: a Len: 8\n");
  broken.source = 1;
  const PreviewOutcome edited = runPreview(broken);
  ASSERT_FALSE(edited.document);
  broken.source = 2;
  const PreviewOutcome opened = runPreview(broken);
  PreviewOutcome stopped;
  stopped.stopped = true;
  stopped.source = 2;

  const PreviewShown shown = shownAfter({}, made);
  struct Case {
    const char* what;
    PreviewShown last;
    const PreviewOutcome& outcome;
    PreviewShown expected;
  };
  const Case cases[] = {
      {"a made figure shows as it is", {}, made, {made.document, false, 1}},
      {"an edit that breaks the text greys the last figure",
       shown,
       edited,
       {made.document, true, 1}},
      {"another document that cannot be annotated shows no figure",
       shown,
       opened,
       {nullptr, false, 2}},
      {"nor after a greyed one", {made.document, true, 1}, opened, {nullptr, false, 2}},
      {"a stopped run changes nothing", shown, stopped, shown},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shownAfter(c.last, c.outcome), c.expected) << c.what;
  }
  EXPECT_FALSE(opened.messages.empty()) << "the new file's message still shows";
}

// The bar has room for three names: those of another length than most come
// first, not the first rows of the file, which are fine.
TEST(PreviewRun, UnequalLengthsNameTheRowsAtFaultFirst) {
  std::string text;
  for (int i = 0; i < 6000; ++i) {
    text += ">seq" + std::to_string(i) + "\n" + std::string(i == 4200 ? 58 : 60, 'A') + "\n";
  }
  const PreviewOutcome outcome = runPreview(inputOf(text));
  ASSERT_FALSE(outcome.messages.empty());
  EXPECT_NE(outcome.messages.back().text.find("(>seq4200: 58, >seq0: 60, >seq1: 60 and 5997 more)"),
            std::string::npos)
      << outcome.messages.back().text;
}

// The preview shows the lines the Annotate commands deliver: the driver is
// the same, only the writer differs.
TEST(PreviewRun, ShowsTheLinesTheWritersGet) {
  const std::string text =
      test::readFile(std::string(HUESET_SOURCE_DIR) + "/examples/globins45.aln");
  ASSERT_FALSE(text.empty());
  PreviewInput input = inputOf(text);
  input.options.figure.residueNumbers = true;
  input.options.figure.ruler = true;
  // Text writers never have the figures' legend.
  input.options.figureLayout.legend = false;
  const PreviewOutcome outcome = runPreview(input);
  ASSERT_TRUE(outcome.document);

  test::TextWriter writer;
  test::ScriptedSink sink;
  class Quiet : public AnnotationInteraction {
   public:
    explicit Quiet(ParseMessageSink& sink) : m_sink(sink) {}
    ParseMessageSink& messageSink() override { return m_sink; }
    std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override { return guess; }
    bool acceptInvalidCharacters(const std::vector<CharacterProblem>&) override { return true; }
    std::optional<std::vector<int>> chooseSets(const std::vector<std::string>&, bool,
                                               const std::vector<int>&) override {
      return std::nullopt;
    }

   private:
    ParseMessageSink& m_sink;
  } quiet(sink);
  RememberedSets remembered;
  ASSERT_TRUE(annotate(text, input.options, input.groupings, writer, quiet, remembered));

  std::vector<std::string> expected;
  std::istringstream lines(writer.text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) expected.push_back(line);
  }
  std::vector<std::string> shown;
  for (std::size_t i = 0; i < outcome.document->lines.size(); ++i) {
    if (outcome.document->lines[i].length > 0) shown.emplace_back(outcome.document->lineText(i));
  }
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(outcome.document->styles.front(), input.groupings.groupings.front().format);
}

}  // namespace
}  // namespace hueset
