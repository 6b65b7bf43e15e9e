#include <gtest/gtest.h>

#include "core/input/reader_cases.h"

namespace hueset {
namespace {

using test::ReaderCase;

ReadSettings matchStatesOnly() {
  ReadSettings settings;
  settings.matchStatesOnly = true;
  return settings;
}

ReadSettings ignoringConfidences() {
  ReadSettings settings;
  settings.ignoreConfidences = true;
  return settings;
}

// Three sequences over the match states A, C, D: b inserts "gt" and c
// inserts "x" between A and C.
const std::string kA2m = ">a first\nA..CD\n>b\nAgtCD\n>c\nAx.CD\n";
const std::string kA3m = ">a first\nACD\n>b\nAgtCD\n>c\nAxCD\n";

TEST(A2mReader, Cases) {
  const ReaderCase cases[] = {
      {"A2M keeps every column as it stands; the name is the header's first word without \">\"",
       kA2m, "a=A..CD b=AgtCD c=Ax.CD", ""},
      {"match states only drops the insert columns",
       kA2m,
       "a=ACD b=ACD c=ACD",
       "",
       {},
       matchStatesOnly()},
      {"lines of a sequence are joined, blank lines pass", ">a\nA..\n\nCD\n>b\nAgt\nCD\n",
       "a=A..CD b=AgtCD", ""},
      {"a sequence with other match states than the first is fatal at its header",
       ">a\nACD\n>b\nAC\n", "failed", "E3"},
      {"text before the first header is fatal at its line", "\nACD\n>a\nACD\n", "failed", "E2"},
      {"repeated names are kept: two hits of one protein", ">a\nACD\n>a x\nACD\n", "a=ACD a=ACD",
       ""},
      {"a header without residues is asked about and the sequence dropped",
       ">a\nACD\n>b\n>c\nAgCD\n", "a=A.CD c=AgCD", "Q0"},
      {"a second word on a data line is asked about and discarded", ">a\nACD x\n>b\nACD\n",
       "a=ACD b=ACD", "Q2"},
  };
  for (const ReaderCase& c : cases) test::expectCase(AlignmentFormat::A2m, c);
}

TEST(A3mReader, Cases) {
  const ReaderCase cases[] = {
      {"the omitted insert gaps are restored: inserted letters first, then \".\"", kA3m,
       "a=A..CD b=AgtCD c=Ax.CD", ""},
      {"match states only gives what A2M gives",
       kA3m,
       "a=ACD b=ACD c=ACD",
       "",
       {},
       matchStatesOnly()},
      {"comment lines may come before the first header", "#A3M#\n#cl|x\n" + kA3m,
       "a=A..CD b=AgtCD c=Ax.CD", ""},
      {"inserts after the last match state are padded too", ">a\nAC\n>b\nACgg\n>c\nACg\n",
       "a=AC.. b=ACgg c=ACg.", ""},
      {"HH-suite's structure rows become labelled rows with the sequences' columns",
       ">ss_pred\nCHH\n>ss_conf\n589\n" + kA3m,
       "a=A..CD b=AgtCD c=Ax.CD [ss_pred=C..HH ss_conf=5..89]", ""},
      {"the confidence row goes when confidences are ignored",
       ">ss_pred\nCHH\n>ss_conf\n589\n" + kA3m,
       "a=A..CD b=AgtCD c=Ax.CD [ss_pred=C..HH]",
       "",
       {},
       ignoringConfidences()},
      {"inserts scattered over the rows that would widen it past the bound are refused",
       ">a\nAccccD\n>b\nAD\n",
       "failed",
       "E0",
       {},
       ReadSettings{.maxWidenedCells = 10}},
      {"inserts alone leave nothing with match states only, and that is said",
       ">a\nacd\n>b\nagt\n",
       "failed",
       "E0",
       {},
       ReadSettings{.matchStatesOnly = true}},
      {"with match states only the same file reads, as nothing is widened",
       ">a\nAccccD\n>b\nAD\n",
       "a=AD b=AD",
       "",
       {},
       ReadSettings{.matchStatesOnly = true, .maxWidenedCells = 10}},
  };
  for (const ReaderCase& c : cases) test::expectCase(AlignmentFormat::A3m, c);
}

TEST(A3mReader, MismatchMessageNamesTheSequenceAndItsHeaderLine) {
  test::expectMessages(
      AlignmentFormat::A3m,
      {"too few match columns", ">q\nACD\n>t\nAbCDE\n", false,
       "E 3: This is not a valid A3M file.\r\nThe sequence \"t\" that begins on line 3 has not as "
       "many match columns (capital letters and \"-\") as the first sequence.\n"});
}

}  // namespace
}  // namespace hueset
