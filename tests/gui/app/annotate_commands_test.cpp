#include "gui/app/annotate_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <chrono>
#include <thread>

#include "app_fixture.h"
#include "desktop/frame/command_ids.h"
#include "figure/output_kinds.h"
#include "groupings/configuration_file.h"
#include "gui/app/alignment_document.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/annotation_file_dialog.h"
#include "gui/app/annotation_runner.h"
#include "gui/app/main_window.h"
#include "gui/common/qt_text.h"
#include "gui/controls/progress_dialog.h"
#include "output/cf_html.h"
#include "output/html_writer.h"
#include "output/plain_text_writer.h"
#include "output/rtf_writer.h"
#include "output/style_sheet_writer.h"
#include "pipeline/annotation_driver.h"
#include "support/scripted_sink.h"

namespace hueset::gui::test {
namespace {

// Answers the driver's questions as a user pressing OK everywhere would.
class AcceptingInteraction final : public AnnotationInteraction {
 public:
  hueset::test::ScriptedSink sink;
  ParseMessageSink& messageSink() override { return sink; }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override { return guess; }
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>&) override { return true; }
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names, bool,
                                             const std::vector<int>&) override {
    std::vector<int> sets{-1};
    for (int i = 0; i < static_cast<int>(names.size()); ++i) sets.push_back(i);
    return sets;
  }
};

QByteArray bytes(const std::string& s) {
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

class AnnotateCommandsTest : public AppFixture {
 protected:
  MainWindow& window() { return *m_app->mainWindow(); }
  AlignmentEditor& editor() { return *window().editor(); }
  AnnotateCommands& commands() { return *window().annotate(); }

  // Pastes `text` into the empty editor as the user would.
  void paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    window().action(Command::EditPaste)->trigger();
  }

  // Starts with the four globins pasted, the word processor's files going
  // to `folder`.
  void startForWord(const QString& folder) {
    start();
    paste(testText("four_globins.fasta"));
    m_app->wordProcessor().setFolder(path(folder));
  }

  // What the writer makes of the editor text without any window.
  void annotateDirectly(AnnotationWriter& writer) {
    AcceptingInteraction interaction;
    RememberedSets remembered;
    const QByteArray text = editor().toPlainText().toLatin1();
    ASSERT_TRUE(annotate(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                         m_app->options(), m_app->configuration().set, writer, interaction,
                         remembered));
  }

  const QMimeData* clipboard() { return QGuiApplication::clipboard()->mimeData(); }
};

