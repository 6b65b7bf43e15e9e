#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "gui/input/format_dialog.h"
#include "qt_printers.h"
#include "gui/input/problem_report_dialogs.h"
#include "input/format_guess.h"

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

UserPrompts::ListChoice formatChoice(int selected) {
  UserPrompts::ListChoice choice;
  choice.prompt = QStringLiteral("Please select the data format of the aligned sequences.");
  for (std::string_view label : kFormatLabels) choice.items << QString::fromLatin1(label.data(), label.size());
  choice.selected = selected;
  return choice;
}

TEST(FormatDialog, ShowsTheFormatsWithTheGuessSelected) {
  FormatDialog dialog(formatChoice(3), {});
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("File Formats"));
  EXPECT_EQ(dialog.promptLabel()->text(),
            QStringLiteral("Please select the data format of the aligned sequences."));
  ASSERT_EQ(dialog.list()->count(), 6);
  EXPECT_EQ(dialog.list()->item(4)->text(), QStringLiteral("PHD (SAF)"));
  EXPECT_EQ(dialog.selectedRow(), 3);
  dialog.list()->setCurrentRow(5);
  EXPECT_EQ(dialog.selectedRow(), 5);
}

TEST(FormatDialog, GuessOutsideTheListSelectsNothing) {
  FormatDialog dialog(formatChoice(6), {});
  EXPECT_EQ(dialog.selectedRow(), -1);
}

TEST(FormatDialog, HelpButtonAsksForItsContext) {
  UserPrompts::ListChoice choice = formatChoice(0);
  choice.helpContext = 1234;
  int asked = 0;
  FormatDialog dialog(choice, [&](int context) { asked = context; });
  QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
  QStringList texts;
  for (QPushButton* b : buttons) texts << b->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("OK")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Cancel")));
  for (QPushButton* b : buttons) {
    if (b->text() == QStringLiteral("&Help")) b->click();
  }
  EXPECT_EQ(asked, 1234);
}

TEST(CharacterProblemsDialog, OnlyLowerCaseShowsTwoColumnsAndNoNote) {
  CharacterProblem p;
  p.name = "HBA_HUMAN";
  p.lowerCaseLetters = "acd";
  CharacterProblemsDialog dialog({p}, {});
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Invalid Characters"));
  EXPECT_EQ(headerTitles(dialog.report()),
            (QStringList{"Sequence", "Lower case Residues"}));
  EXPECT_EQ(rowTexts(dialog.report(), 0), (QStringList{"HBA_HUMAN", "acd"}));
  EXPECT_TRUE(dialog.note()->isHidden());
  QFontMetrics metrics(dialog.report()->font());
  EXPECT_EQ(dialog.report()->columnWidth(0), metrics.horizontalAdvance(QStringLiteral("HBA_HUMAN")) + 15);
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
  EXPECT_EQ(dialog.report()->columnWidth(0), metrics.horizontalAdvance(QStringLiteral("Sequence")) + 15);
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
  EXPECT_TRUE(QFontInfo(dialog.report()->font()).fixedPitch());
  QFontMetrics metrics(dialog.report()->font());
  const int widest = static_cast<int>(dialog.report()->topLevelItem(1)->text(2).size());
  EXPECT_EQ(dialog.report()->columnWidth(2),
            metrics.horizontalAdvance(QString(widest, QLatin1Char('W'))) + 15);
  EXPECT_EQ(dialog.report()->columnWidth(1),
            metrics.horizontalAdvance(QStringLiteral("Parsed Length")) + 15);
}

TEST(UnequalLengthsDialog, EmptyHeadingKeepsTheDefault) {
  UnequalLengthsDialog dialog("", Alignment{}, {});
  EXPECT_EQ(dialog.heading()->text(), QStringLiteral("This is not a valid file."));
}

}  // namespace
}  // namespace hueset::gui
