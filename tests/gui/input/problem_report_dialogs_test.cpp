#include "gui/input/problem_report_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "qt_printers.h"

namespace hueset::gui {
namespace {

QStringList headerTitles(const QTreeWidget* tree) {
  QStringList titles;
  for (int i = 0; i < tree->columnCount(); ++i) titles << tree->headerItem()->text(i);
  return titles;
}

QStringList rowTexts(const QTreeWidget* tree, int row) {
  QStringList cells;
  for (int i = 0; i < tree->columnCount(); ++i) cells << tree->topLevelItem(row)->text(i);
  return cells;
}

TEST(CharacterProblemsDialog, OnlyLowerCaseShowsTwoColumnsAndNoNote) {
  CharacterProblem p;
  p.name = "HBA_HUMAN";
  p.lowerCaseLetters = "acd";
  CharacterProblemsDialog dialog({p}, {});
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Invalid Characters"));
  EXPECT_EQ(headerTitles(dialog.report()), (QStringList{"Sequence", "Lower case Residues"}));
  EXPECT_EQ(rowTexts(dialog.report(), 0), (QStringList{"HBA_HUMAN", "acd"}));
  EXPECT_TRUE(dialog.note()->isHidden());
  QFontMetrics metrics(dialog.report()->font());
  EXPECT_EQ(dialog.report()->columnWidth(0),
            metrics.horizontalAdvance(QStringLiteral("HBA_HUMAN")) + 15);
  EXPECT_EQ(dialog.report()->columnWidth(1),
            metrics.horizontalAdvance(QStringLiteral("Lower case Residues")) + 15);
}

TEST(CharacterProblemsDialog, WhiteSpaceShowsItsColumnAndTheNote) {
  CharacterProblem a;
  a.name = "a";
  a.whiteSpace = true;
  CharacterProblem b;
  b.name = "b";
  b.invalidLetters = "BZ";
  CharacterProblemsDialog dialog({a, b}, {});
  EXPECT_EQ(headerTitles(dialog.report()),
            (QStringList{"Sequence", "Invalid Residues", "\"WhiteSpace\""}));
  EXPECT_EQ(rowTexts(dialog.report(), 0), (QStringList{"a", "", "X"}));
  EXPECT_EQ(rowTexts(dialog.report(), 1), (QStringList{"b", "BZ", " "}));
  EXPECT_FALSE(dialog.note()->isHidden());
  EXPECT_TRUE(dialog.note()->text().startsWith(QStringLiteral("The occurence of \"white space\"")));
  QFontMetrics metrics(dialog.report()->font());
  EXPECT_EQ(dialog.report()->columnWidth(0),
            metrics.horizontalAdvance(QStringLiteral("Sequence")) + 15);
}

TEST(UnequalLengthsDialog, ListsSequencesThenPredictionRowsInDisplayForm) {
  Alignment alignment;
  alignment.names = {"short", "long"};
  alignment.residues = {std::string(25, 'A'), std::string(250, 'C')};
  alignment.trackLabels = {"PHD sec"};
  alignment.tracks = {std::string(12, 'H')};
  UnequalLengthsDialog dialog("This is not a valid MSF file.\r\n", alignment, {});
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Parsing Error: Sequence Lengths Unequal"));
  EXPECT_EQ(dialog.heading()->text(), QStringLiteral("This is not a valid MSF file."));
  EXPECT_EQ(headerTitles(dialog.report()),
            (QStringList{"Name", "Parsed Length", "Containing Residues", "Name"}));
  ASSERT_EQ(dialog.report()->topLevelItemCount(), 3);
  EXPECT_EQ(rowTexts(dialog.report(), 0),
            (QStringList{"short", "25", "AAAAAAAAAA AAAAAAAAAA AAAAA", "short"}));
  EXPECT_TRUE(dialog.report()->topLevelItem(1)->text(2).contains(QStringLiteral("  (50)  ")));
  EXPECT_EQ(dialog.report()->topLevelItem(2)->text(0), QStringLiteral("PHD sec"));
  // The system's fixed-pitch font, whichever face that resolves to here.
  EXPECT_EQ(dialog.report()->font(), QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QFontMetrics metrics(dialog.report()->font());
  const int widest = static_cast<int>(dialog.report()->topLevelItem(1)->text(2).size());
  EXPECT_EQ(dialog.report()->columnWidth(2),
            metrics.horizontalAdvance(QString(widest, QLatin1Char('W'))) + 15);
  EXPECT_EQ(dialog.report()->columnWidth(1),
            metrics.horizontalAdvance(QStringLiteral("Parsed Length")) + 15);
}

// In 6,000 rows the two of another length come first, marked, and the
// lengths sort as numbers.
TEST(UnequalLengthsDialog, RowsOfAnotherLengthComeFirstMarkedAndColumnsSort) {
  Alignment alignment;
  for (int i = 0; i < 6000; ++i) {
    alignment.names.push_back("s" + std::to_string(i));
    alignment.residues.push_back(std::string(i == 4500 ? 9 : i == 5999 ? 101 : 100, 'A'));
  }
  UnequalLengthsDialog dialog("", alignment, {});
  QTreeWidget* report = dialog.report();
  ASSERT_EQ(report->topLevelItemCount(), 6000);
  EXPECT_EQ(report->topLevelItem(0)->text(0), QStringLiteral("s4500"));
  EXPECT_EQ(report->topLevelItem(1)->text(0), QStringLiteral("s5999"));
  EXPECT_EQ(report->topLevelItem(2)->text(0), QStringLiteral("s0"));
  EXPECT_TRUE(report->topLevelItem(0)->font(0).bold());
  EXPECT_TRUE(report->topLevelItem(1)->font(2).bold());
  EXPECT_FALSE(report->topLevelItem(2)->font(0).bold());
  EXPECT_EQ(report->currentItem(), report->topLevelItem(0));

  ASSERT_TRUE(report->isSortingEnabled());
  report->sortByColumn(1, Qt::DescendingOrder);
  EXPECT_EQ(report->topLevelItem(0)->text(1), QStringLiteral("101"));
  EXPECT_EQ(report->topLevelItem(5999)->text(1), QStringLiteral("9")) << "9 sorts below 100";
}

TEST(UnequalLengthsDialog, EmptyHeadingKeepsTheDefault) {
  UnequalLengthsDialog dialog("", Alignment{}, {});
  EXPECT_EQ(dialog.heading()->text(), QStringLiteral("This is not a valid file."));
}

TEST(UnequalLengthsDialog, ReturnAfterHelpIsOk) {
  int helpShown = 0;
  UnequalLengthsDialog dialog("", Alignment{}, [&helpShown](int) { ++helpShown; });
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QPushButton* help = nullptr;
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == QStringLiteral("Help")) help = button;
  }
  ASSERT_NE(help, nullptr);
  QTest::mouseClick(help, Qt::LeftButton);
  ASSERT_EQ(helpShown, 1);
  ASSERT_TRUE(help->hasFocus());

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(helpShown, 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace hueset::gui
