#include "gui/app/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "app_fixture.h"
#include "desktop/frame/command_ids.h"
#include "gui/app/alignment_document.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/guarded_application.h"
#include "gui/app/preview_controller.h"
#include "gui/common/qt_text.h"
#include "gui/preview/overview_strip.h"
#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_runner.h"
#include "gui/preview/threshold_bar.h"
#include "input/document_text.h"
#include "input/format_table.h"
#include "settings/profile_store.h"

namespace hueset::gui::test {
namespace {

class MainWindowTest : public AppFixture {
 protected:
  MainWindow& window() { return *m_app->mainWindow(); }
  QAction* action(Command command) { return window().action(command); }
};

QStringList menuTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions()) {
    if (a->isVisible()) texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
  }
  return texts;
}

TEST_F(MainWindowTest, MenusHoldTheirItemsInOrder) {
  start();
  QStringList titles;
  QList<QMenu*> menus;
  for (QAction* a : window().menuBar()->actions()) {
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
                         "To &File", "|", "Add Structure..."}));
  EXPECT_EQ(menuTexts(menus[5]), (QStringList{"&Toolbar", "&Status Bar", "|", "&Preview"}));
  EXPECT_EQ(menuTexts(menus[6]),
            (QStringList{"&Help Topics", "What's This?", "Run Tutorial", "|", "&About HUESET..."}));
}

// The pane follows the editor while shown, costs nothing while hidden, and
// comes back as it was left.
TEST_F(MainWindowTest, PreviewFollowsTheTextWhileShownAndIsRemembered) {
  m_profileText += QStringLiteral("[Window]\nPreview Zoom=150\n");
  start();
  PreviewController* preview = window().preview();
  EXPECT_EQ(preview->pane()->zoom(), 150);
  ASSERT_TRUE(preview->isShown());
  preview->runner()->setPause(std::chrono::milliseconds(0));
  QSignalSpy outcomes(preview->runner(), &PreviewRunner::outcomeReady);
  window().editor()->setPlainText(testText("four_globins.fasta"));
  ASSERT_TRUE(outcomes.wait(10000));
  while (outcomes.wait(300)) {
  }
  const auto& shown = preview->pane()->model().document();
  ASSERT_NE(shown, nullptr);
  EXPECT_NE(shown->lineText(0).find("HBB_HUMAN"), std::string_view::npos);

  action(Command::ViewPreview)->trigger();
  EXPECT_FALSE(preview->pane()->isVisible());
  outcomes.clear();
  window().editor()->appendPlainText(QStringLiteral(">extra\nMVLS"));
  EXPECT_FALSE(outcomes.wait(500)) << "no runs while hidden";
  EXPECT_FALSE(preview->runner()->isRunning());
  preview->pane()->setZoom(80);
  exit();
  QFile profile(m_profile);
  ASSERT_TRUE(profile.open(QIODevice::ReadOnly));
  const QString saved = QString::fromUtf8(profile.readAll());
  EXPECT_TRUE(saved.contains(QStringLiteral("Show Preview=0"))) << saved.toStdString();
  EXPECT_TRUE(saved.contains(QStringLiteral("Preview Zoom=80"))) << saved.toStdString();
}

