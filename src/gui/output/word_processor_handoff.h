#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QClipboard;
class QMimeData;
class QTemporaryDir;
class QWidget;

namespace hueset::gui {

class UserPrompts;

// How the hand-off reaches the outside world; tests replace it.
class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Full path of an executable on the search path, or empty.
  virtual QString findExecutable(const QString& name) = 0;
  // True when the file at `path` is still an executable program.
  virtual bool isExecutable(const QString& path) = 0;
  // Starts a program that outlives this one; false when it cannot start.
  virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
  // Opens a file in the desktop's default application for its type.
  virtual bool openWithDefaultApplication(const QString& path) = 0;
};

// The launcher of the real desktop.
class DesktopLauncher final : public ProgramLauncher {
 public:
  QString findExecutable(const QString& name) override;
  bool isExecutable(const QString& path) override;
  bool startDetached(const QString& program, const QStringList& arguments) override;
  bool openWithDefaultApplication(const QString& path) override;
};

// The "To MS Word" command's second half: the RTF goes to the clipboard,
// into a temporary .rtf file, and from there into a new LibreOffice Writer
// document (or the default application for .rtf). The word processor found
// is remembered for the next run, like an automation object.
//
// The temporary files live in a folder of this run's own (mode 0700, under a
// name no one can guess or take first) and go with it when the program ends;
// a new file replaces the one before, which its reader has done with.
class WordProcessorHandoff {
 public:
  explicit WordProcessorHandoff(ProgramLauncher& launcher);
  ~WordProcessorHandoff();

  // A name for the next temporary file, in the private folder (made on
  // first use); empty, with `error` saying why, when there is none.
  QString newFile(QString* error);
  // The rest of the command once the annotation is complete: `data` goes
  // to the clipboard, then `file` (written by the caller; `writeError` says
  // why it could not be) into a new word processor document. True when the
  // annotation reached a word processor. Messages go to the user through
  // `prompts`, parented to `parent`.
  bool send(std::unique_ptr<QMimeData> data, const QString& file, const QString& writeError,
            QClipboard* clipboard, QWidget* parent, UserPrompts& prompts);

  // The remembered word processor, found anew when it has gone; empty when
  // there is none (the default application is then tried).
  QString wordProcessor();
  // Forgets the remembered word processor (at exit).
  void release();
  // Removes the temporary files and their folder (at exit).
  void removeTemporaryFiles();

  // Where the private folder is made: the system's temporary folder unless
  // set (tests).
  void setFolder(const QString& base) { m_base = base; }
  // The private folder, once a file has been written; else empty.
  QString folder() const;
  // The file the last hand-off gave the word processor.
  const QString& lastFile() const { return m_lastFile; }

 private:
  ProgramLauncher& m_launcher;
  QString m_program;
  QString m_base;
  std::unique_ptr<QTemporaryDir> m_files;
  QString m_lastFile;
};

}  // namespace hueset::gui
