#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hueset {

// The rules of the edit fields that check numbers as they are typed (the
// option pages and the groupings editor use them). The widgets only show a
// field model and forward the user's actions to it.

enum class BoundMode : int { Strict = 0, Inclusive = 1, None = 2 };

struct FieldBound {
  BoundMode mode = BoundMode::None;
  double value = 0.0;

  bool operator==(const FieldBound&) const = default;
};

enum class FieldState : int { NotANumber = 0, OutOfBounds = 1, Valid = 2 };

enum class FieldKind { Integer, Number, ScaledNumber };

// What an integer field holds when it has no value; also what the parser
// takes as overflow.
inline constexpr int kNoIntegerValue = 2147483647;
// What a scaled number field hands out when it is disabled.
inline constexpr int kNoScaledValue = -1;
inline constexpr int kDefaultFieldPrecision = 5;

inline constexpr std::string_view kIntegerFieldCharacters = "0123456789+-";
inline constexpr std::string_view kNumberFieldCharacters = "0123456789+-.eE";
inline constexpr std::string_view kScaledFieldCharacters = "0123456789-.";

std::string_view allowedFieldCharacters(FieldKind kind);
// True when every character of `text` is one of `allowed`.
bool holdsOnlyAllowed(std::string_view text, std::string_view allowed);

// Leading blanks and tabs are skipped; a sign and decimal digits follow;
// only blanks and tabs may come after. Refused: no digits or a zero that
// does not start with "0" ("-0", "+0"), and the two 32-bit extremes, which
// stand for overflow.
std::optional<int> parseIntegerText(std::string_view text);
// The same for a decimal floating-point number ("1.5", "-2e3", "7."):
// refused when it reads as 0 but does not start with "0" (".0", "-0.0"),
// when it is too large or too small to hold, or when anything but blanks
// and tabs follows.
std::optional<double> parseNumberText(std::string_view text);

// "%.*g" in the "C" locale, whatever the program's locale is.
std::string formatFieldNumber(double value, int precision);

// A unit of scaled number fields: stored value = shown value * scale.
struct FieldUnit {
  std::string suffix;
  double scale = 1.0;
  double step = 1.0;  // for the spin buttons, in shown units
  int precision = kDefaultFieldPrecision;

  bool operator==(const FieldUnit&) const = default;
};

// The units the scaled number fields of one application refer to by
// position. The application owns it and passes it to its fields.
class FieldUnitTable {
 public:
  // Registers `unit` under its suffix and returns its position; a suffix
  // that is already there keeps its first registration.
  int registerUnit(FieldUnit unit);
  std::optional<int> find(std::string_view suffix) const;
  // Null for a position that is not in the table.
  const FieldUnit* unit(int position) const;
  int size() const { return static_cast<int>(m_units.size()); }

 private:
  std::vector<FieldUnit> m_units;
};

// The two units the option pages register.
FieldUnit percentUnit();     // "%", scale 10, step 1, precision 1
FieldUnit percentageUnit();  // "Percentage", scale 10, step 1, precision 1

// The controls (by control id) that never trigger the leaving check, e.g.
// the Cancel button of the option pages.
class ExemptControls {
 public:
  void add(int controlId);
  bool contains(int controlId) const;

 private:
  std::vector<int> m_ids;
};

// Everything the fields of one application share.
struct FieldEnvironment {
  FieldUnitTable units;
  ExemptControls exempt;
};

// A field that loses the focus complains only when it checks its input, the
// focus is not going to an exempt control, and no other field is already
// complaining (its message box takes the focus too).
bool leavingNeedsCheck(bool checking, bool toExemptControl, bool anotherFieldComplaining);

struct FieldMessage {
  std::string title;
  std::string text;

  bool operator==(const FieldMessage&) const = default;
};

inline constexpr std::string_view kInvalidEntryTitle = "Invalid Entry";
inline constexpr std::string_view kOutOfBoundsTitleSuffix = " Out of Bounds";

FieldMessage notANumberMessage(std::string_view name);
FieldMessage integerBoundsMessage(std::string_view name, FieldBound lower, FieldBound upper);
// `suffix` follows every bound (a scaled field's unit); empty otherwise.
FieldMessage numberBoundsMessage(std::string_view name, FieldBound lower, FieldBound upper,
                                 int precision, std::string_view suffix);

// The range of an integer field's up-down control.
struct SpinRange {
  int minimum;
  int maximum;

  bool operator==(const SpinRange&) const = default;
};
SpinRange integerSpinRange(FieldBound lower, FieldBound upper);
// One click of an integer field's up-down control (`direction` +1 or -1):
// the number in the field moved by one and kept in the range; none when the
// text is not a number.
std::optional<int> integerSpinStep(std::string_view text, SpinRange range, int direction);

