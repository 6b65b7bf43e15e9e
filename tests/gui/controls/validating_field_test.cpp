#include "gui/controls/validating_field.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "field_messages.h"

namespace hueset::gui {
namespace {

using test::Shown;

// A window like an options page: an integer field, a percentage field with
// spin buttons, a letter-set field, another edit and an exempt Cancel.
class FieldPage : public ::testing::Test {
 protected:
  void SetUp() override {
    test::recordMessages(support, shown);
    support.exempt().add(2);
    percent = support.units().registerUnit(percentUnit());

    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    length = new IntegerField(support, window.get());
    length->setName(QStringLiteral("Minimum Length of the Elided Region "));
    length->setLowerBound(BoundMode::Strict, 3);
    length->setUpperBound(BoundMode::Inclusive, 999);
    lengthSpin = new FieldSpinButton(window.get());
    length->setSpinButton(lengthSpin);

    consensus = new ScaledNumberField(support, window.get());
    consensus->setUnit(percent);
    consensus->setName(QStringLiteral("Consensus"));
    consensus->setLowerBound(BoundMode::Strict, 50);
    consensus->setUpperBound(BoundMode::Inclusive, 100);
    consensusSpin = new FieldSpinButton(window.get());
    consensus->setSpinButton(consensusSpin);

    letters = new LetterSetField(window.get());
    other = new QLineEdit(window.get());
    cancel = new QPushButton(QStringLiteral("Cancel"), window.get());
    setControlId(cancel, 2);
    for (QWidget* w : std::initializer_list<QWidget*>{length, lengthSpin, consensus, consensusSpin,
                                                      letters, other, cancel}) {
      layout->addWidget(w);
    }
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  void focusOn(QWidget* widget) {
    widget->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
  }

  // Types `text` into the length field, then leaves it for `next`, or by
  // Tab when there is none.
  void typeAndLeave(const QString& text, QWidget* next = nullptr) {
    focusOn(length);
    QTest::keyClicks(length, text);
    if (next) {
      focusOn(next);
    } else {
      QTest::keyClick(length, Qt::Key_Tab);
    }
    QCoreApplication::processEvents();
  }

  FieldSupport support;
  std::vector<Shown> shown;
  int percent = -1;
  std::unique_ptr<QWidget> window;
  IntegerField* length = nullptr;
  FieldSpinButton* lengthSpin = nullptr;
  ScaledNumberField* consensus = nullptr;
  FieldSpinButton* consensusSpin = nullptr;
  LetterSetField* letters = nullptr;
  QLineEdit* other = nullptr;
  QPushButton* cancel = nullptr;
};

TEST_F(FieldPage, TypingALetterIntoAnIntegerFieldChangesNothing) {
  focusOn(length);
  QTest::keyClicks(length, QStringLiteral("12"));
  QTest::keyClick(length, Qt::Key_A);
  QTest::keyClick(length, Qt::Key_Period);
  EXPECT_EQ(length->text(), QStringLiteral("12"));
  EXPECT_EQ(length->cursorPosition(), 2);
  EXPECT_EQ(length->value(), 12);
}

TEST_F(FieldPage, PastingLettersIntoAnIntegerFieldIsUndone) {
  focusOn(length);
  QTest::keyClicks(length, QStringLiteral("12"));
  QApplication::clipboard()->setText(QStringLiteral("4x"));
  QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(length->text(), QStringLiteral("12"));
  QApplication::clipboard()->setText(QStringLiteral("4"));
  QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(length->text(), QStringLiteral("124"));
}

TEST_F(FieldPage, TabOnAWrongValueShowsTheBoundedMessageAndKeepsTheFocus) {
  typeAndLeave(QStringLiteral("1000"));
  test::expectElidedLengthRefused(shown);
  EXPECT_EQ(QApplication::focusWidget(), length);
}

TEST_F(FieldPage, TabOnAGoodValueMovesOn) {
  typeAndLeave(QStringLiteral("999"));
  EXPECT_TRUE(shown.empty());
  EXPECT_NE(QApplication::focusWidget(), length);
}

TEST_F(FieldPage, LeavingForCancelDoesNotComplain) {
  typeAndLeave(QStringLiteral("1000"), cancel);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(QApplication::focusWidget(), cancel);
}

TEST_F(FieldPage, LeavingForAnotherControlComplainsAndTakesTheFocusBack) {
  typeAndLeave(QStringLiteral("-"), other);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, QStringLiteral("Invalid Entry"));
  EXPECT_EQ(
      shown[0].text,
      QStringLiteral("Please enter a valid number for the Minimum Length of the Elided Region ."));
  EXPECT_EQ(QApplication::focusWidget(), length);
  EXPECT_EQ(support.complaining(), nullptr);
}

TEST_F(FieldPage, OnlyOneFieldComplainsAtATime) {
  focusOn(consensus);
  QTest::keyClicks(consensus, QStringLiteral("20"));
  support.setComplaining(length);  // another field is already complaining
  focusOn(other);
  QCoreApplication::processEvents();
  EXPECT_TRUE(shown.empty());
}

TEST_F(FieldPage, WrongEntriesShowInRedOnWhite) {
  const QColor normalText = length->palette().color(QPalette::Text);
  focusOn(length);
  QTest::keyClicks(length, QStringLiteral("1000"));
  EXPECT_EQ(length->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(length->palette().color(QPalette::Base), QColor(255, 255, 255));
  QTest::keyClick(length, Qt::Key_Backspace);
  EXPECT_EQ(length->state(), FieldState::Valid);
  EXPECT_EQ(length->palette().color(QPalette::Text), normalText);
}

TEST_F(FieldPage, BoldFeedbackThickensTheFont) {
  length->setFeedback(ValidatingField::BoldFeedback);
  focusOn(length);
  QTest::keyClicks(length, QStringLiteral("2"));
  EXPECT_EQ(length->font().weight(), 700);
  QTest::keyClicks(length, QStringLiteral("0"));
  EXPECT_EQ(length->font().weight(), QFont().weight());
}

TEST_F(FieldPage, NotifiesOnlyWhenTheValueChanges) {
  QSignalSpy changes(length, &ValidatingField::valueChanged);
  focusOn(length);
  QTest::keyClicks(length, QStringLiteral("1"));  // out of bounds: still no value
  EXPECT_EQ(changes.count(), 0);
  QTest::keyClicks(length, QStringLiteral("2"));
  EXPECT_EQ(changes.count(), 1);
  QTest::keyClick(length, Qt::Key_Space);  // refused: nothing changes
  EXPECT_EQ(changes.count(), 1);
  QTest::keyClicks(length, QStringLiteral("3"));
  EXPECT_EQ(changes.count(), 2);
}

TEST_F(FieldPage, BoundsChangedOnScreenRevalidate) {
  length->setFieldText(QStringLiteral("500"));
  EXPECT_EQ(length->state(), FieldState::Valid);
  length->setUpperBound(BoundMode::Inclusive, 100);
  EXPECT_EQ(length->state(), FieldState::OutOfBounds);
  EXPECT_EQ(lengthSpin->range(), (SpinRange{4, 100}));
}

TEST_F(FieldPage, ProgramTextIsFilteredWhileChecking) {
  EXPECT_FALSE(length->setFieldText(QStringLiteral("12a")));
  EXPECT_TRUE(length->text().isEmpty());
  length->setChecking(false);
  EXPECT_TRUE(length->setFieldText(QStringLiteral("12a")));
  EXPECT_EQ(length->state(), FieldState::NotANumber);
}

TEST_F(FieldPage, PercentageSpinButtonsMoveByWholeSteps) {
  consensus->loadValue(505);
  EXPECT_EQ(consensus->text(), QStringLiteral("50.5"));
  consensusSpin->upButton()->click();
  EXPECT_EQ(consensus->text(), QStringLiteral("51"));
  focusOn(consensus);
  QTest::keyClick(consensus, Qt::Key_Down);
  EXPECT_EQ(consensus->text(), QStringLiteral("51"));  // 50 would reach the strict bound
  consensus->setFieldText(QStringLiteral("99.5"));
  consensusSpin->upButton()->click();
  EXPECT_EQ(consensus->text(), QStringLiteral("100"));
}

TEST_F(FieldPage, IntegerSpinStaysInRange) {
  EXPECT_EQ(lengthSpin->range(), (SpinRange{4, 999}));
  length->loadValue(998);
  lengthSpin->upButton()->click();
  lengthSpin->upButton()->click();
  EXPECT_EQ(length->text(), QStringLiteral("999"));
}

TEST_F(FieldPage, PercentageLoadAndStore) {
  consensus->loadValue(800);
  EXPECT_EQ(consensus->text(), QStringLiteral("80"));
  consensus->setFieldText(QStringLiteral("50.5"));
  EXPECT_EQ(consensus->storeValue(), 505);
  consensus->setFieldText(QStringLiteral("50"));
  EXPECT_EQ(consensus->storeValue(), std::nullopt);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, QStringLiteral("Consensus Out of Bounds"));
  EXPECT_EQ(shown[0].text, QStringLiteral("Please enter a number for the Consensus which is\n"
                                          "less than or equal to 100 %\nand greater than 50 %"));
}

TEST_F(FieldPage, EmptiedFieldIsRefusedAtStore) {
  length->loadValue(12);
  focusOn(other);
  length->clear();
  EXPECT_EQ(length->storeValue(), std::nullopt);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(
      shown[0].text,
      QStringLiteral("Please enter a valid number for the Minimum Length of the Elided Region ."));
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), length);

