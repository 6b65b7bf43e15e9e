#include "desktop/options/field_validation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hueset {
namespace {

// A field text and the value it reads as.
template <class T>
struct ParseCase {
  const char* text;
  std::optional<T> value;
};

template <class T>
void expectParses(std::optional<T> (*parse)(std::string_view),
                  std::initializer_list<ParseCase<T>> cases) {
  for (const ParseCase<T>& c : cases) EXPECT_EQ(parse(c.text), c.value) << '"' << c.text << '"';
}

TEST(FieldParsing, IntegersReadOrRefused) {
  constexpr std::nullopt_t kRefused = std::nullopt;
  expectParses<int>(parseIntegerText, {{"+7", 7},
                                       {"-0", kRefused},
                                       {"+0", kRefused},
                                       {"0", 0},
                                       {"00", 0},
                                       {" 12 ", 12},
                                       {"\t 12\t", 12},
                                       {"2147483647", kRefused},
                                       {"99999999999", kRefused},
                                       {"-2147483648", kRefused},
                                       {"-2147483647", -2147483647},
                                       {"2147483646", 2147483646},
                                       {"12a", kRefused},
                                       {"1 2", kRefused},
                                       {"1-2", kRefused},
                                       {"-", kRefused},
                                       {"+-5", kRefused},
                                       {" ", kRefused},
                                       {"-15", -15}});
}

TEST(FieldParsing, NumbersReadOrRefused) {
  constexpr std::nullopt_t kRefused = std::nullopt;
  expectParses<double>(
      parseNumberText,
      {{"0.0", 0.0},      {".0", kRefused},  {"-0", kRefused},    {"-0.0", kRefused},
       {"0", 0.0},        {"50.5", 50.5},    {".5", 0.5},         {"7.", 7.0},
       {"-.25", -0.25},   {"+3", 3.0},       {"1e3", 1000.0},     {"2.5E-1", 0.25},
       {"1e", kRefused},  {"1e+", kRefused}, {" 12 ", 12.0},      {"1.2.3", kRefused},
       {".", kRefused},   {"-", kRefused},   {"1e999", kRefused}, {"1e-999", kRefused},
       {"inf", kRefused}, {"0x10", kRefused}});
}

TEST(FieldCharacters, EachKindAllowsItsOwnSet) {
  EXPECT_TRUE(holdsOnlyAllowed("+12-", allowedFieldCharacters(FieldKind::Integer)));
  EXPECT_FALSE(holdsOnlyAllowed("1a", allowedFieldCharacters(FieldKind::Integer)));
  EXPECT_FALSE(holdsOnlyAllowed("1.5", allowedFieldCharacters(FieldKind::Integer)));
  EXPECT_TRUE(holdsOnlyAllowed("1.5e-3", allowedFieldCharacters(FieldKind::Number)));
  EXPECT_FALSE(holdsOnlyAllowed("1e3", allowedFieldCharacters(FieldKind::ScaledNumber)));
  EXPECT_FALSE(holdsOnlyAllowed("+3", allowedFieldCharacters(FieldKind::ScaledNumber)));
  EXPECT_TRUE(holdsOnlyAllowed("-50.5", allowedFieldCharacters(FieldKind::ScaledNumber)));
}

TEST(FieldMessages, ElidedRegionLengthNamesBothBounds) {
  const FieldMessage m = integerBoundsMessage("Minimum Length of the Elided Region ",
                                              {BoundMode::Strict, 3}, {BoundMode::Inclusive, 999});
  EXPECT_EQ(m.title, "Minimum Length of the Elided Region  Out of Bounds");
  EXPECT_EQ(m.text,
            "[3 < \"Minimum Length of the Elided Region \" <= 999]\r\n\r\n"
            "Please enter a value for the Minimum Length of the Elided Region  which is"
            "\r\nmore than 3 and\r\nless than or equal to 999");
}

TEST(FieldMessages, IntegerBoundsOfEveryMode) {
  const FieldMessage m =
      integerBoundsMessage("Count", {BoundMode::Inclusive, 0}, {BoundMode::Strict, 11});
  EXPECT_EQ(m.text,
            "[0 <= \"Count\" < 11]\r\n\r\nPlease enter a value for the Count which is"
            "\r\nmore than or equal to 0 and\r\nless than 11");
  const FieldMessage upperOnly =
      integerBoundsMessage("Count", {BoundMode::None, 0}, {BoundMode::Inclusive, 10});
  EXPECT_EQ(upperOnly.text,
            "[\"Count\" <= 10]\r\n\r\nPlease enter a value for the Count which is"
            "\r\nless than or equal to 10");
}

TEST(FieldMessages, PercentageBoundsCarryTheUnit) {
  const FieldMessage m = numberBoundsMessage("Consensus", {BoundMode::Strict, 50},
                                             {BoundMode::Inclusive, 100}, 5, "%");
  EXPECT_EQ(m.title, "Consensus Out of Bounds");
  EXPECT_EQ(m.text,
            "Please enter a number for the Consensus which is\r\n"
            "less than or equal to 100 %\r\nand greater than 50 %");
}

TEST(FieldMessages, NumberBoundsWithoutUnitKeepTheTrailingBlank) {
  const FieldMessage lowerOnly =
      numberBoundsMessage("Gap", {BoundMode::Inclusive, 0.25}, {BoundMode::None, 0}, 5, "");
  EXPECT_EQ(lowerOnly.text,
            "Please enter a number for the Gap which is\r\n\r\n greater than or equal to 0.25 ");
  const FieldMessage upperOnly =
      numberBoundsMessage("Gap", {BoundMode::None, 0}, {BoundMode::Strict, 1234567}, 5, "");
  EXPECT_EQ(upperOnly.text, "Please enter a number for the Gap which is\r\nless than 1.2346e+06 ");
}

TEST(FieldMessages, NotANumber) {
  const FieldMessage m = notANumberMessage("Elision Threshold");
  EXPECT_EQ(m.title, "Invalid Entry");
  EXPECT_EQ(m.text, "Please enter a valid number for the Elision Threshold.");
}

NumberFieldModel elidedLengthField() {
  NumberFieldModel field(FieldKind::Integer);
  field.setName("Minimum Length of the Elided Region ");
  field.setLowerBound(BoundMode::Strict, 3);
  field.setUpperBound(BoundMode::Inclusive, 999);
  return field;
}

NumberFieldModel consensusField() {
  NumberFieldModel field(FieldKind::ScaledNumber);
  field.setName("Consensus");
  field.setUnit(percentUnit());
  field.setLowerBound(BoundMode::Strict, 50);
  field.setUpperBound(BoundMode::Inclusive, 100);
  return field;
}

TEST(NumberField, BoundsDecideTheState) {
  NumberFieldModel field = elidedLengthField();
  EXPECT_TRUE(field.validate("4"));
  EXPECT_EQ(field.state(), FieldState::Valid);
  EXPECT_EQ(field.integerValue(), 4);

  EXPECT_TRUE(field.validate("3"));
  EXPECT_EQ(field.state(), FieldState::OutOfBounds);
  EXPECT_EQ(field.integerValue(), kNoIntegerValue);

  field.validate("999");
  EXPECT_TRUE(field.valid());
  field.validate("1000");
  EXPECT_EQ(field.state(), FieldState::OutOfBounds);
  ASSERT_TRUE(field.message());
  EXPECT_EQ(field.message()->title, "Minimum Length of the Elided Region  Out of Bounds");

  field.validate("-");
  EXPECT_EQ(field.state(), FieldState::NotANumber);
  EXPECT_EQ(field.message()->title, "Invalid Entry");
}

TEST(NumberField, ReportsOnlyRealValueChanges) {
  NumberFieldModel field = elidedLengthField();
  EXPECT_TRUE(field.validate("12"));
  EXPECT_FALSE(field.validate(" 12 "));
  EXPECT_TRUE(field.validate("1"));   // out of bounds: no value
  EXPECT_FALSE(field.validate("2"));  // still no value
  EXPECT_FALSE(field.validate("abc"));
}

TEST(NumberField, EmptyTextKeepsTheStateButDropsTheValue) {
  NumberFieldModel field = elidedLengthField();
  field.validate("1000");
  EXPECT_TRUE(field.validate("12"));
  EXPECT_TRUE(field.validate(""));
  EXPECT_EQ(field.state(), FieldState::Valid);
  EXPECT_FALSE(field.value());

  field.validate("-");
  field.validate("");
  EXPECT_EQ(field.state(), FieldState::NotANumber);

  field.setEmptyAllowed(false);
  field.validate("12");
  field.validate("");
  EXPECT_EQ(field.state(), FieldState::NotANumber);
}

TEST(NumberField, WithoutBoundsNeverOutOfBounds) {
  NumberFieldModel field(FieldKind::Number);
  for (const char* text : {"-1e300", "1e300", "0", "-5.5", "123456789"}) {
    field.validate(text);
    EXPECT_EQ(field.state(), FieldState::Valid) << text;
  }
  EXPECT_TRUE(std::isnan(NumberFieldModel(FieldKind::Number).numberValue()));
}

TEST(NumberField, PercentageLimitsOfTheAnnotationPage) {
  NumberFieldModel field = consensusField();
  FieldStoreResult out = field.storeText("50", true);
  EXPECT_FALSE(out.ok);
  ASSERT_TRUE(out.message);
  EXPECT_EQ(out.message->title, "Consensus Out of Bounds");
  out = field.storeText("50.5", true);
  EXPECT_TRUE(out.ok);
  EXPECT_EQ(out.value, 505);
  out = field.storeText("100", true);
  EXPECT_EQ(out.value, 1000);
  out = field.storeText("100.1", true);
  EXPECT_FALSE(out.ok);
}

TEST(NumberField, EveryTenthOfAPercentSurvivesTheRoundTrip) {
  NumberFieldModel field(FieldKind::ScaledNumber);
  field.setUnit(percentUnit());
  for (int stored = 0; stored <= 1000; ++stored) {
    const std::string shown = field.loadText(stored);
    const FieldStoreResult out = field.storeText(shown, true);
    ASSERT_TRUE(out.ok) << shown;
    EXPECT_EQ(out.value, stored) << shown;
  }
  EXPECT_EQ(field.loadText(800), "80");
  EXPECT_EQ(field.loadText(725), "72.5");
}

TEST(NumberField, EmptiedFieldIsRefusedWithTheNotANumberMessage) {
  NumberFieldModel integer = elidedLengthField();
  integer.validate("12");
  FieldStoreResult out = integer.storeText("", true);
  EXPECT_FALSE(out.ok);
  ASSERT_TRUE(out.message);
  EXPECT_EQ(out.message->text,
            "Please enter a valid number for the Minimum Length of the Elided Region .");

  NumberFieldModel percentage = consensusField();
  out = percentage.storeText("", true);
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.message->title, "Invalid Entry");
}