// One click of a scaled field's spin button. `current` is the field's
// value, or none when it is out of bounds (the move then starts from the
// bound on its side). The result is a whole number of steps, held inside
// the bounds.
double scaledSpinStep(std::optional<double> current, FieldBound lower, FieldBound upper,
                      double step, int direction);

// The weight of the bold-feedback font for a font of weight `weight`.
int boldFeedbackWeight(int weight);

// The outcome of reading a field for a dialog.
struct FieldStoreResult {
  bool ok = false;
  int value = 0;
  std::optional<FieldMessage> message;  // shown when storing fails
};

// One integer, number or scaled number field.
class NumberFieldModel {
 public:
  explicit NumberFieldModel(FieldKind kind);

  FieldKind kind() const { return m_kind; }
  std::string_view allowedCharacters() const { return allowedFieldCharacters(m_kind); }

  const std::string& name() const { return m_name; }
  void setName(std::string name) { m_name = std::move(name); }

  // Bounds are in the units the field shows.
  void setLowerBound(BoundMode mode, double value) { m_lower = {mode, value}; }
  void setUpperBound(BoundMode mode, double value) { m_upper = {mode, value}; }
  FieldBound lowerBound() const { return m_lower; }
  FieldBound upperBound() const { return m_upper; }

  bool emptyAllowed() const { return m_emptyAllowed; }
  void setEmptyAllowed(bool allowed) { m_emptyAllowed = allowed; }

  int precision() const { return m_precision; }
  void setPrecision(int precision) { m_precision = precision; }

  // Scaled number fields: the unit the field refers to. Before the field is
  // shown only the reference is set; `switchUnit` converts the value and
  // the bounds of a field on screen and takes the unit's precision.
  void setUnit(const FieldUnit& unit) { m_unit = unit; }
  void switchUnit(const FieldUnit& unit);
  const FieldUnit& unit() const { return m_unit; }

  // Recomputes state and value from `text`. True when the value changed
  // (the widget then notifies its parent).
  bool validate(std::string_view text);
  FieldState state() const { return m_state; }
  bool valid() const { return m_state == FieldState::Valid; }
  // The last valid value in shown units, or none.
  std::optional<double> value() const { return m_value; }
  int integerValue() const;    // kNoIntegerValue when there is none
  double numberValue() const;  // not-a-number when there is none

  // The message for the present state; none while it is valid.
  std::optional<FieldMessage> message() const;
  // What the field shows for `shownValue`.
  std::string displayText(double shownValue) const;

  // Loading into the field: integer fields show the number,
  // scaled fields the stored number divided by the scale. Storing from the field:
  // reads `text`; a valid number gives the integer (scaled fields: times the
  // scale, cut to an integer); an enabled field that is empty, not a number
  // or out of bounds fails with its message; a disabled one gives the
  // no-value marker.
  std::string loadText(int storedValue) const;
  FieldStoreResult storeText(std::string_view text, bool enabled);

  // The spin range of an integer field.
  SpinRange spinRange() const { return integerSpinRange(m_lower, m_upper); }
  // The text after one spin click on a scaled field, or none (beep) when
  // the field does not hold a number.
  std::optional<std::string> spinText(std::string_view text, int direction);

 private:
  std::optional<double> parse(std::string_view text) const;
  bool outOfBounds(double value) const;

  FieldKind m_kind;
  std::string m_name;
  FieldBound m_lower;
  FieldBound m_upper;
  bool m_emptyAllowed = true;
  int m_precision = kDefaultFieldPrecision;
  FieldUnit m_unit;
  FieldState m_state = FieldState::Valid;
  std::optional<double> m_value;
};

// Letter-set fields hold a set of distinct characters.
inline constexpr int kLetterSetUpperCase = 0;  // letters, upper-cased
inline constexpr int kLetterSetNoLetters = 2;  // anything but letters
// Any other mode takes any character.

// The character to insert when `typed` is typed into a field holding
// `text`, or none when it is refused: mode 0 upper-cases letters and refuses
// anything else, mode 2 refuses letters, and every mode refuses a character
// already in the text or among `excluded`, and control characters.
std::optional<char> acceptLetterSetCharacter(int mode, std::string_view text,
                                             std::string_view excluded, char typed);

struct LetterSetPaste {
  std::string text;
  std::size_t caret = 0;

  bool operator==(const LetterSetPaste&) const = default;
};
// Pasting `clip` over the selection [selectionStart, selectionEnd) of
// `text`: the characters the mode admits, sorted and each kept once.
LetterSetPaste pasteIntoLetterSet(int mode, std::string_view text, std::size_t selectionStart,
                                  std::size_t selectionEnd, std::string_view excluded,
                                  std::string_view clip);

}  // namespace hueset
