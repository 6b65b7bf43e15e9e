#include "util/decimal_text.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

// The browser build reads and writes decimals with the portable forms; they
// must give what the standard library gives here, to the last digit.
TEST(DecimalText, PortableReadingAgreesWithTheStandardLibrary) {
  struct Case {
    const char* what;
    const char* text;
  };
  const Case cases[] = {
      {"a whole number with a unit after it", "85mm"},
      {"a fraction", "3.25in"},
      {"a point without digits after it", "7.cm"},
      {"digits only after the point", ".5"},
      {"a negative number", "-12.5"},
      {"an exponent", "1.5e2pt"},
      {"an 'e' without digits is a unit", "2em"},
      {"a signed exponent", "25E-1"},
      {"a number that needs rounding", "0.1000000000000000055511151231257827"},
      {"a leading plus is no number", "+5"},
      {"a lone point is no number", ".mm"},
      {"a lone minus is no number", "-"},
      {"a leading blank is no number", " 5"},
      {"out of range", "1e999"},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    double standard = -1;
    double portable = -1;
    EXPECT_EQ(readDecimalPortable(c.text, portable), readDecimal(c.text, standard)) << c.what;
    EXPECT_EQ(portable, standard) << c.what;
  }
}

TEST(DecimalText, PortableFixedNotationAgreesWithTheStandardLibrary) {
  struct Case {
    const char* what;
    double value;
    int decimals;
  };
  const Case cases[] = {
      {"halfway in decimal, not in binary", 2.675, 2},
      {"rounding up into a new digit", 9.999, 2},
      {"negative zero", -0.0, 2},
      {"a tiny negative number", -0.001, 2},
      {"a large number", 123456789.125, 2},
      {"no decimals", 2.5, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fixedDecimalPortable(c.value, c.decimals), fixedDecimal(c.value, c.decimals))
        << c.what;
  }
}

TEST(DecimalText, PortableGeneralNotationAgreesWithTheStandardLibrary) {
  struct Case {
    const char* what;
    double value;
    int precision;
  };
  const Case cases[] = {
      {"trailing zeros dropped", 2.5, 6},
      {"rounded to the precision", 0.123456789, 3},
      {"large enough for an exponent", 1234567.0, 3},
      {"small enough for an exponent", 0.00001234, 6},
      {"precision 0 counts as 1", 7.6, 0},
      {"negative zero", -0.0, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(generalDecimalPortable(c.value, c.precision), generalDecimal(c.value, c.precision))
        << c.what;
  }
}

}  // namespace
}  // namespace hueset
