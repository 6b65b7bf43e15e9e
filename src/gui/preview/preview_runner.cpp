#include "gui/preview/preview_runner.h"

#include <utility>

namespace hueset::gui {

PreviewRunner::PreviewRunner(Source source, QObject* parent)
    : QObject(parent), m_source(std::move(source)) {
  m_pause.setSingleShot(true);
  m_pause.setInterval(kTypingPause);
  connect(&m_pause, &QTimer::timeout, this, &PreviewRunner::updateNow);
}

PreviewRunner::~PreviewRunner() {
  // Each thread is asked to stop and joined; one still posting its outcome
  // finishes before this object goes, and the posted call dies with it.
  stopAll();
  m_runs.clear();
}

void PreviewRunner::stopAll() {
  for (Run& run : m_runs) run.stop.requestStop();
}

void PreviewRunner::scheduleUpdate() {
  stopAll();
  m_pause.start();
}

void PreviewRunner::updateNow() {
  m_pause.stop();
  stopAll();
  const bool wasRunning = isRunning();
  const std::uint64_t number = ++m_latest;
  Run& run = m_runs.emplace_back();
  run.number = number;
  run.thread = std::jthread([this, number, stop = run.stop, input = m_source()] {
    auto outcome = std::make_shared<const PreviewOutcome>(runPreview(input, stop));
    QMetaObject::invokeMethod(
        this, [this, number, outcome]() { finished(number, outcome); }, Qt::QueuedConnection);
  });
  if (!wasRunning) emit runningChanged(true);
}

void PreviewRunner::finished(std::uint64_t number, std::shared_ptr<const PreviewOutcome> outcome) {
  // The thread has done its work; joining it only waits for its return.
  m_runs.remove_if([number](const Run& run) { return run.number == number; });
  if (number == m_latest && !outcome->stopped) emit outcomeReady(std::move(outcome));
  if (m_runs.empty()) emit runningChanged(false);
}

}  // namespace hueset::gui
