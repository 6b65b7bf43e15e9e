#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <thread>

#include "preview/preview_run.h"

namespace hueset::gui {

// Makes previews away from the GUI thread. Each run works on its own copy of
// the text, options and groupings, taken from `source` on the GUI thread
// when the run starts; a newer run stops the older ones, and only the
// newest outcome is delivered, on the GUI thread.
class PreviewRunner : public QObject {
  Q_OBJECT
 public:
  using Source = std::function<PreviewInput()>;

  // The pause after the last edit before a scheduled update starts.
  static constexpr std::chrono::milliseconds kTypingPause{300};

  explicit PreviewRunner(Source source, QObject* parent = nullptr);
  // Stops every run and waits for it to end.
  ~PreviewRunner() override;

  void setPause(std::chrono::milliseconds pause) { m_pause.setInterval(pause); }
  // A run is under way.
  bool isRunning() const { return !m_runs.empty(); }

 public slots:
  // After the pause, unless called again before it ends: for typing. Stops
  // the runs under way, whose text is already out of date.
  void scheduleUpdate();
  // At once: for the options sheet's OK and the groupings' changes.
  void updateNow();

 signals:
  // The newest run's outcome; never one a newer request has overtaken.
  void outcomeReady(std::shared_ptr<const PreviewOutcome> outcome);
  void runningChanged(bool running);

 private:
  struct Run {
    std::uint64_t number = 0;
    StopFlag stop;
    std::jthread thread;  // last: joined before `stop` goes
  };

  void finished(std::uint64_t number, std::shared_ptr<const PreviewOutcome> outcome);
  void stopAll();

  Source m_source;
  QTimer m_pause;
  std::uint64_t m_latest = 0;
  std::list<Run> m_runs;
};

}  // namespace hueset::gui
