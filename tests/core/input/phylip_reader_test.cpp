#include <gtest/gtest.h>

#include "core/input/reader_cases.h"

namespace hueset {
namespace {

using test::ReaderCase;

TEST(PhylipReader, Cases) {
  const ReaderCase cases[] = {
      {"strict and interleaved, as seqret writes it: a ten-character name runs straight into the "
       "residues, later blocks carry no names, blanks inside the residues go",
       " 2 11\nabcdefghijACDEF GH\nb         -CDEF GH\n\n          IJKL\n          IJK-\n",
       "abcdefghij=ACDEFGHIJKL b=-CDEFGHIJK-", ""},
      {"strict names may hold blanks", "2 4\nHomo sapieACDE\nMus muscu ACD-\n",
       "Homo sapie=ACDE Mus muscu=ACD-", ""},
      {"relaxed and sequential: names longer than ten, residues over several lines",
       " 2 8\nlong_name_1 ACDE\nFGHI\nlong_name_2 ACDE\nFGH-\n",
       "long_name_1=ACDEFGHI long_name_2=ACDEFGH-", ""},
      {"relaxed and interleaved", "2 8\nlong_name_1 ACDE\nlong_name_2 ACDE\n\nFGHI\nFGH-\n",
       "long_name_1=ACDEFGHI long_name_2=ACDEFGH-", ""},
      {"options after the counts, CR LF line ends", "2 3 I\r\na  ACD\r\nb  AC-\r\n", "a=ACD b=AC-",
       ""},
      {"lines beyond the sequences the first line gives are asked about",
       "2 3\na ACD\nb ACD\nc ACD\n", "a=ACD b=ACD", "Q4"},
      {"No to them stops the read", "2 3\na ACD\nb ACD\nc ACD\n", "failed", "Q4", {true}},
      {"fewer sequences than the first line gives is fatal", "3 3\na ACD\nb ACD\n", "failed", "E0"},
      {"a sequence longer than the columns given is fatal at its line", "2 3\na ACDE\nb ACD\n",
       "failed", "E2"},
      {"a sequence left short at the end of the text is fatal", "2 6\na ACD\nb ACD\n\nEF\n",
       "failed", "E0"},
      {"a first line without two counts is fatal at that line", "\n CLUSTAL W\n", "failed", "E2"},
  };
  for (const ReaderCase& c : cases) test::expectCase(AlignmentFormat::Phylip, c);
}

TEST(PhylipReader, MessagesQuoteTheCountsAndTheSequence) {
  const test::MessageCase cases[] = {
      {"too many residues", "2 3\na ACDE\nb ACD\n", false,
       "E 2: This is not a valid PHYLIP file.\r\nThe sequence \"a\" has more residues by line 2 "
       "than the number of columns given on the first line.\n"},
      {"no counts", "2 x\n", false,
       "E 1: This is not a valid PHYLIP file.\r\nLine 1 should give the number of sequences and "
       "the number of columns (\"2 x\").\n"},
  };
  for (const auto& c : cases) test::expectMessages(AlignmentFormat::Phylip, c);
}

}  // namespace
}  // namespace hueset
