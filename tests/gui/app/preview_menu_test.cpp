// Choosing columns in the preview with the mouse, and the preview's context
// menu: pictures on the clipboard, marks and frames into the options, the
// Annotate commands on the chosen columns alone.
#include "gui/app/preview_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <chrono>

#include "app_fixture.h"
#include "figure/output_kinds.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/annotate_commands.h"
#include "gui/app/main_window.h"
#include "gui/app/preview_controller.h"
#include "gui/output/clipboard_transfer.h"
#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_runner.h"
#include "output/rtf_writer.h"
#include "pipeline/annotation_driver.h"
#include "support/scripted_sink.h"

namespace hueset::gui::test {
namespace {

class AcceptAll final : public AnnotationInteraction {
 public:
  hueset::test::ScriptedSink sink;
  ParseMessageSink& messageSink() override { return sink; }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override { return guess; }
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>&) override { return true; }
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>&, bool,
                                             const std::vector<int>& starting) override {
    return starting;
  }
};

class PreviewMenuTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    start();
    preview().runner()->setPause(std::chrono::milliseconds(0));
    m_outcomes = std::make_unique<QSignalSpy>(preview().runner(), &PreviewRunner::outcomeReady);
    m_app->mainWindow()->editor()->setPlainText(testText("four_globins.fasta"));
    settle();
  }
  void TearDown() override {
    m_outcomes.reset();
    AppFixture::TearDown();
  }

  PreviewController& preview() { return *m_app->mainWindow()->preview(); }
  PreviewPane& pane() { return *preview().pane(); }
  PreviewMenu& menu() { return *preview().menu(); }
  void settle() {
    ASSERT_TRUE(m_outcomes->wait(10000));
    while (m_outcomes->wait(300)) {
    }
  }

  // The middle of the cell of layout column `column` on the first sequence
  // line, in the viewport.
  QPoint cellPoint(std::size_t column) {
    const PreviewDocument& d = *pane().model().document();
    for (std::size_t i = 0; i < d.lines.size(); ++i) {
      const PreviewLine& line = d.lines[i];
      if (!line.hasContent || line.content.kind != LineContent::Kind::Sequence) continue;
      const CellSize cell = pane().model().cellSize();
      const double x = (line.content.firstCell + column + 0.5) * cell.width;
      const double y = pane().model().lineTop(i) + cell.height / 2;
      return pane().fromDocument(QPointF(x, y)).toPoint();
    }
    return {};
  }

  QAction* item(QMenu& in, const QString& text) {
    for (QAction* a : in.actions()) {
      if (a->text() == text) return a;
      if (a->menu()) {
        if (QAction* found = item(*a->menu(), text)) return found;
      }
    }
    return nullptr;
  }

  std::unique_ptr<QSignalSpy> m_outcomes;
};

TEST_F(PreviewMenuTest, ClicksChooseColumnsAndTheMenuFollows) {
  const std::unique_ptr<QMenu> none = menu().makeMenu(&pane());
  EXPECT_TRUE(item(*none, QStringLiteral("Copy as Picture"))->isEnabled());
  for (const char* needs : {"Copy Selected Columns", "Star", "Frame Selected Columns", "As RTF"})
    EXPECT_FALSE(item(*none, QString::fromLatin1(needs))->isEnabled()) << needs;

  QTest::mouseClick(pane().viewport(), Qt::LeftButton, {}, cellPoint(2));
  QTest::mouseClick(pane().viewport(), Qt::LeftButton, Qt::ShiftModifier, cellPoint(5));
  EXPECT_EQ(pane().selection().text(), "3-6");
  const std::unique_ptr<QMenu> some = menu().makeMenu(&pane());
  EXPECT_TRUE(item(*some, QStringLiteral("Copy Selected Columns"))->isEnabled());

  // Marks and frames go into the options, and the preview draws them.
  item(*some, QStringLiteral("Star"))->trigger();
  item(*some, QStringLiteral("Frame Selected Columns"))->trigger();
  EXPECT_EQ(m_app->options().columnMarks.marks, "3-6:star");
  EXPECT_EQ(m_app->options().columnMarks.frames, "3-6");
  settle();
  const auto& rows = pane().model().document()->columnRows;
  ASSERT_EQ(rows.markSymbols.size(), rows.frames.size());
  ASSERT_GT(rows.markSymbols.size(), 6u);
  EXPECT_EQ(rows.markSymbols[1], MarkSymbol::None);
  EXPECT_EQ(rows.markSymbols[2], MarkSymbol::Star);
  EXPECT_EQ(rows.frames[5], 1);
  EXPECT_EQ(pane().selection().text(), "3-6") << "kept through the new run";

  QTest::keyClick(&pane(), Qt::Key_Escape);
  EXPECT_TRUE(pane().selection().empty());
}

