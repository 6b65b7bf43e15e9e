#include "output/cf_html.h"

#include <gtest/gtest.h>

#include <string>

namespace hueset {
namespace {

TEST(CfHtml, WrapsAPageWithDescriptionAndMarkers) {
  EXPECT_EQ(wrapCfHtml("<HTML><BODY>x</BODY></HTML>"),
            "Version:1.0\n"
            "StartHTML:00000092\n"
            "EndHTML:00000158\n"
            "StartFragment:00000098\n"
            "EndFragment:00000132\n"
            "<HTML><!--StartFragment--><BODY>x</BODY><!--EndFragment--></HTML>\n");
}

TEST(CfHtml, OffsetsPointAtWhatTheyName) {
  const std::string page = "<HTML>\n<HEAD>\n</HEAD>\n<BODY>text</BODY></HTML>";
  const std::string text = wrapCfHtml(page);
  const auto offsets = readCfHtmlOffsets(text);
  ASSERT_TRUE(offsets.has_value());
  EXPECT_EQ(text.compare(offsets->startHtml, 6, "<HTML>"), 0);
  EXPECT_EQ(offsets->endHtml, text.size());
  EXPECT_EQ(text.compare(offsets->startFragment, 20, "<!--StartFragment-->"), 0);
  EXPECT_EQ(text.compare(offsets->endFragment, 18, "<!--EndFragment-->"), 0);
  EXPECT_EQ(
      cfHtmlPage(text),
      "<HTML><!--StartFragment-->\n<HEAD>\n</HEAD>\n<BODY>text</BODY><!--EndFragment--></HTML>\n");
}

TEST(CfHtml, APageWithoutHtmlElementStillGetsConsistentOffsets) {
  const std::string text = wrapCfHtml("plain");
  const auto offsets = readCfHtmlOffsets(text);
  ASSERT_TRUE(offsets.has_value());
  EXPECT_EQ(offsets->startHtml, 92u);
  EXPECT_EQ(text.substr(92), "<!--StartFragment-->plain<!--EndFragment-->\n");
  EXPECT_EQ(text.compare(offsets->endFragment, 18, "<!--EndFragment-->"), 0);
}

TEST(CfHtml, RejectsBrokenDescriptions) {
  const std::string good = wrapCfHtml("<HTML></HTML>");
  EXPECT_TRUE(readCfHtmlOffsets(good).has_value());
  for (const std::string& bad :
       {std::string(), std::string("<HTML></HTML>"), std::string("Version:1.0\nStartHTML:x\n"),
        std::string("Version:1.0\nStartHTML:00000092\nEndHTML:99999999\n"
                    "StartFragment:00000098\nEndFragment:00000100\n<HTML></HTML>\n"),
        good.substr(0, 40)}) {
    EXPECT_FALSE(readCfHtmlOffsets(bad).has_value()) << bad;
    EXPECT_EQ(cfHtmlPage(bad), bad);
  }
}

TEST(CfHtml, AHugePageGetsWiderNumbersInsteadOfWrongOffsets) {
  std::string page = "<HTML>";
  page.append(100'000'000, 'x');
  page.append("</HTML>");
  const std::string text = wrapCfHtml(page);
  EXPECT_EQ(text.substr(0, 32), "Version:1.0\nStartHTML:000000096\n");
  const auto offsets = readCfHtmlOffsets(text);
  ASSERT_TRUE(offsets.has_value());
  EXPECT_EQ(offsets->endHtml, text.size());
  EXPECT_EQ(text.compare(offsets->startHtml, 6, "<HTML>"), 0);
  EXPECT_EQ(text.compare(offsets->startFragment, 20, "<!--StartFragment-->"), 0);
  EXPECT_EQ(text.compare(offsets->endFragment, 18, "<!--EndFragment-->"), 0);
}

}  // namespace
}  // namespace hueset
