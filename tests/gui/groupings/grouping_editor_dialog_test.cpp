#include "gui/groupings/grouping_editor_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <deque>
#include <optional>

#include "groupings/builtin_defaults.h"
#include "gui/controls/colour_button.h"
#include "gui/groupings/grouping_list.h"
#include "gui/groupings/residue_preview_delegate.h"
#include "qt_printers.h"

namespace hueset::gui::test {
namespace {

class GroupingEditorDialogTest : public ::testing::Test {
 protected:
  struct Message {
    QString text;
    PromptIcon icon;
    PromptButtons buttons;
  };

  void open(BuiltinDefault which = BuiltinDefault::Colour) {
    target = builtinDefault(which);
    original = target;
    dialog = std::make_unique<GroupingEditorDialog>(target, request,
                                                    [this](const GroupingSet& edited, bool saveAs) {
                                                      saves.push_back({edited, saveAs});
                                                      if (saveSucceeds) target = edited;
                                                      return saveSucceeds;
                                                    });
    dialog->setMessageFunction(
        [this](QWidget*, const QString& text, PromptIcon icon, PromptButtons buttons) {
          messages.push_back({text, icon, buttons});
          if (answers.empty()) return PromptAnswer::Ok;
          const PromptAnswer answer = answers.front();
          answers.pop_front();
          return answer;
        });
    dialog->fieldSupport().setMessageFunction(
        [this](QWidget*, const QString& title, const QString& text) {
          fieldMessages << title + QLatin1Char('|') + text;
        });
    dialog->setHelpFunction([this](int context) { helpContexts.push_back(context); });
    dialog->setFontFaces({QStringLiteral("Arial"), QStringLiteral("Courier New"),
                          QStringLiteral("DejaVu Sans Mono")});
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  }

  GroupingList* list() { return dialog->list(); }
  QStringList rowNames() {
    QStringList names;
    for (int r = 0; r < list()->topLevelItemCount(); ++r) names << list()->topLevelItem(r)->text(0);
    return names;
  }
  QList<int> selectedRows() {
    QList<int> rows;
    for (QTreeWidgetItem* item : list()->selectedItems()) rows << list()->indexOfTopLevelItem(item);
    std::sort(rows.begin(), rows.end());
    return rows;
  }
  void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTreeWidgetItem* item = list()->topLevelItem(row);
    list()->scrollToItem(item);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers,
                      list()->visualItemRect(item).center());
  }
  void key(QWidget* widget, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, k, modifiers);
  }
  QString menuText(EditorCommand command) { return dialog->action(command)->text(); }

  GroupingSet target;
  GroupingSet original;
  GroupingsEditorRequest request;
  std::unique_ptr<GroupingEditorDialog> dialog;
  std::vector<Message> messages;
  std::deque<PromptAnswer> answers;
  QStringList fieldMessages;
  std::vector<int> helpContexts;
  std::vector<std::pair<GroupingSet, bool>> saves;
  bool saveSucceeds = true;
};