TEST(NumberField, DisabledFieldGivesTheNoValueMarkerUnlessValid) {
  NumberFieldModel integer = elidedLengthField();
  EXPECT_EQ(integer.storeText("1000", false).value, kNoIntegerValue);
  EXPECT_TRUE(integer.storeText("1000", false).ok);
  EXPECT_EQ(integer.storeText("", false).value, kNoIntegerValue);
  EXPECT_EQ(integer.storeText("17", false).value, 17);

  NumberFieldModel percentage = consensusField();
  EXPECT_EQ(percentage.storeText("", false).value, kNoScaledValue);
  EXPECT_EQ(percentage.storeText("20", false).value, kNoScaledValue);
  EXPECT_EQ(percentage.storeText("80", false).value, 800);
}

TEST(NumberField, SwitchingTheUnitConvertsValueAndBounds) {
  NumberFieldModel field = consensusField();
  field.validate("80");
  field.switchUnit({"fraction", 1000.0, 0.01, 3});
  EXPECT_DOUBLE_EQ(*field.value(), 0.8);
  EXPECT_DOUBLE_EQ(field.lowerBound().value, 0.5);
  EXPECT_DOUBLE_EQ(field.upperBound().value, 1.0);
  EXPECT_EQ(field.precision(), 3);
  EXPECT_EQ(field.storeText("0.75", true).value, 750);
}

