#include "output/style_sheet_writer.h"

#include <gtest/gtest.h>

#include "sample_annotation.h"
#include "support/writer_formats.h"

namespace hueset {
namespace {

using test::kPlain;
using test::kRedBold;

constexpr ResidueFormat kGreyItalic{rgb(102, 102, 102), rgb(204, 204, 204), true, false};

TEST(StyleSheetWriter, WritesOneRulePerDistinctFormatAndNoPage) {
  StyleSheetWriter writer;
  for (const auto& f : {kPlain, kRedBold, kGreyItalic, kRedBold, kPlain}) writer.addFormat(f);
  writer.begin();
  writer.end();
  const std::string rules =
      "#hs0\t{ color: #000000; background-color: #ffffff; font-weight: normal;}\n"
      "#hs1\t{ color: #ff0000; background-color: #ffffff;}\n"
      "#hs2\t{ color: #666666; background-color: #cccccc; font-weight: normal; font-style: "
      "italic;}\n";
  EXPECT_EQ(writer.fileText(), rules);
  ASSERT_EQ(writer.clipboardFormatCount(), 1);
  EXPECT_EQ(writer.clipboardFormat(0), OutputKind::PlainText);
  EXPECT_EQ(writer.clipboardText(0), "<STYLE>\n<!--\n" + rules + "-->\n</STYLE>\n");
}

TEST(StyleSheetWriter, UsesTheFixedFontAndAllFlags) {
  StyleSheetWriter writer;
  EXPECT_EQ(writer.fontSize(), 100);
  EXPECT_EQ(writer.fontName(), "Courier New");
  EXPECT_TRUE(writer.useStyleSheet());
}

TEST(StyleSheetWriter, MatchesTheIdsOfAStyleSheetPage) {
  const GroupingSet groupings = test::globinGroupings();
  StyleSheetWriter sheet;
  for (const auto& f : groupings.textFormats()) sheet.addFormat(f);
  sheet.begin();
  sheet.end();

  HtmlWriter page(groupings.fontSize, groupings.fontName, "hs", HtmlWriterSettings{1, true, true});
  test::writeGlobins(page);
  const std::string html = page.fileText();
  const std::string embedded =
      html.substr(html.find("<!--\n") + 5, html.find("-->") - html.find("<!--\n") - 5);
  EXPECT_EQ(sheet.fileText(), embedded);
}

}  // namespace
}  // namespace hueset