TEST_F(AnnotateCommandsTest, PastedAlignmentGoesToTheClipboardAsTheRtfWriterMakesIt) {
  start();
  paste(testText("four_globins.fasta"));
  ASSERT_TRUE(editor().toPlainText().startsWith(QStringLiteral(">HBB_HUMAN")));
  window().action(Command::AnnotateToRtfClipboard)->trigger();

  // The format was confirmed with FASTA selected.
  ASSERT_EQ(m_prompts.lists.size(), 1u);
  EXPECT_EQ(m_prompts.lists[0].selected, 0);
  EXPECT_EQ(m_prompts.lists[0].items.first(), QStringLiteral("FASTA"));

  const GroupingSet& set = m_app->configuration().set;
  RtfWriter expected(set.fontSize, set.fontName);
  annotateDirectly(expected);
  EXPECT_EQ(clipboard()->data(QStringLiteral("text/rtf")), bytes(expected.clipboardText(0)));
  EXPECT_EQ(clipboard()->data(QStringLiteral("text/richtext")), bytes(expected.clipboardText(0)));
  EXPECT_TRUE(clipboard()->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
  // Beside it, the same figure as pictures for drawing programs and slides.
  EXPECT_EQ(clipboard()->data(QStringLiteral("image/png")).startsWith("\x89PNG"),
            figuresAvailable());
  EXPECT_EQ(clipboard()->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"),
            figuresAvailable());
}

TEST_F(AnnotateCommandsTest, HtmlGoesToTheClipboardAsPageAndDescribedText) {
  start();
  paste(testText("four_globins.fasta"));
  window().action(Command::AnnotateToHtmlClipboard)->trigger();

  const GroupingSet& set = m_app->configuration().set;
  HtmlWriter expected(set.fontSize, set.fontName, "hs", HtmlWriterSettings{});
  annotateDirectly(expected);
  const std::string cfHtml = expected.clipboardText(1);
  // Plain text is the annotation's text, never the Windows description lines.
  PlainTextWriter plain;
  annotateDirectly(plain);
  EXPECT_EQ(clipboard()->data(QStringLiteral("text/plain")), bytes(plain.fileText()));
  EXPECT_FALSE(clipboard()->data(QStringLiteral("text/plain")).contains("StartHTML"));
  EXPECT_EQ(clipboard()->data(QStringLiteral("text/html")), bytes(std::string(cfHtmlPage(cfHtml))));
  EXPECT_TRUE(clipboard()->data(QStringLiteral("text/html")).startsWith("<HTML>"));
}

TEST_F(AnnotateCommandsTest, RichTextComesWithItsPlainTextForPlainTextEditors) {
  start();
  paste(testText("four_globins.fasta"));
  window().action(Command::AnnotateToRtfClipboard)->trigger();
  PlainTextWriter expected;
  annotateDirectly(expected);
  EXPECT_EQ(clipboard()->data(QStringLiteral("text/plain")), bytes(expected.fileText()));
  EXPECT_TRUE(clipboard()->text().contains(QStringLiteral("HBB_HUMAN")));
}

TEST_F(AnnotateCommandsTest, LongRunShowsItsProgressKeepsTheWindowAliveAndCancelStopsIt) {
  start();
  window().show();
  editor().setPlainText(QStringLiteral("as it was"));
  AnnotationRunner& runner = *commands().runner();
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
  ticker.start(20);
  bool shownEarly = true;
  QTimer::singleShot(kProgressDelayMs / 2, [&] {
    shownEarly = runner.progressDialog() != nullptr;
    QTest::keyClicks(&editor(), QStringLiteral("typed"));  // the window takes no input
  });
  QString stage;
  int percent = -1;
  QTimer::singleShot(kProgressDelayMs + 300, [&] {
    ProgressDialog* dialog = runner.progressDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    stage = dialog->stageLabel()->text();
    percent = dialog->bar()->value();
    dialog->cancelButton()->click();
  });
  QElapsedTimer clock;
  clock.start();
  const bool completed = runner.run([](BackgroundAnnotation& run) {
    while (run.interaction().progress(AnnotationStage::Layout, 42)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  });
  EXPECT_FALSE(completed);
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_FALSE(shownEarly);
  EXPECT_EQ(stage, QStringLiteral("Laying out the annotation..."));
  EXPECT_EQ(percent, 42);
  EXPECT_GT(ticks, 20);
  EXPECT_EQ(editor().toPlainText(), QStringLiteral("as it was"));
  EXPECT_EQ(runner.progressDialog(), nullptr);
  EXPECT_FALSE(runner.busy());
}

TEST_F(AnnotateCommandsTest, CancelLeavesClipboardAndFilesAsTheyWere) {
  start();
  paste(testText("four_globins.fasta"));
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  // Cancel pressed while the format is confirmed: the run stops at its next step.
  m_prompts.onList = [this](const UserPrompts::ListChoice&) { commands().runner()->cancel(); };
  m_app->wordProcessor().setFolder(path("handoff"));
  m_launcher.writer = QStringLiteral("/opt/office/soffice");
  for (Command command : {Command::AnnotateToRtfClipboard, Command::AnnotateToHtmlClipboard,
                          Command::AnnotateToWord}) {
    window().action(command)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"))
        << static_cast<int>(command);
  }
  m_prompts.annotationFile = UserPrompts::FileChoice{path("figure.rtf"), 0, m_dir};
  commands().toFile();
  EXPECT_EQ(m_prompts.lists.size(), 4u);
  EXPECT_FALSE(QFileInfo::exists(path("figure.rtf")));
  EXPECT_EQ(QDir(m_dir).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("figure")),
            QStringList());
  EXPECT_TRUE(m_launcher.started.isEmpty());
  EXPECT_TRUE(m_prompts.messages.empty());
}

TEST_F(AnnotateCommandsTest, ClosingTheWindowStopsTheRunFirst) {
  start();
  window().show();
  AnnotationRunner& runner = *commands().runner();
  bool closedAtOnce = true;
  QTimer::singleShot(50, [&] { closedAtOnce = window().close(); });
  EXPECT_FALSE(runner.run([](BackgroundAnnotation& run) {
    while (run.interaction().progress(AnnotationStage::Reading, 0)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }));
  EXPECT_FALSE(closedAtOnce);
  EXPECT_TRUE(window().isVisible());
  QTRY_VERIFY(!window().isVisible());
}

TEST_F(AnnotateCommandsTest, StyleSheetNeedsNoAlignment) {
  start();
  window().action(Command::CopyStyleSheet)->trigger();
  StyleSheetWriter expected;
  for (const ResidueFormat& f : m_app->configuration().set.textFormats()) expected.addFormat(f);
  expected.begin();
  expected.end();
  EXPECT_EQ(clipboard()->data(QStringLiteral("text/plain")), bytes(expected.clipboardText(0)));
  EXPECT_TRUE(clipboard()->text().startsWith(QStringLiteral("<STYLE>\n<!--\n")));
}

TEST_F(AnnotateCommandsTest, CancelledFormatLeavesTheClipboardAlone) {
  start();
  paste(testText("four_globins.fasta"));
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  m_prompts.listAnswers = {std::nullopt};
  commands().toRtfClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
  EXPECT_TRUE(m_prompts.messages.empty());
}

TEST_F(AnnotateCommandsTest, EnabledOnlyWithMoreThanTwoCharacters) {
  start();
  const Command commands[] = {Command::AnnotateToWord, Command::AnnotateToRtfClipboard,
                              Command::AnnotateToHtmlClipboard, Command::AnnotateToFile};
  for (Command c : commands) EXPECT_FALSE(window().action(c)->isEnabled()) << static_cast<int>(c);
  editor().setPlainText(QStringLiteral("ab"));
  for (Command c : commands) EXPECT_FALSE(window().action(c)->isEnabled()) << static_cast<int>(c);
  editor().setPlainText(QStringLiteral("abc"));
  for (Command c : commands) EXPECT_TRUE(window().action(c)->isEnabled()) << static_cast<int>(c);
  // The style sheet needs no text.
  editor().clear();
  EXPECT_TRUE(window().action(Command::CopyStyleSheet)->isEnabled());
  EXPECT_FALSE(window().action(Command::AnnotateToRtfClipboard)->isEnabled());
}

TEST_F(AnnotateCommandsTest, ReaderMessageSelectsItsLineAsSecondVisible) {
  start();
  window().resize(600, 300);
  window().show();
  editor().setPlainText(testText("blank_inside_line_40.fasta"));
  QString selected;
  int firstVisible = -1;
  m_prompts.onMessage = [&](const ScriptedPrompts::Message&) {
    selected = editor().textCursor().selectedText();
    firstVisible = editor().verticalScrollBar()->value();
  };
  m_prompts.answers = {PromptAnswer::No};  // stop reading
  commands().toRtfClipboard();

  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].title, QStringLiteral("Warning"));
  EXPECT_TRUE(m_prompts.messages[0].text.contains(QStringLiteral("Line 40 contains whitespace")));
  EXPECT_EQ(m_prompts.messages[0].buttons, PromptButtons::YesNo);
  EXPECT_EQ(selected, editor().document()->findBlockByNumber(39).text());
  EXPECT_EQ(firstVisible, 38);  // line 39 on top, line 40 second
}

