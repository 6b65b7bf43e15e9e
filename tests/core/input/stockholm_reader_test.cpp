#include <gtest/gtest.h>

#include "core/input/reader_cases.h"

namespace hueset {
namespace {

using test::ReaderCase;

const std::string kHeader = "# STOCKHOLM 1.0\n";

TEST(StockholmReader, Cases) {
  const ReaderCase cases[] = {
      {"interleaved blocks append in order of first appearance; mark-up is never a sequence, "
       "and the structure rows become labelled rows",
       kHeader +
           "#=GF ID  test\n#=GS a/3-8 AC P12345\n\n"
           "a/3-8  AC-D\nb      ac.e\n#=GR a/3-8 SS  HHEE\n#=GR a/3-8 PP  9999\n#=GC SS_cons <<..\n"
           "#=GC RF  xx.x\n\n"
           "a/3-8  EF\nb      GH\n#=GR a/3-8 SS  CC\n#=GC SS_cons >>\n//\n",
       "a/3-8=AC-DEF b=ac.eGH [a/3-8 SS=HHEECC SS_cons=<<..>>]", ""},
      {"CR LF line ends and a header after blank lines read like the plain form",
       "\r\n" + std::string("# STOCKHOLM 1.0\r\na  AC\r\nb  AD\r\n//\r\n"), "a=AC b=AD", ""},
      {"several alignments: the first is read, after a question at the second header",
       kHeader + "a AC\nb AD\n//\n" + kHeader + "c A\n//\n" + kHeader + "d A\n//\n", "a=AC b=AD",
       "Q5"},
      {"No to the skipped alignments stops the read",
       kHeader + "a AC\n//\n" + kHeader + "c A\n//\n",
       "failed",
       "Q4",
       {true}},
      {"an alignment not closed by // is a question about the whole text", kHeader + "a AC\nb AD\n",
       "a=AC b=AD", "Q0"},
      {"no header: fatal at the first line", "a AC\nb AD\n//\n", "failed", "E1"},
      {"a name without residues is asked about and its line skipped",
       kHeader + "a AC\nb\nb AD\n//\n", "a=AC b=AD", "Q3"},
      {"text after the residues is asked about and discarded", kHeader + "a AC 12\nb AD\n//\n",
       "a=AC b=AD", "Q2"},
      {"blocks of unequal length end in the unequal-lengths report",
       kHeader + "a AC\nb AD\n\na E\n//\n", "failed", "U0"},
      {"a structure row that does not span the alignment ends in the report too",
       kHeader + "a AC\nb AD\n#=GC SS_cons <\n//\n", "failed", "U0"},
      {"the structure rows take the coil option as the DSC row does",
       kHeader + "a ACDE\n#=GR a SS CCHH\n#=GC SS_cons C-HH\n//\n",
       "a=ACDE [a SS=..HH SS_cons=.-HH]",
       "",
       {},
       ReadSettings{true, false, false, false}},
      {"mark-up alone is no alignment", kHeader + "#=GF ID x\n#=GC SS_cons <>\n//\n", "failed",
       "E5"},
  };
  for (const ReaderCase& c : cases) test::expectCase(AlignmentFormat::Stockholm, c);
}

TEST(StockholmReader, MessagesSayWhatWasSkippedInTheStyleOfTheOthers) {
  const test::MessageCase cases[] = {
      {"further alignments",
       kHeader + "a AC\n//\n\n" + kHeader + "c A\n//\n" + kHeader + "d A\n//\n", true,
       "Q 5: There is an error in the Stockholm file.\r\nOnly the first alignment of the file is "
       "read: 2 more, from line 5 on, will be skipped.\r\nDo you wish to proceed regardless?\n"},
      {"no header", "CLUSTAL W\n", false,
       "E 1: This is not a valid Stockholm file.\r\nThe first line should be the header "
       "\"# STOCKHOLM 1.0\".\n"},
  };
  for (const auto& c : cases) test::expectMessages(AlignmentFormat::Stockholm, c);
}

}  // namespace
}  // namespace hueset
