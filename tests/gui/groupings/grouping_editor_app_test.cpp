// The groupings editor as the program opens it from the "&Residue
// Groupings" menu, saving through the configuration commands.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app_fixture.h"
#include "desktop/frame/command_ids.h"
#include "groupings/builtin_defaults.h"
#include "groupings/configuration_file.h"
#include "gui/app/main_window.h"
#include "gui/common/qt_text.h"
#include "gui/groupings/configuration_file_dialogs.h"
#include "gui/groupings/grouping_editor_dialog.h"
#include "gui/groupings/grouping_list.h"
#include "gui/groupings/groupings_commands.h"

namespace hueset::gui::test {
namespace {

class SaveAsScript final : public ConfigurationFileDialogs {
 public:
  std::optional<FileChoice> toSave;
  int asked = 0;
  std::optional<FileChoice> chooseToOpen(QWidget*, const QString&) override { return {}; }
  std::optional<FileChoice> chooseToSave(QWidget*, const QString&) override {
    ++asked;
    return toSave;
  }
};

class EditorInTheProgram : public AppFixture {
 protected:
  void startProgram() {
    start();
    groupings().setFileDialogs(&m_files);
  }
  GroupingsCommands& groupings() { return *m_app->mainWindow()->groupings(); }
  QAction* action(Command command) { return m_app->mainWindow()->action(command); }
  // Runs `steps` on the editor once it is open (it is modal).
  void whenOpen(std::function<void(GroupingEditorDialog&)> steps) {
    QTimer::singleShot(0, [this, steps = std::move(steps)] {
      auto* dialog = qobject_cast<GroupingEditorDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->setMessageFunction([this](QWidget*, const QString& text, PromptIcon, PromptButtons) {
        editorMessages << text;
        return PromptAnswer::Ok;
      });
      steps(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
  }
  static void boldOff(GroupingEditorDialog& dialog, int row) {
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(row));
    dialog.boldBox()->click();
  }

  SaveAsScript m_files;
  QStringList editorMessages;
};

TEST_F(EditorInTheProgram, EditOpensTheEditorOnTheCurrentSet) {
  startProgram();
  const GroupingSet before = m_app->configuration().set;
  QString title;
  int rows = 0;
  whenOpen([&](GroupingEditorDialog& dialog) {
    title = dialog.windowTitle();
    rows = dialog.list()->topLevelItemCount();
    boldOff(dialog, 3);
    dialog.cancelButton()->click();
  });
  action(Command::GroupingsEdit)->trigger();
  EXPECT_EQ(title, QStringLiteral("Edit Residue Group Formats"));
  EXPECT_EQ(rows, 33);
  EXPECT_EQ(m_app->configuration().set, before);
  EXPECT_FALSE(m_app->configuration().modified);
}

TEST_F(EditorInTheProgram, SavingFromTheEditorWritesTheFile) {
  startProgram();
  const QString file = path(QStringLiteral("edited.cft"));
  m_files.toSave = ConfigurationUi::FileChoice{toPathBytes(file), 1};
  bool closed = false;
  whenOpen([&](GroupingEditorDialog& dialog) {
    boldOff(dialog, 3);
    dialog.finishButton()->click();  // "Save": no file yet, so Save As
    closed = !dialog.isVisible();
  });
  action(Command::GroupingsEdit)->trigger();
  EXPECT_TRUE(closed);
  EXPECT_EQ(m_files.asked, 1);
  EXPECT_FALSE(m_app->configuration().modified);
  EXPECT_FALSE(m_app->configuration().set.groupings[4].format.bold);
  EXPECT_EQ(m_app->configuration().title, "edited.cft");
  const ConfigurationLoad load = loadConfigurationFile(toPathBytes(file));
  ASSERT_TRUE(load.ok);
  EXPECT_EQ(load.set.groupings, m_app->configuration().set.groupings);
  EXPECT_EQ(load.set.groupings[1].marker, ' ');
}

TEST_F(EditorInTheProgram, CancelledSaveKeepsTheEditorAndTheSet) {
  startProgram();
  const CurrentConfiguration before = m_app->configuration();
  bool stayed = false;
  whenOpen([&](GroupingEditorDialog& dialog) {
    boldOff(dialog, 3);
    dialog.saveAsButton()->click();  // the file dialog is cancelled
    stayed = dialog.isVisible();
    EXPECT_TRUE(dialog.model().changed());
  });
  action(Command::GroupingsEdit)->trigger();
  EXPECT_TRUE(stayed);
  EXPECT_EQ(m_files.asked, 1);
  EXPECT_EQ(m_app->configuration(), before);
}

TEST_F(EditorInTheProgram, DefaultsAreConfirmedInTheEditor) {
  startProgram();
  QString title;
  QString button;
  whenOpen([&](GroupingEditorDialog& dialog) {
    title = dialog.windowTitle();
    button = dialog.finishButton()->text();
    dialog.finishButton()->click();
  });
  action(Command::GroupingsBlackWhite)->trigger();
  EXPECT_EQ(title, QStringLiteral("Confirm use default configuration"));
  EXPECT_EQ(button, QStringLiteral("OK"));
  EXPECT_EQ(m_app->configuration().title, "Hueset B & W Defaults");
  EXPECT_EQ(m_app->configuration().set.groupings.size(), 12u);

  // Cancelling the confirmation keeps the configuration there was.
  whenOpen([](GroupingEditorDialog& dialog) { dialog.cancelButton()->click(); });
  action(Command::GroupingsDefaults)->trigger();
  EXPECT_EQ(m_app->configuration().title, "Hueset B & W Defaults");
}

}  // namespace
}  // namespace hueset::gui::test
