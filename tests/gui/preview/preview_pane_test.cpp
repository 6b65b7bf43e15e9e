#include "gui/preview/preview_pane.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <memory>

#include "gui/common/qt_text.h"
#include "support/writer_formats.h"

namespace hueset::gui {
namespace {

using hueset::test::grouping;
using hueset::test::kBlue;
using hueset::test::kWhite;

// Three sequences, unwrapped and ungrouped; column 1 (all L) is drawn white
// on blue as "Hydrophobic", and "Single" is off, so nothing else is.
PreviewOutcome sampleOutcome() {
  PreviewInput input;
  input.text = ">one\nLKDE\n>two\nLRDA\n>three\nLGEW\n";
  input.options.annotation.useElision = false;
  input.options.output.wrapOutput = false;
  input.groupings.fontName = "Courier New";
  input.groupings.fontSize = 100;
  input.groupings.groupings = {grouping("Default", "X", {0, kWhite, false, false}),
                               grouping("Single", "X", {0, kWhite, false, false}),
                               grouping("Hydrophobic", "ILMV", {kWhite, kBlue, false, true})};
  input.groupings.groupings[1].active = false;
  return runPreview(input);
}

class PreviewPaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pane = std::make_unique<PreviewPane>();
    pane->resize(400, 200);
    pane->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    outcome = std::make_shared<PreviewOutcome>(sampleOutcome());
    ASSERT_TRUE(outcome->document);
    pane->showOutcome(outcome);
  }

  // The viewport point `across` and `down` into the cell of `character` on
  // line `line` (no set gaps before it).
  QPoint cellPoint(int character, int line, double across = 0.5, double down = 0.5) const {
    const CellSize cell = pane->model().cellSize();
    return pane
        ->fromDocument(QPointF((character + across) * cell.width, (line + down) * cell.height))
        .toPoint();
  }

  // A point of the cell's ground that no glyph reaches: near its top right.
  QColor groundOf(int character, int line) const {
    return pane->viewport()->grab().toImage().pixelColor(cellPoint(character, line, 0.9, 0.1));
  }

  std::unique_ptr<PreviewPane> pane;
  std::shared_ptr<PreviewOutcome> outcome;
};

// A line reads the name padded to 14, two blanks, then the residues: column
// 1 is character 16.
TEST_F(PreviewPaneTest, PaintsAGroupingsBackgroundUnderItsResidues) {
  EXPECT_EQ(groundOf(16, 1), toQColor(kBlue));
  EXPECT_EQ(groundOf(17, 1), toQColor(kWhite)) << "column 2 agreed on nothing";
  EXPECT_EQ(groundOf(14, 1), toQColor(kWhite)) << "the name column is the page";
}

TEST_F(PreviewPaneTest, AFailedRunGreysTheLastPreviewUnderItsMessage) {
  auto failed = std::make_shared<PreviewOutcome>();
  failed->messages = {{PreviewMessage::Kind::Question, "Blank inside a line.", 40},
                      {PreviewMessage::Kind::Error, "This is not a valid file.", 12}};
  pane->showOutcome(failed);
  EXPECT_TRUE(pane->isGreyed());
  EXPECT_EQ(pane->model().document(), outcome->document) << "the last good preview stays";
  EXPECT_NE(groundOf(16, 1), toQColor(kBlue));
  ASSERT_TRUE(pane->messageBar()->isVisible());
  EXPECT_EQ(pane->messageBar()->text(), "Line 12: This is not a valid file. (1 more)");

  QSignalSpy clicked(pane.get(), &PreviewPane::messageClicked);
  QTest::mouseClick(pane->messageBar(), Qt::LeftButton);
  ASSERT_EQ(clicked.count(), 1);
  EXPECT_EQ(clicked.at(0).at(0).toInt(), 12);

  pane->showOutcome(outcome);
  EXPECT_FALSE(pane->isGreyed());
  EXPECT_FALSE(pane->messageBar()->isVisible());
}