// The greyed last figure belongs to the document being edited: a file
// opened after it that cannot be annotated shows its message and no figure.
TEST_F(MainWindowTest, AFileThatCannotBeAnnotatedShowsNoFigureOfTheLastOne) {
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("good.fa"));
  QFile broken(path("broken.msf"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("PileUp\n\n MSF: 8  Type: P  Check: 0 ..\n\n Name: a Len: 8\n Name: b Len: 8\n");
  broken.close();
  start();
  PreviewPane* pane = window().preview()->pane();
  window().preview()->runner()->setPause(std::chrono::milliseconds(0));
  QSignalSpy outcomes(window().preview()->runner(), &PreviewRunner::outcomeReady);
  const auto settle = [&outcomes] {
    EXPECT_TRUE(outcomes.wait(10000));
    while (outcomes.wait(300)) {
    }
  };
  ASSERT_TRUE(window().openDocumentFile(path("good.fa")));
  settle();
  ASSERT_NE(pane->model().document(), nullptr);

  // Broken while edited: the figure stays, greyed.
  window().editor()->setPlainText(window().editor()->toPlainText().left(40));
  settle();
  EXPECT_NE(pane->model().document(), nullptr);
  EXPECT_TRUE(pane->isGreyed());
  window().document()->setModified(false);

  ASSERT_TRUE(window().openDocumentFile(path("broken.msf")));
  settle();
  EXPECT_EQ(pane->model().document(), nullptr) << "the figure was the last file's";
  EXPECT_FALSE(pane->isGreyed());
  EXPECT_TRUE(pane->message().has_value());
}

// A damaged settings file is said once at start, and the program starts.
TEST_F(MainWindowTest, DamagedProfileIsReportedOnceAtStart) {
  m_profileText += QStringLiteral("[Window\nno equals sign here\n");
  start();
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_TRUE(m_prompts.messages[0].text.contains(QStringLiteral("damaged line")))
      << m_prompts.messages[0].text.toStdString();
  EXPECT_TRUE(window().isVisible());
}

TEST(DeliverGuarded, AFailingHandlerIsReportedAndTheProgramGoesOn) {
  struct Case {
    const char* what;
    std::function<bool()> deliver;
    bool handled;
    const char* report;  // empty: nothing reported
  };
  const Case cases[] = {
      {"a handler that returns is left alone", [] { return true; }, true, ""},
      {"out of memory says so, not std::bad_alloc", []() -> bool { throw std::bad_alloc(); }, false,
       "out of memory"},
      {"other failures give their own words",
       []() -> bool { throw std::runtime_error("disk on fire"); }, false, "disk on fire"},
  };
  for (const Case& c : cases) {
    QStringList reports;
    EXPECT_EQ(deliverGuarded(c.deliver, [&](const QString& text) { reports << text; }), c.handled)
        << c.what;
    if (*c.report == 0) {
      EXPECT_TRUE(reports.isEmpty()) << c.what;
    } else {
      ASSERT_EQ(reports.size(), 1) << c.what;
      EXPECT_TRUE(reports[0].contains(QLatin1String(c.report))) << c.what;
    }
  }
}

// A pane left hidden makes no preview of the file it starts with (a large
// one would cost its memory for nothing).
// The threshold dragged above the preview is the option itself: the preview
// and the status bar follow it, and the options sheet's value shows on the bar. Beside it, a
// column or a sequence typed is gone to, or the status bar says none matches.
TEST_F(MainWindowTest, TheThresholdAndGoToBarsWorkThePreview) {
  start();
  PreviewController* preview = window().preview();
  preview->runner()->setPause(std::chrono::milliseconds(0));
  ThresholdBar* bar = preview->thresholdBar();
  EXPECT_EQ(bar->slider()->value(), 800);
  QSignalSpy outcomes(preview->runner(), &PreviewRunner::outcomeReady);
  window().editor()->setPlainText(testText("four_globins.fasta"));
  ASSERT_TRUE(outcomes.wait(10000));
  bar->slider()->setValue(600);
  EXPECT_EQ(m_app->options().annotation.consensusThreshold, 600);
  EXPECT_DOUBLE_EQ(bar->spinBox()->value(), 60.0);
  // The status bar's idle text says the threshold in use, not the old one.
  EXPECT_TRUE(
      window().idleLabel()->text().startsWith(QStringLiteral("Consensus threshold = 60%;")));
  ASSERT_TRUE(outcomes.wait(10000));
  while (outcomes.wait(300)) {
  }
  const auto& shown = preview->pane()->model().document();
  ASSERT_NE(shown, nullptr);
  bool labelled = false;
  for (std::size_t i = 0; i < shown->lines.size(); ++i) {
    labelled = labelled || shown->lineText(i).find("Consensus/60%") != std::string_view::npos;
  }
  EXPECT_TRUE(labelled);
  // Going to a sequence typed in the field beside it.
  QSignalSpy status(preview, &PreviewController::statusText);
  preview->goToField()->setText(QStringLiteral("no such sequence"));
  QTest::keyClick(preview->goToField(), Qt::Key_Return);
  ASSERT_EQ(status.size(), 1);
  EXPECT_TRUE(status.at(0).at(0).toString().contains(QStringLiteral("no such sequence")));
  EXPECT_TRUE(preview->pane()->goTo(QStringLiteral("hba_human")));

  m_app->options().annotation.consensusThreshold = 755;
  preview->updateNow();
  EXPECT_EQ(bar->slider()->value(), 755);
  EXPECT_DOUBLE_EQ(bar->spinBox()->value(), 75.5);
}

// The strip above the preview shows every column of the document the pane
// shows, frames the columns in view, and a click there goes to its column.
TEST_F(MainWindowTest, TheOverviewStripFollowsThePreviewAndGoesToAColumn) {
  start();
  window().resize(900, 600);
  window().show();
  PreviewController* preview = window().preview();
  PreviewPane* pane = preview->pane();
  OverviewStrip* strip = preview->overviewStrip();
  preview->runner()->setPause(std::chrono::milliseconds(0));
  QSignalSpy outcomes(preview->runner(), &PreviewRunner::outcomeReady);
  const auto settle = [&outcomes] {
    EXPECT_TRUE(outcomes.wait(10000));
    while (outcomes.wait(300)) {
    }
  };
  window().editor()->setPlainText(testText("four_globins.fasta"));
  settle();
  ASSERT_NE(pane->model().document(), nullptr);
  ASSERT_NE(strip->overview(), nullptr);
  const std::size_t columns = pane->model().document()->statistics.at(0).columns.size();
  EXPECT_EQ(strip->overview()->columns.size(), columns);
  ASSERT_GT(strip->width(), 0);
  EXPECT_EQ(strip->band().width(), strip->width());

  // Large enough that only the first block shows: the strip frames it.
  pane->setZoom(400);
  ASSERT_LT(strip->view().end, columns);
  EXPECT_EQ(strip->view().first, 0u);
  QSignalSpy chosen(strip, &OverviewStrip::columnChosen);
  QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(strip->width() - 1, strip->height() / 2));
  ASSERT_EQ(chosen.size(), 1);
  // An alignment column: elision leaves fewer in the layout.
  EXPECT_EQ(chosen.at(0).at(0).toInt(), pane->model().document()->columnNumber(columns - 1));
  EXPECT_GT(strip->view().first, 0u) << "the pane went to the last column";
  EXPECT_EQ(strip->view().end, columns);

  // A broken text greys the figure; the strip keeps its overview with it.
  const auto overview = strip->overview();
  window().editor()->setPlainText(window().editor()->toPlainText().left(40));
  settle();
  EXPECT_TRUE(pane->isGreyed());
  EXPECT_EQ(strip->overview(), overview);
}

