#include <gtest/gtest.h>

#include "util/text_format.h"

namespace hueset {
namespace {

struct FillCase {
  const char* templ;
  long long number;
  const char* text;
  const char* expected;
};

class FillTemplate : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillTemplate, Fills) {
  const auto& c = GetParam();
  EXPECT_EQ(fillTemplate(c.templ, c.number, c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillTemplate,
    ::testing::Values(FillCase{"line %d", 7, "", "line 7"},
                      FillCase{"name %s", 0, "x", "name x"},
                      FillCase{"(%d) and (%s)", 12, "3, 4", "(12) and (3, 4)"},
                      // User text holding a format is copied, never interpreted.
                      FillCase{"got %s", 1, "%d%s%n", "got %d%s%n"},
                      FillCase{"100%% of %d", 5, "", "100% of 5"},
                      FillCase{"trailing %", 1, "", "trailing %"},
                      FillCase{"no placeholders", 1, "x", "no placeholders"}));

TEST(TextHelpers, TrimTreatsCarriageReturnAsSpace) {
  EXPECT_EQ(trim(" \tabc \r"), "abc");
  EXPECT_EQ(trimLeft("\r\n\v\fx "), "x ");
  EXPECT_EQ(trim(""), "");
}

TEST(TextHelpers, CaseMappingIsAsciiOnly) {
  EXPECT_EQ(toUpperAscii('a'), 'A');
  EXPECT_EQ(toUpperAscii('{'), '{');
  EXPECT_EQ(toUpperAscii(static_cast<char>(0xE9)), static_cast<char>(0xE9));
  EXPECT_EQ(toLowerAscii('Z'), 'z');
}

TEST(TextHelpers, PrintfStringHandlesLongOutput) {
  EXPECT_EQ(printfString("%08d|%.4g", 42, 0.5), "00000042|0.5");
  EXPECT_EQ(printfString("%s", std::string(5000, 'a').c_str()).size(), 5000u);
}

}  // namespace
}  // namespace hueset
