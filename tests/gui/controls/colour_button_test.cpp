#include "gui/controls/colour_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <random>

namespace hueset::gui {
namespace {

class ColourButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    button = new ColourButton(window.get());
    layout->addWidget(button);
    button->setColour(rgb(0xFF, 0x66, 0x00));  // "Orange", cell 9 of the 40 colours
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    button->setFocus();
  }

  void useWebSafe() {
    button->colourSet().setPalette(webSafePalette());
    button->colourSet().setColumns(kWebSafePaletteColumns);
  }

  ColourWell* openWithKey() {
    QTest::keyClick(button, Qt::Key_Down);
    QCoreApplication::processEvents();
    return button->well();
  }

  ColourWell* openWithClick() {
    button->click();
    QCoreApplication::processEvents();
    return button->well();
  }

  std::unique_ptr<QWidget> window;
  ColourButton* button = nullptr;
};

TEST_F(ColourButtonTest, DownArrowDropsTheWellAndThenMovesOneRow) {
  QSignalSpy dropping(button, &DropDownButton::aboutToDropDown);
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  EXPECT_TRUE(well->isVisible());
  EXPECT_TRUE(button->isDroppedDown());
  EXPECT_EQ(dropping.count(), 1);
  EXPECT_EQ(well->focusItem(), 9);
  QTest::keyClick(well, Qt::Key_Down);
  EXPECT_EQ(well->focusItem(), 17);
  EXPECT_EQ(button->well(), well);  // still open, not dropped again
  EXPECT_EQ(dropping.count(), 1);
}

