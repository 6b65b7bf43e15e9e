#include "desktop/options/field_validation.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "util/decimal_text.h"

namespace hueset {
namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::size_t skipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && isBlankOrTab(text[i])) ++i;
  return i;
}

bool onlyBlanksFrom(std::string_view text, std::size_t i) {
  return skipBlanks(text, i) == text.size();
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && isDigit(text[i])) ++i;
  return i;
}

long long boundAsInteger(const FieldBound& bound) {
  return static_cast<long long>(std::llround(bound.value));
}

int clampToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

std::string_view allowedFieldCharacters(FieldKind kind) {
  switch (kind) {
    case FieldKind::Integer: return kIntegerFieldCharacters;
    case FieldKind::Number: return kNumberFieldCharacters;
    case FieldKind::ScaledNumber: return kScaledFieldCharacters;
  }
  return {};
}

bool holdsOnlyAllowed(std::string_view text, std::string_view allowed) {
  return std::all_of(text.begin(), text.end(),
                     [&](char c) { return allowed.find(c) != std::string_view::npos; });
}

std::optional<int> parseIntegerText(std::string_view text) {
  const std::size_t start = skipBlanks(text, 0);
  std::size_t i = start;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t digits = i;
  long long magnitude = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    // Saturates like the C library does; the extremes count as overflow.
    magnitude = std::min<long long>(magnitude * 10 + (text[i] - '0'), 1LL << 32);
  }
  if (i == digits) return std::nullopt;  // nothing read: a zero not written as "0"
  const long long value = negative ? -magnitude : magnitude;
  const int result = clampToInt(value);
  if (result == 0 && text[start] != '0') return std::nullopt;
  if (result == INT_MAX || result == INT_MIN) return std::nullopt;
  if (!onlyBlanksFrom(text, i)) return std::nullopt;
  return result;
}

std::optional<double> parseNumberText(std::string_view text) {
  const std::size_t start = skipBlanks(text, 0);
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t mantissa = i;
  std::size_t end = skipDigits(text, i);
  bool anyDigit = end > mantissa;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fraction = end + 1;
    const std::size_t fractionEnd = skipDigits(text, fraction);
    anyDigit = anyDigit || fractionEnd > fraction;
    end = fractionEnd;
  }
  if (!anyDigit) return std::nullopt;
  // An exponent counts only when digits follow it.
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t e = end + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::size_t exponentEnd = skipDigits(text, e);
    if (exponentEnd > e) end = exponentEnd;
  }
  // readDecimal takes no plus sign and no bare "7." or ".5"; hand it a
  // spelled-out copy.
  std::string number;
  if (text[start] == '-') number += '-';
  std::string_view body = text.substr(mantissa, end - mantissa);
  if (!body.empty() && body.front() == '.') number += '0';
  for (std::size_t k = 0; k < body.size(); ++k) {
    number += body[k];
    if (body[k] == '.' && (k + 1 == body.size() || !isDigit(body[k + 1]))) number += '0';
  }
  double value = 0.0;
  if (readDecimal(number, value) != number.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  if (value == 0.0 && text[start] != '0') return std::nullopt;
  if (!onlyBlanksFrom(text, end)) return std::nullopt;
  return value;
}

std::string formatFieldNumber(double value, int precision) {
  return generalDecimal(value, std::max(precision, 0));
}

// Units

int FieldUnitTable::registerUnit(FieldUnit unit) {
  if (auto existing = find(unit.suffix)) return *existing;
  m_units.push_back(std::move(unit));
  return static_cast<int>(m_units.size()) - 1;
}

std::optional<int> FieldUnitTable::find(std::string_view suffix) const {
  for (std::size_t i = 0; i < m_units.size(); ++i) {
    if (m_units[i].suffix == suffix) return static_cast<int>(i);
  }
  return std::nullopt;
}

const FieldUnit* FieldUnitTable::unit(int position) const {
  if (position < 0 || position >= size()) return nullptr;
  return &m_units[static_cast<std::size_t>(position)];
}

