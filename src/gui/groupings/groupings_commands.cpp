#include "gui/groupings/groupings_commands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QWidget>
#include <algorithm>

#include "desktop/frame/command_ids.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"

namespace hueset::gui {
namespace {

// The menu has this many recent configuration slots.
constexpr int kRecentSlots = 16;

}  // namespace

GroupingsCommands::GroupingsCommands(CurrentConfiguration& state, Options& options,
                                     UserPrompts& prompts, QWidget* window)
    : QObject(window),
      m_commands(state, options, *this),
      m_options(options),
      m_prompts(prompts),
      m_window(window) {
  m_saveAction = new QAction(QStringLiteral("&Save"), this);
  m_saveAction->setData(static_cast<int>(Command::GroupingsSave));
  m_saveAction->setStatusTip(QStringLiteral("Save the Residue Groupings to their file"));
  m_saveAction->setEnabled(false);
  connect(m_saveAction, &QAction::triggered, this, [this] {
    if (m_commands.saveEnabled()) run([this] { m_commands.saveConfiguration(); });
  });
}

GroupingsCommands::~GroupingsCommands() {
  while (m_busy > 0) setBusy(false);
}

void GroupingsCommands::attach(const std::function<QAction*(Command)>& action, QMenu* menu) {
  const struct {
    Command command;
    std::function<void()> handler;
  } handlers[] = {
      {Command::GroupingsEdit, [this] { run([this] { m_commands.edit(); }); }},
      {Command::GroupingsOpen, [this] { run([this] { m_commands.open(); }); }},
      // The key reaches the command while it is disabled too.
      {Command::GroupingsReload,
       [this] {
         if (m_commands.reloadEnabled()) run([this] { m_commands.reload(); });
       }},
      {Command::GroupingsSaveAs, [this] { run([this] { m_commands.saveConfigurationAs(); }); }},
      {Command::GroupingsDefaults,
       [this] { run([this] { m_commands.useDefault(BuiltinDefault::Colour); }); }},
      {Command::GroupingsBlackWhite,
       [this] { run([this] { m_commands.useDefault(BuiltinDefault::BlackAndWhite); }); }},
      {Command::GroupingsColourBlindSafe,
       [this] { run([this] { m_commands.useDefault(BuiltinDefault::ColourBlindSafe); }); }},
  };
  for (const auto& h : handlers) {
    QAction* a = action(h.command);
    if (!a) continue;
    connect(a, &QAction::triggered, this, h.handler);
    a->setEnabled(true);
  }
  m_reloadAction = action(Command::GroupingsReload);
  m_recentPlaceholder = action(Command::GroupingsMruFirst);
  m_menu = menu;
  if (m_menu) {
    connect(m_menu, &QMenu::aboutToShow, this, &GroupingsCommands::updateRecentConfigurations);
  }
  updateCommands();
}

void GroupingsCommands::setFileDialogs(ConfigurationFileDialogs* dialogs) {
  m_dialogs = dialogs ? dialogs : &m_ownDialogs;
}

void GroupingsCommands::setEditorLauncher(GroupingsEditorLauncher* launcher) {
  m_editor = launcher ? launcher : &m_ownEditor;
}

void GroupingsCommands::run(const std::function<void()>& command) {
  command();
  updateCommands();
}

void GroupingsCommands::updateCommands() {
  if (m_reloadAction) m_reloadAction->setEnabled(m_commands.reloadEnabled());
  m_saveAction->setEnabled(m_commands.saveEnabled());
  updateRecentConfigurations();
}

void GroupingsCommands::updateRecentConfigurations() {
  if (!m_menu || !m_recentPlaceholder) return;
  for (QAction* a : m_recentActions) {
    m_menu->removeAction(a);
    a->deleteLater();
  }
  m_recentActions.clear();

  // Without entries (or without a list, when its count is 0) the slot shows
  // its name, disabled.
  const auto& recent = m_options.recentConfigurations;
  const bool any = m_commands.recentEnabled();
  m_recentPlaceholder->setVisible(!any);
  m_recentPlaceholder->setEnabled(false);
  if (!any) return;

  const std::string current = toPathBytes(QDir::currentPath());
  const int count = std::min(static_cast<int>(recent->size()), kRecentSlots);
  for (int i = 0; i < count; ++i) {
    QString name = toQPath(recent->displayName(static_cast<std::size_t>(i), current));
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(name)
                               : QStringLiteral("%1 %2").arg(i + 1).arg(name);
    auto* a = new QAction(text, m_menu);
    a->setData(static_cast<int>(Command::GroupingsMruFirst) + i);
    a->setStatusTip(QStringLiteral("Open this configuration file"));
    a->setToolTip(toQPath(recent->entries()[static_cast<std::size_t>(i)]));
    connect(a, &QAction::triggered, this,
            [this, i] { run([this, i] { m_commands.openRecent(static_cast<std::size_t>(i)); }); });
    m_menu->insertAction(m_recentPlaceholder, a);
    m_recentActions << a;
  }
}

PromptAnswer GroupingsCommands::message(std::string_view text, PromptIcon icon,
                                        PromptButtons buttons) {
  return m_prompts.message(m_window, QStringLiteral("HUESET"), displayText(text), icon, buttons);
}

std::optional<ConfigurationUi::FileChoice> GroupingsCommands::chooseConfigurationToOpen(
    const std::string& folder) {
  return m_dialogs->chooseToOpen(m_window, toQPath(folder));
}

std::optional<ConfigurationUi::FileChoice> GroupingsCommands::chooseConfigurationToSave(
    const std::string& proposedPath) {
  return m_dialogs->chooseToSave(m_window, toQPath(proposedPath));
}

bool GroupingsCommands::editGroupings(GroupingSet& target, const GroupingsEditorRequest& request) {
  const EditorSave save = [this](const GroupingSet& edited, bool saveAs) {
    return m_commands.saveFromEditor(edited, saveAs);
  };
  return m_editor->edit(m_window, target, request, save);
}

void GroupingsCommands::configurationChanged() {
  updateCommands();
  emit stateChanged();
}

void GroupingsCommands::setBusy(bool busy) {
  if (busy) {
    ++m_busy;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (m_busy > 0) {
    --m_busy;
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace hueset::gui
