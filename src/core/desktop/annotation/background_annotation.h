#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "pipeline/annotation_driver.h"

namespace hueset {

// The stages of an annotate command, for its progress display: the driver's
// three, then writing a file and filling the clipboard.
enum class RunStage { Reading, Consensus, Layout, Writing, Clipboard };

struct RunProgress {
  RunStage stage = RunStage::Reading;
  int percent = 0;  // of the stage

  bool operator==(const RunProgress&) const = default;
};

// What the progress dialog says of a stage, e.g. "Laying out the annotation".
std::string_view runStageText(RunStage stage);
// What the progress dialog says once Cancel has been pressed.
inline constexpr std::string_view kRunStoppingText = "Stopping";
// Whether a stage tells how far it has got; the others show a busy bar.
inline bool runStageCounts(RunStage stage) { return stage == RunStage::Layout; }
// The progress dialog appears only for work that takes longer than this.
inline constexpr int kProgressDelayMs = 500;
// Said when something unforeseen ended the work (out of memory, say).
std::string runFailureMessage(std::string_view why);

// Runs an annotation on a thread of its own while the thread that owns the
// windows (the owner) goes on serving its events, so the windows never
// freeze. The driver's questions and the readers' messages cross over: the
// worker waits while the owner answers them with `front`, so every dialog
// opens on the owner's thread, one at a time, and its answer reaches the
// driver as if it had asked directly.
class BackgroundAnnotation final : private AnnotationInteraction, private ParseMessageSink {
 public:
  // The work, on the worker: the driver with interaction(), then the
  // command's own stages (advance). True when it completed.
  using Job = std::function<bool(BackgroundAnnotation& run)>;

  // `wake` is called on the worker whenever a question waits or the job has
  // ended; the owner must then call serve() soon, on its own thread (post it
  // to its event loop).
  BackgroundAnnotation(AnnotationInteraction& front, std::function<void()> wake);
  // Stops the job at its next step and waits for the worker.
  ~BackgroundAnnotation() override;
  BackgroundAnnotation(const BackgroundAnnotation&) = delete;
  BackgroundAnnotation& operator=(const BackgroundAnnotation&) = delete;

  // Starts the job; once only.
  void start(Job job);

  // Owner: answers the question that waits, if one does.
  void serve();
  // Owner: stops the job at its next step. A question not yet shown is
  // answered as a user stopping there would (Cancel, No); one on the screen
  // is answered by the user first.
  void cancel();

  bool finished() const;
  // The job completed and was not cancelled; meaningful once finished.
  bool succeeded() const;
  bool cancelled() const;
  // What ended the job when it threw (out of memory, say); empty otherwise.
  std::string failure() const;
  RunProgress progress() const;

  // Worker: what the driver asks and tells, relayed to the owner.
  AnnotationInteraction& interaction() { return *this; }
  // Worker: `release` runs once the driver has read its text (as it starts
  // on the consensus), so the job's copy of the text need not last longer.
  void whenRead(std::function<void()> release) { m_whenRead = std::move(release); }
  // Worker: the command's own stages after the driver's. False once cancelled.
  bool advance(RunStage stage, int percent);

 private:
  enum class Question { None, Waiting, Serving, Answered };

  // Worker: has the owner run `question` and waits for it; returns without
  // running it when cancelled first.
  void relay(const std::function<void()>& question);

  // AnnotationInteraction, on the worker.
  bool progress(AnnotationStage stage, int percent) override;
  void warn(const std::string& text) override;
  ParseMessageSink& messageSink() override { return *this; }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override;
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) override;
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names,
                                             bool duplicateInSets,
                                             const std::vector<int>& startingChoice) override;
  // ParseMessageSink, on the worker.
  bool ask(const std::string& text, int line) override;
  void error(const std::string& text, int line) override;
  void unequalLengths(const std::string& text, const Alignment& alignment) override;

  AnnotationInteraction& m_front;
  std::function<void()> m_wake;
  std::function<void()> m_whenRead;
  std::thread m_worker;

  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  Question m_state = Question::None;
  const std::function<void()>* m_question = nullptr;
  bool m_finished = false;
  bool m_completed = false;
  std::string m_failure;

  std::atomic<bool> m_cancelled{false};
  std::atomic<RunStage> m_stage{RunStage::Reading};
  std::atomic<int> m_percent{0};
};

}  // namespace hueset
