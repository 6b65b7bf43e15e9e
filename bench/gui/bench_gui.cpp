// Opens an alignment in the real main window on the offscreen platform, runs
// "To Clipboard as HTML" or "as RTF" the way a user would, and prints (as
// key=value pairs for scripts/bench-gui) how long opening and the command
// took, the longest the window's event loop was kept waiting, the peak
// memory, and what the clipboard holds and makes on request. The preview
// pane is hidden, so the command is measured alone; with --preview it is
// shown, and the command starts once the first preview is drawn, as when a
// user opens a file and looks before annotating.
//
// With "threshold" instead of a command: once the first preview is drawn,
// the threshold slider moves from 80% to 60%, and it prints how long until
// the preview shows the new threshold, drawn (the pause the preview waits
// after the last move, for a drag, included and also given alone), and the
// longest the event loop was kept waiting meanwhile.
//
//   hueset-bench-gui FILE html|rtf [--preview]
//   hueset-bench-gui FILE threshold
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "desktop/frame/command_ids.h"
#include "gui/app/hueset_app.h"
#include "gui/app/main_window.h"
#include "gui/app/preview_controller.h"
#include "gui/common/user_prompts.h"
#include "gui/output/word_processor_handoff.h"
#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_runner.h"
#include "gui/preview/threshold_bar.h"

namespace {

using namespace hueset;
using namespace hueset::gui;

// Answers as a user pressing OK everywhere would.
class AcceptingPrompts final : public UserPrompts {
 public:
  PromptAnswer message(QWidget*, const QString& title, const QString& text, PromptIcon,
                       PromptButtons buttons) override {
    std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
    return buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel
               ? PromptAnswer::Yes
               : PromptAnswer::Ok;
  }
  std::optional<int> chooseFromList(QWidget*, const ListChoice& choice) override {
    return choice.selected;
  }
  bool acceptCharacterProblems(QWidget*, const std::vector<CharacterProblem>&) override {
    return true;
  }
  void showUnequalLengths(QWidget*, const std::string&, const Alignment&) override {}
  std::optional<FileChoice> chooseAnnotationFile(QWidget*, const QString&,
                                                 const QString&) override {
    return {};
  }
  QString chooseDocumentToOpen(QWidget*, const QString&) override { return {}; }
  QString chooseDocumentToSave(QWidget*, const QString&) override { return {}; }
  void showInstallHelp(QWidget*) override {}
};

class NoLauncher final : public ProgramLauncher {
 public:
  QString findExecutable(const QString&) override { return {}; }
  bool isExecutable(const QString&) override { return false; }
  bool startDetached(const QString&, const QStringList&) override { return false; }
  bool openWithDefaultApplication(const QString&) override { return false; }
};

long statusKilobytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size()));
  }
  return -1;
}

// The loop's longest wait between two ticks of a 10 ms timer.
class StallWatch {
 public:
  StallWatch() {
    m_ticker.setInterval(10);
    QObject::connect(&m_ticker, &QTimer::timeout,
                     [this] { m_longest = std::max(m_longest, m_sinceTick.restart()); });
  }
  void start() {
    m_longest = 0;
    m_sinceTick.start();
    m_ticker.start();
  }
  qint64 stop() {
    m_ticker.stop();
    return std::max(m_longest, m_sinceTick.elapsed());
  }

 private:
  QTimer m_ticker;
  QElapsedTimer m_sinceTick;
  qint64 m_longest = 0;
};

// From the slider's move to the preview drawn at the new threshold.
void measureThreshold(HuesetApp& app, double opened) {
  PreviewController* preview = app.mainWindow()->preview();
  auto clock = std::make_shared<QElapsedTimer>();
  auto stalls = std::make_shared<StallWatch>();
  auto moved = std::make_shared<bool>(false);
  QObject::connect(preview->runner(), &PreviewRunner::outcomeReady, preview, [=, &app] {
    if (!*moved) {
      // The first preview, at 80%: move the slider once it is drawn.
      *moved = true;
      QTimer::singleShot(0, preview, [=] {
        preview->pane()->viewport()->repaint();
        stalls->start();
        clock->start();
        preview->thresholdBar()->slider()->setValue(600);
      });
      return;
    }
    // The pane took the outcome before this slot: draw it now.
    preview->pane()->viewport()->repaint();
    const double shown = clock->elapsed() / 1000.0;
    const qint64 stall = stalls->stop();
    std::printf(
        "open_s=%.2f threshold=%d threshold_to_shown_s=%.3f pause_s=%.3f stall_ms=%lld "
        "peak_kib=%ld\n",
        opened, app.options().annotation.consensusThreshold, shown,
        std::chrono::duration<double>(PreviewRunner::kTypingPause).count(),
        static_cast<long long>(stall), statusKilobytes("VmHWM:"));
    QApplication::quit();
  });
}

}  // namespace

