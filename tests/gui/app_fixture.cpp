#include "app_fixture.h"

#include <QFile>
#include <QTextStream>

#include "support/test_files.h"

namespace hueset::gui::test {

void AppFixture::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string tag = std::string("gui_") + info->test_suite_name() + "_" + info->name();
  for (char& c : tag) {
    if (c == '/') c = '_';
  }
  m_dir = QString::fromStdString(hueset::test::makeTempDir(tag));
  m_profile = path(QStringLiteral("profile.ini"));
  // Start in the test's folder, so the options file lands there.
  m_profileText = QStringLiteral("[General Settings]\nLast Document Directory=%1\n").arg(m_dir);
  m_savedCurrent = QDir::currentPath();
  qputenv("HUESET_PROFILE", QFile::encodeName(m_profile));
  qputenv("HUESET_HELP_DIR", HUESET_SOURCE_DIR "/src/gui/resources/help");
}

void AppFixture::start(const QStringList& arguments) {
  QFile file(m_profile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(m_profileText.toUtf8());
  file.close();
  m_app = std::make_unique<HuesetApp>(QStringList{QStringLiteral("hueset")} + arguments, &m_prompts,
                                      &m_launcher);
  ASSERT_TRUE(m_app->start());
}

void AppFixture::exit() {
  if (m_app) m_app->shutDown();
}

void AppFixture::TearDown() {
  exit();
  m_app.reset();
  QDir::setCurrent(m_savedCurrent);
  qunsetenv("HUESET_HELP_DIR");
}

QString testText(const char* name) {
  return QString::fromStdString(hueset::test::readTestFile(std::string("gui/") + name));
}

}  // namespace hueset::gui::test
