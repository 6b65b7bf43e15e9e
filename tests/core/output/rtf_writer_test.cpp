#include "output/rtf_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "sample_annotation.h"
#include "support/writer_formats.h"

namespace hueset {
namespace {

using namespace test;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr ResidueFormat kRedOnYellowBold{kRed, kYellow, false, true};

std::string afterHeader(const std::string& rtf) {
  const auto at = rtf.find("\\i0 ");
  return at == std::string::npos ? rtf : rtf.substr(at + 4);
}

// True when every group closes, nothing closes that was not opened, and the
// document group closes exactly at the last byte.
bool groupsBalance(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;  // the escaped or control character
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      if (--depth < 0) return false;
      if (depth == 0 && i + 1 != rtf.size()) return false;
    }
  }
  return depth == 0;
}

TEST(RtfWriter, WritesTheHeaderAndARunOfAGrouping) {
  RtfWriter writer(100, "Courier New");
  writeSimple(writer, SimpleRun{{kPlain, kRedOnYellowBold}, {{"a"}}, {{"ABC"}}, {{1}}, {}});
  EXPECT_EQ(writer.fileText(),
            "{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;"
            "\\red255\\green255\\blue0;\\red255\\green255\\blue255;}"
            "\\deff0{\\fonttbl{\\f0\\fmodern\\fprq1 Courier New;}}"
            "\\fs20\\chcbpat4\\cf1\\b0\\i0 "
            "a  {\\chcbpat3\\cf2\\b ABC}{\\par}{\\par}{\\par}{\\par}}");
  EXPECT_EQ(writer.colours(), (std::vector<Colour>{kBlack, kRed, kYellow, kWhite}));
}

TEST(RtfWriter, ColourTableIsSortedAndHoldsEachColourOnce) {
  RtfWriter writer(100, "Courier New");
  writer.addFormat(kPlain);
  writer.addFormat({kRed, kWhite, false, true});
  writer.addFormat({kRed, kYellow, false, false});
  writer.addFormat({kWhite, kBlack, false, false});
  writer.begin();
  writer.end();
  EXPECT_EQ(writer.colours(), (std::vector<Colour>{kBlack, kRed, kYellow, kWhite}));
  EXPECT_NE(writer.fileText().find("{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;"
                                   "\\red255\\green255\\blue0;\\red255\\green255\\blue255;}"),
            std::string::npos);
}

TEST(RtfWriter, DefaultPropertiesFollowStyleZero) {
  struct Case {
    ResidueFormat plain;
    std::int32_t fontSize;
    const char* expected;
  };
  const Case cases[] = {
      {kPlain, 100, "\\fs20\\chcbpat2\\cf1\\b0\\i0 "},
      {{kBlack, kWhite, true, true}, 125, "\\fs25\\chcbpat2\\cf1\\b\\i "},
      {{kWhite, kBlack, false, true}, 90, "\\fs18\\chcbpat1\\cf2\\b\\i0 "},
      {{kRed, kRed, true, false}, 99, "\\fs19\\chcbpat1\\cf1\\b0\\i "},
  };
  for (const Case& c : cases) {
    RtfWriter writer(c.fontSize, "Courier New");
    writer.addFormat(c.plain);
    writer.begin();
    writer.end();
    const std::string rtf = writer.fileText();
    EXPECT_EQ(rtf.substr(rtf.find(";}}") + 3), std::string(c.expected) + "}");
  }
}

TEST(RtfWriter, RunsCarryOnlyThePropertiesThatDiffer) {
  struct Case {
    ResidueFormat format;
    const char* run;
  };
  const Case cases[] = {
      {{kBlack, kWhite, true, false}, "{\\i ACD}"},
      {{kBlack, kWhite, false, true}, "{\\b ACD}"},
      {{kRed, kWhite, false, false}, "{\\cf2 ACD}"},
      {{kBlack, kYellow, false, false}, "{\\chcbpat2 ACD}"},
      {{kRed, kYellow, true, true}, "{\\chcbpat3\\cf2\\b\\i ACD}"},
  };
  for (const Case& c : cases) {
    RtfWriter writer(100, "Courier New");
    writeSimple(writer, SimpleRun{{kPlain, c.format}, {{"a"}}, {{"ACD"}}, {{1}}, {}});
    EXPECT_EQ(afterHeader(writer.fileText()),
              "a  " + std::string(c.run) + "{\\par}{\\par}{\\par}{\\par}}");
  }
}

TEST(RtfWriter, PlainDefaultRunsSwitchBoldAndItalicOffInsideABoldDefault) {
  RtfWriter writer(100, "Courier New");
  const ResidueFormat boldItalicDefault{kBlack, kWhite, true, true};
  writeSimple(writer, SimpleRun{{boldItalicDefault, kPlain}, {{"a"}}, {{"ACD"}}, {{1}}, {}});
  EXPECT_NE(writer.fileText().find("{\\b0\\i0 ACD}"), std::string::npos);
}