TEST_F(GroupingEditorDialogTest, OpensOnTheColourDefault) {
  open();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Edit Residue Group Formats"));
  ASSERT_EQ(list()->topLevelItemCount(), 33);
  EXPECT_EQ(rowNames().front(), QStringLiteral("Single Residues"));
  EXPECT_EQ(rowNames().back(), QStringLiteral("Default"));
  QTreeWidgetItem* last = list()->topLevelItem(32);
  EXPECT_EQ(last->text(1), QStringLiteral("SAMPLE"));
  EXPECT_EQ(last->text(2), QStringLiteral("."));
  EXPECT_EQ(list()->topLevelItem(1)->text(1), QStringLiteral("A"));
  EXPECT_EQ(list()->topLevelItem(1)->text(3), QStringLiteral("b"));
  EXPECT_EQ(list()->topLevelItem(1)->text(4), QString());
  QStringList headers;
  for (int c = 0; c < 5; ++c) headers << list()->headerItem()->text(c);
  EXPECT_EQ(headers, QStringList({"Description", "Residues", "Marker", "Bold", "Italic"}));
  EXPECT_EQ(selectedRows(), QList<int>{0});
  EXPECT_EQ(list()->currentIndex().row(), 0);
  EXPECT_TRUE(list()->hasFocus());
  EXPECT_FALSE(dialog->textPicker()->autoDefault());  // Enter drops no well down
  // "Single" shown: no name or residues to edit, no marker.
  EXPECT_TRUE(dialog->activeBox()->isEnabled());
  EXPECT_FALSE(dialog->activeBox()->isChecked());
  EXPECT_FALSE(dialog->nameEdit()->isEnabled());
  EXPECT_FALSE(dialog->residuesEdit()->isEnabled());
  EXPECT_FALSE(dialog->markerEdit()->isEnabled());
  EXPECT_EQ(dialog->textPicker()->colour(), rgb(255, 255, 0));
  EXPECT_EQ(dialog->backPicker()->colour(), rgb(51, 51, 51));
  EXPECT_EQ(dialog->fontList()->currentText(), QStringLiteral("Courier New"));
  EXPECT_EQ(dialog->fontSizeField()->text(), QStringLiteral("9"));
  EXPECT_EQ(dialog->finishButton()->text(), QStringLiteral("Save"));
  EXPECT_FALSE(dialog->finishButton()->isEnabled());
  EXPECT_EQ(dialog->statusBar()->currentMessage(), QStringLiteral("For Help, press F1"));
}

TEST_F(GroupingEditorDialogTest, ResiduesAreDrawnInTheGroupingsFormat) {
  open();
  list()->scrollToItem(list()->topLevelItem(32));
  QApplication::processEvents();
  const QImage image = list()->viewport()->grab().toImage();
  auto cellPixel = [&](int row) {
    const QRect cell = list()->visualRect(list()->model()->index(row, 1));
    return QColor(image.pixel(cell.right() - 2, cell.top() + 1));
  };
  EXPECT_EQ(cellPixel(32), QColor(255, 255, 255));  // "Default": black on white
  EXPECT_EQ(cellPixel(31), QColor(255, 255, 0));    // "Hydrophobic": on yellow
  // The "SAMPLE" of "Default" is drawn in black.
  const QRect cell = list()->visualRect(list()->model()->index(32, 1));
  bool black = false;
  for (int x = cell.left(); x < cell.right() && !black; ++x) {
    for (int y = cell.top(); y < cell.bottom() && !black; ++y) {
      black = QColor(image.pixel(x, y)).value() < 60;
    }
  }
  EXPECT_TRUE(black);
  const QFont bold = dialog->previewDelegate()->previewFont(list()->font(), {0, 0, false, true});
  EXPECT_EQ(bold.family(), QStringLiteral("Courier New"));
  EXPECT_EQ(bold.weight(), QFont::Bold);
}

TEST_F(GroupingEditorDialogTest, ConfirmationModeShowsTheCaptionAndOk) {
  request.confirmationMode = true;
  request.caption = "Confirm use default configuration";
  open(BuiltinDefault::BlackAndWhite);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Confirm use default configuration"));
  EXPECT_EQ(list()->topLevelItemCount(), 12);
  EXPECT_EQ(dialog->finishButton()->text(), QStringLiteral("OK"));
  EXPECT_TRUE(dialog->finishButton()->isEnabled());
  dialog->finishButton()->click();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(saves.empty());
  EXPECT_EQ(target, original);  // handed back as it was opened
}

