#pragma once

#include <string>
#include <string_view>

namespace hueset {

// Decimal numbers read and written the same in every locale, as
// std::from_chars and std::to_chars do them. Where the standard library has
// no floating-point from_chars/to_chars (the browser build's), the portable
// forms below stand in, with the same results.

// Reads a decimal number from the start of `text` ("-1.5e3", ".5", "7.";
// no leading blanks or '+'): the characters read, 0 when there is no number
// or it is out of the range of a double (`value` is then left as it was).
std::size_t readDecimal(std::string_view text, double& value);

// `value` in fixed notation with `decimals` digits after the point.
std::string fixedDecimal(double value, int decimals);

// `value` with `precision` significant digits (0 counts as 1), fixed or
// scientific, whichever is shorter, trailing zeros dropped: printf's %g.
std::string generalDecimal(double value, int precision);

// The portable forms, always built, so that they can be checked against the
// standard library's.
std::size_t readDecimalPortable(std::string_view text, double& value);
std::string fixedDecimalPortable(double value, int decimals);
std::string generalDecimalPortable(double value, int precision);

}  // namespace hueset