TEST_F(AnnotateCommandsTest, FileCommandWritesHtmlForTheSecondFilterToABareName) {
  start();
  paste(testText("four_globins.fasta"));
  m_prompts.annotationFile = UserPrompts::FileChoice{path("figure"), 1, m_dir};
  commands().toFile();

  const GroupingSet& set = m_app->configuration().set;
  HtmlWriter expected(set.fontSize, set.fontName, "hs", HtmlWriterSettings{});
  annotateDirectly(expected);
  QFile file(path("figure.html"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes(expected.fileText()));
  EXPECT_EQ(m_app->options().paths.lastAnnotateDirectory, toPathBytes(m_dir));
}

TEST_F(AnnotateCommandsTest, FileCommandOffersTheRememberedFolder) {
  m_profileText += QStringLiteral("Last Annotate directory=/somewhere/figures\n");
  start();
  paste(testText("four_globins.fasta"));
  m_prompts.annotationFile = std::nullopt;
  commands().toFile();
  ASSERT_EQ(m_prompts.annotationFolders.size(), 1u);
  EXPECT_EQ(m_prompts.annotationFolders[0], QStringLiteral("/somewhere/figures"));
  // Cancelled: the folder stays.
  EXPECT_EQ(m_app->options().paths.lastAnnotateDirectory, "/somewhere/figures");
}

TEST_F(AnnotateCommandsTest, FileCommandWritesRtfForTheFirstFilter) {
  start();
  paste(testText("four_globins.fasta"));
  m_prompts.annotationFile = UserPrompts::FileChoice{path("figure"), 0, m_dir};
  commands().toFile();
  QFile file(path("figure.rtf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("{\\rtf1"));
}

TEST_F(AnnotateCommandsTest, FileCommandWritesTheKindTheTypedExtensionNames) {
  // The Rich Text type left selected must not put Rich Text into a PDF.
  start();
  paste(testText("four_globins.fasta"));
  m_prompts.annotationFile = UserPrompts::FileChoice{path("figure.pdf"), 0, m_dir};
  commands().toFile();
  QFile file(path("figure.pdf"));
  EXPECT_EQ(file.exists(), figuresAvailable());
  if (figuresAvailable()) {
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
  }
}

TEST_F(AnnotateCommandsTest, FileCommandStoppedOnTheWayLeavesTheOldFileWhole) {
  start();
  paste(testText("four_globins.fasta"));
  QFile old(path("figure.rtf"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the figure before");
  old.close();
  m_prompts.annotationFile = UserPrompts::FileChoice{path("figure.rtf"), 0, m_dir};
  m_prompts.listAnswers = {std::nullopt};  // the format is not confirmed
  commands().toFile();

  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("the figure before"));
  EXPECT_EQ(QDir(m_dir).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("figure")),
            QStringList{QStringLiteral("figure.rtf")});
  EXPECT_TRUE(m_prompts.messages.empty());
}

TEST_F(AnnotateCommandsTest, FileCommandThatCannotWriteSaysWhichFile) {
  start();
  paste(testText("four_globins.fasta"));
  const QString target = path("no-such-folder/figure.rtf");
  m_prompts.annotationFile = UserPrompts::FileChoice{target, 0, m_dir};
  commands().toFile();

  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].title, QStringLiteral("HUESET"));
  EXPECT_EQ(m_prompts.messages[0].text, target + QStringLiteral(" contains an invalid path."));
  EXPECT_EQ(m_prompts.messages[0].icon, PromptIcon::Exclamation);
  EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(AnnotateCommandsTest, FileCommandRefusesAMissingFolderBeforeAskingAnythingElse) {
  m_profileText += QStringLiteral("Last Annotate directory=%1\n").arg(m_dir);
  start();
  paste(testText("four_globins.fasta"));
  m_prompts.annotationFile =
      UserPrompts::FileChoice{QStringLiteral("/proc/nope/x.rtf"), 0, QStringLiteral("/proc/nope")};
  commands().toFile();

  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].text,
            QStringLiteral("/proc/nope/x.rtf contains an invalid path."));
  EXPECT_TRUE(m_prompts.lists.empty());  // no format question came first
  EXPECT_EQ(m_app->options().paths.lastAnnotateDirectory, toPathBytes(m_dir));
}

TEST(AnnotationFileDialog, StaysOpenOnAMissingFolder) {
  const QString folder = QDir::tempPath();
  AnnotationFileDialog dialog(nullptr, folder);
  QStringList messages;
  dialog.setMessageFunction([&messages](QWidget*, const QString& text) { messages << text; });
  dialog.show();
  // Typed as the user would: the dialog cannot go to a folder that is not there.
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  name->setText(QStringLiteral("/proc/nope/x.rtf"));
  dialog.accept();
  EXPECT_EQ(messages, QStringList{QStringLiteral("/proc/nope/x.rtf contains an invalid path.")});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.choice().has_value());

  const QString fine = QDir(folder).filePath(QStringLiteral("hueset-no-such-figure.html"));
  ASSERT_FALSE(QFileInfo::exists(fine));
  dialog.selectNameFilter(dialog.nameFilters()[1]);
  dialog.selectFile(fine);
  dialog.accept();
  EXPECT_EQ(messages.size(), 1);
  ASSERT_TRUE(dialog.choice().has_value());
  EXPECT_EQ(dialog.choice()->path, fine);
  EXPECT_EQ(dialog.choice()->filterIndex, 1);
  EXPECT_EQ(dialog.choice()->folder, folder);
}