TEST_F(GroupingEditorDialogTest, UndoingEveryEditBringsBackOk) {
  request.confirmationMode = true;
  request.caption = "Confirm open configuration file";
  open();
  click(3);
  dialog->boldBox()->click();
  EXPECT_EQ(dialog->finishButton()->text(), QStringLiteral("Save"));
  key(list(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(dialog->finishButton()->text(), QStringLiteral("OK"));
  EXPECT_TRUE(dialog->boldBox()->isChecked());
}

TEST_F(GroupingEditorDialogTest, MenuTextsFollowTheHistory) {
  open();
  QStringList texts;
  for (QAction* a : dialog->editMenu()->actions()) {
    if (!a->isSeparator()) texts << a->text();
  }
  EXPECT_EQ(texts,
            QStringList({"Nothing to Undo", "Nothing to Redo", "&Delete\tCtrl+Minus",
                         "&Insert\tCtrl+Plus", "&Next\tCtrl+Down Arrow", "&Previous\tCtrl+Up Arrow",
                         "Move &Up\tCtrl+Atl+Up Arrow", "Move &Down\tCtrl+Atl+Down Arrow",
                         "&Activate\tCtrl+A", "&Inactivate\tCtrl+I", "&Sort by Grouping size",
                         "Add &20 standard amino acids each as its own residue grouping"}));
  EXPECT_FALSE(dialog->action(EditorCommand::Undo)->isEnabled());
  EXPECT_FALSE(dialog->action(EditorCommand::Delete)->isEnabled());  // "Single" selected
  // The keys are in the texts; the menu adds no key text of its own.
  for (QAction* a : dialog->editMenu()->actions()) EXPECT_TRUE(a->shortcuts().isEmpty());
  EXPECT_EQ(dialog->keyAction(EditorCommand::Undo)->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z),
                                 QKeySequence(Qt::ALT | Qt::Key_Backspace)}));

  click(5);
  QTest::keyClicks(dialog->nameEdit(), QStringLiteral("Hydro"));
  EXPECT_EQ(dialog->model().history().size(), 1u);
  EXPECT_EQ(menuText(EditorCommand::Undo), QStringLiteral("Undo Change Grouping Name\tCtrl+Z"));
  // Ctrl+Z in the name edit is the editor's Undo: the whole name comes back.
  key(dialog->nameEdit(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(list()->topLevelItem(5)->text(0), QStringLiteral("Phenylalanine"));
  EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Phenylalanine"));
  EXPECT_EQ(menuText(EditorCommand::Redo), QStringLiteral("Redo Change Grouping Name\tCtrl+Y"));
  EXPECT_EQ(menuText(EditorCommand::Undo), QStringLiteral("Nothing to Undo"));
  key(list(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(list()->topLevelItem(5)->text(0), QStringLiteral("PhenylalanineHydro"));
  EXPECT_EQ(menuText(EditorCommand::Redo), QStringLiteral("Nothing to Redo"));
  EXPECT_FALSE(dialog->action(EditorCommand::Redo)->isEnabled());
}

TEST_F(GroupingEditorDialogTest, StatusBarShowsThePromptOfTheHighlightedItem) {
  open();
  dialog->action(EditorCommand::Sort)->hover();
  EXPECT_EQ(
      dialog->statusBar()->currentMessage(),
      QStringLiteral("More discriminating groupings with fewer residues will have precedence"));
  dialog->editMenu()->popup(dialog->mapToGlobal(QPoint(0, 0)));
  QApplication::processEvents();
  dialog->editMenu()->hide();
  EXPECT_EQ(dialog->statusBar()->currentMessage(), QStringLiteral("For Help, press F1"));
}

TEST_F(GroupingEditorDialogTest, AddWithDefaultFocusedGoesAboveDefault) {
  open();
  click(32);
  dialog->addButton()->click();
  ASSERT_EQ(list()->topLevelItemCount(), 34);
  EXPECT_EQ(list()->topLevelItem(32)->text(0), QStringLiteral("New Grouping"));
  EXPECT_EQ(list()->topLevelItem(33)->text(0), QStringLiteral("Default"));
  EXPECT_EQ(selectedRows(), QList<int>{32});
  EXPECT_TRUE(dialog->nameEdit()->hasFocus());
  EXPECT_EQ(dialog->nameEdit()->selectedText(), QStringLiteral("New Grouping"));
}

TEST_F(GroupingEditorDialogTest, ResiduesFieldTakesLettersOnce) {
  open();
  click(3);
  dialog->addButton()->click();
  QTest::keyClicks(dialog->residuesEdit(), QStringLiteral("aAb"));
  EXPECT_EQ(dialog->residuesEdit()->text(), QStringLiteral("AB"));
  EXPECT_EQ(list()->topLevelItem(4)->text(1), QStringLiteral("AB"));

  dialog->residuesEdit()->setText(QStringLiteral("A"));
  dialog->residuesEdit()->setCursorPosition(1);
  QApplication::clipboard()->setText(QStringLiteral("zyx z"));
  dialog->residuesEdit()->pasteLetters();
  EXPECT_EQ(dialog->residuesEdit()->text(), QStringLiteral("AXYZ"));
  EXPECT_EQ(dialog->model().rows()[4].residues, "AXYZ");
}

TEST_F(GroupingEditorDialogTest, ResiduesFieldRefusesInvalidLetters) {
  request.invalidLetters = "BJOUZ";
  open();
  click(3);
  dialog->residuesEdit()->selectAll();
  QTest::keyClicks(dialog->residuesEdit(), QStringLiteral("zbc"));
  EXPECT_EQ(dialog->residuesEdit()->text(), QStringLiteral("C"));
}

TEST_F(GroupingEditorDialogTest, MarkerTypedReplacesTheOldOne) {
  open();
  click(22);  // "Negative", marker "-"
  QTest::keyClicks(dialog->markerEdit(), QStringLiteral("xy"));
  EXPECT_EQ(dialog->markerEdit()->text(), QStringLiteral("y"));
  EXPECT_EQ(list()->topLevelItem(22)->text(2), QStringLiteral("y"));
  EXPECT_EQ(dialog->model().history().size(), 1u);
}

TEST_F(GroupingEditorDialogTest, InvalidRowKeepsTheSelection) {
  open();
  click(3);
  dialog->addButton()->click();  // row 4, no residues yet
  click(10);
  EXPECT_EQ(selectedRows(), QList<int>{4});
  EXPECT_TRUE(messages.empty());  // refused quietly, the message follows
  click(11);
  QApplication::processEvents();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            QStringLiteral("Please enter the amino acids contained in the currently selected "
                           "residues grouping."));
  EXPECT_EQ(messages[0].icon, PromptIcon::Stop);
  EXPECT_TRUE(dialog->residuesEdit()->hasFocus());

  // Next validates too.
  messages.clear();
  key(dialog->residuesEdit(), Qt::Key_Down, Qt::ControlModifier);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(selectedRows(), QList<int>{4});

  // A duplicate name is refused with the name edit focused.
  messages.clear();
  QTest::keyClicks(dialog->residuesEdit(), QStringLiteral("W"));
  dialog->nameEdit()->selectAll();
  QTest::keyClicks(dialog->nameEdit(), QStringLiteral("Tiny"));
  dialog->moveUpButton()->click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QStringLiteral("A residues grouping with this name already exists.\n"
                                             "Please enter another unique name."));
  EXPECT_TRUE(dialog->nameEdit()->hasFocus());
  QTest::keyClicks(dialog->nameEdit(), QStringLiteral("Wee"));
  click(10);
  EXPECT_EQ(selectedRows(), QList<int>{10});
}

TEST_F(GroupingEditorDialogTest, MoveUpRows3And6ByKey) {
  open();
  click(3);
  click(6, Qt::ControlModifier);
  EXPECT_EQ(selectedRows(), (QList<int>{3, 6}));
  EXPECT_TRUE(dialog->action(EditorCommand::MoveUp)->isEnabled());
  key(list(), Qt::Key_Up, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(selectedRows(), (QList<int>{2, 3}));
  EXPECT_EQ(list()->topLevelItem(2)->text(0), QStringLiteral("Aspartic Acid"));
  EXPECT_EQ(list()->topLevelItem(3)->text(0), QStringLiteral("Glycine"));
  EXPECT_EQ(list()->topLevelItem(4)->text(0), QStringLiteral("Cysteine"));
  // Several rows selected: the details are cleared and disabled.
  EXPECT_FALSE(dialog->boldBox()->isEnabled());
  EXPECT_TRUE(dialog->nameEdit()->text().isEmpty());
  key(list(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(selectedRows(), (QList<int>{3, 6}));
  EXPECT_EQ(list()->topLevelItem(3)->text(0), QStringLiteral("Aspartic Acid"));
}

TEST_F(GroupingEditorDialogTest, MoveButtonsFollowTheMenu) {
  open();
  const struct {
    QList<int> rows;
    bool up;
    bool down;
  } cases[] = {
      {{0}, false, false},                         // "Single"
      {{1}, false, true},                          // right under "Single"
      {{3}, true, true},     {{31}, true, false},  // right above "Default"
      {{32}, false, false},                        // "Default"
      {{1, 2}, false, true},
  };
  for (const auto& c : cases) {
    click(c.rows.first());
    for (int row : c.rows.mid(1)) click(row, Qt::ControlModifier);
    ASSERT_EQ(selectedRows(), c.rows);
    EXPECT_EQ(dialog->moveUpButton()->isEnabled(), c.up) << c.rows.first();
    EXPECT_EQ(dialog->action(EditorCommand::MoveUp)->isEnabled(), c.up) << c.rows.first();
    EXPECT_EQ(dialog->moveDownButton()->isEnabled(), c.down) << c.rows.first();
    EXPECT_EQ(dialog->action(EditorCommand::MoveDown)->isEnabled(), c.down) << c.rows.first();
  }
}

TEST_F(GroupingEditorDialogTest, DeleteButtonExplainsTheSpecialRows) {
  open();
  click(32);
  dialog->deleteButton()->click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            QStringLiteral("The \"Default\" and \"Single Residues\" groupings cannot be deleted."));
  EXPECT_EQ(list()->topLevelItemCount(), 33);
}

TEST_F(GroupingEditorDialogTest, ExtendSelectionByKey) {
  open();
  click(3);
  key(list(), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
  key(list(), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(selectedRows(), (QList<int>{3, 4, 5}));
  EXPECT_EQ(list()->currentIndex().row(), 5);
  key(list(), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(selectedRows(), QList<int>{6});
  key(list(), Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(selectedRows(), QList<int>{5});
  EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Phenylalanine"));
}

TEST_F(GroupingEditorDialogTest, DisabledKeyDoesNothing) {
  open();
  click(32);
  EXPECT_FALSE(dialog->action(EditorCommand::Delete)->isEnabled());
  key(list(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(list()->topLevelItemCount(), 33);
  EXPECT_TRUE(messages.empty());
  // Nothing to undo: Ctrl+Z in the name edit does not undo its typing either.
  click(4);
  QTest::keyClicks(dialog->nameEdit(), QStringLiteral("X"));
  key(dialog->nameEdit(), Qt::Key_Z, Qt::ControlModifier);
  key(dialog->nameEdit(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Glutamic Acid"));
  key(dialog->nameEdit(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Glutamic Acid"));
  key(list(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(list()->topLevelItemCount(), 32);
  EXPECT_TRUE(selectedRows().isEmpty());
  EXPECT_EQ(list()->currentIndex().row(), 0);
}

TEST_F(GroupingEditorDialogTest, ActivateAndInactivateKeys) {
  open();
  click(3);
  click(5, Qt::ControlModifier);
  EXPECT_FALSE(dialog->activateButton()->isEnabled());
  EXPECT_TRUE(dialog->inactivateButton()->isEnabled());
  key(list(), Qt::Key_I, Qt::ControlModifier);
  EXPECT_FALSE(dialog->model().rows()[3].active);
  EXPECT_FALSE(dialog->model().rows()[5].active);
  EXPECT_TRUE(dialog->activateButton()->isEnabled());
  key(list(), Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(dialog->model().rows()[3].active);
  EXPECT_EQ(menuText(EditorCommand::Undo), QStringLiteral("Undo Activate\tCtrl+Z"));
}

TEST_F(GroupingEditorDialogTest, AddStandardWithInvalidLetterAndDuplicates) {
  request.invalidLetters = "C";
  open(BuiltinDefault::BlackAndWhite);
  answers = {PromptAnswer::Cancel};
  dialog->runCommand(EditorCommand::AddStandard);
  EXPECT_TRUE(messages.empty());  // no standard name in use yet
  EXPECT_EQ(list()->topLevelItemCount(), 12 + 19);
  EXPECT_EQ(selectedRows().size(), 19);
  EXPECT_EQ(list()->currentIndex().row(), 1);
  dialog->runCommand(EditorCommand::AddStandard);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].buttons, PromptButtons::OkCancel);
  EXPECT_EQ(list()->topLevelItemCount(), 31);  // cancelled
  EXPECT_EQ(menuText(EditorCommand::Undo), QStringLiteral("Undo Insert Standard Residues\tCtrl+Z"));
}

TEST_F(GroupingEditorDialogTest, SaveWritesStoredOrderWithBlankSingleMarker) {
  open();
  target.groupings[1].marker = '#';  // whatever it had
  click(22);
  dialog->italicBox()->click();
  ASSERT_TRUE(dialog->finishButton()->isEnabled());
  dialog->finishButton()->click();
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_FALSE(saves[0].second);
  const GroupingSet& saved = saves[0].first;
  EXPECT_EQ(saved.groupings[0].name, "Default");
  EXPECT_EQ(saved.groupings[0].residues, "X");
  EXPECT_EQ(saved.groupings[1].name, "Single");
  EXPECT_EQ(saved.groupings[1].marker, ' ');
  EXPECT_TRUE(saved.groupings[23].format.italic);  // display row 22
  EXPECT_EQ(saved.fontName, "Courier New");
  EXPECT_EQ(saved.fontSize, 90);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(target, saved);
}

TEST_F(GroupingEditorDialogTest, FailedSaveStaysInTheDialog) {
  open();
  saveSucceeds = false;
  dialog->saveAsButton()->click();
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_TRUE(saves[0].second);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(target, original);
}

TEST_F(GroupingEditorDialogTest, SaveNeedsAFontAndAValidSize) {
  open();
  dialog->fontList()->setFocus();
  dialog->fontList()->lineEdit()->selectAll();
  QTest::keyClicks(dialog->fontList()->lineEdit(), QStringLiteral("Nonexistent Face"));
  dialog->saveAsButton()->click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QStringLiteral("Please choose a font for the annotation."));
  EXPECT_TRUE(dialog->fontList()->hasFocus());
  EXPECT_TRUE(saves.empty());

  dialog->fontList()->lineEdit()->selectAll();
  QTest::keyClicks(dialog->fontList()->lineEdit(), QStringLiteral("dejavu sans mono"));
  EXPECT_EQ(dialog->model().fontFace(), "DejaVu Sans Mono");
  dialog->fontSizeField()->setFocus();
  dialog->fontSizeField()->selectAll();
  QTest::keyClicks(dialog->fontSizeField(), QStringLiteral("200"));
  dialog->saveAsButton()->click();
  ASSERT_EQ(fieldMessages.size(), 1);
  EXPECT_TRUE(fieldMessages[0].startsWith(QStringLiteral("Font Size Out of Bounds|")));
  EXPECT_TRUE(saves.empty());

  dialog->fontSizeField()->selectAll();
  QTest::keyClicks(dialog->fontSizeField(), QStringLiteral("10.5"));
  EXPECT_EQ(dialog->model().history().size(), 2u);  // one face change, one size change
  dialog->saveAsButton()->click();
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_EQ(saves[0].first.fontName, "DejaVu Sans Mono");
  EXPECT_EQ(saves[0].first.fontSize, 105);
}

TEST_F(GroupingEditorDialogTest, FontChangesUndoneAtOnce) {
  open();
  for (int index : {0, 2, 0}) {
    dialog->fontList()->setCurrentIndex(index);
    emit dialog->fontList()->activated(index);
  }
  EXPECT_EQ(dialog->model().history().size(), 1u);
  EXPECT_EQ(menuText(EditorCommand::Undo), QStringLiteral("Undo Font Change\tCtrl+Z"));
  dialog->runCommand(EditorCommand::Undo);
  EXPECT_EQ(dialog->fontList()->currentText(), QStringLiteral("Courier New"));
  EXPECT_EQ(dialog->model().history().size(), 2u);
}

TEST_F(GroupingEditorDialogTest, CancelLeavesTheTarget) {
  open();
  click(4);
  dialog->boldBox()->click();
  dialog->cancelButton()->click();
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(target, original);
  EXPECT_TRUE(saves.empty());
}

// What OK would hand back, told after each change, for the preview.
TEST_F(GroupingEditorDialogTest, TellsItsGroupingsAfterEachChange) {
  open();
  QSignalSpy edited(dialog.get(), &GroupingEditorDialog::groupingsEdited);
  click(4);
  EXPECT_EQ(edited.count(), 0) << "a selection changes nothing";
  dialog->boldBox()->click();
  ASSERT_EQ(edited.count(), 1);
  GroupingSet expected = original;
  dialog->model().writeBack(expected);
  EXPECT_EQ(edited.at(0).at(0).value<GroupingSet>(), expected);
  EXPECT_NE(expected, original);
  dialog->runCommand(EditorCommand::Undo);
  ASSERT_EQ(edited.count(), 2);
  EXPECT_EQ(edited.at(1).at(0).value<GroupingSet>().groupings, original.groupings);
}

TEST_F(GroupingEditorDialogTest, CancelOrEscAfterChangesAsksBeforeDiscarding) {
  open();
  // Nothing changed: no question.
  dialog->cancelButton()->click();
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_TRUE(messages.empty());

  open();
  click(4);
  dialog->boldBox()->click();
  answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::Yes};
  dialog->cancelButton()->click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            QStringLiteral("Discard the changes you have made to the residue groupings?"));
  EXPECT_EQ(messages[0].buttons, PromptButtons::YesNo);
  EXPECT_TRUE(dialog->isVisible());
  key(list(), Qt::Key_Escape);
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_TRUE(dialog->isVisible());
  dialog->close();
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(target, original);
}

TEST_F(GroupingEditorDialogTest, HelpAsksForTheEditorsContext) {
  open();
  dialog->helpButton()->click();
  EXPECT_EQ(helpContexts, std::vector<int>{kGroupingsEditorHelpContext});
}

TEST_F(GroupingEditorDialogTest, ColourPickerEditsTheRow) {
  open();
  click(22);
  dialog->textPicker()->setColour(rgb(10, 20, 30));
  dialog->textPicker()->setColour(rgb(11, 20, 30));
  EXPECT_EQ(dialog->model().rows()[22].format.textColour, rgb(11, 20, 30));
  EXPECT_EQ(dialog->model().history().size(), 1u);
  EXPECT_EQ(menuText(EditorCommand::Undo), QStringLiteral("Undo Text Colour\tCtrl+Z"));
  // The colours in use are offered in the well.
  const auto& custom = dialog->backPicker()->colourSet().customColours();
  EXPECT_NE(std::find(custom.begin(), custom.end(), rgb(153, 153, 153)), custom.end());
}

TEST_F(GroupingEditorDialogTest, WebSafePickers) {
  request.webSafePalette = true;
  open();
  EXPECT_EQ(dialog->textPicker()->colourSet().columns(), 16);
  EXPECT_EQ(dialog->textPicker()->colourSet().palette().size(), 256u);
}

}  // namespace
}  // namespace hueset::gui::test
