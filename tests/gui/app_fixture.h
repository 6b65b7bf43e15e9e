#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <memory>

#include "gui/app/hueset_app.h"
#include "gui/output/word_processor_handoff.h"
#include "scripted_prompts.h"

namespace hueset::gui::test {

// A launcher that starts nothing and records what it was asked.
class FakeLauncher final : public ProgramLauncher {
 public:
  QString writer;             // what findExecutable("soffice") finds
  bool defaultOpens = false;  // whether a default application takes .rtf
  bool startSucceeds = true;
  QStringList started;  // program, then arguments, per start
  QStringList opened;

  QString findExecutable(const QString& name) override {
    return name == QStringLiteral("soffice") ? writer : QString();
  }
  bool isExecutable(const QString& path) override { return !path.isEmpty() && path == writer; }
  bool startDetached(const QString& program, const QStringList& arguments) override {
    started << program << arguments;
    return startSucceeds;
  }
  bool openWithDefaultApplication(const QString& path) override {
    opened << path;
    return defaultOpens;
  }
};

// A started program with its profile, current folder and help in a fresh
// temporary folder. Tests may write the profile text before `start`.
class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `profileText` and starts the program with `arguments`.
  void start(const QStringList& arguments = {});
  // The orderly end (as when the window closes).
  void exit();

  QString path(const QString& name) const { return QDir(m_dir).filePath(name); }

  QString m_dir;
  QString m_profile;
  QString m_profileText;
  QString m_savedCurrent;
  ScriptedPrompts m_prompts;
  FakeLauncher m_launcher;
  std::unique_ptr<HuesetApp> m_app;
};

// The text of tests/data/gui/<name>.
QString testText(const char* name);

}  // namespace hueset::gui::test