TEST(AnnotationFileDialog, ABareNameGetsTheChosenTypesExtension) {
  const QString folder = QDir::tempPath();
  AnnotationFileDialog dialog(nullptr, folder);
  dialog.show();
  dialog.selectNameFilter(dialog.nameFilters()[4]);
  dialog.selectFile(QDir(folder).filePath(QStringLiteral("hueset-no-such-figure")));
  dialog.accept();
  ASSERT_TRUE(dialog.choice().has_value());
  EXPECT_EQ(dialog.choice()->path,
            QDir(folder).filePath(QStringLiteral("hueset-no-such-figure.png")));
  EXPECT_EQ(dialog.choice()->filterIndex, 4);
}

TEST_F(AnnotateCommandsTest, WebSafeCheckListsColoursAndCancelStops) {
  start();
  GroupingSet set = m_app->configuration().set;
  set.groupings[2].format.backColour = rgb(255, 0, 10);
  ASSERT_TRUE(
      saveConfigurationFile(set, toPathBytes(path("unsafe.cft")), ConfigurationForm::Text).ok);
  ASSERT_TRUE(m_app->loadConfiguration(path("unsafe.cft")));
  paste(testText("four_globins.fasta"));
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  m_prompts.listAnswers = {std::nullopt};
  commands().toHtmlClipboard();

  ASSERT_EQ(m_prompts.lists.size(), 1u);
  EXPECT_EQ(m_prompts.lists[0].items,
            QStringList{QString::fromStdString(set.groupings[2].name) + ": Background Colour"});
  EXPECT_TRUE(m_prompts.lists[0].prompt.startsWith(QStringLiteral("Some of the residue groups")));
  EXPECT_EQ(m_prompts.lists[0].note, QStringLiteral("Do you wish to proceed anyway?"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
  EXPECT_EQ(window().windowTitle(),
            QStringLiteral("Untitled - HUESET- [ \"unsafe.cft\" Residue Groupings ]"));
}

TEST_F(AnnotateCommandsTest, WordProcessorGetsANewDocumentFromTheRtf) {
  m_launcher.writer = QStringLiteral("/opt/office/soffice");
  startForWord(QStringLiteral("handoff"));
  commands().toWord();

  ASSERT_EQ(m_launcher.started.size(), 4);
  EXPECT_EQ(m_launcher.started[0], QStringLiteral("/opt/office/soffice"));
  EXPECT_EQ(m_launcher.started[1], QStringLiteral("--writer"));
  EXPECT_EQ(m_launcher.started[2], QStringLiteral("-n"));
  const QString file = m_launcher.started[3];
  EXPECT_TRUE(file.startsWith(path("handoff"))) << file.toStdString();
  QFile rtf(file);
  ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
  EXPECT_EQ(rtf.readAll(), clipboard()->data(QStringLiteral("text/rtf")));
  EXPECT_TRUE(m_prompts.messages.empty());
  // The second run reuses the remembered word processor.
  commands().toWord();
  EXPECT_EQ(m_launcher.started.size(), 8);
}

TEST_F(AnnotateCommandsTest, WordProcessorFilesArePrivateToTheRunAndGoAtExit) {
  m_launcher.writer = QStringLiteral("/opt/office/soffice");
  startForWord(QStringLiteral("tmp"));
  commands().toWord();
  commands().toWord();
  ASSERT_EQ(m_launcher.started.size(), 8);
  const QString first = m_launcher.started[3];
  const QString last = m_launcher.started[7];
  const QFileInfo folder(QFileInfo(last).absolutePath());
  // A folder of the run's own, not one a name in the shared folder reaches.
  EXPECT_NE(folder.absoluteFilePath(), path("tmp"));
  EXPECT_NE(folder.fileName(), QStringLiteral("hueset-annotations"));
  EXPECT_EQ(folder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
            QFile::Permissions());
  // The word processor may still read the last file; the one before has gone.
  EXPECT_FALSE(QFileInfo::exists(first));
  EXPECT_TRUE(QFileInfo::exists(last));
  exit();
  EXPECT_FALSE(QFileInfo::exists(last));
  EXPECT_FALSE(QFileInfo::exists(folder.absoluteFilePath()));
}

TEST_F(AnnotateCommandsTest, NoWordProcessorSaysSoAndKeepsTheClipboard) {
  startForWord(QStringLiteral("handoff"));
  commands().toWord();
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0].title, QStringLiteral("Error"));
  EXPECT_EQ(m_prompts.messages[0].text,
            QStringLiteral("No compatible version of Word for Windows could be found.\n"
                           "Please copy and paste the annotation using the Windows Clipboard."));
  EXPECT_EQ(m_prompts.messages[0].icon, PromptIcon::Exclamation);
  EXPECT_TRUE(clipboard()->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
}

TEST_F(AnnotateCommandsTest, PasteTakesOnlyThePlainText) {
  start();
  auto* data = new QMimeData;
  data->setHtml(QStringLiteral("<b>bold</b> words"));
  data->setText(QStringLiteral("bold words"));
  QGuiApplication::clipboard()->setMimeData(data);
  EXPECT_TRUE(window().action(Command::EditPaste)->isEnabled());
  window().action(Command::EditPaste)->trigger();
  EXPECT_EQ(editor().toPlainText(), QStringLiteral("bold words"));
  editor().undo();
  EXPECT_TRUE(editor().toPlainText().isEmpty());
}

}  // namespace
}  // namespace hueset::gui::test