TEST(NumberField, UnitChosenBeforeShowingKeepsFivePlaces) {
  NumberFieldModel field = consensusField();
  EXPECT_EQ(field.precision(), 5);
  EXPECT_EQ(field.displayText(72.25), "72.25");
}

TEST(UnitTable, FirstRegistrationOfASuffixWins) {
  FieldUnitTable table;
  EXPECT_EQ(table.registerUnit(percentUnit()), 0);
  EXPECT_EQ(table.registerUnit(percentageUnit()), 1);
  EXPECT_EQ(table.registerUnit({"%", 100.0, 5.0, 2}), 0);
  EXPECT_EQ(table.size(), 2);
  EXPECT_EQ(table.unit(0)->scale, 10.0);
  EXPECT_EQ(table.unit(2), nullptr);
  EXPECT_EQ(table.find("Percentage"), 1);
}

TEST(ExemptControls, CancelDoesNotTriggerTheLeavingCheck) {
  FieldEnvironment environment;
  environment.exempt.add(2);
  EXPECT_FALSE(leavingNeedsCheck(true, environment.exempt.contains(2), false));
  EXPECT_TRUE(leavingNeedsCheck(true, environment.exempt.contains(1), false));
  EXPECT_FALSE(leavingNeedsCheck(true, false, true));
  EXPECT_FALSE(leavingNeedsCheck(false, false, false));
}

