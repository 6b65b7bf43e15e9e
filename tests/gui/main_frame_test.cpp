#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "app_fixture.h"
#include "desktop/command_ids.h"
#include "gui/app/document.h"
#include "gui/app/main_frame.h"
#include "gui/app/view.h"
#include "settings/profile_store.h"

namespace hueset::gui::testing {
namespace {

class MainFrame : public AppFixture {
 protected:
  CMainFrame& frame() { return *m_app->mainFrame(); }
  QAction* action(int command) { return frame().action(command); }
};

QStringList menuTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions()) {
    if (a->isVisible()) texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
  }
  return texts;
}

TEST_F(MainFrame, MenusHoldTheirItemsInOrder) {
  start();
  QStringList titles;
  QList<QMenu*> menus;
  for (QAction* a : frame().menuBar()->actions()) {
    titles << a->text();
    menus << a->menu();
  }
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Annotate Alignment", "&Residue Groupings",
                                 "&Configure", "&View", "&Help"}));
  EXPECT_EQ(menuTexts(menus[0]), (QStringList{"&New", "&Open...", "&Save", "Save &As...", "|",
                                              "Recent File", "|", "E&xit"}));
  EXPECT_EQ(menuTexts(menus[1]),
            (QStringList{"&Undo", "|", "Cu&t", "&Copy", "&Paste", "Select A&ll"}));
  EXPECT_EQ(menuTexts(menus[2]),
            (QStringList{"To MS &Word", "To &Clipboard as &RTF", "To Clipboard as &HTML",
                         QStringLiteral("          Copy HTML Style Sheet To") + QChar(0xA0) +
                             QStringLiteral("Clipboard"),
                         "To &File"}));
  EXPECT_EQ(menuTexts(menus[5]), (QStringList{"&Toolbar", "&Status Bar"}));
  EXPECT_EQ(menuTexts(menus[6]), (QStringList{"&Help Topics", "What's This?", "Run Tutorial", "|",
                                              "&About HUESET..."}));
}

TEST_F(MainFrame, AcceleratorsOfTheCommands) {
  start();
  EXPECT_EQ(action(kAnnotateToWord)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+W")));
  EXPECT_EQ(action(kAnnotateToRtfClipboard)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
  EXPECT_EQ(action(kAnnotateToHtmlClipboard)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+H")));
  EXPECT_EQ(action(kAnnotateToFile)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+F")));
  EXPECT_TRUE(action(kCopyStyleSheet)->shortcut().isEmpty());
  EXPECT_TRUE(action(kEditUndo)->shortcuts().contains(QKeySequence(QStringLiteral("Alt+Backspace"))));
  EXPECT_TRUE(action(kEditPaste)->shortcuts().contains(QKeySequence(QStringLiteral("Shift+Ins"))));
  EXPECT_EQ(action(kContextHelp)->shortcut(), QKeySequence(QStringLiteral("Shift+F1")));
  EXPECT_EQ(action(kHelp)->shortcut(), QKeySequence(QStringLiteral("F1")));
  EXPECT_EQ(action(kEditPaste)->statusTip(), QStringLiteral("Insert Clipboard contents"));
}

TEST_F(MainFrame, LaterCommandsArePresentButDisabled) {
  start();
  // Reload waits for changes to discard, the recent slot for an entry.
  for (int command : {kGroupingsReload, kGroupingsMruFirst}) {
    ASSERT_NE(action(command), nullptr) << command;
    EXPECT_FALSE(action(command)->isEnabled()) << command;
  }
  EXPECT_EQ(action(kGroupingsBlackWhite)->text(), QStringLiteral("Use &Black && White Defaults"));
}

TEST_F(MainFrame, ToolbarButtonsInGroups) {
  start();
  QStringList buttons;
  for (QAction* a : frame().toolBar()->actions()) {
    buttons << (a->isSeparator() ? QStringLiteral("|") : QString::number(a->data().toInt()));
  }
  EXPECT_EQ(buttons.join(QLatin1Char(' ')),
            QStringLiteral("57600 57601 57603 | 57635 57634 57637 | 32772 32771 32803 32809 | "
                           "32777 32778 | 57664 57669"));
  for (QAction* a : frame().toolBar()->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
    }
  }
  // The default is the large set.
  EXPECT_EQ(frame().toolBar()->iconSize(), QSize(32, 32));
}

TEST_F(MainFrame, SmallToolbarButtonsFromTheProfile) {
  m_profileText += QStringLiteral("Large toolbar buttons=0\n");
  start();
  EXPECT_EQ(frame().toolBar()->iconSize(), QSize(16, 15));
}

TEST_F(MainFrame, IdleStatusTextShowsThresholds) {
  m_profileText += QStringLiteral("[Annotation Settings]\nConsensus Threshold=725\n");
  start();
  EXPECT_EQ(frame().idleLabel()->text(),
            QStringLiteral("Consensus threshold = 72.5%;   Elision threshold = 80%, min length = 4"));
}

TEST_F(MainFrame, CaptionNamesDocumentAndConfiguration) {
  start();
  EXPECT_EQ(frame().windowTitle(),
            QStringLiteral("Untitled - HUESET- [ \"Hueset Defaults\" Residue Groupings ]"));
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("globins.fa"));
  ASSERT_TRUE(frame().openDocumentFile(path("globins.fa")));
  EXPECT_EQ(frame().windowTitle(),
            QStringLiteral("globins.fa - HUESET- [ \"Hueset Defaults\" Residue Groupings ]"));
}

TEST_F(MainFrame, FileNamedOnTheCommandLineOpensAtStart) {
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("start.fa"));
  start({path("start.fa")});
  EXPECT_EQ(frame().view()->toPlainText(), testText("four_globins.fasta"));
  EXPECT_EQ(frame().document()->path(), path("start.fa"));
}

TEST_F(MainFrame, MissingCommandLineFileEndsStartUp) {
  QFile file(m_profile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(m_profileText.toUtf8());
  file.close();
  m_app = std::make_unique<HuesetApp>(QStringList{"hueset", path("nowhere.msf")}, &m_prompts,
                                      &m_launcher);
  EXPECT_FALSE(m_app->initInstance());
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].text,
            path("nowhere.msf") +
                "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
  m_app.reset();
}

TEST_F(MainFrame, ExitWritesProfileAndOptionsFile) {
  start();
  exit();
  IniProfileStore store(QFile::encodeName(m_profile).toStdString());
  for (const char* section :
       {"HTML Settings", "Annotation Settings", "Parse Settings", "Output Settings", "General Settings"}) {
    EXPECT_FALSE(store.keyNames(section).empty()) << section;
  }
  EXPECT_EQ(store.readInt("Annotation Settings", "Consensus Threshold", -1), 800);
  EXPECT_EQ(store.readString("General Settings", "Last Document Directory", "?"),
            QFile::encodeName(m_dir).toStdString());
  // A built-in configuration leaves the remembered file empty.
  EXPECT_EQ(store.readString("General Settings", "Last Configuration File", "?"), "");

  QFile opt(path("hueset.opt"));
  ASSERT_TRUE(opt.open(QIODevice::ReadOnly));
  const QByteArray text = opt.readAll();
  EXPECT_TRUE(text.startsWith("Use \"SAMPLE\" font=1\r\nUse Browser Font Size Settings=1\r\n"));
  // The specified 31 lines, then the 8 figure options.
  EXPECT_TRUE(text.contains("Substituting Linker Character=-\r\nName Justification=0\r\nResidue Numbers=0\r\n"));
  EXPECT_TRUE(text.endsWith("Transparent Background=0\r\n"));
  EXPECT_EQ(text.count("\r\n"), 39);
}

TEST_F(MainFrame, ExitSavesOnlyOnce) {
  start();
  exit();
  QFile::remove(path("hueset.opt"));
  m_app->exitInstance();
  EXPECT_FALSE(QFileInfo::exists(path("hueset.opt")));
}

TEST_F(MainFrame, OpenedFilesJoinTheRecentList) {
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("a.fa"));
  start();
  ASSERT_TRUE(frame().openDocumentFile(path("a.fa")));
  frame().updateRecentFiles();
  QStringList texts = menuTexts(frame().fileMenu());
  EXPECT_TRUE(texts.contains(QStringLiteral("&1 a.fa"))) << texts.join(',').toStdString();
  EXPECT_FALSE(texts.contains(QStringLiteral("Recent File")));
  exit();
  IniProfileStore store(QFile::encodeName(m_profile).toStdString());
  EXPECT_EQ(store.readString("Recent File List", "File1", ""), QFile::encodeName(path("a.fa")).toStdString());
}