FieldUnit percentUnit() { return {"%", 10.0, 1.0, 1}; }
FieldUnit percentageUnit() { return {"Percentage", 10.0, 1.0, 1}; }

void ExemptControls::add(int controlId) {
  if (!contains(controlId)) m_ids.push_back(controlId);
}

bool ExemptControls::contains(int controlId) const {
  return std::find(m_ids.begin(), m_ids.end(), controlId) != m_ids.end();
}

bool leavingNeedsCheck(bool checking, bool toExemptControl, bool anotherFieldComplaining) {
  return checking && !toExemptControl && !anotherFieldComplaining;
}

// Messages

FieldMessage notANumberMessage(std::string_view name) {
  std::string text = "Please enter a valid number for the ";
  text += name;
  text += '.';
  return {std::string(kInvalidEntryTitle), std::move(text)};
}

FieldMessage integerBoundsMessage(std::string_view name, FieldBound lower, FieldBound upper) {
  const std::string low = std::to_string(boundAsInteger(lower));
  const std::string high = std::to_string(boundAsInteger(upper));
  std::string text = "[";
  if (lower.mode == BoundMode::Strict) text += low + " < ";
  if (lower.mode == BoundMode::Inclusive) text += low + " <= ";
  text += '"';
  text += name;
  text += '"';
  if (upper.mode == BoundMode::Strict) text += " < " + high;
  if (upper.mode == BoundMode::Inclusive) text += " <= " + high;
  text += "]\r\n\r\n";
  text += "Please enter a value for the ";
  text += name;
  text += " which is";
  if (lower.mode == BoundMode::Strict) text += "\r\nmore than " + low;
  if (lower.mode == BoundMode::Inclusive) text += "\r\nmore than or equal to " + low;
  if (lower.mode != BoundMode::None) text += " and";
  if (upper.mode == BoundMode::Strict) text += "\r\nless than " + high;
  if (upper.mode == BoundMode::Inclusive) text += "\r\nless than or equal to " + high;
  return {std::string(name) + std::string(kOutOfBoundsTitleSuffix), std::move(text)};
}

FieldMessage numberBoundsMessage(std::string_view name, FieldBound lower, FieldBound upper,
                                 int precision, std::string_view suffix) {
  auto bound = [&](const FieldBound& b) {
    return formatFieldNumber(b.value, precision) + " " + std::string(suffix);
  };
  std::string text = "Please enter a number for the ";
  text += name;
  text += " which is\r\n";
  if (upper.mode != BoundMode::None) {
    text += "less than ";
    if (upper.mode == BoundMode::Inclusive) text += "or equal to ";
    text += bound(upper);
  }
  if (lower.mode != BoundMode::None) {
    text += "\r\n";
    if (upper.mode != BoundMode::None) text += "and";
    text += " greater than ";
    if (lower.mode == BoundMode::Inclusive) text += "or equal to ";
    text += bound(lower);
  }
  return {std::string(name) + std::string(kOutOfBoundsTitleSuffix), std::move(text)};
}

// Spin buttons

SpinRange integerSpinRange(FieldBound lower, FieldBound upper) {
  long long minimum = INT_MIN;
  long long maximum = INT_MAX;
  if (lower.mode == BoundMode::Strict) minimum = boundAsInteger(lower) + 1;
  if (lower.mode == BoundMode::Inclusive) minimum = boundAsInteger(lower);
  if (upper.mode == BoundMode::Strict) maximum = boundAsInteger(upper) - 1;
  if (upper.mode == BoundMode::Inclusive) maximum = boundAsInteger(upper);
  return {clampToInt(minimum), clampToInt(maximum)};
}

std::optional<int> integerSpinStep(std::string_view text, SpinRange range, int direction) {
  const std::optional<int> current = parseIntegerText(text);
  if (!current) return std::nullopt;
  long long moved = static_cast<long long>(*current) + (direction > 0 ? 1 : -1);
  if (range.minimum <= range.maximum)
    moved = std::clamp<long long>(moved, range.minimum, range.maximum);
  return clampToInt(moved);
}