TEST_F(MainWindowTest, HiddenPreviewMakesNothingAtStart) {
  m_profileText += QStringLiteral("[Window]\nShow Preview=0\n");
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("start.fa"));
  start({path("start.fa")});
  QSignalSpy outcomes(window().preview()->runner(), &PreviewRunner::outcomeReady);
  EXPECT_FALSE(outcomes.wait(600));
  EXPECT_EQ(window().preview()->pane()->model().document(), nullptr);
}

TEST_F(MainWindowTest, AcceleratorsOfTheCommands) {
  start();
  EXPECT_EQ(action(Command::AnnotateToWord)->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+Shift+W")));
  EXPECT_EQ(action(Command::AnnotateToRtfClipboard)->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+Shift+C")));
  EXPECT_EQ(action(Command::AnnotateToHtmlClipboard)->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+Shift+H")));
  EXPECT_EQ(action(Command::AnnotateToFile)->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+Shift+F")));
  EXPECT_TRUE(action(Command::CopyStyleSheet)->shortcut().isEmpty());
  EXPECT_TRUE(action(Command::EditUndo)
                  ->shortcuts()
                  .contains(QKeySequence(QStringLiteral("Alt+Backspace"))));
  EXPECT_TRUE(
      action(Command::EditPaste)->shortcuts().contains(QKeySequence(QStringLiteral("Shift+Ins"))));
  EXPECT_EQ(action(Command::ContextHelp)->shortcut(), QKeySequence(QStringLiteral("Shift+F1")));
  EXPECT_EQ(action(Command::Help)->shortcut(), QKeySequence(QStringLiteral("F1")));
  EXPECT_EQ(action(Command::EditPaste)->statusTip(), QStringLiteral("Insert Clipboard contents"));
}

TEST_F(MainWindowTest, LaterCommandsArePresentButDisabled) {
  start();
  // Reload waits for changes to discard, the recent slot for an entry.
  for (Command command : {Command::GroupingsReload, Command::GroupingsMruFirst}) {
    ASSERT_NE(action(command), nullptr) << static_cast<int>(command);
    EXPECT_FALSE(action(command)->isEnabled()) << static_cast<int>(command);
  }
  EXPECT_EQ(action(Command::GroupingsBlackWhite)->text(),
            QStringLiteral("Use &Black && White Defaults"));
}

TEST_F(MainWindowTest, ToolbarButtonsInGroups) {
  start();
  QStringList buttons;
  for (QAction* a : window().toolBar()->actions()) {
    buttons << (a->isSeparator() ? QStringLiteral("|") : QString::number(a->data().toInt()));
  }
  EXPECT_EQ(buttons.join(QLatin1Char(' ')),
            QStringLiteral("57600 57601 57603 | 57635 57634 57637 | 32772 32771 32803 32809 | "
                           "32777 32778 32815 | 57664 57669"));
  for (QAction* a : window().toolBar()->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
    }
  }
  // The default is the large set.
  EXPECT_EQ(window().toolBar()->iconSize(), QSize(32, 32));
}

TEST_F(MainWindowTest, SmallToolbarButtonsFromTheProfile) {
  m_profileText += QStringLiteral("Large toolbar buttons=0\n");
  start();
  EXPECT_EQ(window().toolBar()->iconSize(), QSize(16, 15));
}

TEST_F(MainWindowTest, IdleStatusTextShowsThresholds) {
  m_profileText += QStringLiteral("[Annotation Settings]\nConsensus Threshold=725\n");
  start();
  EXPECT_EQ(
      window().idleLabel()->text(),
      QStringLiteral("Consensus threshold = 72.5%;   Elision threshold = 80%, min length = 4"));
}

TEST_F(MainWindowTest, CaptionNamesDocumentAndConfiguration) {
  start();
  EXPECT_EQ(window().windowTitle(),
            QStringLiteral("Untitled - HUESET- [ \"Hueset Defaults\" Residue Groupings ]"));
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("globins.fa"));
  ASSERT_TRUE(window().openDocumentFile(path("globins.fa")));
  EXPECT_EQ(window().windowTitle(),
            QStringLiteral("globins.fa - HUESET- [ \"Hueset Defaults\" Residue Groupings ]"));
}

TEST_F(MainWindowTest, FileNamedOnTheCommandLineOpensAtStart) {
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("start.fa"));
  start({path("start.fa")});
  EXPECT_EQ(window().editor()->toPlainText(), testText("four_globins.fasta"));
  EXPECT_EQ(window().document()->path(), path("start.fa"));
}

TEST_F(MainWindowTest, MissingCommandLineFileEndsStartUp) {
  QFile file(m_profile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(m_profileText.toUtf8());
  file.close();
  m_app = std::make_unique<HuesetApp>(QStringList{"hueset", path("nowhere.msf")}, &m_prompts,
                                      &m_launcher);
  EXPECT_FALSE(m_app->start());
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(
      m_prompts.messages[0].text,
      path("nowhere.msf") +
          "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
  m_app.reset();
}

TEST_F(MainWindowTest, ExitWritesProfileAndOptionsFile) {
  start();
  exit();
  IniProfileStore store(toPathBytes(m_profile));
  for (const char* section : {"HTML Settings", "Annotation Settings", "Parse Settings",
                              "Output Settings", "General Settings"}) {
    EXPECT_FALSE(store.keyNames(section).empty()) << section;
  }
  EXPECT_EQ(store.readInt("Annotation Settings", "Consensus Threshold", -1), 800);
  EXPECT_EQ(store.readString("General Settings", "Last Document Directory", "?"),
            toPathBytes(m_dir));
  // A built-in configuration leaves the remembered file empty.
  EXPECT_EQ(store.readString("General Settings", "Last Configuration File", "?"), "");

  QFile opt(path("hueset.opt"));
  ASSERT_TRUE(opt.open(QIODevice::ReadOnly));
  const QByteArray text = opt.readAll();
  EXPECT_TRUE(text.startsWith("Use \"SAMPLE\" font=1\r\nUse Browser Font Size Settings=1\r\n"));
  // The specified 31 lines, then the 9 figure options.
  EXPECT_TRUE(text.contains(
      "Substituting Linker Character=-\r\nName Justification=0\r\nResidue Numbers=0\r\n"));
  EXPECT_TRUE(text.endsWith("Keep Blocks Together=0\r\n"));
  EXPECT_EQ(text.count("\r\n"), 40);
}

TEST_F(MainWindowTest, WindowPlaceAndEditorFontLastFromOneRunToTheNext) {
  start();
  window().setGeometry(60, 70, 640, 480);
  QFont font(QStringLiteral("Liberation Mono"), 13);
  // As OK on the options sheet does with the General page's font.
  m_app->setEditorFont(font);
  window().setEditorFont(font);
  exit();

  QFile profile(m_profile);
  ASSERT_TRUE(profile.open(QIODevice::ReadOnly));
  m_profileText = QString::fromUtf8(profile.readAll());
  profile.close();
  EXPECT_TRUE(m_profileText.contains(QStringLiteral("[Window]")));
  start();
  EXPECT_EQ(window().geometry(), QRect(60, 70, 640, 480));
  EXPECT_EQ(m_app->editorFont(), font);
  EXPECT_EQ(window().editor()->font(), font);
  // Nothing of it in the options file, which keeps its specified lines.
  exit();
  QFile opt(path("hueset.opt"));
  ASSERT_TRUE(opt.open(QIODevice::ReadOnly));
  EXPECT_FALSE(opt.readAll().contains("Width"));
}

TEST(DocumentFileFilters, SourceFilesTakeTheNamesAlignmentsComeUnder) {
  const QStringList filters = documentFileFilters();
  const QString source = filters.first();
  EXPECT_TRUE(
      source.startsWith(QStringLiteral("Source Files (*.msf, *.dsc, *.phd, *.fa, *.aln) (")));
  for (const char* name : {"a.msf", "a.phd", "a.dsc", "a.aln", "a.fa", "a.fasta", "a.fas", "a.faa",
                           "a.clustal", "a.pileup"}) {
    EXPECT_TRUE(QDir::match(source.section(QLatin1Char('('), 2).chopped(1).split(QLatin1Char(' ')),
                            QString::fromLatin1(name)))
        << name;
  }
  EXPECT_EQ(filters.last(), QStringLiteral("All Files (*.*) (*)"));
}

// One filter opens a file of any format, compressed or not, by its name.
TEST(DocumentFileFilters, AllAlignmentsTakeEveryExtensionOfTheFormatTable) {
  const QStringList filters = documentFileFilters();
  const auto all = std::find_if(filters.begin(), filters.end(), [](const QString& filter) {
    return filter.startsWith(QStringLiteral("All alignments ("));
  });
  ASSERT_NE(all, filters.end());
  const QStringList patterns = all->section(QLatin1Char('('), 1).chopped(1).split(QLatin1Char(' '));
  for (const FormatDescriptor& row : formatTable()) {
    for (std::string_view extension : extensionsOf(row)) {
      const QString name = QStringLiteral("a.") + toQString(extension);
      EXPECT_TRUE(QDir::match(patterns, name)) << row.label << " " << extension;
      EXPECT_TRUE(QDir::match(patterns, name + QStringLiteral(".gz")))
          << row.label << " " << extension;
    }
  }
  EXPECT_FALSE(QDir::match(patterns, QStringLiteral("a.cft")));
}

TEST_F(MainWindowTest, HelpWindowClosesOnEsc) {
  start();
  action(Command::Help)->trigger();
  ASSERT_NE(window().helpWindow(), nullptr);
  ASSERT_TRUE(window().helpWindow()->isVisible());
  QTest::keyClick(window().helpWindow()->browser(), Qt::Key_Escape);
  EXPECT_FALSE(window().helpWindow()->isVisible());
}

// Opening a file leaves the working folder where the program started, so the
// options file never lands among the user's alignments; the Open dialog
// remembers its folder itself.
TEST_F(MainWindowTest, OpeningAFileKeepsTheWorkingFolder) {
  ASSERT_TRUE(QDir(m_dir).mkdir(QStringLiteral("data")));
  const QString data = path(QStringLiteral("data"));
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"),
              QDir(data).filePath(QStringLiteral("globins.fa")));
  start();
  const QString started = QDir::currentPath();
  m_prompts.documentToOpen = QDir(data).filePath(QStringLiteral("globins.fa"));
  window().fileOpen();
  ASSERT_EQ(window().document()->path(), m_prompts.documentToOpen);
  EXPECT_EQ(QDir::currentPath(), started);
  m_prompts.documentToOpen.clear();
  window().fileOpen();
  ASSERT_EQ(m_prompts.documentFolders.size(), 2u);
  EXPECT_EQ(m_prompts.documentFolders[1], data);
  exit();
  EXPECT_FALSE(QFileInfo::exists(QDir(data).filePath(QStringLiteral("hueset.opt"))));
  EXPECT_TRUE(QFileInfo::exists(path("hueset.opt")));
}

TEST_F(MainWindowTest, ExitSavesOnlyOnce) {
  start();
  exit();
  QFile::remove(path("hueset.opt"));
  m_app->shutDown();
  EXPECT_FALSE(QFileInfo::exists(path("hueset.opt")));
}

TEST_F(MainWindowTest, OpenedFilesJoinTheRecentList) {
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("a.fa"));
  start();
  ASSERT_TRUE(window().openDocumentFile(path("a.fa")));
  window().updateRecentFiles();
  QStringList texts = menuTexts(window().fileMenu());
  EXPECT_TRUE(texts.contains(QStringLiteral("&1 a.fa"))) << texts.join(',').toStdString();
  EXPECT_FALSE(texts.contains(QStringLiteral("Recent File")));
  exit();
  IniProfileStore store(toPathBytes(m_profile));
  EXPECT_EQ(store.readString("Recent File List", "File1", ""), toPathBytes(path("a.fa")));
}

TEST_F(MainWindowTest, DroppedFileOpensAsTheDocument) {
  QFile::copy(QStringLiteral(HUESET_TEST_DATA "/gui/four_globins.fasta"), path("dropped.fa"));
  start();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path("dropped.fa"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window().editor()->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  const bool delivered = QCoreApplication::sendEvent(window().editor()->viewport(), &drop);
  EXPECT_TRUE(delivered);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(window().document()->path(), path("dropped.fa"));
  EXPECT_TRUE(window().editor()->toPlainText().startsWith(QStringLiteral(">HBB_HUMAN")));
}

TEST_F(MainWindowTest, NewAsksToSaveAChangedDocument) {
  start();
  window().editor()->setPlainText(QStringLiteral("changed"));
  window().document()->setModified(true);
  m_prompts.answers = {PromptAnswer::Cancel};
  window().fileNew();
  EXPECT_EQ(window().editor()->toPlainText(), QStringLiteral("changed"));
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].text, QStringLiteral("Save changes to Untitled?"));
  m_prompts.answers = {PromptAnswer::No};
  window().fileNew();
  EXPECT_TRUE(window().editor()->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, SaveAsWritesTheTextAndRenamesTheDocument) {
  start();
  window().editor()->setPlainText(QStringLiteral(">a\nACDE\n"));
  m_prompts.documentToSave = QStringLiteral("\"%1\"").arg(path("saved.msf"));
  ASSERT_TRUE(window().fileSaveAs());
  QFile saved(path("saved.msf"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), QByteArray(">a\nACDE\n"));
  EXPECT_EQ(window().document()->title(), QStringLiteral("saved.msf"));
  EXPECT_FALSE(window().document()->isModified());
}

TEST_F(MainWindowTest, CompressedDocumentOpensAsTextAndIsSavedCompressed) {
  start();
  const std::string text = "# STOCKHOLM 1.0\na AC\nb AD\n//\n";
  const std::string compressed = gzipCompress(text);
  QFile file(path("family.sto.gz"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(compressed.data(), static_cast<qint64>(compressed.size()));
  file.close();
  ASSERT_TRUE(window().openDocumentFile(path("family.sto.gz")));
  EXPECT_EQ(window().editor()->toPlainText(), QString::fromStdString(text));
  EXPECT_EQ(decodeDocument(window().document()->encodedText().toStdString()).text, text);
  EXPECT_EQ(window().document()->encodedText().left(2), QByteArray("\x1f\x8b"));
}

// A small file that inflates past the limit is refused with the same words
// whether it is opened from the menu or named when the program starts.
TEST_F(MainWindowTest, AFileInflatingPastTheLimitIsRefusedAtStartAsAtOpen) {
  m_profileText += QStringLiteral("[Input]\nMax Inflated MB=1\n");
  const std::string compressed = gzipCompress(">a\n" + std::string(3 << 20, 'A') + "\n");
  QFile file(path("huge.fa.gz"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(compressed.data(), static_cast<qint64>(compressed.size()));
  file.close();
  start();
  EXPECT_FALSE(window().openDocumentFile(path("huge.fa.gz")));
  ASSERT_FALSE(m_prompts.messages.empty());
  const QString refusal = m_prompts.messages.back().text;
  EXPECT_TRUE(refusal.contains(QStringLiteral("more than 1 MB"))) << refusal.toStdString();
  exit();
  m_app.reset();

  HuesetApp atStart({QStringLiteral("hueset"), path("huge.fa.gz")}, &m_prompts, &m_launcher);
  EXPECT_FALSE(atStart.start());
  EXPECT_EQ(m_prompts.messages.back().text, refusal);
  atStart.shutDown();
}

TEST_F(MainWindowTest, HelpCommandsShowTheirPages) {
  start();
  window().runTutorial();
  ASSERT_NE(window().helpWindow(), nullptr);
  EXPECT_TRUE(window().helpWindow()->browser()->source().toString().endsWith(
      QStringLiteral("tutorial.html")));
  action(Command::Help)->trigger();
  EXPECT_TRUE(
      window().helpWindow()->browser()->source().toString().endsWith(QStringLiteral("index.html")));
  EXPECT_EQ(m_prompts.installHelpShown, 0);
}

TEST_F(MainWindowTest, MissingHelpPagesAskForTheHelpSystem) {
  qputenv("HUESET_HELP_DIR", QFile::encodeName(path("no-help-here")));
  start();
  action(Command::Help)->trigger();
  action(Command::RunTutorial)->trigger();
  action(Command::HelpFinder)->trigger();
  EXPECT_EQ(m_prompts.installHelpShown, 3);
}

}  // namespace
}  // namespace hueset::gui::test