TEST_F(MainFrame, DroppedFileOpensAsTheDocument) {
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("dropped.fa"));
  start();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path("dropped.fa"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(frame().view()->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  const bool delivered = QCoreApplication::sendEvent(frame().view()->viewport(), &drop);
  EXPECT_TRUE(delivered);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(frame().document()->path(), path("dropped.fa"));
  EXPECT_TRUE(frame().view()->toPlainText().startsWith(QStringLiteral(">HBB_HUMAN")));
}

TEST_F(MainFrame, NewAsksToSaveAChangedDocument) {
  start();
  frame().view()->setPlainText(QStringLiteral("changed"));
  frame().document()->setModified(true);
  m_prompts.answers = {UserPrompts::Answer::Cancel};
  frame().fileNew();
  EXPECT_EQ(frame().view()->toPlainText(), QStringLiteral("changed"));
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].text, QStringLiteral("Save changes to Untitled?"));
  m_prompts.answers = {UserPrompts::Answer::No};
  frame().fileNew();
  EXPECT_TRUE(frame().view()->toPlainText().isEmpty());
}

TEST_F(MainFrame, SaveAsWritesTheTextAndRenamesTheDocument) {
  start();
  frame().view()->setPlainText(QStringLiteral(">a\nACDE\n"));
  m_prompts.documentToSave = QStringLiteral("\"%1\"").arg(path("saved.msf"));
  ASSERT_TRUE(frame().fileSaveAs());
  QFile saved(path("saved.msf"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), QByteArray(">a\nACDE\n"));
  EXPECT_EQ(frame().document()->title(), QStringLiteral("saved.msf"));
  EXPECT_FALSE(frame().document()->isModified());
}

TEST_F(MainFrame, HelpCommandsShowTheirPages) {
  start();
  frame().runTutorial();
  ASSERT_NE(frame().helpWindow(), nullptr);
  EXPECT_TRUE(frame().helpWindow()->browser()->source().toString().endsWith(QStringLiteral("tutorial.html")));
  action(kHelp)->trigger();
  EXPECT_TRUE(frame().helpWindow()->browser()->source().toString().endsWith(QStringLiteral("index.html")));
  EXPECT_EQ(m_prompts.installHelpShown, 0);
}

TEST_F(MainFrame, MissingHelpPagesAskForTheHelpSystem) {
  qputenv("HUESET_HELP_DIR", QFile::encodeName(path("no-help-here")));
  start();
  action(kHelp)->trigger();
  action(kRunTutorial)->trigger();
  action(kHelpFinder)->trigger();
  EXPECT_EQ(m_prompts.installHelpShown, 3);
}

}  // namespace
}  // namespace hueset::gui::testing
