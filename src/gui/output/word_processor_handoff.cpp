#include "gui/output/word_processor_handoff.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "annotate/annotation_writer.h"
#include "desktop/frame/word_processor.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"
#include "gui/output/clipboard_transfer.h"

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
    : m_launcher(launcher), m_base(QDir::tempPath()) {}

WordProcessorHandoff::~WordProcessorHandoff() = default;

QString WordProcessorHandoff::folder() const { return m_files ? m_files->path() : QString(); }

void WordProcessorHandoff::removeTemporaryFiles() {
  m_files.reset();
  m_lastFile.clear();
}

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

QString WordProcessorHandoff::newFile(QString* error) {
  if (!m_files) {
    // A fixed name in a shared folder could be taken, or read, by another
    // user first: the folder is made anew, private, for this run.
    QDir().mkpath(m_base);
    auto files =
        std::make_unique<QTemporaryDir>(QDir(m_base).filePath(QStringLiteral("hueset-XXXXXX")));
    if (!files->isValid()) {
      *error = QStringLiteral("The folder %1 could not be created.").arg(files->path());
      return {};
    }
    m_files = std::move(files);
  }
  const QDir folder(m_files->path());
  // A new name every time: a word processor may still hold the last one.
  QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
  QString path = folder.filePath(QStringLiteral("annotation-%1.rtf").arg(stamp));
  for (int n = 2; QFileInfo::exists(path); ++n) {
    path = folder.filePath(QStringLiteral("annotation-%1-%2.rtf").arg(stamp).arg(n));
  }
  return path;
}

bool WordProcessorHandoff::send(std::unique_ptr<QMimeData> data, const QString& file,
                                const QString& writeError, QClipboard* clipboard, QWidget* parent,
                                UserPrompts& prompts) {
  if (!clipboard) return false;
  clipboard->setMimeData(data.release(), QClipboard::Clipboard);

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
  if (!writeError.isEmpty()) return reportError(writeError);
  // The file before has been read into its document by now.
  if (!m_lastFile.isEmpty() && m_lastFile != file) QFile::remove(m_lastFile);
  m_lastFile = file;

  if (!program.isEmpty()) {
    WordProcessorLaunch launch = writerLaunch(toPathBytes(program), toPathBytes(m_lastFile));
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
