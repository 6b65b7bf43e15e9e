#include "desktop/annotation/background_annotation.h"

#include <utility>

#include "util/current_failure.h"

namespace hueset {

std::string_view runStageText(RunStage stage) {
  switch (stage) {
    case RunStage::Reading: return "Reading the alignment";
    case RunStage::Consensus: return "Finding the consensus";
    case RunStage::Layout: return "Laying out the annotation";
    case RunStage::Writing: return "Writing the file";
    case RunStage::Clipboard: return "Putting the annotation on the clipboard";
  }
  return {};
}

std::string runFailureMessage(std::string_view why) {
  return "The annotation could not be finished: " + std::string(why) + ".";
}

BackgroundAnnotation::BackgroundAnnotation(AnnotationInteraction& front, std::function<void()> wake)
    : m_front(front), m_wake(std::move(wake)) {}

BackgroundAnnotation::~BackgroundAnnotation() {
  cancel();
  if (m_worker.joinable()) m_worker.join();
}

void BackgroundAnnotation::start(Job job) {
  m_worker = std::thread([this, job = std::move(job)] {
    bool completed = false;
    std::string failure;
    try {
      completed = job(*this);
    } catch (...) {
      failure = currentFailure();
    }
    {
      std::lock_guard lock(m_mutex);
      m_finished = true;
      m_completed = completed;
      m_failure = std::move(failure);
    }
    m_wake();
  });
}

void BackgroundAnnotation::serve() {
  std::unique_lock lock(m_mutex);
  if (m_state != Question::Waiting || m_cancelled) return;
  m_state = Question::Serving;
  const std::function<void()>& question = *m_question;
  lock.unlock();
  // The dialog runs an event loop of its own, in which serve() may be called
  // again; the state says the question is taken.
  struct Answered {
    BackgroundAnnotation& run;
    ~Answered() {
      std::lock_guard lock(run.m_mutex);
      run.m_state = Question::Answered;
      run.m_changed.notify_all();
    }
  } answered{*this};
  question();
}

void BackgroundAnnotation::cancel() {
  std::lock_guard lock(m_mutex);
  m_cancelled = true;
  m_changed.notify_all();
}

bool BackgroundAnnotation::finished() const {
  std::lock_guard lock(m_mutex);
  return m_finished;
}

bool BackgroundAnnotation::succeeded() const {
  std::lock_guard lock(m_mutex);
  return m_finished && m_completed && !m_cancelled;
}

bool BackgroundAnnotation::cancelled() const { return m_cancelled; }

std::string BackgroundAnnotation::failure() const {
  std::lock_guard lock(m_mutex);
  return m_failure;
}

RunProgress BackgroundAnnotation::progress() const { return RunProgress{m_stage, m_percent}; }

bool BackgroundAnnotation::advance(RunStage stage, int percent) {
  m_stage = stage;
  m_percent = percent;
  return !m_cancelled;
}

void BackgroundAnnotation::relay(const std::function<void()>& question) {
  {
    std::lock_guard lock(m_mutex);
    if (m_cancelled) return;
    m_question = &question;
    m_state = Question::Waiting;
  }
  m_wake();
  std::unique_lock lock(m_mutex);
  m_changed.wait(lock, [this] {
    return m_state == Question::Answered || (m_state == Question::Waiting && m_cancelled);
  });
  m_question = nullptr;
  m_state = Question::None;
}

bool BackgroundAnnotation::progress(AnnotationStage stage, int percent) {
  switch (stage) {
    case AnnotationStage::Reading: return advance(RunStage::Reading, percent);
    case AnnotationStage::Consensus:
      if (m_whenRead) std::exchange(m_whenRead, {})();
      return advance(RunStage::Consensus, percent);
    case AnnotationStage::Layout: return advance(RunStage::Layout, percent);
  }
  return !m_cancelled;
}

// Each question left unasked gets the answer that stops the annotation.

std::optional<AlignmentFormat> BackgroundAnnotation::confirmFormat(AlignmentFormat guess) {
  std::optional<AlignmentFormat> answer;
  relay([&] { answer = m_front.confirmFormat(guess); });
  return answer;
}

void BackgroundAnnotation::warn(const std::string& text) {
  relay([&] { m_front.warn(text); });
}

bool BackgroundAnnotation::acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) {
  bool accepted = false;
  relay([&] { accepted = m_front.acceptInvalidCharacters(problems); });
  return accepted;
}

std::optional<std::vector<int>> BackgroundAnnotation::chooseSets(
    const std::vector<std::string>& names, bool duplicateInSets,
    const std::vector<int>& startingChoice) {
  std::optional<std::vector<int>> answer;
  relay([&] { answer = m_front.chooseSets(names, duplicateInSets, startingChoice); });
  return answer;
}

bool BackgroundAnnotation::ask(const std::string& text, int line) {
  bool abort = true;
  relay([&] { abort = m_front.messageSink().ask(text, line); });
  return abort;
}

void BackgroundAnnotation::error(const std::string& text, int line) {
  relay([&] { m_front.messageSink().error(text, line); });
}

void BackgroundAnnotation::unequalLengths(const std::string& text, const Alignment& alignment) {
  relay([&] { m_front.messageSink().unequalLengths(text, alignment); });
}

}  // namespace hueset