TEST_F(ColourButtonTest, EnterChoosesTheFocusedCell) {
  QSignalSpy changed(button, &ColourButton::colourChanged);
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  QTest::keyClick(well, Qt::Key_Right);  // Dark Yellow
  QTest::keyClick(well, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(button->colour(), rgb(0x80, 0x80, 0x00));
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(button->well(), nullptr);
  EXPECT_FALSE(button->isDroppedDown());
}

TEST_F(ColourButtonTest, ArrowsAreIgnoredWhileEnterIsHeld) {
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  QTest::keyPress(well, Qt::Key_Space);
  QTest::keyClick(well, Qt::Key_Left);
  EXPECT_EQ(well->focusItem(), 9);
  EXPECT_EQ(well->pressedItem(), 9);
  QTest::keyRelease(well, Qt::Key_Space);
  QCoreApplication::processEvents();
  EXPECT_EQ(button->colour(), rgb(0xFF, 0x66, 0x00));
  EXPECT_EQ(button->well(), nullptr);
}

TEST_F(ColourButtonTest, EscapeClosesWithoutAChoice) {
  QSignalSpy closed(button, &DropDownButton::closedWithoutChoice);
  QSignalSpy changed(button, &ColourButton::colourChanged);
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  QTest::keyClick(well, Qt::Key_Up);
  QTest::keyClick(well, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(button->well(), nullptr);
  EXPECT_EQ(button->colour(), rgb(0xFF, 0x66, 0x00));
}

TEST_F(ColourButtonTest, ClickingACellChoosesIt) {
  ColourWell* well = openWithClick();
  ASSERT_NE(well, nullptr);
  const QPoint lavender = well->itemCentre(38);
  QTest::mouseMove(well, lavender);
  EXPECT_EQ(well->focusItem(), 38);
  QTest::mouseClick(well, Qt::LeftButton, {}, lavender);
  QCoreApplication::processEvents();
  EXPECT_EQ(button->colour(), rgb(0xCC, 0x99, 0xFF));
}

TEST_F(ColourButtonTest, ButtonRowPressedAndReleasedElsewhereChoosesNothing) {
  ColourWell* well = openWithClick();
  ASSERT_NE(well, nullptr);
  const int more = button->colourSet().indexOf({WellItemKind::Button, 0});
  QTest::mousePress(well, Qt::LeftButton, {}, well->itemCentre(more));
  QTest::mouseRelease(well, Qt::LeftButton, {}, well->itemCentre(0));
  QCoreApplication::processEvents();
  EXPECT_EQ(button->well(), well);
  EXPECT_EQ(button->colour(), rgb(0xFF, 0x66, 0x00));
  QTest::keyClick(well, Qt::Key_Escape);
}

TEST_F(ColourButtonTest, MoreColoursThenCancelChangesNothing) {
  int asked = 0;
  button->setColourDialog([&](QWidget*, Colour current) -> std::optional<Colour> {
    ++asked;
    EXPECT_EQ(current, rgb(0xFF, 0x66, 0x00));
    return std::nullopt;
  });
  QSignalSpy changed(button, &ColourButton::colourChanged);
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  const int more = button->colourSet().indexOf({WellItemKind::Button, 0});
  QTest::mouseClick(well, Qt::LeftButton, {}, well->itemCentre(more));
  QCoreApplication::processEvents();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(button->colour(), rgb(0xFF, 0x66, 0x00));
  EXPECT_TRUE(button->colourSet().customColours().empty());
  EXPECT_EQ(button->well(), nullptr);
}

TEST_F(ColourButtonTest, MoreColoursAddsANewColourAsCustom) {
  button->setColourDialog(
      [](QWidget*, Colour) -> std::optional<Colour> { return rgb(10, 20, 30); });
  button->chooseMoreColours();
  EXPECT_EQ(button->colour(), rgb(10, 20, 30));
  ASSERT_EQ(button->colourSet().customColours().size(), 1u);
  EXPECT_EQ(button->colourSet().selected(), 40);
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  EXPECT_EQ(well->focusItem(), 40);
  QTest::keyClick(well, Qt::Key_Escape);
}

TEST_F(ColourButtonTest, SettingTheSameColourSendsNoNotification) {
  QSignalSpy changed(button, &ColourButton::colourChanged);
  button->setColour(rgb(0xFF, 0x66, 0x00));
  EXPECT_EQ(changed.count(), 0);
  button->setColour(kColourNone);
  EXPECT_EQ(changed.count(), 1);
}

TEST_F(ColourButtonTest, UnknownColourIsAppendedWhenTheWellOpens) {
  button->loadColour(rgb(1, 2, 3));
  EXPECT_EQ(button->storeColour(), rgb(1, 2, 3));
  ASSERT_EQ(button->colourSet().customColours().size(), 1u);
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  EXPECT_EQ(well->focusItem(), 40);
  EXPECT_EQ(button->colourSet().customColours().size(), 1u);
  QTest::keyClick(well, Qt::Key_Escape);
}

TEST_F(ColourButtonTest, WebSafeWellKeysNeverRestOnEmptyCells) {
  useWebSafe();
  button->setColour(rgb(0x99, 0xCC, 0x00));  // Lime in row 2, between empty cells
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  EXPECT_EQ(well->focusItem(), 16);
  QTest::keyClick(well, Qt::Key_Right);
  EXPECT_EQ(well->focusItem(), 16);  // the cell to the right is empty
  const ColourSet& set = button->colourSet();
  std::mt19937 random(1184);
  const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
  for (int i = 0; i < 3000; ++i) {
    QTest::keyClick(well, keys[random() % 4]);
    ASSERT_TRUE(well->focusItem());
    ASSERT_FALSE(set.isEmptyCell(*well->focusItem())) << "after key " << i;
  }
  QTest::keyClick(well, Qt::Key_Escape);
}

TEST_F(ColourButtonTest, WellIsAsWideAsItsGrid) {
  useWebSafe();
  button->colourSet().setSpecialCells(2);
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  EXPECT_GE(well->width(), 16 * 18 + 15 * kWellCellGap);
  EXPECT_EQ(well->wellLayout().items.size(), 2u + 256u + 1u);
  QTest::keyClick(well, Qt::Key_Escape);
}

TEST_F(ColourButtonTest, ChangingThePaletteRelaysAnOpenWell) {
  ColourWell* well = openWithKey();
  ASSERT_NE(well, nullptr);
  const int narrow = well->width();
  button->setPalette(webSafePalette(), kWebSafePaletteColumns);
  EXPECT_EQ(well->wellLayout().items.size(), 256u + 1u);
  EXPECT_GT(well->width(), narrow);
  QTest::keyClick(well, Qt::Key_Escape);
}

TEST_F(ColourButtonTest, ArrowPartFollowsTheStyleMetrics) {
  EXPECT_EQ(button->arrowWidth() % 2, 0);
  EXPECT_GE(button->minimumSizeHint().width(), 2 * button->arrowWidth());
}

}  // namespace
}  // namespace hueset::gui