struct SpinCase {
  std::optional<double> current;
  BoundMode lowerMode;
  double lower;
  BoundMode upperMode;
  double upper;
  int direction;
  double expected;
};

class ScaledSpin : public ::testing::TestWithParam<SpinCase> {};

TEST_P(ScaledSpin, MovesByWholeSteps) {
  const SpinCase& c = GetParam();
  EXPECT_DOUBLE_EQ(
      scaledSpinStep(c.current, {c.lowerMode, c.lower}, {c.upperMode, c.upper}, 1.0, c.direction),
      c.expected);
}

constexpr BoundMode S = BoundMode::Strict;
constexpr BoundMode I = BoundMode::Inclusive;
constexpr BoundMode N = BoundMode::None;

INSTANTIATE_TEST_SUITE_P(
    Steps, ScaledSpin,
    ::testing::Values(
        SpinCase{80.0, S, 50, I, 100, +1, 81.0},
        SpinCase{50.5, S, 50, I, 100, +1, 51.0},        // rounded down going up
        SpinCase{50.5, S, 50, I, 100, -1, 51.0},        // 49.5 -> 50 reaches the strict bound
        SpinCase{80.5, S, 50, I, 100, -1, 80.0},        // rounded up going down
        SpinCase{51.9999999, S, 50, I, 100, +1, 53.0},  // within a millionth
        SpinCase{99.5, S, 50, I, 100, +1, 100.0}, SpinCase{100.0, S, 50, I, 100, +1, 100.0},
        SpinCase{98.0, S, 0, S, 100, +1, 99.0},
        SpinCase{99.0, S, 0, S, 100, +1, 99.0},            // strict: one step short
        SpinCase{std::nullopt, S, 50, I, 100, +1, 100.0},  // from the upper bound
        SpinCase{std::nullopt, S, 50, I, 100, -1, 51.0},   // from the lower bound
        SpinCase{std::nullopt, I, 0, N, 0, +1, 1.0}, SpinCase{1.0, N, 0, N, 0, -1, 0.0}));

TEST(ScaledSpinText, NeverShowsMinusZero) {
  NumberFieldModel field(FieldKind::ScaledNumber);
  field.setUnit(percentUnit());
  EXPECT_EQ(field.spinText("1", -1), "0");
  EXPECT_EQ(field.spinText("0.5", -1), "0");
  EXPECT_EQ(field.spinText("-0.5", +1), "0");
}