double scaledSpinStep(std::optional<double> current, FieldBound lower, FieldBound upper,
                      double step, int direction) {
  const bool up = direction > 0;
  if (!(step > 0.0)) step = 1.0;
  double start = 0.0;
  if (current) {
    start = *current;
  } else {
    FieldBound side = up ? upper : lower;
    if (side.mode == BoundMode::None) side = up ? lower : upper;
    start = side.value;
  }
  const double moved = (start + (up ? step : -step)) / step;
  // A millionth of a step of slack in the direction of the move keeps 51.9999999
  // from rounding down to 51.
  double result = (up ? std::floor(moved + 1e-6) : std::ceil(moved - 1e-6)) * step;
  if (up && upper.mode != BoundMode::None && result >= upper.value) {
    result = upper.mode == BoundMode::Inclusive ? upper.value : upper.value - step;
  }
  if (!up && lower.mode != BoundMode::None && result <= lower.value) {
    result = lower.mode == BoundMode::Inclusive ? lower.value : lower.value + step;
  }
  // Never hand back -0: the field would show "-0", which is not a number.
  return result + 0.0;
}

int boldFeedbackWeight(int weight) { return weight > 400 ? weight + 100 : 700; }

// The field

NumberFieldModel::NumberFieldModel(FieldKind kind) : m_kind(kind) {}

void NumberFieldModel::switchUnit(const FieldUnit& unit) {
  const double factor = (unit.scale != 0.0) ? m_unit.scale / unit.scale : 1.0;
  if (m_value) m_value = *m_value * factor;
  m_lower.value *= factor;
  m_upper.value *= factor;
  m_precision = unit.precision;
  m_unit = unit;
}

std::optional<double> NumberFieldModel::parse(std::string_view text) const {
  if (m_kind == FieldKind::Integer) {
    if (auto v = parseIntegerText(text)) return static_cast<double>(*v);
    return std::nullopt;
  }
  return parseNumberText(text);
}

bool NumberFieldModel::outOfBounds(double value) const {
  switch (m_upper.mode) {
    case BoundMode::Strict:
      if (value >= m_upper.value) return true;
      break;
    case BoundMode::Inclusive:
      if (value > m_upper.value) return true;
      break;
    case BoundMode::None: break;
  }
  switch (m_lower.mode) {
    case BoundMode::Strict: return value <= m_lower.value;
    case BoundMode::Inclusive: return value < m_lower.value;
    case BoundMode::None: break;
  }
  return false;
}

bool NumberFieldModel::validate(std::string_view text) {
  const std::optional<double> before = m_value;
  if (text.empty() && m_emptyAllowed) {
    // Not checked: no value, and the state stays as it was.
    m_value.reset();
  } else if (auto v = parse(text); !v) {
    m_state = FieldState::NotANumber;
    m_value.reset();
  } else if (outOfBounds(*v)) {
    m_state = FieldState::OutOfBounds;
    m_value.reset();
  } else {
    m_state = FieldState::Valid;
    m_value = *v;
  }
  return m_value != before;
}

int NumberFieldModel::integerValue() const {
  return m_value ? clampToInt(static_cast<long long>(*m_value)) : kNoIntegerValue;
}

double NumberFieldModel::numberValue() const {
  return m_value ? *m_value : std::numeric_limits<double>::quiet_NaN();
}

std::optional<FieldMessage> NumberFieldModel::message() const {
  switch (m_state) {
    case FieldState::NotANumber: return notANumberMessage(m_name);
    case FieldState::OutOfBounds:
      if (m_kind == FieldKind::Integer) return integerBoundsMessage(m_name, m_lower, m_upper);
      return numberBoundsMessage(m_name, m_lower, m_upper, m_precision,
                                 m_kind == FieldKind::ScaledNumber ? m_unit.suffix : "");
    case FieldState::Valid: break;
  }
  return std::nullopt;
}

