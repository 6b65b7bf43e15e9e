#include "output/html_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "output/cf_html.h"
#include "sample_annotation.h"
#include "support/writer_formats.h"

namespace hueset {
namespace {

using namespace test;
using ::testing::HasSubstr;
using ::testing::Not;

const std::string kPlainStyle = "color: #000000; background-color: #ffffff; font-weight: normal;";
const std::string kRedStyle = "color: #ff0000; background-color: #ffffff;";
const std::string kHead = "<HTML>\n<HEAD>\n";
const std::string kBodyStart =
    "</HEAD>\n<BODY>\n<P><SAMP>\n<SPAN style=\"font-style: normal\">\n<b><PRE>";
const std::string kFoot = "</SPAN></SAMP></P></PRE></BODY></HTML>";

HtmlWriterSettings settings(int styleMode, bool sampleFont, bool browserSize) {
  return HtmlWriterSettings{styleMode, sampleFont, browserSize};
}

// One sequence "a" with the residues ABC in a red bold grouping.
std::string page(const HtmlWriterSettings& chosen, std::int32_t fontSize = 100) {
  HtmlWriter writer(fontSize, "Courier New", "hs", chosen);
  writeSimple(writer, SimpleRun{{kPlain, kRedBold}, {{"a"}}, {{"ABC"}}, {{1}}, {}});
  return writer.fileText();
}

TEST(HtmlColour, IsSixLowerCaseDigitsRedFirst) {
  EXPECT_EQ(htmlColour(rgb(255, 0, 128)), "#ff0080");
  EXPECT_EQ(htmlColour(rgb(1, 2, 3)), "#010203");
  EXPECT_EQ(htmlColour(rgb(0, 0, 0)), "#000000");
  EXPECT_EQ(htmlColour(rgb(0xAB, 0xCD, 0xEF)), "#abcdef");
}

TEST(HtmlStyleText, NamesWeightOnlyWhenNotBoldAndStyleOnlyWhenItalic) {
  EXPECT_EQ(htmlStyleText(kPlain), kPlainStyle);
  EXPECT_EQ(htmlStyleText(kRedBold), kRedStyle);
  EXPECT_EQ(htmlStyleText({kRed, kBlack, true, true}),
            "color: #ff0000; background-color: #000000; font-style: italic;");
  EXPECT_EQ(htmlStyleText({kRed, kBlack, true, false}),
            "color: #ff0000; background-color: #000000; font-weight: normal; font-style: italic;");
}

TEST(HtmlWriter, InlineStylesPageWithoutFontElement) {
  EXPECT_EQ(page(settings(0, true, true)), kHead + kBodyStart + "</b><b style=\"" + kPlainStyle +
                                               "\">a  " + "</b><b style=\"" + kRedStyle + "\">ABC" +
                                               "</b><b style=\"" + kPlainStyle + "\">\n\n\n\n" +
                                               "</b>\n" + kFoot);
}

TEST(HtmlWriter, StyleSheetPageRefersToRulesById) {
  EXPECT_EQ(page(settings(1, true, true)),
            kHead + "<STYLE>\n<!--\n" + "#hs0\t{ " + kPlainStyle + "}\n" + "#hs1\t{ " + kRedStyle +
                "}\n" + "-->\n</STYLE>\n" + kBodyStart +
                "</b><b ID=\"hs0\">a  </b><b ID=\"hs1\">ABC</b><b ID=\"hs0\">\n\n\n\n" + "</b>\n" +
                kFoot);
}

TEST(HtmlWriter, OnlyStyleModeOneUsesTheStyleSheet) {
  for (const int mode : {0, 2, -1}) {
    HtmlWriter writer(100, "Courier New", "hs", settings(mode, true, true));
    EXPECT_FALSE(writer.useStyleSheet()) << mode;
  }
  HtmlWriter writer(100, "Courier New", "hs", settings(1, true, true));
  EXPECT_TRUE(writer.useStyleSheet());
}

TEST(HtmlWriter, FontElementFollowsTheTwoFontFlags) {
  struct Case {
    bool sampleFont;
    bool browserSize;
    std::int32_t fontSize;
    const char* element;
  };
  const Case cases[] = {
      {false, false, 105, "<font face=\"Courier New\" style =\"font-size:10.5pt\">\n"},
      {true, false, 90, "<font style =\"font-size:9.0pt\">\n"},
      {false, true, 100, "<font face=\"Courier New\">\n"},
  };
  for (const Case& c : cases) {
    const std::string html = page(settings(0, c.sampleFont, c.browserSize), c.fontSize);
    EXPECT_NE(html.find("<b><PRE>" + std::string(c.element) + "</b><b style="), std::string::npos)
        << c.element;
    EXPECT_EQ(html.substr(html.size() - kFoot.size() - 12), "</b>\n</font>" + kFoot);
  }
  const std::string bare = page(settings(0, true, true));
  EXPECT_EQ(bare.find("<font"), std::string::npos);
  EXPECT_EQ(bare.find("</font>"), std::string::npos);
}

TEST(HtmlWriter, IdenticalFormatsShareOneRuleAndOneId) {
  HtmlWriter writer(100, "Courier New", "hs", settings(1, true, true));
  writeSimple(writer,
              SimpleRun{{kPlain, kRedBold, kRedBold}, {{"a", "b"}}, {{"DE", "KR"}}, {{1, 2}}, {}});
  const std::string html = writer.fileText();
  for (const char* piece : {"#hs1\t{ ", "<b ID=\"hs1\">DE", "<b ID=\"hs1\">KR"}) {
    EXPECT_THAT(html, HasSubstr(piece));
  }
  EXPECT_THAT(html, Not(HasSubstr("#hs2")));
}

TEST(HtmlWriter, LineBreaksStayInsideTheRunsAndSetsAddOne) {
  HtmlWriter writer(100, "Courier New", "hs", settings(0, true, true));
  writeSimple(writer,
              SimpleRun{{kPlain}, {{"a"}, {"b"}}, {{"AC"}, {"AD"}}, {{0}, {0}}, {"A.", "A."}});
  const std::string html = writer.fileText();
  const std::string body = html.substr(html.find("<PRE>") + 5);
  EXPECT_EQ(body, "</b><b style=\"" + kPlainStyle +
                      "\">a  AC\nConsensus  A.\nb  AD\nConsensus  A.\n\n\n" + "</b>\n" + kFoot);
}

TEST(HtmlWriter, NamesAndFontCannotOpenElementsOrLeaveAttributes) {
  HtmlWriter writer(100, "Mono\" onload=\"alert(1)", "hs", settings(0, false, true));
  writeSimple(
      writer,
      SimpleRun{
          {kPlain, kRedBold}, {{"<script>", "A&B \"q\""}}, {{"<>", "&\""}}, {{0, 1}}, {"<&"}});
  const std::string html = writer.fileText();
  EXPECT_THAT(html, Not(HasSubstr("<script>")));
  for (const char* piece :
       {"<font face=\"Mono&quot; onload=&quot;alert(1)\">", "&lt;script&gt;  &lt;&gt;\n",
        "A&amp;B &quot;q&quot;  </b>", "\">&amp;&quot;", "Consensus  &lt;&amp;\n"}) {
    EXPECT_THAT(html, HasSubstr(piece));
  }
}

TEST(HtmlWriter, ClipboardGetsTheSameCfHtmlTwice) {
  HtmlWriter writer(100, "Courier New", "hs", settings(0, true, true));
  writeSimple(writer, SimpleRun{{kPlain, kRedBold}, {{"<HTML>"}}, {{"ABC"}}, {{1}}, {}});
  ASSERT_EQ(writer.clipboardFormatCount(), 2);
  EXPECT_EQ(writer.clipboardFormat(0), OutputKind::PlainText);
  EXPECT_EQ(writer.clipboardFormat(1), OutputKind::Html);
  const std::string text = writer.clipboardText(0);
  EXPECT_EQ(writer.clipboardText(1), text);
  EXPECT_EQ(text.substr(0, 23), "Version:1.0\nStartHTML:0");

  const auto offsets = readCfHtmlOffsets(text);
  ASSERT_TRUE(offsets.has_value());
  EXPECT_EQ(offsets->startHtml, 92u);
  EXPECT_EQ(offsets->endHtml, text.size());
  EXPECT_EQ(text.substr(offsets->startFragment, 27), "<!--StartFragment-->\n<HEAD>");
  EXPECT_EQ(text.substr(offsets->endFragment), "<!--EndFragment--></HTML>\n");
  EXPECT_EQ(text.substr(offsets->startHtml, 6), "<HTML>");
  // The file keeps the bare page.
  EXPECT_EQ(writer.fileText().substr(0, 6), "<HTML>");
  EXPECT_EQ(writer.fileText().find("Fragment"), std::string::npos);
}

TEST(HtmlWriter, StartHtmlIs92ForEveryPage) {
  for (const int mode : {0, 1}) {
    HtmlWriter writer(120, "Courier New", "hs", settings(mode, false, false));
    test::writeGlobins(writer);
    const auto offsets = readCfHtmlOffsets(writer.clipboardText(1));
    ASSERT_TRUE(offsets.has_value());
    EXPECT_EQ(offsets->startHtml, 92u);
    EXPECT_EQ(offsets->startFragment, 98u);
  }
}

}  // namespace
}  // namespace hueset
