#include <gtest/gtest.h>

#include "core/input/reader_cases.h"

namespace hueset {
namespace {

using test::ReaderCase;

TEST(PirReader, Cases) {
  const ReaderCase cases[] = {
      {"header, description, residue lines in groups ended by \"*\"; the name keeps its suffix",
       ">P1;HBB_HUMAN/1-9\nhemoglobin beta, 9 bases\n ACDEF GH\n I*\n\n>P1;HBA_HUMAN\ndesc\nACDEF "
       "GH-*\n",
       "HBB_HUMAN/1-9=ACDEFGHI HBA_HUMAN=ACDEFGH-", ""},
      {"an empty description line is still the description", ">P1;a\n\nACD*\n>F1;b\n\nACE*\n",
       "a=ACD b=ACE", ""},
      {"a description that looks like residues is not read as residues",
       ">DL;a\nACD\nEF*\n>DC;b\nGG\nEE*\n", "a=EF b=EE", ""},
      {"a missing \"*\" is asked about at the next header", ">P1;a\nd\nACD\n>P1;b\nd\nACE*\n",
       "a=ACD b=ACE", "Q4"},
      {"and at the end of the text without a line", ">P1;a\nd\nACD*\n>P1;b\nd\nACE\n",
       "a=ACD b=ACE", "Q0"},
      {"text after the \"*\" is asked about once", ">P1;a\nd\nACD* x\ny\n>P1;b\nd\nACE*\n",
       "a=ACD b=ACE", "Q3"},
      {"a first line that opens no sequence is fatal", "ACD*\n", "failed", "E1"},
      {"a \">\" header without the type and \";\" is fatal at its line",
       ">P1;a\nd\nACD*\n>b\nACD\n", "failed", "E4"},
      {"sequences of unequal length end in the report", ">P1;a\nd\nACD*\n>P1;b\nd\nAC*\n", "failed",
       "U0"},
      {"a sequence without residues is asked about and dropped", ">P1;a\nd\nACD*\n>P1;b\nd\n*\n",
       "a=ACD", "Q0"},
  };
  for (const ReaderCase& c : cases) test::expectCase(AlignmentFormat::Pir, c);
}

TEST(PirReader, QuestionNamesTheUnendedSequence) {
  test::expectMessages(
      AlignmentFormat::Pir,
      {"the missing \"*\"", ">P1;a\nd\nACD\n>P1;b\nd\nACE*\n", true,
       "Q 4: There is an error in the PIR file.\r\nThe sequence \"a\" is not ended by a \"*\" "
       "before line 4.\r\nDo you wish to proceed regardless?\n"});
}

}  // namespace
}  // namespace hueset
