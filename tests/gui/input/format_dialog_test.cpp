#include "gui/input/format_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "gui/common/qt_text.h"
#include "input/format_guess.h"
#include "qt_printers.h"

namespace hueset::gui {
namespace {

UserPrompts::ListChoice formatChoice(int selected) {
  UserPrompts::ListChoice choice;
  choice.prompt = QStringLiteral("Please select the data format of the aligned sequences.");
  for (std::string_view label : kFormatLabels) choice.items << toQString(label);
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

}  // namespace
}  // namespace hueset::gui