TEST(RtfWriter, AFormatThatLooksLikeDefaultProducesNoGroups) {
  RtfWriter writer(100, "Courier New");
  writeSimple(writer, SimpleRun{{kPlain, kPlain}, {{"a", "b"}}, {{"AC", "AD"}}, {{1, 1}}, {"A."}});
  EXPECT_EQ(afterHeader(writer.fileText()),
            "a  AC{\\par}b  AD{\\par}Consensus  A.{\\par}{\\par}{\\par}}");
}

TEST(RtfWriter, SetsAreSeparatedBySpaceAfterOfTheFontSize) {
  RtfWriter writer(90, "Courier New");
  writeSimple(writer,
              SimpleRun{{kPlain}, {{"a"}, {"b"}}, {{"AC"}, {"AD"}}, {{0}, {0}}, {"A.", "A."}});
  const std::string rtf = writer.fileText();
  EXPECT_NE(rtf.find("\\fs18\\"), std::string::npos);
  EXPECT_EQ(
      afterHeader(rtf),
      "a  AC{\\par}Consensus  A.{\\sa90\\par}b  AD{\\par}Consensus  A.{\\par}{\\par}{\\par}}");
}

// Kept together, a page may break only after the blank line under a block;
// the lines before it (the set separator too) keep with the next.
TEST(RtfWriter, KeptBlocksBreakOnlyAfterTheirLastLine) {
  RtfWriter writer(90, "Courier New");
  writer.keepBlocksTogether(true);
  writeSimple(writer,
              SimpleRun{{kPlain}, {{"a"}, {"b"}}, {{"AC"}, {"AD"}}, {{0}, {0}}, {"A.", "A."}});
  EXPECT_EQ(afterHeader(writer.fileText()),
            "a  AC{\\keep\\keepn\\par}Consensus  A.{\\sa90\\keep\\keepn\\par}"
            "b  AD{\\keep\\keepn\\par}Consensus  A.{\\keep\\keepn\\par}{\\par}{\\par}}");
  EXPECT_TRUE(groupsBalance(writer.fileText()));
}

TEST(RtfWriter, OneSetHasNoSpaceAfterParagraph) {
  RtfWriter writer(100, "Courier New");
  writeSimple(writer,
              SimpleRun{{kPlain}, {{"a", "b"}}, {{"ACDEFG", "ACDEFH"}}, {{0, 0}}, {"ACDEF."}}, 2,
              1);
  EXPECT_EQ(writer.fileText().find("\\sa"), std::string::npos);
  // Three blocks of two columns, each closed by two empty paragraphs.
  EXPECT_EQ(afterHeader(writer.fileText()),
            "a  A C{\\par}b  A C{\\par}Consensus  A C{\\par}{\\par}{\\par}"
            "a  D E{\\par}b  D E{\\par}Consensus  D E{\\par}{\\par}{\\par}"
            "a  F G{\\par}b  F H{\\par}Consensus  F .{\\par}{\\par}{\\par}}");
}

TEST(RtfWriter, NamesCannotBreakOutOfTheDocument) {
  RtfWriter writer(100, "Evil}{\\font");
  writeSimple(writer, SimpleRun{{kPlain, kRedOnYellowBold},
                                {{"{\\rtf1 x}", "caf\xE9\\"}},
                                {{"A{", "}\xFF"}},
                                {{0, 1}},
                                {"\\."}});
  const std::string rtf = writer.fileText();
  for (const char* piece :
       {"\\fprq1 Evil\\}\\{\\\\font;}}", "\\{\\\\rtf1 x\\}  A\\{{\\par}",
        "caf\\'e9\\\\  {\\chcbpat3\\cf2\\b \\}\\'ff}", "Consensus  \\\\.{\\par}"}) {
    EXPECT_THAT(rtf, HasSubstr(piece));
  }
  EXPECT_TRUE(groupsBalance(rtf));
  EXPECT_EQ(rtf.find('\xE9'), std::string::npos);
}

TEST(RtfWriter, EscapesOnlyBackslashBracesAndHighBytes) {
  std::string out;
  appendRtfEscaped(out, "a\\b{c}d\x80\x7F~ ;");
  EXPECT_EQ(out, "a\\\\b\\{c\\}d\\'80\x7F~ ;");
}

TEST(RtfWriter, OffersItsDocumentOnceAsRichText) {
  RtfWriter writer(100, "Courier New");
  writeSimple(writer, SimpleRun{{kPlain}, {{"a"}}, {{"A"}}, {{0}}, {}});
  EXPECT_EQ(writer.clipboardFormatCount(), 1);
  EXPECT_EQ(writer.clipboardFormat(0), OutputKind::Rtf);
  EXPECT_EQ(writer.clipboardText(0), writer.fileText());
  EXPECT_TRUE(groupsBalance(writer.fileText()));
}

}  // namespace
}  // namespace hueset
