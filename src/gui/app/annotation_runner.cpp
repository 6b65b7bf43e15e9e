#include "gui/app/annotation_runner.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"
#include "gui/controls/progress_dialog.h"

namespace hueset::gui {
namespace {

// How often the progress dialog looks at the stage reached.
constexpr int kProgressUpdateMs = 100;

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: return true;
    default: return false;
  }
}

}  // namespace

AnnotationRunner::AnnotationRunner(AnnotationInteraction& front, UserPrompts& prompts,
                                   QWidget* window)
    : QObject(window), m_front(front), m_prompts(prompts), m_window(window) {}

AnnotationRunner::~AnnotationRunner() = default;

bool AnnotationRunner::run(BackgroundAnnotation::Job job) {
  if (m_run) return false;
  BackgroundAnnotation run(m_front, [this] {
    QMetaObject::invokeMethod(this, &AnnotationRunner::serve, Qt::QueuedConnection);
  });
  QEventLoop loop;
  m_run = &run;
  m_loop = &loop;
  qApp->installEventFilter(this);
  QApplication::setOverrideCursor(Qt::BusyCursor);

  QTimer delay;
  delay.setSingleShot(true);
  connect(&delay, &QTimer::timeout, this, &AnnotationRunner::showProgress);
  m_delay = &delay;
  QTimer update;
  connect(&update, &QTimer::timeout, this, [this] {
    if (m_dialog && m_run) m_dialog->setProgress(m_run->progress());
  });

  run.start(std::move(job));
  delay.start(kProgressDelayMs);
  update.start(kProgressUpdateMs);
  loop.exec();

  update.stop();
  delay.stop();
  m_delay = nullptr;
  delete m_dialog;
  QApplication::restoreOverrideCursor();
  qApp->removeEventFilter(this);
  m_run = nullptr;
  m_loop = nullptr;
  // Left early, the program is ending: the worker stops at its next step.
  if (!run.finished()) run.cancel();
  const bool completed = run.succeeded();
  if (const std::string failure = run.failure(); !failure.empty()) {
    m_prompts.message(m_window, QStringLiteral("HUESET"), toQString(runFailureMessage(failure)),
                      PromptIcon::Stop, PromptButtons::Ok);
  }
  emit ended();
  return completed;
}

void AnnotationRunner::cancel() {
  if (!m_run) return;
  m_run->cancel();
  if (m_dialog) m_dialog->setStopping();
}

void AnnotationRunner::serve() {
  if (!m_run) return;
  if (!m_run->finished()) {
    // A question: the user answers it with the arrow, and the progress
    // dialog waits its half second again afterwards.
    m_asking = true;
    if (m_delay) m_delay->stop();
    QApplication::changeOverrideCursor(Qt::ArrowCursor);
    m_run->serve();
    QApplication::changeOverrideCursor(Qt::BusyCursor);
    m_asking = false;
    if (m_delay && !m_dialog) m_delay->start(kProgressDelayMs);
  }
  if (m_run && m_run->finished()) m_loop->quit();
}

void AnnotationRunner::showProgress() {
  if (!m_run || m_dialog || m_asking) return;
  m_dialog = new ProgressDialog(m_window);
  m_dialog->setWindowModality(Qt::WindowModal);
  m_dialog->setProgress(m_run->progress());
  if (m_run->cancelled()) m_dialog->setStopping();
  connect(m_dialog, &ProgressDialog::cancelRequested, this, &AnnotationRunner::cancel);
  m_dialog->show();
}

bool AnnotationRunner::eventFilter(QObject* watched, QEvent* event) {
  if (!m_run || !isInput(event->type())) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) {
    // The keys of the window's commands reach their actions.
    if (auto* action = qobject_cast<QAction*>(watched)) {
      widget = qobject_cast<QWidget*>(action->parent());
    }
  }
  if (!widget || widget->window() != m_window) return false;
  // A key that would be a shortcut is taken here, and then dropped.
  if (event->type() == QEvent::ShortcutOverride) event->accept();
  return true;
}

}  // namespace hueset::gui
