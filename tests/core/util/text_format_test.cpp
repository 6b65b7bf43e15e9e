#include "util/text_format.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

// The program's own templates: a number and a text go in, and the text is
// copied as it stands, never read as a format.
TEST(FillTemplate, FillsTheTemplateAndCopiesTheText) {
  struct Case {
    const char* what;
    const char* templ;
    long long number;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"a number", "line %d", 7, "", "line 7"},
      {"a text", "name %s", 0, "x", "name x"},
      {"both", "(%d) and (%s)", 12, "3, 4", "(12) and (3, 4)"},
      {"user text holding a format", "got %s", 1, "%d%s%n", "got %d%s%n"},
      {"a doubled percent sign", "100%% of %d", 5, "", "100% of 5"},
      {"a percent sign at the end", "trailing %", 1, "", "trailing %"},
      {"no placeholders", "no placeholders", 1, "x", "no placeholders"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(fillTemplate(c.templ, c.number, c.text), c.expected) << c.what;
}

TEST(FillTemplate, PlaceholderOfAFileIsFilledOnceAndOnlyThere) {
  EXPECT_EQ(fillPlaceholder("%1\nCannot find this file.", "the file a.msf"),
            "the file a.msf\nCannot find this file.");
  EXPECT_EQ(fillPlaceholder("Failed to save document.", "a.msf"), "Failed to save document.");
  // A file name holding "%1" stays as it is.
  EXPECT_EQ(fillPlaceholder("%1 or %1", "x%1"), "x%1 or %1");
}

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
