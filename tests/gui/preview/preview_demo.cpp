// Shows the preview pane beside a plain editor holding FILE, as the main
// window will, for screenshots: the pane follows the editor, the status bar
// follows the mouse.
//   preview_demo FILE [--threshold TENTHS] [--zoom PERCENT] [--hover X,Y] [--shot OUT.png]
// --hover moves the mouse to that point of the preview once it is drawn;
// --shot saves the window to OUT.png then and quits (works offscreen too).
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>

#include "groupings/builtin_defaults.h"
#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_runner.h"

using namespace hueset;
using namespace hueset::gui;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  if (arguments.size() < 2) return 2;
  QFile file(arguments[1]);
  if (!file.open(QIODevice::ReadOnly)) return 1;
  auto option = [&arguments](const QString& name) {
    const qsizetype at = arguments.indexOf(name);
    return at > 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
  };

  QMainWindow window;
  auto* splitter = new QSplitter(&window);
  auto* editor = new QPlainTextEdit(splitter);
  editor->setFont(QFont(QStringLiteral("Monospace"), 9));
  editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor->setPlainText(QString::fromLatin1(file.readAll()));
  auto* pane = new PreviewPane(splitter);
  splitter->setSizes({350, 650});
  window.setCentralWidget(splitter);
  window.resize(1200, 700);

  Options options;
  if (!option(QStringLiteral("--threshold")).isEmpty()) {
    options.annotation.consensusThreshold = option(QStringLiteral("--threshold")).toInt();
  }
  const GroupingSet groupings = builtinDefault(BuiltinDefault::Colour);
  PreviewRunner runner([&] {
    return PreviewInput{editor->toPlainText().toLatin1().toStdString(), options, groupings, {}};
  });
  QObject::connect(editor, &QPlainTextEdit::textChanged, &runner, &PreviewRunner::scheduleUpdate);
  QObject::connect(&runner, &PreviewRunner::outcomeReady, pane, &PreviewPane::showOutcome);
  QObject::connect(pane, &PreviewPane::hoverTextChanged, window.statusBar(),
                   [&](const QString& text) { window.statusBar()->showMessage(text); });
  QObject::connect(pane, &PreviewPane::messageClicked, editor, [editor](int line) {
    QTextCursor cursor(editor->document()->findBlockByNumber(line - 1));
    cursor.select(QTextCursor::LineUnderCursor);
    editor->setTextCursor(cursor);
  });
  if (!option(QStringLiteral("--zoom")).isEmpty())
    pane->setZoom(option(QStringLiteral("--zoom")).toInt());

  const QStringList hover = option(QStringLiteral("--hover")).split(QLatin1Char(','));
  const QString shot = option(QStringLiteral("--shot"));
  QObject::connect(&runner, &PreviewRunner::outcomeReady, &window, [&] {
    QTimer::singleShot(100, &window, [&] {
      if (hover.size() == 2) {
        const QPointF point(hover[0].toDouble(), hover[1].toDouble());
        QMouseEvent move(QEvent::MouseMove, point, pane->viewport()->mapToGlobal(point),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pane->viewport(), &move);
      }
      if (!shot.isEmpty()) {
        window.grab().save(shot);
        app.quit();
      }
    });
  });
  runner.updateNow();
  window.show();
  return app.exec();
}