TEST_F(PreviewMenuTest, PicturesGoToTheClipboardAsPngAndSvg) {
  ASSERT_TRUE(menu().copyAsPicture());
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasFormat(QStringLiteral("image/png")));
  EXPECT_TRUE(data->hasFormat(QStringLiteral("image/svg+xml")));
  EXPECT_TRUE(data->data(QStringLiteral("image/png")).startsWith("\x89PNG"));
  EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
  const QImage whole = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");

  // The chosen columns alone: a narrower figure, the option untouched.
  QTest::mouseClick(pane().viewport(), Qt::LeftButton, {}, cellPoint(0));
  QTest::mouseClick(pane().viewport(), Qt::LeftButton, Qt::ShiftModifier, cellPoint(9));
  ASSERT_TRUE(menu().copySelectedColumns());
  const QImage part = QImage::fromData(
      QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")), "PNG");
  ASSERT_FALSE(whole.isNull());
  ASSERT_FALSE(part.isNull());
  EXPECT_LT(part.width(), whole.width());
  EXPECT_TRUE(m_app->options().columnMarks.columns.empty());
}

// The pictures alone are a figure: bars and shapes, not the digits and
// characters Rich Text has in their place.
TEST_F(PreviewMenuTest, ThePicturesAreWhatTheFigureWritersMakeAlone) {
  m_app->options().columnMarks.conservationBar = true;
  m_app->options().columnMarks.marks = "3:star";
  ASSERT_TRUE(menu().copyAsPicture());
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  const QByteArray text = m_app->mainWindow()->editor()->toPlainText().toLatin1();
  for (const auto& alone : makeClipboardPictureWriters(m_app->configuration().set)) {
    AcceptAll interaction;
    RememberedSets remembered;
    ASSERT_TRUE(annotate(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                         m_app->options(), m_app->configuration().set, *alone, interaction,
                         remembered));
    const std::unique_ptr<QMimeData> expected = clipboardData(*alone);
    ASSERT_FALSE(expected->formats().isEmpty());
    for (const QString& format : expected->formats())
      EXPECT_TRUE(copied->data(format) == expected->data(format)) << format.toStdString();
  }
}

TEST_F(PreviewMenuTest, AnnotateSelectionRunsTheCommandOnTheChosenColumnsOnly) {
  QTest::mouseClick(pane().viewport(), Qt::LeftButton, {}, cellPoint(3));
  QTest::mouseClick(pane().viewport(), Qt::LeftButton, Qt::ShiftModifier, cellPoint(7));
  const std::unique_ptr<QMenu> some = menu().makeMenu(&pane());
  item(*some, QStringLiteral("As RTF"))->trigger();
  EXPECT_TRUE(m_app->options().columnMarks.columns.empty());

  Options options = m_app->options();
  options.columnMarks.columns = "4-8";
  const GroupingSet& set = m_app->configuration().set;
  RtfWriter expected(set.fontSize, set.fontName);
  AcceptAll interaction;
  RememberedSets remembered;
  const QByteArray text = m_app->mainWindow()->editor()->toPlainText().toLatin1();
  ASSERT_TRUE(annotate(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                       options, set, expected, interaction, remembered));
  const std::string& rtf = expected.clipboardText(0);
  EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/rtf")),
            QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
}

}  // namespace
}  // namespace hueset::gui::test