  length->setEnabled(false);
  EXPECT_EQ(length->storeValue(), kNoIntegerValue);
}

TEST_F(FieldPage, SwitchingTheUnitOfAFieldOnScreenConvertsIt) {
  consensus->loadValue(800);
  const int fraction = support.units().registerUnit({"fraction", 1000.0, 0.01, 3});
  consensus->setUnit(fraction);
  EXPECT_EQ(consensus->text(), QStringLiteral("0.8"));
  EXPECT_EQ(consensus->storeValue(), 800);
}

TEST_F(FieldPage, PastingZyx1zIntoAnUpperCaseLetterSet) {
  focusOn(letters);
  QApplication::clipboard()->setText(QStringLiteral("zyx1z"));
  QTest::keyClick(letters, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(letters->text(), QStringLiteral("XYZ"));
  EXPECT_EQ(letters->cursorPosition(), 0);
}

TEST_F(FieldPage, TypingIntoALetterSet) {
  focusOn(letters);
  letters->setText(QStringLiteral("B"));
  letters->setExcluded(QStringLiteral("J"));
  letters->end(false);
  QTest::keyClicks(letters, QStringLiteral("b1jc"));
  EXPECT_EQ(letters->text(), QStringLiteral("BC"));
  QTest::keyClick(letters, Qt::Key_Backspace);
  EXPECT_EQ(letters->text(), QStringLiteral("B"));
  letters->setMode(kLetterSetNoLetters);
  QTest::keyClicks(letters, QStringLiteral("x~-~"));
  EXPECT_EQ(letters->text(), QStringLiteral("B~-"));
}

}  // namespace
}  // namespace hueset::gui
