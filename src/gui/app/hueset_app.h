#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "groupings/current_configuration.h"
#include "groupings/grouping_set.h"
#include "settings/options.h"
#include "settings/profile_store.h"

namespace hueset::gui {

class DialogPrompts;
class MainWindow;
class ProgramLauncher;
class UserPrompts;
class WordProcessorHandoff;

// The application object: owns the options, the profile store they live in,
// the current configuration, the editor font and the word-processor
// hand-off for the whole run, starts the program and ends it in order.
class HuesetApp : public QObject {
  Q_OBJECT
 public:
  // `prompts` and `launcher` replace the dialogs and the desktop (tests);
  // null takes the real ones. `arguments` is the command line, program first.
  explicit HuesetApp(QStringList arguments, UserPrompts* prompts = nullptr,
                     ProgramLauncher* launcher = nullptr);
  ~HuesetApp() override;

  // Start-up: options, main window (where it was last time), command line,
  // configuration, font (the one chosen last time).
  // False ends the program at once.
  bool start();
  // The orderly end: releases the word processor, removes its temporary
  // files and saves the options (the profile store and "hueset.opt") with
  // the window's place and the editor font. Runs once; returns `exitCode`.
  int shutDown(int exitCode = 0);

  Options& options() { return m_options; }
  ProfileStore& profile() { return *m_profile; }
  const CurrentConfiguration& configuration() const { return m_configuration; }
  CurrentConfiguration& configuration() { return m_configuration; }
  MainWindow* mainWindow() const { return m_mainWindow.get(); }
  UserPrompts& prompts() { return *m_prompts; }
  WordProcessorHandoff& wordProcessor() { return *m_wordProcessor; }
  const QFont& editorFont() const { return m_editorFont; }
  void setEditorFont(const QFont& font) { m_editorFont = font; }
  const QString& profilePath() const { return m_profilePath; }

  // Makes the built-in colour default the current configuration.
  void useColourDefault();
  // Loads a configuration file and makes it the current one (no
  // confirmation); on failure shows the message and keeps the current
  // configuration.
  bool loadConfiguration(const QString& path);

 signals:
  void configurationChanged();

 private:
  QStringList m_arguments;
  QString m_profilePath;
  std::unique_ptr<IniProfileStore> m_profile;
  Options m_options;
  CurrentConfiguration m_configuration;
  QFont m_editorFont;
  std::unique_ptr<DialogPrompts> m_ownPrompts;
  UserPrompts* m_prompts;
  std::unique_ptr<ProgramLauncher> m_ownLauncher;
  std::unique_ptr<WordProcessorHandoff> m_wordProcessor;
  std::unique_ptr<MainWindow> m_mainWindow;
  bool m_exited = false;
};

}  // namespace hueset::gui
