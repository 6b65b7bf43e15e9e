#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "app_fixture.h"
#include "desktop/frame/command_ids.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/main_window.h"
#include "gui/settings/general_page.h"
#include "gui/settings/options_command.h"
#include "gui/settings/options_dialog.h"
#include "gui/settings/options_page_widget.h"

namespace hueset::gui::test {
namespace {

// The Options command as the program offers it.
class OptionsInTheProgram : public AppFixture {
 protected:
  MainWindow& window() { return *m_app->mainWindow(); }

  OptionsCommand& command() {
    auto* found = window().findChild<OptionsCommand*>();
    EXPECT_TRUE(found);
    return *found;
  }

  // Triggers the command and runs `script` on its sheet, which the script
  // closes; a sheet left open is cancelled.
  void runOptions(const std::function<void(OptionsDialog&)>& script) {
    command().fieldSupport().setMessageFunction(
        [this](QWidget*, const QString& title, const QString&) { fieldMessages << title; });
    command().setRunner([&](OptionsDialog& sheet) {
      sheet.show();
      sheet.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&sheet));
      script(sheet);
      QCoreApplication::processEvents();
      if (sheet.isVisible()) sheet.reject();
      return sheet.result();
    });
    window().action(Command::Options)->trigger();
  }

  static void type(QWidget* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
  }

  static void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
  }

  static OptionsPageWidget* page(OptionsDialog& sheet, OptionsPage which) {
    return qobject_cast<OptionsPageWidget*>(sheet.page(optionsPageIndex(which)));
  }

  QStringList fieldMessages;
};

// A sheet moved off the preview it updates opens there again, in this run
// and the next.
TEST_F(OptionsInTheProgram, TheSheetOpensWhereItWasLeft) {
  QRect moved;  // as the sheet takes it, no smaller than it can be
  start();
  runOptions([&](OptionsDialog& sheet) {
    sheet.setGeometry(30, 40, 600, 450);
    moved = sheet.geometry();
  });
  EXPECT_EQ(moved.topLeft(), QPoint(30, 40));
  QRect opened;
  runOptions([&](OptionsDialog& sheet) { opened = sheet.geometry(); });
  EXPECT_EQ(opened, moved);
  exit();
  QFile profile(m_profile);
  ASSERT_TRUE(profile.open(QIODevice::ReadOnly));
  m_profileText = QString::fromUtf8(profile.readAll());
  profile.close();
  EXPECT_TRUE(m_profileText.contains(QStringLiteral("Options Sheet Left=30")));
  start();
  opened = QRect();
  runOptions([&](OptionsDialog& sheet) { opened = sheet.geometry(); });
  EXPECT_EQ(opened, moved);
}

