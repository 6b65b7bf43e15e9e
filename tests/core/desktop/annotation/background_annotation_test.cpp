#include "desktop/annotation/background_annotation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <new>
#include <thread>

#include "groupings/builtin_defaults.h"
#include "output/rtf_writer.h"
#include "settings/options.h"
#include "support/scripted_sink.h"

namespace hueset {
namespace {

using namespace std::chrono_literals;

// Answers the driver as a user would, noting the thread of every call.
class RecordingFront final : public AnnotationInteraction, public ParseMessageSink {
 public:
  test::ScriptedSink sink;
  std::vector<std::thread::id> threads;
  int formatsAsked = 0;
  int reportsShown = 0;
  std::vector<std::string> notes;

  ParseMessageSink& messageSink() override { return *this; }
  void warn(const std::string& text) override {
    threads.push_back(std::this_thread::get_id());
    notes.push_back(text);
  }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override {
    threads.push_back(std::this_thread::get_id());
    ++formatsAsked;
    return guess;
  }
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>&) override {
    threads.push_back(std::this_thread::get_id());
    ++reportsShown;
    return true;
  }
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>&, bool,
                                             const std::vector<int>&) override {
    return std::nullopt;
  }
  bool ask(const std::string& text, int line) override {
    threads.push_back(std::this_thread::get_id());
    return sink.ask(text, line);
  }
  void error(const std::string& text, int line) override { sink.error(text, line); }
  void unequalLengths(const std::string& text, const Alignment& a) override {
    sink.unequalLengths(text, a);
  }
};

// The owner's event loop, reduced to what the run needs: every wake posts one
// serve().
class Owner {
 public:
  std::function<void()> waker() {
    return [this] {
      std::lock_guard lock(m_mutex);
      ++m_wakes;
      m_woken.notify_all();
    };
  }
  // Waits for the next wake; false after a long time without one.
  bool awaitWake() {
    std::unique_lock lock(m_mutex);
    if (!m_woken.wait_for(lock, 20s, [this] { return m_wakes > 0; })) return false;
    --m_wakes;
    return true;
  }
  bool serveUntilFinished(BackgroundAnnotation& run) {
    while (!run.finished()) {
      if (!awaitWake()) return false;
      run.serve();
    }
    return true;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_woken;
  int m_wakes = 0;
};

// Text after a blank in a residue line is a reader's question; "x" is no residue.
constexpr std::string_view kText = ">a\nACDEFGHIK note\n>b\nACDEFGHxK\n>c\nACDQFGHIW\n";

std::string annotatedDirectly(AnnotationInteraction& interaction, const Options& options) {
  const GroupingSet groupings = builtinDefault(BuiltinDefault::Colour);
  RtfWriter writer(groupings.fontSize, groupings.fontName);
  RememberedSets remembered;
  EXPECT_TRUE(annotate(kText, options, groupings, writer, interaction, remembered));
  return writer.fileText();
}

TEST(BackgroundAnnotation, QuestionsAreAnsweredOnTheOwnersThreadAndReachTheDriver) {
  Options options;
  options.parse.confirmFormats = true;
  RecordingFront direct;
  const std::string expected = annotatedDirectly(direct, options);

  RecordingFront front;
  Owner owner;
  std::string output;
  {
    BackgroundAnnotation run(front, owner.waker());
    run.start([&](BackgroundAnnotation& worker) {
      output = annotatedDirectly(worker.interaction(), options);
      return true;
    });
    ASSERT_TRUE(owner.serveUntilFinished(run));
    EXPECT_TRUE(run.succeeded());
    EXPECT_EQ(run.progress(), (RunProgress{RunStage::Layout, 0}));
  }
  EXPECT_EQ(output, expected);
  EXPECT_EQ(front.sink.transcript(), direct.sink.transcript());
  EXPECT_EQ(front.formatsAsked, 1);
  EXPECT_EQ(front.reportsShown, 1);
  ASSERT_EQ(front.threads.size(), 3u);
  for (std::thread::id id : front.threads) EXPECT_EQ(id, std::this_thread::get_id());
}

// A note such as "only 3 residues a line" would otherwise be lost on the
// worker, where nothing shows it.
TEST(BackgroundAnnotation, NotesReachTheOwnerOnItsThread) {
  RecordingFront front;
  Owner owner;
  {
    BackgroundAnnotation run(front, owner.waker());
    run.start([](BackgroundAnnotation& worker) {
      worker.interaction().warn("a note");
      return true;
    });
    ASSERT_TRUE(owner.serveUntilFinished(run));
  }
  EXPECT_EQ(front.notes, std::vector<std::string>{"a note"});
  ASSERT_EQ(front.threads.size(), 1u);
  EXPECT_EQ(front.threads[0], std::this_thread::get_id());
}

TEST(BackgroundAnnotation, CancelStopsTheWorkAtItsNextStep) {
  RecordingFront front;
  Owner owner;
  BackgroundAnnotation run(front, owner.waker());
  std::atomic<bool> started{false};
  run.start([&](BackgroundAnnotation& worker) {
    for (int block = 0;; ++block) {
      if (!worker.interaction().progress(AnnotationStage::Layout, block % 100)) return false;
      started = true;
    }
  });
  while (!started) std::this_thread::yield();
  EXPECT_EQ(run.progress().stage, RunStage::Layout);
  run.cancel();
  ASSERT_TRUE(owner.serveUntilFinished(run));
  EXPECT_TRUE(run.cancelled());
  EXPECT_FALSE(run.succeeded());
  EXPECT_TRUE(run.failure().empty());
}

TEST(BackgroundAnnotation, CancelAnswersAQuestionNotYetShownAsStop) {
  RecordingFront front;
  Owner owner;
  std::optional<AlignmentFormat> answer = AlignmentFormat::Msf;
  bool abort = false;
  {
    BackgroundAnnotation run(front, owner.waker());
    run.start([&](BackgroundAnnotation& worker) {
      answer = worker.interaction().confirmFormat(AlignmentFormat::Fasta);
      abort = worker.interaction().messageSink().ask("Go on?", 0);
      return true;
    });
    ASSERT_TRUE(owner.awaitWake());  // the question waits
    run.cancel();
    ASSERT_TRUE(owner.serveUntilFinished(run));
    EXPECT_FALSE(run.succeeded());
  }
  EXPECT_EQ(answer, std::nullopt);
  EXPECT_TRUE(abort);
  EXPECT_EQ(front.formatsAsked, 0);
  EXPECT_TRUE(front.sink.messages().empty());

  // Going away while a question waits unseen stops the worker too.
  BackgroundAnnotation abandoned(front, [] {});
  abandoned.start([](BackgroundAnnotation& worker) {
    return worker.interaction().confirmFormat(AlignmentFormat::Fasta).has_value();
  });
}

TEST(BackgroundAnnotation, WhatEndedTheWorkIsKept) {
  RecordingFront front;
  Owner owner;
  BackgroundAnnotation run(front, owner.waker());
  run.start([](BackgroundAnnotation&) -> bool { throw std::bad_alloc(); });
  ASSERT_TRUE(owner.serveUntilFinished(run));
  EXPECT_FALSE(run.succeeded());
  EXPECT_EQ(run.failure(), "out of memory");
  EXPECT_EQ(runFailureMessage(run.failure()),
            "The annotation could not be finished: out of memory.");
}

}  // namespace
}  // namespace hueset
