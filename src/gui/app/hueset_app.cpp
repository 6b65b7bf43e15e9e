#include "gui/app/hueset_app.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include "desktop/frame/window_memory.h"
#include "groupings/builtin_defaults.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/main_window.h"
#include "gui/app/preview_controller.h"
#include "gui/common/qt_text.h"
#include "gui/groupings/groupings_commands.h"
#include "gui/input/problem_report_dialogs.h"
#include "gui/output/word_processor_handoff.h"
#include "gui/settings/options_command.h"

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

bool HuesetApp::start() {
  // The program holds and drops buffers of tens of megabytes (documents,
  // clipboard texts). Left to itself, the allocator raises the size it maps
  // on pages of their own as such buffers are freed, and keeps the next ones
  // in its heap, resident after they are gone; a fixed threshold gives them
  // back.
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
  // The profile store and the options in it; the last document folder
  // becomes the current directory.
  m_profilePath = toQPath(defaultProfilePath());
  m_profile = m_profilePath.isEmpty()
                  ? std::make_unique<IniProfileStore>()
                  : std::make_unique<IniProfileStore>(toPathBytes(m_profilePath));
  m_options.load(*m_profile);
  m_options.enterDocumentDirectory();

  // The main window with the document and its editor.
  m_mainWindow = std::make_unique<MainWindow>(*this);
  if (m_ownPrompts) {
    MainWindow* window = m_mainWindow.get();
    m_ownPrompts->setHelp([window](int context) { window->help(context); });
  }
  m_mainWindow->groupings()->setEditorHelp(
      [window = m_mainWindow.get()](int context) { window->help(context); });
  // Before the document and the groupings arrive: a pane left hidden last
  // time must not make a preview of them first.
  m_mainWindow->preview()->applySettings(PreviewSettings::load(*m_profile));

  // A file named on the command line opens as the document; one that
  // cannot be opened ends the start-up after its message.
  for (int i = 1; i < m_arguments.size(); ++i) {
    const QString& argument = m_arguments.at(i);
    if (argument.startsWith(QLatin1Char('-'))) continue;
    if (!m_mainWindow->openDocumentFile(argument)) return false;
    break;
  }

  // Where the window was last time, if that is still on a screen.
  const WindowMemory memory = WindowMemory::load(*m_profile);
  if (memory.frame) {
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
      const QRect area = screen->availableGeometry();
      screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    if (const auto placed = placeOnScreens(*memory.frame, screens)) {
      m_mainWindow->setGeometry(placed->left, placed->top, placed->width, placed->height);
    }
  }
  m_mainWindow->optionsCommand()->setPlace(memory.optionsSheet);
  m_mainWindow->groupings()->setEditorPlace(memory.groupingsEditor);
  if (memory.maximized) {
    m_mainWindow->showMaximized();
  } else {
    m_mainWindow->show();
  }

  // A settings file that could not be read whole is said once, now; the
  // defaults stand in for what was lost.
  if (const std::string problem = m_profile->problem(); !problem.empty()) {
    m_prompts->message(m_mainWindow.get(), QStringLiteral("HUESET"), toQPath(problem),
                       PromptIcon::Exclamation, PromptButtons::Ok);
  }

  // The last configuration file, else the built-in colour default.
  m_mainWindow->groupings()->startUp();

  // The font chosen last time, else the system's fixed-pitch font.
  m_editorFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFont chosen; !memory.editorFont.empty() && chosen.fromString(toQString(memory.editorFont))) {
    m_editorFont = chosen;
  }
  m_mainWindow->setEditorFont(m_editorFont);
  return true;
}

int HuesetApp::shutDown(int exitCode) {
  if (m_exited) return exitCode;
  m_exited = true;
  m_wordProcessor->release();
  m_wordProcessor->removeTemporaryFiles();
  if (m_profile) {
    if (m_mainWindow) {
      m_mainWindow->groupings()->storeForExit();
      WindowMemory memory;
      const QRect frame = m_mainWindow->normalGeometry();
      memory.frame = ScreenRect{frame.x(), frame.y(), frame.width(), frame.height()};
      memory.maximized = m_mainWindow->isMaximized();
      memory.optionsSheet = m_mainWindow->optionsCommand()->place();
      memory.groupingsEditor = m_mainWindow->groupings()->editorPlace();
      // The system's font is not remembered: it follows the system.
      if (m_editorFont != QFontDatabase::systemFont(QFontDatabase::FixedFont)) {
        memory.editorFont = toStdString(m_editorFont.toString());
      }
      memory.save(*m_profile);
      m_mainWindow->preview()->settings().save(*m_profile);
    }
    m_options.save(*m_profile);
  }
  return exitCode;
}

void HuesetApp::useColourDefault() {
  m_mainWindow->groupings()->commands().loadDefault(BuiltinDefault::Colour);
}

bool HuesetApp::loadConfiguration(const QString& path) {
  ConfigurationCommands& commands = m_mainWindow->groupings()->commands();
  const std::string file = toPathBytes(QFileInfo(path).absoluteFilePath());
  if (!commands.loadConfiguration(file)) return false;
  commands.makeCurrent(file);
  return true;
}

}  // namespace hueset::gui