TEST_F(OptionsInTheProgram, OfferedOnTheConfigureMenuToolbarAndKeys) {
  start();
  QAction* options = window().action(Command::Options);
  ASSERT_TRUE(options);
  EXPECT_TRUE(options->isEnabled());
  EXPECT_TRUE(options->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+P"))));
  EXPECT_TRUE(window().toolBar()->actions().contains(options));
  QMenu* configure = nullptr;
  for (QAction* menu : window().menuBar()->actions()) {
    if (menu->text() == QStringLiteral("&Configure")) configure = menu->menu();
  }
  ASSERT_TRUE(configure);
  EXPECT_TRUE(configure->actions().contains(options));
}

TEST_F(OptionsInTheProgram, IdleTextShowsTheNewThresholdsAtOnce) {
  start();
  runOptions([&](OptionsDialog& sheet) {
    type(page(sheet, OptionsPage::Annotate)->field(AnnotateControl::ConsensusThreshold),
         QStringLiteral("72.5"));
    type(page(sheet, OptionsPage::Annotate)->field(AnnotateControl::MinimumElisionLength),
         QStringLiteral("12"));
    click(sheet.okButton());
  });
  EXPECT_EQ(
      window().idleLabel()->text(),
      QStringLiteral("Consensus threshold = 72.5%;   Elision threshold = 80%, min length = 12"));
  EXPECT_EQ(m_app->options().annotation.consensusThreshold, 725);
}

TEST_F(OptionsInTheProgram, CancelLeavesTheWindowAsItWas) {
  start();
  const QString idle = window().idleLabel()->text();
  runOptions([&](OptionsDialog& sheet) {
    type(page(sheet, OptionsPage::Annotate)->field(AnnotateControl::ConsensusThreshold),
         QStringLiteral("90"));
    click(page(sheet, OptionsPage::General)->button(GeneralControl::LargeButtons));
    click(sheet.cancelButton());
  });
  EXPECT_EQ(window().idleLabel()->text(), idle);
  EXPECT_EQ(window().toolBar()->iconSize(), QSize(32, 32));
  EXPECT_EQ(m_app->options().annotation.consensusThreshold, 800);
}

TEST_F(OptionsInTheProgram, ToolbarSizeAndEditorFontChangeAtOk) {
  start();
  EXPECT_EQ(window().toolBar()->iconSize(), QSize(32, 32));
  const QFont startFont = m_app->editorFont();
  QFont chosen(QStringLiteral("Monospace"));
  chosen.setPointSize(15);
  std::optional<QFont> offered;
  runOptions([&](OptionsDialog& sheet) {
    sheet.tabs()->setCurrentIndex(optionsPageIndex(OptionsPage::General));
    auto* general = qobject_cast<GeneralPage*>(page(sheet, OptionsPage::General));
    general->setFontChooser([&](QWidget*, const QFont& initial) -> std::optional<QFont> {
      offered = initial;
      return chosen;
    });
    click(general->button(GeneralControl::EditorFont));
    click(general->button(GeneralControl::LargeButtons));
    click(sheet.okButton());
  });
  EXPECT_EQ(offered, startFont);
  EXPECT_EQ(window().toolBar()->iconSize(), QSize(16, 15));
  EXPECT_EQ(window().editor()->font(), chosen);
  EXPECT_EQ(m_app->editorFont(), chosen);

  // The next sheet starts from the new font and switches the buttons back.
  runOptions([&](OptionsDialog& sheet) {
    auto* general = qobject_cast<GeneralPage*>(page(sheet, OptionsPage::General));
    EXPECT_EQ(sheet.activeIndex(), optionsPageIndex(OptionsPage::General));
    EXPECT_EQ(general->editorFont(), chosen);
    click(general->button(GeneralControl::LargeButtons));
    click(sheet.okButton());
  });
  EXPECT_EQ(window().toolBar()->iconSize(), QSize(32, 32));
}

TEST_F(OptionsInTheProgram, TheNextAnnotationUsesTheNewValues) {
  start();
  QGuiApplication::clipboard()->setText(testText("four_globins.fasta"));
  window().action(Command::EditPaste)->trigger();
  window().action(Command::AnnotateToRtfClipboard)->trigger();
  const QByteArray before =
      QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/rtf"));
  ASSERT_TRUE(before.contains("Consensus/80%"));

  runOptions([&](OptionsDialog& sheet) {
    type(page(sheet, OptionsPage::Annotate)->field(AnnotateControl::ConsensusThreshold),
         QStringLiteral("70"));
    click(sheet.okButton());
  });
  window().action(Command::AnnotateToRtfClipboard)->trigger();
  const QByteArray after =
      QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/rtf"));
  EXPECT_TRUE(after.contains("Consensus/70%"));
  EXPECT_FALSE(after.contains("Consensus/80%"));
}

TEST_F(OptionsInTheProgram, TerseDialoguesFromTheProfile) {
  m_profileText += QStringLiteral("Verbose dialogues=0\n");
  start();
  runOptions([&](OptionsDialog& sheet) {
    for (int i = 0; i < sheet.pageCount(); ++i) {
      EXPECT_EQ(page(sheet, optionsPageAt(i))->layout().number,
                optionsPageLayout(optionsPageAt(i), false));
    }
    click(sheet.cancelButton());
  });
}

}  // namespace
}  // namespace hueset::gui::test