std::string NumberFieldModel::displayText(double shownValue) const {
  if (m_kind == FieldKind::Integer) return std::to_string(static_cast<long long>(shownValue));
  return formatFieldNumber(shownValue, m_precision);
}

std::string NumberFieldModel::loadText(int storedValue) const {
  switch (m_kind) {
    case FieldKind::Integer: return std::to_string(storedValue);
    case FieldKind::ScaledNumber:
      return formatFieldNumber(storedValue / (m_unit.scale != 0.0 ? m_unit.scale : 1.0),
                               m_precision);
    case FieldKind::Number: break;
  }
  return formatFieldNumber(storedValue, m_precision);
}

FieldStoreResult NumberFieldModel::storeText(std::string_view text, bool enabled) {
  const int noValue = m_kind == FieldKind::ScaledNumber ? kNoScaledValue : kNoIntegerValue;
  if (text.empty()) {
    // An emptied field is refused rather than stored as the no-value marker.
    m_state = FieldState::NotANumber;
    m_value.reset();
    if (!enabled) return {true, noValue, std::nullopt};
    return {false, 0, message()};
  }
  validate(text);
  if (m_state == FieldState::Valid && m_value) {
    if (m_kind != FieldKind::ScaledNumber) return {true, integerValue(), std::nullopt};
    const double cut = std::trunc(*m_value * m_unit.scale);
    if (cut > INT_MAX - 1.0 || cut < INT_MIN + 1.0) {
      m_state = FieldState::NotANumber;
      m_value.reset();
      if (!enabled) return {true, noValue, std::nullopt};
      return {false, 0, message()};
    }
    return {true, static_cast<int>(cut), std::nullopt};
  }
  if (!enabled) return {true, noValue, std::nullopt};
  return {false, 0, message()};
}

std::optional<std::string> NumberFieldModel::spinText(std::string_view text, int direction) {
  const std::optional<double> typed = parse(text);
  if (!typed) return std::nullopt;
  const std::optional<double> current = outOfBounds(*typed) ? std::nullopt : typed;
  return displayText(scaledSpinStep(current, m_lower, m_upper, m_unit.step, direction));
}

// Letter sets

std::optional<char> acceptLetterSetCharacter(int mode, std::string_view text,
                                             std::string_view excluded, char typed) {
  const auto code = static_cast<unsigned char>(typed);
  if (code < 32 || code > 126) return std::nullopt;
  char c = typed;
  if (mode == kLetterSetUpperCase) {
    if (!isAsciiLetter(c)) return std::nullopt;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  } else if (mode == kLetterSetNoLetters) {
    if (isAsciiLetter(c)) return std::nullopt;
  }
  if (text.find(c) != std::string_view::npos) return std::nullopt;
  if (excluded.find(c) != std::string_view::npos) return std::nullopt;
  return c;
}

LetterSetPaste pasteIntoLetterSet(int mode, std::string_view text, std::size_t selectionStart,
                                  std::size_t selectionEnd, std::string_view excluded,
                                  std::string_view clip) {
  selectionStart = std::min(selectionStart, text.size());
  selectionEnd = std::clamp(selectionEnd, selectionStart, text.size());
  std::string joined(text.substr(0, selectionStart));
  joined += clip;
  joined += text.substr(selectionEnd);

  std::string kept;
  for (char c : joined) {
    const auto code = static_cast<unsigned char>(c);
    // Line breaks and other control characters have no place in a one-line set.
    if (code < 32 || code > 126) continue;
    if (mode == kLetterSetUpperCase) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (!(c >= 'A' && c <= 'Z')) continue;
    } else if (mode == kLetterSetNoLetters) {
      if (isAsciiLetter(c)) continue;
    }
    if (excluded.find(c) != std::string_view::npos) continue;
    kept += c;
  }
  std::sort(kept.begin(), kept.end(), [](char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  });
  kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
  const std::size_t caret = std::min(selectionStart, kept.size());
  return {std::move(kept), caret};
}

}  // namespace hueset