TEST(ScaledSpinText, BeepsOnTextThatIsNoNumber) {
  NumberFieldModel field = consensusField();
  EXPECT_FALSE(field.spinText("-", +1));
  EXPECT_FALSE(field.spinText("", -1));
  EXPECT_EQ(field.spinText("150", -1), "51");  // out of bounds: from the lower bound
  EXPECT_EQ(field.spinText("72.5", +1), "73");
}

TEST(IntegerSpin, RangeFollowsTheBounds) {
  EXPECT_EQ(integerSpinRange({S, 3}, {I, 999}), (SpinRange{4, 999}));
  EXPECT_EQ(integerSpinRange({I, 0}, {S, 11}), (SpinRange{0, 10}));
  EXPECT_EQ(integerSpinRange({N, 0}, {N, 0}), (SpinRange{-2147483647 - 1, 2147483647}));
  EXPECT_EQ(integerSpinStep("999", {4, 999}, +1), 999);
  EXPECT_EQ(integerSpinStep("1200", {4, 999}, -1), 999);
  EXPECT_EQ(integerSpinStep("5", {4, 999}, -1), 4);
  EXPECT_EQ(integerSpinStep("x", {4, 999}, -1), std::nullopt);
}

TEST(BoldFeedback, WeightRule) {
  EXPECT_EQ(boldFeedbackWeight(400), 700);
  EXPECT_EQ(boldFeedbackWeight(100), 700);
  EXPECT_EQ(boldFeedbackWeight(500), 600);
  EXPECT_EQ(boldFeedbackWeight(700), 800);
}

TEST(LetterSet, TypingFollowsTheMode) {
  EXPECT_EQ(acceptLetterSetCharacter(kLetterSetUpperCase, "", "", 'b'), 'B');
  EXPECT_EQ(acceptLetterSetCharacter(kLetterSetUpperCase, "B", "", 'b'), std::nullopt);
  EXPECT_EQ(acceptLetterSetCharacter(kLetterSetUpperCase, "", "", '1'), std::nullopt);
  EXPECT_EQ(acceptLetterSetCharacter(kLetterSetUpperCase, "", "BJOUZ", 'j'), std::nullopt);
  EXPECT_EQ(acceptLetterSetCharacter(kLetterSetNoLetters, "-", "", 'x'), std::nullopt);
  EXPECT_EQ(acceptLetterSetCharacter(kLetterSetNoLetters, "-", "", '~'), '~');
  EXPECT_EQ(acceptLetterSetCharacter(kLetterSetNoLetters, "-", "", '-'), std::nullopt);
  EXPECT_EQ(acceptLetterSetCharacter(1, "", "", 'x'), 'x');
  EXPECT_EQ(acceptLetterSetCharacter(1, "", "", '\x16'), std::nullopt);
}

TEST(LetterSet, PastingZyx1zIntoAnUpperCaseField) {
  EXPECT_EQ(pasteIntoLetterSet(kLetterSetUpperCase, "", 0, 0, "", "zyx1z"),
            (LetterSetPaste{"XYZ", 0}));
}

TEST(LetterSet, PasteReplacesTheSelectionAndSorts) {
  // "BJOUZ" with "JO" selected, pasting "qb" gives B, Q, U, Z; caret where J was.
  EXPECT_EQ(pasteIntoLetterSet(kLetterSetUpperCase, "BJOUZ", 1, 3, "", "qb"),
            (LetterSetPaste{"BQUZ", 1}));
  EXPECT_EQ(pasteIntoLetterSet(kLetterSetUpperCase, "", 0, 0, "BJ", "abcj"),
            (LetterSetPaste{"AC", 0}));
  EXPECT_EQ(pasteIntoLetterSet(kLetterSetNoLetters, "-_", 2, 2, "", "~a.\r\n-"),
            (LetterSetPaste{"-._~", 2}));
}

}  // namespace
}  // namespace hueset
