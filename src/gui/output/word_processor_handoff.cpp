#include "gui/output/word_processor_handoff.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "annotate/annotation_writer.h"
#include "desktop/word_processor.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"
#include "gui/output/clipboard_transfer.h"
#include "util/file_write.h"

namespace hueset::gui {

QString DesktopLauncher::findExecutable(const QString& name) {
  return QStandardPaths::findExecutable(name);
}

bool DesktopLauncher::isExecutable(const QString& path) {
  QFileInfo info(path);
  return info.isFile() && info.isExecutable();
}

bool DesktopLauncher::startDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

bool DesktopLauncher::openWithDefaultApplication(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

WordProcessorHandoff::WordProcessorHandoff(ProgramLauncher& launcher)
    : m_launcher(launcher),
      m_folder(QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                   .filePath(QStringLiteral("hueset-annotations"))) {}

QString WordProcessorHandoff::wordProcessor() {
  if (!m_program.isEmpty() && !m_launcher.isExecutable(m_program)) m_program.clear();
  if (m_program.isEmpty()) {
    std::string found = findWriterProgram([this](std::string_view name) {
      return toPathBytes(m_launcher.findExecutable(toQString(name)));
    });
    m_program = toQPath(found);
  }
  return m_program;
}

void WordProcessorHandoff::release() { m_program.clear(); }

QString WordProcessorHandoff::writeTemporaryFile(const AnnotationWriter& writer, QString* error) {
  if (!QDir().mkpath(m_folder)) {
    *error = QStringLiteral("The folder %1 could not be created.").arg(m_folder);
    return {};
  }
  // A new name every time: a word processor may still hold the last one.
  QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
  QString path = QDir(m_folder).filePath(QStringLiteral("annotation-%1.rtf").arg(stamp));
  for (int n = 2; QFileInfo::exists(path); ++n) {
    path = QDir(m_folder).filePath(QStringLiteral("annotation-%1-%2.rtf").arg(stamp).arg(n));
  }
  std::string text = writer.fileText();
  WriteResult result = writeFileAtomically(toPathBytes(path), text);
  if (!result.ok) {
    *error = toQPath(result.error);
    return {};
  }
  return path;
}

bool WordProcessorHandoff::send(const AnnotationWriter& writer, QClipboard* clipboard,
                                QWidget* parent, UserPrompts& prompts) {
  if (!transferToClipboard(writer, clipboard)) return false;

  auto reportError = [&](const QString& description) {
    prompts.message(parent, toQString(kWordProcessorErrorCaption),
                    displayText(wordProcessorErrorMessage(toPathBytes(description))),
                    PromptIcon::Exclamation, PromptButtons::Ok);
    return false;
  };
  auto reportMissing = [&] {
    prompts.message(parent, toQString(kWordProcessorMissingCaption),
                    displayText(wordProcessorMissingMessage()), PromptIcon::Exclamation,
                    PromptButtons::Ok);
    return false;
  };

  QString program = wordProcessor();
  QString error;
  m_lastFile = writeTemporaryFile(writer, &error);
  if (m_lastFile.isEmpty()) return reportError(error);

  if (!program.isEmpty()) {
    WordProcessorLaunch launch =
        writerLaunch(toPathBytes(program), toPathBytes(m_lastFile));
    QStringList arguments;
    for (const std::string& a : launch.arguments) arguments << toQPath(a);
    if (m_launcher.startDetached(program, arguments)) return true;
    m_program.clear();
    return reportError(QStringLiteral("%1 could not be started.").arg(program));
  }
  if (m_launcher.openWithDefaultApplication(m_lastFile)) return true;
  return reportMissing();
}

}  // namespace hueset::gui