TEST_F(PreviewPaneTest, HoverTellsTheStatusBarAboutTheColumnAndResidue) {
  QSignalSpy hovered(pane.get(), &PreviewPane::hoverTextChanged);
  QMouseEvent move(QEvent::MouseMove, cellPoint(16, 2),
                   pane->viewport()->mapToGlobal(cellPoint(16, 2)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(pane->viewport(), &move);
  ASSERT_EQ(hovered.count(), 1);
  EXPECT_EQ(hovered.at(0).at(0).toString(),
            "Column 1: Hydrophobic, 3 of 3 (100%); >three, residue 1");

  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(pane->viewport(), &leave);
  ASSERT_EQ(hovered.count(), 2);
  EXPECT_EQ(hovered.at(1).at(0).toString(), "");
}

// Scrolling moves the rows under a pointer that stays where it is.
TEST_F(PreviewPaneTest, HoverTextFollowsTheRowUnderThePointerAfterScrolling) {
  pane->resize(400, 50);
  QCoreApplication::processEvents();
  ASSERT_GT(pane->verticalScrollBar()->maximum(), 0) << "the test needs a pane that scrolls";
  const QPoint at = cellPoint(16, 0);
  QMouseEvent move(QEvent::MouseMove, at, pane->viewport()->mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(pane->viewport(), &move);
  ASSERT_TRUE(pane->hoverText().contains(QStringLiteral(">one")))
      << pane->hoverText().toStdString();
  const int line = static_cast<int>(std::ceil(pane->model().cellSize().height));
  pane->verticalScrollBar()->setValue(pane->verticalScrollBar()->value() + line);
  EXPECT_TRUE(pane->hoverText().contains(QStringLiteral(">two")))
      << pane->hoverText().toStdString();
}

// A drag chooses columns and lights them while the hover text goes on; a
// right-click outside them takes its own column; a click beside the cells
// lets go.
TEST_F(PreviewPaneTest, TheMouseChoosesColumns) {
  QWidget* view = pane->viewport();
  const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, view->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
  };
  QSignalSpy changed(pane.get(), &PreviewPane::selectionChanged);
  const QColor unlit = groundOf(18, 1);
  send(QEvent::MouseButtonPress, cellPoint(17, 1), Qt::LeftButton);
  send(QEvent::MouseMove, cellPoint(18, 1), Qt::LeftButton);
  send(QEvent::MouseMove, cellPoint(18, 2), Qt::LeftButton);
  send(QEvent::MouseButtonRelease, cellPoint(18, 2), Qt::NoButton);
  EXPECT_EQ(pane->selection().text(), "2-3");
  EXPECT_EQ(changed.count(), 2);
  EXPECT_TRUE(pane->hoverText().startsWith(QStringLiteral("Column 3"))) << "hover goes on";
  EXPECT_NE(groundOf(18, 1), unlit) << "a chosen column is lit";
  EXPECT_EQ(groundOf(19, 1), toQColor(kWhite)) << "the others are not";
  send(QEvent::MouseMove, cellPoint(19, 1), Qt::NoButton);
  EXPECT_EQ(pane->selection().text(), "2-3") << "no button, no drag";

  QSignalSpy menu(pane.get(), &PreviewPane::menuRequested);
  QContextMenuEvent right(QContextMenuEvent::Mouse, cellPoint(19, 0),
                          view->mapToGlobal(cellPoint(19, 0)));
  QCoreApplication::sendEvent(view, &right);
  EXPECT_EQ(menu.count(), 1);
  EXPECT_EQ(pane->selection().text(), "4");

  send(QEvent::MouseButtonPress, cellPoint(3, 1), Qt::LeftButton);
  EXPECT_TRUE(pane->selection().empty()) << "a click on a name lets go";
}

TEST_F(PreviewPaneTest, ControlWheelAndKeysZoom) {
  QSignalSpy zoomed(pane.get(), &PreviewPane::zoomChanged);
  const double width = pane->model().cellSize().width;
  QWheelEvent wheel(QPointF(10, 10), pane->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                    QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(pane->viewport(), &wheel);
  EXPECT_EQ(pane->zoom(), 110);
  EXPECT_GT(pane->model().cellSize().width, width);
  QTest::keyClick(pane.get(), Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(pane.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(pane->zoom(), 90);
  QTest::keyClick(pane.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(pane->zoom(), 100);
  ASSERT_EQ(zoomed.count(), 4);
  EXPECT_EQ(zoomed.at(0).at(0).toInt(), 110);
}

}  // namespace
}  // namespace hueset::gui
