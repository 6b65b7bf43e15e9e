// The whole output for a small two-set globin annotation, compared with the
// files under tests/data/output.
#include <gtest/gtest.h>

#include "annotate/tee_writer.h"
#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "output/style_sheet_writer.h"
#include "sample_annotation.h"
#include "support/test_files.h"

namespace hueset {
namespace {

using test::expectMatchesGolden;

TEST(GoldenOutput, Rtf) {
  const GroupingSet groupings = test::globinGroupings();
  RtfWriter writer(groupings.fontSize, groupings.fontName);
  test::writeGlobins(writer);
  expectMatchesGolden(writer.fileText(), "output/globins_two_sets.rtf");
}

TEST(GoldenOutput, HtmlWithInlineStylesAndTheConfiguredFont) {
  const GroupingSet groupings = test::globinGroupings();
  HtmlWriter writer(groupings.fontSize, groupings.fontName, "hs",
                    HtmlWriterSettings{0, false, false});
  test::writeGlobins(writer);
  expectMatchesGolden(writer.fileText(), "output/globins_two_sets_inline_styles.html");
}

TEST(GoldenOutput, HtmlWithStyleSheetAndBrowserFont) {
  const GroupingSet groupings = test::globinGroupings();
  HtmlWriter writer(groupings.fontSize, groupings.fontName, "hs",
                    HtmlWriterSettings{1, true, true});
  test::writeGlobins(writer);
  expectMatchesGolden(writer.fileText(), "output/globins_two_sets_style_sheet.html");
}

// Residue numbers and the ruler reach the text writers through the layout:
// plain text in "Default", the residues' runs as they were.
TEST(GoldenOutput, HtmlWithResidueNumbersAndRuler) {
  const GroupingSet groupings = test::globinGroupings();
  HtmlWriter writer(groupings.fontSize, groupings.fontName, "hs",
                    HtmlWriterSettings{1, true, true});
  test::writeGlobins(writer, LayoutMarks{true, true, 10});
  expectMatchesGolden(writer.fileText(), "output/globins_two_sets_numbered.html");
}

// The Rich Text clipboard command feeds its pictures through a tee: the
// Rich Text (and any writer) must come out exactly as if written alone.
TEST(GoldenOutput, WritersBehindATeeWriteTheirOwnFiles) {
  const GroupingSet groupings = test::globinGroupings();
  RtfWriter rtf(groupings.fontSize, groupings.fontName);
  HtmlWriter html(groupings.fontSize, groupings.fontName, "hs",
                  HtmlWriterSettings{0, false, false});
  TeeWriter tee({&rtf, &html});
  test::writeGlobins(tee);
  expectMatchesGolden(rtf.fileText(), "output/globins_two_sets.rtf");
  expectMatchesGolden(html.fileText(), "output/globins_two_sets_inline_styles.html");
  EXPECT_EQ(tee.fileText(), rtf.fileText());
}

TEST(GoldenOutput, StyleSheetForTheGroupings) {
  StyleSheetWriter writer;
  for (const auto& format : test::globinGroupings().textFormats()) writer.addFormat(format);
  writer.begin();
  writer.end();
  expectMatchesGolden(writer.clipboardText(0), "output/globin_groupings_style_sheet.css");
}

}  // namespace
}  // namespace hueset