int main(int argc, char** argv) {
  const bool threshold = argc == 3 && std::string(argv[2]) == "threshold";
  const bool withPreview = threshold || (argc == 4 && std::string(argv[3]) == "--preview");
  if (argc != 3 && !withPreview) {
    std::fprintf(stderr, "usage: %s FILE html|rtf [--preview]\n       %s FILE threshold\n", argv[0],
                 argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  const QString profile = home.filePath(QStringLiteral("profile.ini"));
  qputenv("HUESET_PROFILE", QFile::encodeName(profile));
  {
    QFile file(profile);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(withPreview ? "[Window]\nShow Preview=1\n" : "[Window]\nShow Preview=0\n");
  }
  QApplication qapp(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  const bool html = std::string(argv[2]) == "html";

  AcceptingPrompts prompts;
  NoLauncher launcher;
  QElapsedTimer clock;
  clock.start();
  HuesetApp app(QStringList{QStringLiteral("hueset"), QString::fromLocal8Bit(argv[1])}, &prompts,
                &launcher);
  if (!app.start()) return 1;
  const double opened = clock.elapsed() / 1000.0;
  const long afterOpen = statusKilobytes("VmRSS:");
  if (threshold) {
    measureThreshold(app, opened);
    QApplication::exec();
    app.shutDown();
    return 0;
  }

  // The longest the event loop went without turning while the command ran.
  QElapsedTimer sinceTick;
  qint64 longestStall = 0;
  QTimer ticker;
  ticker.setInterval(10);
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestStall = std::max(longestStall, sinceTick.restart()); });

  double previewSeconds = 0;
  long previewPeak = 0;
  const auto runCommand = [&] {
    sinceTick.start();
    ticker.start();
    clock.restart();
    app.mainWindow()
        ->action(html ? Command::AnnotateToHtmlClipboard : Command::AnnotateToRtfClipboard)
        ->trigger();
    const double annotated = clock.elapsed() / 1000.0;
    ticker.stop();
    longestStall = std::max(longestStall, sinceTick.elapsed());
    // Before the clipboard is read: a format made on request would count.
    const long peak = statusKilobytes("VmHWM:");

    // What the clipboard holds, and what it makes only when asked: a format
    // made on request comes in a new buffer each time.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QStringList held;
    QStringList onRequest;
    std::vector<const char*> buffers;
    qint64 heldBytes = 0;
    for (const QString& format : data ? data->formats() : QStringList()) {
      const QByteArray first = data->data(format);
      const QByteArray second = data->data(format);
      const QString entry = QStringLiteral("%1:%2").arg(format).arg(first.size());
      if (first.constData() != second.constData()) {
        onRequest << entry;
        continue;
      }
      held << entry;
      if (std::find(buffers.begin(), buffers.end(), first.constData()) == buffers.end()) {
        buffers.push_back(first.constData());
        heldBytes += first.size();
      }
    }
    std::printf(
        "open_s=%.2f open_rss_kib=%ld preview_s=%.2f preview_peak_kib=%ld command_s=%.2f "
        "stall_ms=%lld peak_kib=%ld held_bytes=%lld held=%s on_request=%s\n",
        opened, afterOpen, previewSeconds, previewPeak, annotated,
        static_cast<long long>(longestStall), peak, static_cast<long long>(heldBytes),
        qPrintable(held.join(QLatin1Char(','))),
        qPrintable(onRequest.isEmpty() ? QStringLiteral("-") : onRequest.join(QLatin1Char(','))));
    QApplication::quit();
  };
  if (withPreview) {
    // The first outcome after opening; the command follows at once.
    QObject::connect(
        app.mainWindow()->preview()->runner(), &PreviewRunner::outcomeReady, &qapp,
        [&] {
          previewSeconds = clock.elapsed() / 1000.0;
          previewPeak = statusKilobytes("VmHWM:");
          QTimer::singleShot(0, runCommand);
        },
        Qt::SingleShotConnection);
  } else {
    QTimer::singleShot(0, runCommand);
  }
  QApplication::exec();
  app.shutDown();
  return 0;
}
