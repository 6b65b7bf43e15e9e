#pragma once

#include <QObject>
#include <QPointer>

#include "desktop/annotation/background_annotation.h"
#include "gui/controls/progress_dialog.h"

class QEventLoop;
class QTimer;
class QWidget;

namespace hueset::gui {

class UserPrompts;

// Runs the annotation of a command on a thread of its own and returns when
// it has ended, the window's event loop turning all the while: the window
// repaints but takes no input, the driver's questions open as dialogs on
// this thread (through `front`), and after half a second a progress dialog
// shows the stage with Cancel, which stops the work and leaves everything
// as it was.
class AnnotationRunner : public QObject {
  Q_OBJECT
 public:
  // `window` is the one kept from input and the progress dialog's parent;
  // `prompts` says what ended a run that failed.
  AnnotationRunner(AnnotationInteraction& front, UserPrompts& prompts, QWidget* window);
  ~AnnotationRunner() override;

  // True when the job completed; false when it was stopped by the user, by
  // an answer, by Cancel or by a failure (whose message has been shown).
  bool run(BackgroundAnnotation::Job job);

  bool busy() const { return m_run != nullptr; }
  // Stops the run in progress at its next step.
  void cancel();
  // The progress dialog of the run in progress, once it has appeared.
  ProgressDialog* progressDialog() const { return m_dialog; }

 signals:
  // A run has ended, whichever way.
  void ended();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Answers the question of the worker, and ends the wait once it is done.
  void serve();
  void showProgress();

  AnnotationInteraction& m_front;
  UserPrompts& m_prompts;
  QWidget* m_window;
  BackgroundAnnotation* m_run = nullptr;
  QEventLoop* m_loop = nullptr;
  QTimer* m_delay = nullptr;  // until the progress dialog appears
  QPointer<ProgressDialog> m_dialog;
  bool m_asking = false;
};

}  // namespace hueset::gui
