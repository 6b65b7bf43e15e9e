#include "gui/app/hueset_app.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

#include "groupings/builtin_defaults.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/main_frame.h"
#include "gui/common/qt_text.h"
#include "gui/groupings/groupings_commands.h"
#include "gui/input/problem_report_dialogs.h"
#include "gui/output/word_processor_handoff.h"

namespace hueset::gui {

HuesetApp::HuesetApp(QStringList arguments, UserPrompts* prompts, ProgramLauncher* launcher)
    : m_arguments(std::move(arguments)), m_prompts(prompts) {
  if (!m_prompts) {
    m_ownPrompts = std::make_unique<DialogPrompts>();
    m_prompts = m_ownPrompts.get();
  }
  if (!launcher) {
    m_ownLauncher = std::make_unique<DesktopLauncher>();
    launcher = m_ownLauncher.get();
  }
  m_wordProcessor = std::make_unique<WordProcessorHandoff>(*launcher);
}

HuesetApp::~HuesetApp() = default;

bool HuesetApp::initInstance() {
  // The profile store and the options in it; the last document folder
  // becomes the current directory.
  m_profilePath = toQPath(defaultProfilePath());
  m_profile = m_profilePath.isEmpty()
                  ? std::make_unique<IniProfileStore>()
                  : std::make_unique<IniProfileStore>(toPathBytes(m_profilePath));
  m_options.load(*m_profile);
  m_options.enterDocumentDirectory();

  // The document, its view and the main frame.
  m_frame = std::make_unique<CMainFrame>(*this);
  if (m_ownPrompts) {
    CMainFrame* frame = m_frame.get();
    m_ownPrompts->setHelp([frame](int context) { frame->help(context); });
  }
  m_frame->groupings()->setEditorHelp([frame = m_frame.get()](int context) { frame->help(context); });

  // A file named on the command line opens as the document; one that
  // cannot be opened ends the start-up after its message.
  for (int i = 1; i < m_arguments.size(); ++i) {
    const QString& argument = m_arguments.at(i);
    if (argument.startsWith(QLatin1Char('-'))) continue;
    if (!m_frame->openDocumentFile(argument)) return false;
    break;
  }

  m_frame->show();

  // The last configuration file, else the built-in colour default.
  m_frame->groupings()->startUp();

  m_editorFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  m_frame->setEditorFont(m_editorFont);
  return true;
}

int HuesetApp::exitInstance(int exitCode) {
  if (m_exited) return exitCode;
  m_exited = true;
  m_wordProcessor->release();
  if (m_profile) {
    if (m_frame) m_frame->groupings()->storeForExit();
    m_options.save(*m_profile);
  }
  return exitCode;
}

void HuesetApp::useColourDefault() {
  m_frame->groupings()->commands().loadDefault(BuiltinDefault::Colour);
}

bool HuesetApp::loadConfiguration(const QString& path) {
  ConfigurationCommands& commands = m_frame->groupings()->commands();
  const std::string file = toPathBytes(QFileInfo(path).absoluteFilePath());
  if (!commands.loadConfiguration(file)) return false;
  commands.makeCurrent(file);
  return true;
}

}  // namespace hueset::gui
