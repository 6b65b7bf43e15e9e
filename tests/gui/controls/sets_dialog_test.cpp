#include "gui/controls/sets_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace hueset::gui {
namespace {

const std::vector<std::string> kNames = {"Alpha", "Beta", "Gamma", "Delta"};

QStringList texts(const QTreeWidget* list) {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(0);
  return out;
}

// Mouse events with the button held, as a drag sends them (to the widget
// that had the press, with its own coordinates).
void sendMouse(QWidget* to, QEvent::Type type, const QPoint& global, Qt::MouseButtons held) {
  const QPoint local = to->mapFromGlobal(global);
  QMouseEvent event(type, QPointF(local), QPointF(global), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(to, &event);
}

QPoint rowCentre(const QTreeWidget* list, int row) {
  const QRect r = list->visualItemRect(list->topLevelItem(row));
  return list->viewport()->mapToGlobal(r.center());
}

// A drag: the press on a row, then the moves and the release, all sent to
// the list that had the press.
void pressRow(QTreeWidget* list, int row) {
  sendMouse(list->viewport(), QEvent::MouseButtonPress, rowCentre(list, row), Qt::LeftButton);
}

void dragTo(QTreeWidget* from, const QPoint& global) {
  sendMouse(from->viewport(), QEvent::MouseMove, global, Qt::LeftButton);
}

void dropAt(QTreeWidget* from, const QPoint& global) {
  sendMouse(from->viewport(), QEvent::MouseButtonRelease, global, Qt::NoButton);
}

class SetsDialogTest : public ::testing::Test {
 protected:
  void open(bool allowDuplicates, const std::vector<int>& layout,
            const std::vector<std::string>& names = kNames) {
    dialog = std::make_unique<SetsDialog>(names, allowDuplicates, layout);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }
  void click(SetsDialog::Control id) {
    QPushButton* b = dialog->button(id);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void selectRows(QTreeWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int r : rows) list->topLevelItem(r)->setSelected(true);
  }

  std::unique_ptr<SetsDialog> dialog;
};

TEST_F(SetsDialogTest, NewAlignmentOfFourSequences) {
  open(false, {});
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Sort Alignment into Mulitple Sets"));
  EXPECT_EQ(texts(dialog->outputList()),
            (QStringList{"Set #1", "Alpha", "Beta", "Gamma", "Delta"}));
  EXPECT_EQ(dialog->sourceList()->topLevelItemCount(), 0);
  EXPECT_EQ(dialog->outputList()->headerItem()->text(0), QStringLiteral("Sequence"));
  EXPECT_FALSE(dialog->duplicatesCheck()->isChecked());
  EXPECT_EQ(dialog->duplicatesNote()->text(),
            QStringLiteral("(Sequences can only belong to one set at a time)"));
  EXPECT_FALSE(dialog->button(SetsDialog::kAddButton)->isEnabled());
  EXPECT_FALSE(dialog->button(SetsDialog::kRemoveButton)->isEnabled());
  EXPECT_EQ(dialog->outputList()->topLevelItem(1)->data(0, Qt::UserRole).toInt(), 0);
  EXPECT_EQ(dialog->outputList()->topLevelItem(0)->data(0, Qt::UserRole).toInt(), -1);
}

TEST_F(SetsDialogTest, ButtonsBuildHeaderOneABThenHeaderTwoC) {
  open(false, {});
  click(SetsDialog::kRemoveAllButton);
  EXPECT_EQ(texts(dialog->outputList()), (QStringList{"Set #1"}));
  EXPECT_EQ(texts(dialog->sourceList()), (QStringList{"Alpha", "Beta", "Gamma", "Delta"}));
  selectRows(dialog->sourceList(), {0, 1});
  EXPECT_TRUE(dialog->button(SetsDialog::kAddButton)->isEnabled());
  click(SetsDialog::kAddButton);
  click(SetsDialog::kNewSetButton);
  selectRows(dialog->sourceList(), {0});
  click(SetsDialog::kAddButton);
  EXPECT_EQ(texts(dialog->outputList()),
            (QStringList{"Set #1", "Alpha", "Beta", "Set #2", "Gamma"}));
  click(SetsDialog::kNewSetButton);
  EXPECT_EQ(texts(dialog->outputList()).back(), QStringLiteral("Set #3"));
  selectRows(dialog->outputList(), {5});
  click(SetsDialog::kRemoveButton);
  click(SetsDialog::kNewSetButton);
  EXPECT_EQ(texts(dialog->outputList()).back(), QStringLiteral("Set #4"));
  selectRows(dialog->outputList(), {5});
  click(SetsDialog::kRemoveButton);
  QTest::mouseClick(dialog->button(SetsDialog::Control(1)), Qt::LeftButton);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(dialog->layout(), (std::vector<int>{-1, 0, 1, -1, 2}));
}

TEST_F(SetsDialogTest, RemoveEnablementIgnoresTheFirstHeader) {
  open(false, {});
  selectRows(dialog->outputList(), {0});
  EXPECT_FALSE(dialog->button(SetsDialog::kRemoveButton)->isEnabled());
  selectRows(dialog->outputList(), {0, 2});
  EXPECT_TRUE(dialog->button(SetsDialog::kRemoveButton)->isEnabled());
  click(SetsDialog::kRemoveButton);
  EXPECT_EQ(texts(dialog->sourceList()), (QStringList{"Beta"}));
  EXPECT_TRUE(dialog->sourceList()->topLevelItem(0)->isSelected());
}

TEST_F(SetsDialogTest, SavedLayoutWithADuplicateTicksTheCheckBox) {
  open(false, {-1, 0, 1, -1, 1, 2});
  EXPECT_TRUE(dialog->duplicatesCheck()->isChecked());
  EXPECT_EQ(texts(dialog->sourceList()).size(), 4);
  dialog->duplicatesCheck()->click();
  EXPECT_EQ(texts(dialog->sourceList()), (QStringList{"Delta"}));
  EXPECT_EQ(dialog->duplicatesNote()->text(),
            QStringLiteral("(Sequences can only belong to one set at a time)"));
}

TEST_F(SetsDialogTest, MoveButtons) {
  open(false, {});
  selectRows(dialog->outputList(), {4});
  click(SetsDialog::kMoveUpButton);
  click(SetsDialog::kMoveUpButton);
  EXPECT_EQ(texts(dialog->outputList()),
            (QStringList{"Set #1", "Alpha", "Delta", "Beta", "Gamma"}));
  EXPECT_TRUE(dialog->outputList()->topLevelItem(2)->isSelected());
  click(SetsDialog::kMoveDownButton);
  EXPECT_EQ(texts(dialog->outputList()),
            (QStringList{"Set #1", "Alpha", "Beta", "Delta", "Gamma"}));
}

TEST_F(SetsDialogTest, DraggingFromTheSourceShowsTheHintAndDropsAfterTheTarget) {
  open(false, {-1, 0, -1, 1});
  QTreeWidget* source = dialog->sourceList();
  QTreeWidget* output = dialog->outputList();
  selectRows(source, {0, 1});  // Gamma, Delta
  pressRow(source, 0);
  dragTo(source, rowCentre(source, 0) + QPoint(0, 30));
  EXPECT_TRUE(dialog->dragging());

  dragTo(source, rowCentre(output, 1));
  EXPECT_EQ(dialog->dropTarget(), 1);
  EXPECT_EQ(dialog->dropHint()->text(), QStringLiteral("Insert after Alpha"));
  // Below the last item: the last item is the target.
  const QPoint belowLast = output->viewport()->mapToGlobal(
      QPoint(20, output->visualItemRect(output->topLevelItem(3)).bottom() + 40));
  dragTo(source, belowLast);
  EXPECT_EQ(dialog->dropHint()->text(), QStringLiteral("Insert after Beta"));

  dragTo(source, rowCentre(output, 1));
  dropAt(source, rowCentre(output, 1));
  EXPECT_FALSE(dialog->dragging());
  EXPECT_TRUE(dialog->dropHint()->text().isEmpty());
  EXPECT_EQ(dialog->layout(), (std::vector<int>{-1, 0, 2, 3, -1, 1}));
  EXPECT_EQ(source->topLevelItemCount(), 0);
}

TEST_F(SetsDialogTest, DraggingWithinTheOutputReorders) {
  open(false, {});
  QTreeWidget* output = dialog->outputList();
  selectRows(output, {1});  // Alpha
  pressRow(output, 1);
  dragTo(output, rowCentre(output, 1) + QPoint(0, 20));
  ASSERT_TRUE(dialog->dragging());
  dragTo(output, rowCentre(output, 3));
  EXPECT_EQ(dialog->dropHint()->text(), QStringLiteral("Insert after Gamma"));
  dropAt(output, rowCentre(output, 3));
  EXPECT_EQ(texts(output), (QStringList{"Set #1", "Beta", "Gamma", "Alpha", "Delta"}));
}

TEST_F(SetsDialogTest, ReleasingAwayFromTheOutputChangesNothing) {
  open(false, {-1, 0});
  QTreeWidget* source = dialog->sourceList();
  selectRows(source, {0});
  const QPoint away = rowCentre(source, 0) + QPoint(0, 30);
  pressRow(source, 0);
  dragTo(source, away);
  dropAt(source, away);
  EXPECT_EQ(dialog->layout(), (std::vector<int>{-1, 0}));
  EXPECT_EQ(source->topLevelItemCount(), 3);
}

TEST_F(SetsDialogTest, AutoScrollsWhileTheCursorIsBelowTheList) {
  std::vector<std::string> many;
  for (int i = 0; i < 60; ++i) many.push_back("Sequence" + std::to_string(i));
  open(true, {}, many);
  QTreeWidget* source = dialog->sourceList();
  QTreeWidget* output = dialog->outputList();
  selectRows(source, {5});
  pressRow(source, 5);
  dragTo(source, rowCentre(source, 0) + QPoint(0, 40));
  ASSERT_TRUE(dialog->dragging());
  const QPoint below =
      output->viewport()->mapToGlobal(QPoint(20, output->viewport()->height() + 15));
  dragTo(source, below);
  EXPECT_TRUE(dialog->autoScrolling());
  const int before = output->verticalScrollBar()->value();
  QTest::qWait(600);
  EXPECT_GT(output->verticalScrollBar()->value(), before);
  ASSERT_GT(dialog->dropTarget(), 10);
  const int target = dialog->dropTarget() - 3;  // well inside the visible rows
  dragTo(source, rowCentre(output, target));
  EXPECT_FALSE(dialog->autoScrolling());
  EXPECT_EQ(dialog->dropTarget(), target);
  dropAt(source, rowCentre(output, target));
  EXPECT_EQ(dialog->layout().at(static_cast<std::size_t>(target) + 1), 5);
  EXPECT_EQ(source->topLevelItemCount(), 60);  // duplicates allowed: the source keeps it
}

TEST_F(SetsDialogTest, EscapeEndsADragWithoutChange) {
  open(false, {-1, 0});
  QTreeWidget* source = dialog->sourceList();
  selectRows(source, {0});
  pressRow(source, 0);
  dragTo(source, rowCentre(dialog->outputList(), 0));
  ASSERT_TRUE(dialog->dragging());
  QTest::keyClick(source, Qt::Key_Escape);
  EXPECT_FALSE(dialog->dragging());
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->layout(), (std::vector<int>{-1, 0}));
}

TEST(RunSetsDialog, CancelGivesNothingAndOkTheLayout) {
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<SetsDialog*>(w); d && d->isVisible())
        d->button(SetsDialog::Control(2))->click();
    }
  });
  EXPECT_EQ(runSetsDialog(nullptr, kNames, false, {}), std::nullopt);

  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<SetsDialog*>(w); d && d->isVisible())
        d->button(SetsDialog::Control(1))->click();
    }
  });
  EXPECT_EQ(runSetsDialog(nullptr, kNames, false, {-1, 3, -1, 2}),
            (std::vector<int>{-1, 3, -1, 2}));
}

}  // namespace
}  // namespace hueset::gui
